#pragma once

#include <QString>

namespace tarvand {

// The suite writes its paths the Windows way: backslashes, ".dll" libraries, and folder names in
// whatever case the author typed ("\DLLS\GlobalForms\Search.dll" for the folder DLLs). This maps
// such a path to the file as it exists on this platform.
class SuitePath {
public:
    // Separators become '/', repeated separators collapse; a trailing ".dll" (any case) becomes
    // this platform's library suffix, and a library that exists only with the "lib" prefix of
    // Unix builds is found under that name. Every component that does not exist as written is
    // matched case-insensitively against the entries of its folder; from the first component that
    // matches nothing on, the rest of the path is kept as written, so the result names the file
    // the caller would create or report as missing.
    static QString ToPlatform(const QString& suitePath);

    // ".so", ".dylib" or ".dll".
    static QString LibrarySuffix();

private:
    static QString findEntry(const QString& folder, const QString& name);
    static QString findLibrary(const QString& folder, const QString& baseName);
};

} // namespace tarvand
