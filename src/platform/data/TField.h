#pragma once

#include "DataTypes.h"

#include <QString>
#include <QVariant>
#include <functional>

namespace tarvand::data {

class TDataSet;

// One column of a dataset. Values live in the dataset's record buffer; the field only reads and
// writes the current record. Fields are created by the dataset at open (dynamic fields) or before
// it (persistent fields, whose Size may be changed afterwards).
class TField {
public:
    TField(TDataSet* dataSet, const QString& fieldName, TFieldType dataType, int size, TFieldKind kind);
    virtual ~TField() = default;
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TDataSet* DataSet() const { return dataSet_; }
    const QString& FieldName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    TFieldKind FieldKind() const { return kind_; }
    bool Calculated() const { return kind_ == TFieldKind::fkCalculated; }
    // Position among the dataset's fields, 0-based.
    int Index() const { return index_; }

    // Declared character length for character fields, 0 for every other type.
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool Required() const { return required_; }
    void SetRequired(bool value) { required_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    const QString& DisplayLabel() const { return displayLabel_.isEmpty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const QString& value) { displayLabel_ = value; }
    int DisplayWidth() const { return displayWidth_; }
    void SetDisplayWidth(int value) { displayWidth_ = value; }
    // Format of DisplayText for numeric fields, e.g. "#,##0" (thousands separators) or "0.00".
    const QString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& value) { displayFormat_ = value; }
    const QString& EditMask() const { return editMask_; }
    void SetEditMask(const QString& value) { editMask_ = value; }

    bool IsNull() const;
    QVariant Value() const;
    // The value the current record had when it was read from the database (null for a new row).
    QVariant OldValue() const;
    QString AsString() const;
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QString Text() const;        // text for editing
    QString DisplayText() const; // text for showing, with DisplayFormat applied

    // Writing needs the dataset in edit or insert state (or computing calculated fields); a string
    // longer than Size is cut to Size. An empty text stored into a numeric field makes it null.
    // Throws EDatabaseError otherwise, e.g. for a read-only field or a text that is not a number.
    void SetValue(const QVariant& value);
    void SetAsString(const QString& value);
    void SetAsInteger(int value);
    void SetAsFloat(double value);
    void SetText(const QString& value);
    void Clear();

    // Called after the field's value changed through one of the setters.
    std::function<void(TField*)> OnChange;

private:
    friend class TDataSet;
    friend class FieldList;
    friend class RecordValues;
    void assign(const QVariant& value);

    TDataSet* dataSet_;
    QString fieldName_;
    TFieldType dataType_;
    int size_;
    TFieldKind kind_;
    int index_ = -1;
    // Column of the row store for a data field, slot among the calculated values otherwise.
    int slot_ = -1;
    bool readOnly_ = false;
    bool required_ = false;
    bool visible_ = true;
    QString displayLabel_;
    int displayWidth_ = 0;
    QString displayFormat_;
    QString editMask_;
};

} // namespace tarvand::data
