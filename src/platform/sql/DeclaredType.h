#pragma once

#include "ColumnInfo.h"

#include <QString>

namespace tarvand::sql {

// A column type as written in a table definition ("varchar(10)", "int", "decimal(19, 0)"), read the
// way SQL Server's providers describe it.
class DeclaredType {
public:
    explicit DeclaredType(const QString& text);

    // Type name in lower case without its arguments: "varchar", "decimal".
    const QString& base() const { return base_; }
    ColumnKind kind() const { return kind_; }
    bool isCharacter() const { return character_; }
    // Declared character length; 0 for every other type.
    int characterLength() const { return character_ ? length_ : 0; }
    // First and second argument as written: length or precision, and scale.
    int length() const { return length_; }
    int scale() const { return scale_; }
    bool hasLength() const { return hasLength_; }
    // What COL_LENGTH reports: bytes of storage (characters for character types, 4 for int, ...);
    // -1 where no fixed length applies.
    int storageLength() const;

private:
    QString base_;
    ColumnKind kind_ = ColumnKind::Unknown;
    bool character_ = false;
    int length_ = 0;
    int scale_ = 0;
    bool hasLength_ = false;
};

} // namespace tarvand::sql
