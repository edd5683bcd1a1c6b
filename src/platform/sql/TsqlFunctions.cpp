#include "TsqlFunctions.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "TsqlPattern.h"
#include "TsqlValue.h"

#include <QtNumeric>
#include <memory>

namespace tarvand::sql {

namespace {

QString textArg(sqlite3_value* value) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                             sqlite3_value_bytes(value));
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            return true;
        }
    }
    return false;
}

void resultText(sqlite3_context* context, const QString& text) {
    TsqlValue::text(text).setResult(context);
}

void fail(sqlite3_context* context, const EDatabaseError& error) {
    const QByteArray message = error.Message.toUtf8();
    sqlite3_result_error(context, message.constData(), int(message.size()));
}

void add(sqlite3_context* context, int, sqlite3_value** argv) {
    const int a = sqlite3_value_type(argv[0]);
    const int b = sqlite3_value_type(argv[1]);
    if (a == SQLITE_NULL || b == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    if (a == SQLITE_INTEGER && b == SQLITE_INTEGER) {
        sqlite3_int64 sum = 0;
        if (!qAddOverflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), &sum)) {
            sqlite3_result_int64(context, sum);
            return;
        }
    }
    if (a == SQLITE_TEXT && b == SQLITE_TEXT) {
        // Concatenating the UTF-8 bytes directly keeps string joins (join keys) cheap.
        const int lengthA = sqlite3_value_bytes(argv[0]);
        const int lengthB = sqlite3_value_bytes(argv[1]);
        QByteArray joined(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])), lengthA);
        joined.append(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])), lengthB);
        sqlite3_result_text64(context, joined.constData(), sqlite3_uint64(joined.size()), SQLITE_TRANSIENT,
                              SQLITE_UTF8);
        return;
    }
    try {
        TsqlValue::add(TsqlValue::fromSqlite(argv[0]), TsqlValue::fromSqlite(argv[1])).setResult(context);
    } catch (const EDatabaseError& error) {
        fail(context, error);
    }
}

void cast(sqlite3_context* context, int, sqlite3_value** argv) {
    // The target type is a constant of the statement: parse it once and keep it with the statement.
    const auto* cached = static_cast<const DeclaredType*>(sqlite3_get_auxdata(context, 1));
    std::unique_ptr<DeclaredType> parsed;
    if (!cached) {
        parsed = std::make_unique<DeclaredType>(textArg(argv[1]));
    }
    try {
        TsqlValue::fromSqlite(argv[0]).cast(cached ? *cached : *parsed).setResult(context);
    } catch (const EDatabaseError& error) {
        fail(context, error);
    }
    if (parsed) {
        sqlite3_set_auxdata(context, 1, parsed.release(),
                            [](void* p) { delete static_cast<DeclaredType*>(p); });
    }
}

// The character operand of a comparison with a number, converted as SQL Server converts it; numbers
// and NULL pass unchanged.
void number(sqlite3_context* context, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type != SQLITE_TEXT && type != SQLITE_BLOB) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    static const DeclaredType integerType(QStringLiteral("int"));
    static const DeclaredType floatType(QStringLiteral("float"));
    const bool integer = qstrcmp(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])), "int") == 0;
    try {
        TsqlValue::fromSqlite(argv[0]).cast(integer ? integerType : floatType).setResult(context);
    } catch (const EDatabaseError& error) {
        fail(context, error);
    }
}

void substring(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = TsqlValue::fromSqlite(argv[0]).toText();
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (length < 0) {
        sqlite3_result_error(context, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    // SQL Server counts positions before the first character too: SubString('abc', 0, 2) = 'a'.
    const qint64 first = std::max<qint64>(start, 1);
    const qint64 last = std::min<qint64>(start + length, qint64(text.size()) + 1);
    resultText(context, last > first ? text.mid(first - 1, last - first) : QString());
}

void replace(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    QString text = TsqlValue::fromSqlite(argv[0]).toText();
    const QString find = TsqlValue::fromSqlite(argv[1]).toText();
    if (!find.isEmpty()) {
        text.replace(find, TsqlValue::fromSqlite(argv[2]).toText(), Qt::CaseInsensitive);
    }
    resultText(context, text);
}

// Runs use() with the compiled pattern of argument index, compiling it once per statement.
template <typename Use>
void withPattern(sqlite3_context* context, sqlite3_value* value, int index, QChar escape, Use use) {
    const auto* cached = static_cast<const TsqlPattern*>(sqlite3_get_auxdata(context, index));
    std::unique_ptr<TsqlPattern> compiled;
    if (!cached) {
        compiled = std::make_unique<TsqlPattern>(TsqlValue::fromSqlite(value).toText(), escape);
    }
    use(cached ? *cached : *compiled);
    if (compiled) {
        sqlite3_set_auxdata(context, index, compiled.release(),
                            [](void* p) { delete static_cast<TsqlPattern*>(p); });
    }
}

void patindex(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    withPattern(context, argv[0], 0, QChar(), [&](const TsqlPattern& pattern) {
        sqlite3_result_int64(context, pattern.indexIn(TsqlValue::fromSqlite(argv[1]).toText()));
    });
}

void like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const QString escapeText = argc > 2 ? TsqlValue::fromSqlite(argv[2]).toText() : QString();
    const QChar escape = escapeText.isEmpty() ? QChar() : escapeText.front();
    // The trailing blanks of the value matched do not count, those of the pattern do.
    const QString value = TsqlValue::fromSqlite(argv[0]).toText();
    qsizetype length = value.size();
    while (length > 0 && value[length - 1] == u' ') {
        --length;
    }
    withPattern(context, argv[1], 1, escape, [&](const TsqlPattern& pattern) {
        sqlite3_result_int(context, pattern.matches(QStringView(value).left(length)) ? 1 : 0);
    });
}

void charindex(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const QString find = TsqlValue::fromSqlite(argv[0]).toText();
    const QString text = TsqlValue::fromSqlite(argv[1]).toText();
    const qint64 start = argc > 2 ? std::max<qint64>(sqlite3_value_int64(argv[2]), 1) : 1;
    if (find.isEmpty() || start > text.size()) {
        sqlite3_result_int(context, 0);
        return;
    }
    sqlite3_result_int64(context, text.indexOf(find, start - 1, Qt::CaseInsensitive) + 1);
}

void right(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = TsqlValue::fromSqlite(argv[0]).toText();
    const qint64 count = sqlite3_value_int64(argv[1]);
    if (count < 0) {
        sqlite3_result_error(context, "Invalid length parameter passed to the right function.", -1);
        return;
    }
    resultText(context, text.right(qsizetype(std::min<qint64>(count, text.size()))));
}

void replicate(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv) || sqlite3_value_int64(argv[1]) < 0) {
        sqlite3_result_null(context);
        return;
    }
    const qint64 count = std::min<qint64>(sqlite3_value_int64(argv[1]), 8000);
    resultText(context, TsqlValue::fromSqlite(argv[0]).toText().repeated(qsizetype(count)));
}

