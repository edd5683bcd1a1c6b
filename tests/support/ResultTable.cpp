#include "ResultTable.h"

namespace tarvand::testsupport {

ResultTable ResultTable::read(sql::SqlBackend& backend, const QString& statement) {
    ResultTable table;
    auto cursor = backend.query(statement);
    table.columns = cursor->columns();
    const int count = int(table.columns.size());
    while (cursor->next()) {
        QVariantList row;
        for (int c = 0; c < count; ++c) {
            switch (cursor->cellKind(c)) {
            case sql::ColumnKind::Unknown:
                row.append(QVariant());
                break;
            case sql::ColumnKind::Integer:
                row.append(QVariant::fromValue<qlonglong>(cursor->cellInt(c)));
                break;
            case sql::ColumnKind::Float:
                row.append(cursor->cellFloat(c));
                break;
            default: {
                const std::string_view text = cursor->cellText(c);
                row.append(QString::fromUtf8(text.data(), qsizetype(text.size())));
            }
            }
        }
        table.rows.append(std::move(row));
    }
    return table;
}

int ResultTable::column(const QString& name) const {
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (columns[c].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(c);
    return -1;
}

QVariant ResultTable::value(qsizetype row, const QString& name) const {
    const int c = column(name);
    if (c < 0 || row < 0 || row >= rows.size())
        return {};
    return rows[row][c];
}

QString ResultTable::text(qsizetype row, const QString& name) const {
    const QVariant cell = value(row, name);
    return cell.isNull() ? QString() : cell.toString();
}

bool ResultTable::isNull(qsizetype row, const QString& name) const {
    return value(row, name).isNull();
}

QStringList ResultTable::texts(const QString& name) const {
    QStringList result;
    for (qsizetype r = 0; r < rows.size(); ++r)
        result.append(text(r, name));
    return result;
}

} // namespace tarvand::testsupport

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *out << (i ? ", " : "") << '"' << texts[i].toStdString() << '"';
    *out << '}';
}
