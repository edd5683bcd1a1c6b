#include "TsvWriter.h"

namespace tarvand::tools {

TsvWriter::TsvWriter(QTextStream& out) : out_(out) {}

void TsvWriter::writeRow(const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out_ << '\t';
        }
        out_ << escape(fields[i]);
    }
    out_ << '\n';
}

QString TsvWriter::escape(const QString& field) {
    QString escaped;
    escaped.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace tarvand::tools
