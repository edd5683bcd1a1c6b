#include "FieldList.h"

#include "ColumnInfo.h"
#include "EDatabaseError.h"
#include "FieldConversion.h"
#include "TField.h"

namespace tarvand::data {

namespace {

QString nameKey(const QString& name) {
    return name.toCaseFolded();
}

int findColumn(const QList<sql::ColumnInfo>& columns, const QString& name) {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

FieldList::FieldList(TDataSet* owner) : owner_(owner) {}

FieldList::~FieldList() = default;

TField* FieldList::find(const QString& name) const {
    return byName_.value(nameKey(name.trimmed()), nullptr);
}

TField* FieldList::byName(const QString& name) const {
    TField* field = find(name);
    if (!field) {
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    }
    return field;
}

TField* FieldList::byIndex(int index) const {
    if (index < 0 || index >= fields_.size()) {
        throw EDatabaseError(QStringLiteral("Field index %1 out of range").arg(index));
    }
    return fields_.at(index);
}

bool FieldList::sameColumns(const QList<sql::ColumnInfo>& a, const QList<sql::ColumnInfo>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i).name.compare(b.at(i).name, Qt::CaseInsensitive) != 0) {
            return false;
        }
    }
    return true;
}

TField* FieldList::addPersistent(const QString& name, TFieldType type, int size, TFieldKind kind,
                                 bool datasetOpen) {
    if (datasetOpen) {
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    }
    if (name.trimmed().isEmpty()) {
        throw EDatabaseError(QStringLiteral("Field name missing"));
    }
    if (find(name)) {
        throw EDatabaseError(QStringLiteral("Duplicate field name '%1'").arg(name));
    }
    const bool sized = type == TFieldType::ftString;
    persistent_.push_back(std::make_unique<TField>(owner_, name.trimmed(), type, sized ? size : 0, kind));
    TField* field = persistent_.back().get();
    if (kind == TFieldKind::fkCalculated) {
        field->slot_ = calculatedCount_++;
    }
    fields_.append(field);
    index();
    return field;
}

void FieldList::bind(const QList<sql::ColumnInfo>& columns) {
    bool anyPersistentData = false;
    for (const auto& field : persistent_) {
        if (field->Calculated()) {
            continue;
        }
        anyPersistentData = true;
        if (findColumn(columns, field->FieldName()) < 0) {
            throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(field->FieldName()));
        }
    }
    std::vector<std::unique_ptr<TField>> dynamic;
    for (const auto& field : persistent_) {
        if (field->Calculated()) {
            continue;
        }
        const int column = findColumn(columns, field->FieldName());
        const sql::ColumnInfo& info = columns.at(column);
        field->slot_ = column;
        if (field->DataType() == TFieldType::ftString && field->Size() == 0) {
            field->SetSize(info.size);
        }
        if (info.autoIncrement) {
            field->SetReadOnly(true);
        }
    }
    if (!anyPersistentData) {
        QHash<QString, int> taken;
        for (const auto& field : persistent_) {
            taken.insert(nameKey(field->FieldName()), 1);
        }
        for (int column = 0; column < columns.size(); ++column) {
            const sql::ColumnInfo& info = columns.at(column);
            // Repeated column names (a join's "Code" and "Code") get a suffix, as the grid needs
            // every field by a name of its own.
            QString name = info.name;
            for (int suffix = 1; taken.contains(nameKey(name)); ++suffix) {
                name = info.name + u'_' + QString::number(suffix);
            }
            taken.insert(nameKey(name), 1);
            const TFieldType type = FieldConversion::typeOfColumn(info);
            const int size = type == TFieldType::ftString ? info.size : 0;
            auto field = std::make_unique<TField>(owner_, name, type, size, TFieldKind::fkData);
            field->slot_ = column;
            field->SetReadOnly(info.autoIncrement || info.baseColumn.isEmpty());
            dynamic.push_back(std::move(field));
        }
    }
    rebuild(std::move(dynamic));
}

void FieldList::unbind() {
    rebuild({});
}

void FieldList::rebuild(std::vector<std::unique_ptr<TField>> dynamic) {
    dynamic_ = std::move(dynamic);
    fields_.clear();
    for (const auto& field : dynamic_) {
        fields_.append(field.get());
    }
    for (const auto& field : persistent_) {
        fields_.append(field.get());
    }
    index();
}

void FieldList::index() {
    byName_.clear();
    for (int i = 0; i < fields_.size(); ++i) {
        fields_.at(i)->index_ = i;
        byName_.insert(nameKey(fields_.at(i)->FieldName()), fields_.at(i));
    }
}

} // namespace tarvand::data
