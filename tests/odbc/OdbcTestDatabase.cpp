#include "OdbcTestDatabase.h"

#include <QFile>
#include <clocale>

using tarvand::sql::OdbcBackend;

QString OdbcTestDatabase::driverPath() {
    return QStringLiteral(TARVAND_SQLITE_ODBC_DRIVER);
}

void OdbcTestDatabase::SetUp() {
    if (driverPath().isEmpty() || !QFile::exists(driverPath())) {
        GTEST_SKIP() << "Debian's SQLite ODBC driver (package libsqliteodbc) is not installed";
    }
    ASSERT_TRUE(dir.isValid());
    // The SQLite driver has no UTF-16 entry points, so the driver manager passes statement text to
    // it in the locale's character set; the host's QCoreApplication selects a UTF-8 locale, as here.
    std::setlocale(LC_CTYPE, "C.UTF-8");
    db = connect();
}

QString OdbcTestDatabase::connectionString() const {
    return QStringLiteral("DRIVER=%1;Database=%2").arg(driverPath(), dir.filePath("company.db"));
}

std::unique_ptr<OdbcBackend> OdbcTestDatabase::connect() const {
    return std::make_unique<OdbcBackend>(connectionString());
}

QString cellString(const tarvand::sql::ResultCursor& cursor, int column) {
    const std::string_view view = cursor.cellText(column);
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
