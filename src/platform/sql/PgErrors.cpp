#include "PgErrors.h"

#include "PgCatalog.h"
#include "PgCompatibility.h"
#include "PgConnection.h"

#include <QRegularExpression>

namespace tarvand::sql {

namespace {

QString field(const PGresult* result, int code) {
    const char* value = PQresultErrorField(result, code);
    return value ? QString::fromUtf8(value) : QString();
}

// The name PostgreSQL quotes in a message such as: relation "x" does not exist.
QString quoted(const QString& message) {
    static const QRegularExpression name(QStringLiteral("\"([^\"]+)\""));
    const QRegularExpressionMatch match = name.match(message);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A folded name ("link.codes") spelt as the source writes each of its parts ("Link..Codes" gives
// "Link.Codes"); a part the source does not write stays as it is.
QString writtenIn(const QString& source, const QString& folded) {
    QStringList parts = folded.split(u'.');
    for (QString& part : parts) {
        const QRegularExpression word(
            QStringLiteral("(?<![\\w#@$])%1(?![\\w#@$])").arg(QRegularExpression::escape(part)),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        const QRegularExpressionMatch match = word.match(source);
        part = match.hasMatch() ? match.captured() : part;
    }
    return parts.join(u'.');
}

} // namespace

QString PgErrors::translate(const PGresult* result, PgConnection& connection, PgCatalog* catalog,
                            const QString& source) {
    const QString state = field(result, PG_DIAG_SQLSTATE);
    const QString message = field(result, PG_DIAG_MESSAGE_PRIMARY);
    const QString schema = field(result, PG_DIAG_SCHEMA_NAME);
    const QString stored = field(result, PG_DIAG_TABLE_NAME);
    const QString table = catalog ? catalog->writtenTable(schema, stored) : stored;
    if (state == u"23505") {
        return duplicateKey(field(result, PG_DIAG_CONSTRAINT_NAME), table, connection);
    }
    if (state == u"23502") {
        const QString column = field(result, PG_DIAG_COLUMN_NAME);
        return QStringLiteral("Cannot insert the value NULL into column '%1', table '%2'; column does not "
                              "allow nulls.")
            .arg(catalog ? catalog->writtenColumn(schema, stored, column) : column, table);
    }
    // A varchar column's length is the check of its type (PgCompatibility::characterType).
    if (state == u"22001" || (state == u"23514" && field(result, PG_DIAG_CONSTRAINT_NAME) ==
                                                       QLatin1String(PgCompatibility::lengthConstraint()))) {
        return QStringLiteral("String or binary data would be truncated.");
    }
    if (state == u"42P01") {
        return QStringLiteral("Invalid object name '%1'.").arg(writtenIn(source, quoted(message)));
    }
    if (state == u"42703") {
        // column "x" does not exist; a qualified one unquoted: column t.x does not exist.
        if (quoted(message).isEmpty()) {
            return QStringLiteral("The multi-part identifier \"%1\" could not be bound.")
                .arg(writtenIn(source, message.section(u' ', 1, 1)));
        }
        return QStringLiteral("Invalid column name '%1'.")
            .arg(writtenIn(source, quoted(message).section(u'.', -1)));
    }
    if (state == u"42P07") {
        return QStringLiteral("There is already an object named '%1' in the database.")
            .arg(writtenIn(source, quoted(message)));
    }
    if (state == u"42601") {
        return QStringLiteral("Incorrect syntax near '%1'.").arg(quoted(message));
    }
    return message.isEmpty() ? QString::fromUtf8(PQresultErrorMessage(result)).trimmed() : message;
}

QString PgErrors::duplicateKey(const QString& constraint, const QString& table, PgConnection& connection) {
    // A primary key or unique constraint is reported as SQL Server reports it; a unique index that
    // is no constraint names the index. The catalog can only be asked outside a failed transaction.
    QString kind;
    const PGTransactionStatusType status = PQtransactionStatus(connection.handle());
    if (status == PQTRANS_IDLE || status == PQTRANS_INTRANS) {
        kind = connection.scalar("SELECT contype FROM pg_catalog.pg_constraint WHERE conname = $1 LIMIT 1",
                                 {constraint});
    } else if (constraint.startsWith(QLatin1String("pk"), Qt::CaseInsensitive) ||
               constraint.endsWith(QLatin1String("_pkey"))) {
        // Named as SQL Server's scripts name them, or as the server names those left unnamed.
        kind = QStringLiteral("p");
    } else if (constraint.startsWith(QLatin1String("uq"), Qt::CaseInsensitive) ||
               constraint.endsWith(QLatin1String("_key"))) {
        kind = QStringLiteral("u");
    }
    if (kind == u"p" || kind == u"u") {
        return QStringLiteral(
                   "Violation of %1 constraint '%2'. Cannot insert duplicate key in object 'dbo.%3'.")
            .arg(kind == u"p" ? QStringLiteral("PRIMARY KEY") : QStringLiteral("UNIQUE KEY"), constraint,
                 table);
    }
    return QStringLiteral("Cannot insert duplicate key row in object 'dbo.%1' with unique index '%2'.")
        .arg(table, constraint);
}

} // namespace tarvand::sql
