#pragma once

#include "ColumnInfo.h"
#include "DataTypes.h"
#include "EDatabaseError.h"
#include "TField.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::data {

class DataLinkList;
class FieldList;
class RecordBuffer;
class RecordCursor;
class RecordValues;
class RowSet;
class TDataLink;
struct RowChange;

// A dataset with a static client-side cursor: every row is read at open and kept in memory;
// navigation, sorting and locating never go back to the database, writes go through one row at a
// time. Record numbers are 1-based; RecNo() is -1 when there is no current record (an empty
// dataset, or just after the insertion of a new row was cancelled). While a new row is being
// inserted it is part of the rows: RecordCount counts it and RecNo gives its place.
//
// Event handlers refuse an operation by throwing EAbort (Abort()): the operation stops and the
// record keeps its state and values. Errors of the database arrive as EDatabaseError.
class TDataSet {
public:
    using TDataSetNotifyEvent = std::function<void(TDataSet*)>;
    using TDataSetErrorEvent = std::function<void(TDataSet*, EDatabaseError&, TDataAction&)>;

    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    // --- opening and closing
    bool Active() const;
    void SetActive(bool value);
    void Open();
    void Close(); // a pending edit or insert is dropped
    TDataSetState State() const;

    // --- navigation. Leaving a modified record posts it first (Post may be refused by BeforePost,
    // in which case the cursor does not move and the exception passes on); leaving an unmodified
    // new record cancels it.
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance); // returns the distance actually moved
    bool Bof() const;
    bool Eof() const;
    bool IsEmpty() const;
    int RecNo() const;
    void SetRecNo(int recNo); // a number outside 1..RecordCount() leaves the cursor where it is
    int RecordCount() const;
    // keyFields are separated by ';'; keyValues is one value or a QVariantList with one per field.
    bool Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options = {});

    // --- editing
    void Edit();   // on an empty dataset: Insert
    void Insert(); // new record before the current one
    void Append(); // new record after the last one
    void Post();
    void Cancel();
    void Delete(); // while inserting: Cancel
    bool Modified() const;
    // In edit or insert state: a record is being changed.
    bool Editing() const;
    // Asks the data links to write pending edits of their controls into the fields.
    void UpdateRecord();
    // Posts a modified record, cancels an unmodified new one; used before leaving a record.
    void CheckBrowseMode();

    // --- fields
    const QList<TField*>& Fields() const;
    int FieldCount() const;
    TField* FindField(const QString& name) const;   // case-insensitive; nullptr when absent
    TField* FieldByName(const QString& name) const; // throws EDatabaseError when absent
    TField* FieldByIndex(int index) const;          // throws EDatabaseError when out of range
    // Persistent fields, defined before Open: a data field binds to the column of that name (its
    // Size may differ from the column's declared length; a string field of size 0 takes the
    // column's); a calculated field's values live in the record buffer only and are filled by
    // OnCalcFields. With persistent data fields defined, only those columns are exposed.
    TField* AddField(const QString& name, TFieldType type, int size = 0);
    TField* AddCalcField(const QString& name, TFieldType type, int size = 0);

    // --- reading any record without moving the cursor (for grids). row is 0-based in the current
    // order; calculated fields are computed for that record on demand. Out of range: null.
    QVariant ValueAt(int row, int fieldIndex) const;
    QString DisplayTextAt(int row, int fieldIndex) const;

    // --- controls
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const;
    void AddDataLink(TDataLink* link);
    void RemoveDataLink(TDataLink* link);

    int Tag = 0;
    // The component name the form gives the dataset ("tblMakan"); exported files are named after it.
    QString Name;

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeEdit, AfterEdit, BeforeInsert, AfterInsert, OnNewRecord;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnCalcFields;
    TDataSetErrorEvent OnPostError, OnDeleteError, OnEditError;

protected:
    // Runs the dataset's statement; the cursor's columns become the fields.
    virtual std::unique_ptr<sql::ResultCursor> OpenCursor() = 0;
    // Writes one new, changed or deleted row; throws EDatabaseError when the database refuses it.
    virtual void WriteRow(RowChange& change) = 0;
    // Whether the rows may be changed at all.
    virtual bool CanModify() const = 0;
    // A post or delete and the writes of its After handler form one unit of work, so that a
    // process that dies half-way leaves the database with all of it or none of it. Begin tells
    // whether it opened the unit (a caller's open transaction is joined instead); End closes the
    // unit it opened, keeping or undoing what was written.
    virtual bool BeginRowChange() = 0;
    virtual void EndRowChange(bool opened, bool keep) = 0;

    // The result columns of the open dataset.
    const QList<sql::ColumnInfo>& Columns() const { return columns_; }
    // Client-side order by ADO sort text; empty text restores the order of reading. The sort
    // holds until the text changes or the dataset closes.
    const QString& SortText() const { return sortText_; }
    void ApplySort(const QString& sortText);
    // Reads every row again, keeping the sort and going back to the record with the same values
    // in keyColumns (result column indexes), or to the same record number when none are given.
    void Reread(const QList<int>& keyColumns);

private:
    friend class TField;
    QVariant readField(const TField& field) const;
    QVariant readOldField(const TField& field) const;
    void writeField(TField& field, const QVariant& value);

    RecordCursor& cursor() const;
    void checkActive() const;
    void checkCanModify() const;
    void fire(const TDataSetNotifyEvent& event);
    // Runs the write of a post or delete in its unit of work; undoes the unit when the write fails.
    bool writeInRowChange(const TDataSetErrorEvent& errorHandler, const std::function<void()>& write);
    // Brings the dataset up to the written row and fires its After handler, then keeps the unit
    // whatever the handler does.
    void finishRowChange(bool opened, const std::function<void()>& rest);
    void notify(TDataEvent event, long long info = 0);
    void scrolled(TDataEvent event, long long info);
    void moveToPosition(int position);
    void beginInsert(bool append);
    void writeRecord();
    void calculateFields();
    void dataChanged();

    std::unique_ptr<FieldList> fields_;
    std::unique_ptr<RowSet> rows_;
    std::unique_ptr<RecordBuffer> buffer_;
    std::unique_ptr<DataLinkList> links_;
    std::unique_ptr<RecordValues> values_; // changes while ValueAt computes calculated values
    QList<sql::ColumnInfo> columns_;
    QString sortText_;
    TDataSetState state_ = TDataSetState::dsInactive;
    TDataSetState stateWhenDisabled_ = TDataSetState::dsInactive;
};

} // namespace tarvand::data
