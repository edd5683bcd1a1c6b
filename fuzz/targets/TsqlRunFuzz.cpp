// Compiles and runs arbitrary T-SQL against the demo company, kept in memory and built once per
// process. Each input runs inside a transaction that is rolled back afterwards, so every input
// meets the same rows; an input that ended the transaction itself gets a fresh company. Inputs
// that name transactions or loops (even inside a string for Exec) are left to the compile-only
// target: a loop without bound is no fault of the bridge.
#include "DatabaseSetup.h"
#include "EDatabaseError.h"
#include "SqliteBackend.h"

#include <QRegularExpression>
#include <cstdint>
#include <memory>

using namespace tarvand;

namespace {

std::unique_ptr<sql::SqliteBackend> demoCompany() {
    auto backend = std::make_unique<sql::SqliteBackend>(QStringLiteral(":memory:"));
    sql::DatabaseSetup setup(*backend);
    setup.createSchema();
    setup.loadDemoData();
    return backend;
}

bool leftOut(const QString& text) {
    static const QRegularExpression words(QStringLiteral("tran|commit|rollback|while|goto"),
                                          QRegularExpression::CaseInsensitiveOption);
    return words.match(text).hasMatch();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<sql::SqliteBackend> company = demoCompany();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (leftOut(text))
        return 0;
    company->beginTransaction();
    try {
        const auto rows = company->query(text);
        while (rows->next()) {
            for (int column = 0; column < rows->columns().size(); ++column)
                rows->cellText(column);
        }
    } catch (const EDatabaseError&) {
    }
    try {
        company->rollback();
    } catch (const EDatabaseError&) {
        company = demoCompany();
    }
    return 0;
}
