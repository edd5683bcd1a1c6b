#pragma once

#include "DataTypes.h"
#include "EDatabaseError.h"
#include "TField.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace tarvand::data {

class TDataLink;

// A dataset with a static client-side cursor: every row is read at open and kept in memory;
// navigation, sorting and locating never go back to the database, writes go through one row at a
// time. Record numbers are 1-based; RecNo() is -1 when there is no current record (an empty
// dataset, or just after the insertion of a new row was cancelled).
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
    void Close();
    TDataSetState State() const;

    // --- navigation. Leaving a modified record posts it first (Post may be refused by BeforePost,
    // in which case the cursor does not move and the exception passes on).
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance); // returns the distance actually moved
    bool Bof() const;
    bool Eof() const;
    bool IsEmpty() const;
    int RecNo() const;
    void SetRecNo(int recNo);
    int RecordCount() const;
    // keyFields are separated by ';'; keyValues is one value or a QVariantList with one per field.
    bool Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options = {});

    // --- editing
    void Edit();
    void Insert(); // new record before the current one
    void Append(); // new record after the last one
    void Post();
    void Cancel();
    void Delete();
    bool Modified() const;
    // Asks the data links to write pending edits of their controls into the fields.
    void UpdateRecord();
    // Posts a modified record, cancels an unmodified new one; used before leaving a record.
    void CheckBrowseMode();

    // --- fields
    const QList<TField*>& Fields() const;
    int FieldCount() const;
    TField* FindField(const QString& name) const; // case-insensitive; nullptr when absent
    TField* FieldByName(const QString& name) const; // throws EDatabaseError when absent
    TField* FieldByIndex(int index) const;
    // Persistent fields, defined before Open: a data field binds to the column of that name (its
    // Size may differ from the column's declared length); a calculated field's values live in the
    // record buffer only and are filled by OnCalcFields. With persistent data fields defined, only
    // those columns are exposed.
    TField* AddField(const QString& name, TFieldType type, int size = 0);
    TField* AddCalcField(const QString& name, TFieldType type, int size = 0);

    // --- reading any record without moving the cursor (for grids). row is 0-based in the current
    // order; calculated fields are computed for that record on demand.
    QVariant ValueAt(int row, int fieldIndex) const;
    QString DisplayTextAt(int row, int fieldIndex) const;

    // --- controls
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const;
    void AddDataLink(TDataLink* link);
    void RemoveDataLink(TDataLink* link);

    int Tag = 0;

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeEdit, AfterEdit, BeforeInsert, AfterInsert, OnNewRecord;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnCalcFields;
    TDataSetErrorEvent OnPostError, OnDeleteError, OnEditError;

protected:
    // Implemented by the concrete datasets: read every row (fills the row store and the column
    // metadata) and write one changed row to the database.
    struct Impl;
    std::unique_ptr<Impl> d;
    friend class TField;
};

} // namespace tarvand::data
