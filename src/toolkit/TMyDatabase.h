#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace tarvand {

namespace data {
class TADOConnection;
class TADOQuery;
} // namespace data

namespace ui {
class TDBGrid;
}

class TGlobal;
class TMyDate;
struct ListPickerSetup;

// Out texts of ReadMoeinLevels.
struct MoeinLevels {
    QString levels; // "اول/", "دوم/", "سوم" for the detail, detail-2 and project levels it requires
    QString tafsilyGroups;
    QString tafsily2Groups;
    QString projectGroups;
};

// The host's database object: the shared query that the toolkit's SQL helpers use one at a time,
// and the connection to the company database that every dataset is attached to.
class TMyDatabase {
public:
    using ShowMsgHandler = std::function<int(const QString& msg, const QString& title, const QString& kind)>;

    // date makes the names of the pickers' temporary tables; without one the local clock does.
    TMyDatabase(data::TADOConnection* connection, TGlobal* global, const TMyDate* date = nullptr);
    ~TMyDatabase();
    TMyDatabase(const TMyDatabase&) = delete;
    TMyDatabase& operator=(const TMyDatabase&) = delete;

    data::TADOQuery* Query() const { return query_.get(); }
    data::TADOConnection* Connection() const { return connection_; }

    // Where the operations show their messages (the owner of the message dialog sets it).
    ShowMsgHandler OnShowMsg;

    // Runs a statement as a command on the shared query. Empty text: true without sending anything;
    // no connection or any failure: false, silently.
    bool ExecSql(const QString& statement);

    // Makes sure the table carries the named primary key ("CLUSTERED") or unique index ("INDEX").
    bool EnsureTableKey(const QString& indexKind, const QString& table, const QString& constraintName,
                        const QStringList& keyColumns, int keyCount);

    // "(Select FieldCode From UserPrivilege Where …) ": the codes of a table the user may use.
    QString PrivilegeSubquery(const QString& table) const;
    // The rights string of one user for the nodes whose key starts with the prefix:
    // "node1(Y),node2(N),".
    QString ReadRightsTree(data::TADOQuery* query, const QString& keyPrefix, const QString& userColumn) const;

    QString LookupValue(const QString& keyField, const QString& keyValue, const QString& resultField,
                        const QString& table);
    bool IsNameRepeated(const QString& table, const QString& nameExpression, const QString& value);
    bool IsCodeUsed(const QString& procedure, const QString& code);
    MoeinLevels ReadMoeinLevels(const QString& kollCode, const QString& moeinCode);
    void DropTempTable(const QString& nameWithoutHashes);

    // The host's list picker that the account pickers below configure.
    void SetListPicker(ListPickerSetup* picker) { listPicker_ = picker; }
    ListPickerSetup* ListPicker() const { return listPicker_; }

    // Account pickers: each fills a new global temporary table of this session with the accounts
    // the user may see and the context allows, configures the list picker for it and returns the
    // statement the picker is to show. Group lengths are those of the company's code structure.
    QString PickKoll(const QString& kollCode);
    QString PickMoein(const QString& kollCode, const QString& moeinCode, const QString& tafsily2Name,
                      const QString& projectName);
    QString PickTafsily2Group(const QString& groupCode, const QString& tafsily2Name);
    // Modes "T" (detail accounts) and "K&M&T" (chains used in documents); any other: empty text.
    QString PickTafsily(const QString& mode, const QString& kollCode, const QString& moeinCode,
                        const QString& tafsilyCode, const QString& groups, int groupLength);
    // Mode "P"; any other: empty text.
    QString PickProject(const QString& mode, const QString& kollCode, const QString& moeinCode,
                        const QString& projectCode, const QString& projectName, const QString& groups,
                        int groupLength, const QString& tafsilyCode, const QString& tafsily2Code);
    // Modes "T2", "T&T2", "K&M&T2" and "K&M&T&T2"; any other: empty text.
    QString PickTafsily2(const QString& mode, const QString& kollCode, const QString& moeinCode,
                         const QString& tafsilyCode, const QString& tafsily2Code, const QString& tafsily2Name,
                         const QString& groups, int groupLength);

    // Widens every visible column to its longest value in the grid's data (asked of the database
    // over the dataset's own FROM and WHERE parts), to the formatted total of amount columns, and
    // unless keepTitle to its title. slack lets values that many characters shorter than the
    // longest count as candidates.
    void BestFitColumns(ui::TDBGrid* grid, bool keepTitle, int slack);

private:
    void openShared(const QString& statement);
    // "##" + the session's tag + a time stamp: a new global temporary table of this session.
    QString newPickerTable() const;
    int showMsg(const QString& msg, const QString& title, const QString& kind);

    data::TADOConnection* connection_;
    TGlobal* global_;
    const TMyDate* date_;
    ListPickerSetup* listPicker_ = nullptr;
    std::unique_ptr<data::TADOQuery> query_;
};

} // namespace tarvand
