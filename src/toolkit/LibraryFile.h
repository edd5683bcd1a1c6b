#pragma once

#include <QString>

namespace tarvand {

// A look at a shared library's file before the loader maps it. A loader maps an ELF library's
// segments as its program headers place them; a file cut short (an interrupted copy) then faults
// with SIGBUS on the first touch of a missing page instead of failing to load. Other formats are
// left to the loader, which refuses them with a message.
class LibraryFile {
public:
    // Why the file cannot be a whole library; empty when the loader may try it.
    static QString Problem(const QString& path);
};

} // namespace tarvand