// "dbo.X", "[X]", "tempdb..##X" → the SQLite table name and its schema (nullptr: search all).
QByteArray objectName(const QString& written, const char** schema) {
    QString name = written.trimmed();
    *schema = nullptr;
    if (name.startsWith(QStringLiteral("tempdb.."), Qt::CaseInsensitive)) {
        name = name.mid(8);
        *schema = "temp";
    }
    name = name.section(u'.', -1);
    if (name.startsWith(u'[') && name.endsWith(u']')) {
        name = name.mid(1, name.size() - 2);
    }
    return name.toUtf8();
}

void colLength(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const char* schema = nullptr;
    const QByteArray table = objectName(textArg(argv[0]), &schema);
    const QByteArray column = textArg(argv[1]).toUtf8();
    const char* declared = nullptr;
    if (sqlite3_table_column_metadata(sqlite3_context_db_handle(context), schema, table.constData(),
                                      column.constData(), &declared, nullptr, nullptr, nullptr,
                                      nullptr) != SQLITE_OK) {
        sqlite3_result_null(context);
        return;
    }
    const int length = DeclaredType(QString::fromUtf8(declared ? declared : "")).storageLength();
    if (length < 0) {
        sqlite3_result_null(context);
    } else {
        sqlite3_result_int(context, length);
    }
}

void objectId(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const char* schema = nullptr;
    const QByteArray name = objectName(textArg(argv[0]), &schema);
    sqlite3* db = sqlite3_context_db_handle(context);
    // Object ids only need to be stable and distinct per connection: the catalog row numbers do,
    // temporary objects counted from a million upwards.
    const char* sql = schema
                          ? "SELECT rowid + 1000000 FROM temp.sqlite_master WHERE name = ?1 COLLATE NOCASE"
                          : "SELECT rowid FROM main.sqlite_master WHERE name = ?1 COLLATE NOCASE UNION ALL "
                            "SELECT rowid + 2000000 FROM main.tsql_procedure WHERE name = ?1 UNION ALL "
                            "SELECT rowid + 1000000 FROM temp.sqlite_master WHERE name = ?1 COLLATE NOCASE";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_result_error(context, sqlite3_errmsg(db), -1);
        return;
    }
    sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        sqlite3_result_int64(context, sqlite3_column_int64(stmt, 0));
    } else {
        sqlite3_result_null(context);
    }
    sqlite3_finalize(stmt);
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return TsqlFunctions::compare(static_cast<const char*>(a), lengthA, static_cast<const char*>(b), lengthB);
}

void define(sqlite3* db, const char* name, int args, void (*function)(sqlite3_context*, int, sqlite3_value**),
            bool deterministic = true) {
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, nullptr, function, nullptr, nullptr, nullptr);
}

} // namespace

int TsqlFunctions::compare(const char* a, int lengthA, const char* b, int lengthB) {
    while (lengthA > 0 && a[lengthA - 1] == ' ') {
        --lengthA;
    }
    while (lengthB > 0 && b[lengthB - 1] == ' ') {
        --lengthB;
    }
    const int common = std::min(lengthA, lengthB);
    for (int i = 0; i < common; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<unsigned char>(x + 32);
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<unsigned char>(y + 32);
        }
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
}

void TsqlFunctions::registerAll(sqlite3* db) {
    sqlite3_create_collation_v2(db, "TSQL", SQLITE_UTF8, nullptr, collate, nullptr);
    define(db, "tsql_add", 2, add);
    define(db, "tsql_cast", 2, cast);
    define(db, "tsql_number", 2, number);
    define(db, "tsql_substring", 3, substring);
    define(db, "tsql_replace", 3, replace);
    define(db, "tsql_patindex", 2, patindex);
    define(db, "tsql_like", 2, like);
    define(db, "tsql_like", 3, like);
    define(db, "tsql_charindex", 2, charindex);
    define(db, "tsql_charindex", 3, charindex);
    define(db, "tsql_right", 2, right);
    define(db, "tsql_replicate", 2, replicate);
    define(db, "tsql_col_length", 2, colLength, false);
    define(db, "tsql_object_id", 1, objectId, false);
    define(db, "tsql_object_id", 2, objectId, false);
}

} // namespace tarvand::sql
