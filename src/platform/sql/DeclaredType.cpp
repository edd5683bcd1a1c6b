#include "DeclaredType.h"

#include <QStringList>

namespace tarvand::sql {

DeclaredType::DeclaredType(const QString& text) {
    const QString lower = text.trimmed().toLower();
    const qsizetype open = lower.indexOf(u'(');
    base_ = (open < 0 ? lower : lower.left(open)).trimmed();
    // Words may follow the type name ("double precision", "varchar(10) collate tsql").
    base_ = base_.section(u' ', 0, 0);
    if (open >= 0) {
        const qsizetype close = lower.indexOf(u')', open);
        const QString args = lower.mid(open + 1, close < 0 ? -1 : close - open - 1);
        const QString first = args.section(u',', 0, 0).trimmed();
        // Varchar(max) has a length, an unbounded one: 0.
        hasLength_ = first == u"max";
        if (!hasLength_) {
            length_ = first.toInt(&hasLength_);
        }
        scale_ = args.section(u',', 1, 1).trimmed().toInt();
    }
    static const QStringList integers = {"int", "integer", "smallint", "bigint", "tinyint", "bit"};
    static const QStringList floats = {"float",   "real",  "double",    "decimal",
                                       "numeric", "money", "smallmoney"};
    static const QStringList characters = {"varchar", "char", "nvarchar", "nchar", "character", "nvarchar2"};
    static const QStringList texts = {"text", "ntext", "datetime", "date", "smalldatetime", "clob"};
    if (integers.contains(base_)) {
        kind_ = ColumnKind::Integer;
    } else if (floats.contains(base_)) {
        kind_ = ColumnKind::Float;
    } else if (characters.contains(base_)) {
        kind_ = ColumnKind::Text;
        character_ = true;
    } else if (texts.contains(base_)) {
        kind_ = ColumnKind::Text;
    } else if (base_ == u"blob" || base_ == u"image" || base_ == u"varbinary" || base_ == u"binary") {
        kind_ = ColumnKind::Blob;
    }
}

int DeclaredType::storageLength() const {
    if (character_) {
        const bool wide = base_.startsWith(u'n');
        return wide ? length_ * 2 : length_;
    }
    if (base_ == u"int" || base_ == u"integer" || base_ == u"real" || base_ == u"smallmoney") {
        return 4;
    }
    if (base_ == u"smallint") {
        return 2;
    }
    if (base_ == u"tinyint" || base_ == u"bit") {
        return 1;
    }
    if (base_ == u"bigint" || base_ == u"float" || base_ == u"double" || base_ == u"money" ||
        base_ == u"datetime") {
        return 8;
    }
    if (base_ == u"decimal" || base_ == u"numeric") {
        const int precision = length_ > 0 ? length_ : 18;
        return precision <= 9 ? 5 : precision <= 19 ? 9 : precision <= 28 ? 13 : 17;
    }
    if (base_ == u"text" || base_ == u"ntext") {
        return 16;
    }
    return -1;
}

} // namespace tarvand::sql
