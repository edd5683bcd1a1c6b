// The T-SQL bridge's front end on arbitrary text: lexing, parsing and printing the SQLite text of
// every statement, and the translation shown by tarvand-db. A text it cannot take must end in
// EDatabaseError, never in a crash, a hang or undefined behaviour.
#include "EDatabaseError.h"
#include "TsqlCompiler.h"
#include "TsqlTranslator.h"

#include <cstdint>

using namespace tarvand;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        sql::TsqlCompiler::compileUncached(text);
        // The translation also checks a statement against itself (a key on a column the table
        // lacks); that too ends in EDatabaseError.
        sql::TsqlTranslator::translate(text);
    } catch (const EDatabaseError&) {
    }
    return 0;
}
