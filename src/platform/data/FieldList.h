#pragma once

#include "DataTypes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace tarvand::sql {
struct ColumnInfo;
}

namespace tarvand::data {

class TDataSet;
class TField;

// The fields of a dataset: persistent ones, defined before opening and kept across Close, and
// dynamic ones, made for the columns of each opened result. Names are found case-insensitively.
class FieldList {
public:
    explicit FieldList(TDataSet* owner);
    ~FieldList();
    FieldList(const FieldList&) = delete;
    FieldList& operator=(const FieldList&) = delete;

    const QList<TField*>& fields() const { return fields_; }
    TField* find(const QString& name) const;
    // As find and fields().at, but throwing EDatabaseError when there is no such field.
    TField* byName(const QString& name) const;
    TField* byIndex(int index) const;
    // Throws EDatabaseError while the dataset is open, or when a field of that name exists already.
    TField* addPersistent(const QString& name, TFieldType type, int size, TFieldKind kind, bool datasetOpen);
    // Whether two results have the same columns by name, so that fields bound to one fit the other.
    static bool sameColumns(const QList<sql::ColumnInfo>& a, const QList<sql::ColumnInfo>& b);

    // Binds the fields to the columns of a newly read result. Without persistent data fields, a
    // dynamic field is made for every column, the persistent calculated fields following them.
    // Throws EDatabaseError, leaving the list as it was, when a persistent field has no column.
    void bind(const QList<sql::ColumnInfo>& columns);
    // Drops the dynamic fields.
    void unbind();
    int calculatedCount() const { return calculatedCount_; }

private:
    void rebuild(std::vector<std::unique_ptr<TField>> dynamic);
    void index();

    TDataSet* owner_;
    std::vector<std::unique_ptr<TField>> persistent_;
    std::vector<std::unique_ptr<TField>> dynamic_;
    QList<TField*> fields_;
    QHash<QString, TField*> byName_;
    int calculatedCount_ = 0;
};

} // namespace tarvand::data
