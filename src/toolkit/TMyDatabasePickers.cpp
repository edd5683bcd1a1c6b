#include "TMyDatabase.h"

#include "ListPickerSetup.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDate.h"

#include <QList>
#include <optional>
#include <utility>

// The account pickers: each fills a global temporary table with the accounts the user may see
// and the posting allows, tells the host's list picker how to show it and returns the statement
// that reads it.
namespace tarvand {

namespace {

struct PickerColumn {
    QString caption;
    int width;
};

// How the list picker shows one list. columnCount may be smaller than the captions given: the
// fields after it are read but not shown.
struct PickerLayout {
    QString title;
    int columnCount;
    QList<PickerColumn> columns;
    QList<std::pair<QString, QString>> keys; // field, the caller's current value
    QString orderField;
};

void configure(ListPickerSetup* picker, const PickerLayout& layout, const QString& table) {
    if (picker == nullptr)
        return;
    picker->ClearSetup();
    picker->ColumnCount = layout.columnCount;
    for (int index = 0; index < layout.columns.size(); ++index) {
        picker->ColumnTitles.at(index) = layout.columns[index].caption;
        picker->ColumnWidths.at(index) = layout.columns[index].width;
    }
    picker->Title = layout.title;
    for (int index = 0; index < layout.keys.size(); ++index) {
        picker->KeyFields.at(index) = layout.keys[index].first;
        picker->KeyValues.at(index) = layout.keys[index].second;
    }
    picker->OrderField = layout.orderField;
    picker->TableName = table;
}

// The allowed groups (G) and single codes (J) of one level, tested as substrings of a code.
struct Restriction {
    QString groups;
    QString singles;
};

// The Where clause of the project and detail-2 lists (field "ProjectCod" or "Tafsily2").
QString levelFilter(const QString& field, const Restriction& allowed, int groupLength) {
    const QString byGroup = QStringLiteral("PatIndex('%'+SubString(") + field + QStringLiteral(", 1, ") +
                            QString::number(groupLength) + QStringLiteral(")+'%', '") +
                            SqlEscape(allowed.groups) + QStringLiteral("') > 0");
    const QString bySingle = QStringLiteral("PatIndex('%'+") + field + QStringLiteral("+'%', '") +
                             SqlEscape(allowed.singles) + QStringLiteral("') > 0");
    if (!allowed.groups.isEmpty() && !allowed.singles.isEmpty())
        return QStringLiteral("And (") + byGroup + QStringLiteral(" Or ") + bySingle + QStringLiteral(" )");
    if (!allowed.groups.isEmpty())
        return QStringLiteral("And (") + byGroup + QStringLiteral(" )");
    if (!allowed.singles.isEmpty())
        return QStringLiteral("And (") + bySingle + QStringLiteral(" )");
    return {};
}

// The same filter of the detail list, written with its own blanks.
QString detailFilter(const Restriction& allowed, int groupLength) {
    const QString byGroup = QStringLiteral("PatIndex('%'+SubString(Tafsily, 1, ") +
                            QString::number(groupLength) + QStringLiteral(")+'%', '") +
                            SqlEscape(allowed.groups) + QStringLiteral("') > 0");
    const QString bySingle =
        QStringLiteral("PatIndex('%'+Tafsily+'%', '") + SqlEscape(allowed.singles) + QStringLiteral("') > 0");
    if (!allowed.groups.isEmpty() && !allowed.singles.isEmpty())
        return QStringLiteral(" And ( ") + byGroup + QStringLiteral(" ") + QStringLiteral(" Or ") + bySingle +
               QStringLiteral(" ) ");
    if (!allowed.groups.isEmpty())
        return QStringLiteral(" And ( ") + byGroup + QStringLiteral(" )");
    if (!allowed.singles.isEmpty())
        return QStringLiteral(" And ( ") + bySingle + QStringLiteral(" ) ");
    return {};
}

// The subsidiary account's columns, on a query of its own; empty texts when there is no such
// account.
QList<QString> readMoein(data::TADOConnection* connection, const QStringList& columns,
                         const QString& kollCode, const QString& moeinCode) {
    data::TADOQuery query;
    query.SetConnection(connection);
    query.SetSQL(QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) +
                 QStringLiteral(" From Moein Where LTRIM(Koll)+LTRIM(Moein) = '") +
                 SqlEscape(kollCode.trimmed() + moeinCode.trimmed()) + QLatin1Char('\''));
    query.Open();
    QList<QString> values;
    for (const QString& column : columns)
        values.append(query.IsEmpty() ? QString() : query.FieldByName(column)->AsString());
    return values;
}

// The restriction an account carries on its own row, when the statement finds that row.
std::optional<Restriction> ownRestriction(data::TADOQuery* shared, const QString& statement,
                                          const QString& groupColumn, const QString& singleColumn) {
    shared->Close();
    shared->SetSQL(statement);
    shared->Open();
    if (shared->IsEmpty())
        return std::nullopt;
    return Restriction{shared->FieldByName(groupColumn)->AsString(),
                       shared->FieldByName(singleColumn)->AsString()};
}

QString ownRestrictionStatement(const QString& table, const QString& code, const QString& groupColumn,
                                const QString& singleColumn) {
    return QStringLiteral(" Select * from ") + table + QStringLiteral(" where ") + table +
           QStringLiteral(" = '") + SqlEscape(code) + QStringLiteral("' And ((") + groupColumn +
           QStringLiteral(" Is Not Null And ") + groupColumn + QStringLiteral(" <> '') Or (") + singleColumn +
           QStringLiteral(" Is Not Null And ") + singleColumn + QStringLiteral(" <> '')) ");
}

const QString selectAllFrom = QStringLiteral("Select * From ");

} // namespace

QString TMyDatabase::newPickerTable() const {
    const QString stamp = date_ != nullptr ? date_->TimeStamp() : TMyDate().TimeStamp();
    return QStringLiteral("##") + global_->SessionTag + stamp;
}

QString TMyDatabase::PickKoll(const QString& kollCode) {
    const QString tmp = newPickerTable();
    configure(listPicker_,
              {QStringLiteral("انتخاب حساب كل"),
               7,
               {{QStringLiteral("كل"), 30},
                {QStringLiteral("نام حساب كل"), 300},
                {QStringLiteral("ماهيت"), 40},
                {QStringLiteral("نوع"), 40},
                {QStringLiteral("وضعيت"), 42},
                {QStringLiteral("مانده"), 35},
                {QStringLiteral("روش ثبت"), 55}},
               {{QStringLiteral("Koll"), kollCode}},
               QStringLiteral("Koll")},
              tmp);
    ExecSql(QStringLiteral("Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar ") +
            QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Koll Where Koll In ") +
            PrivilegeSubquery(QStringLiteral("KOLL")));
    return selectAllFrom + tmp + QStringLiteral(" Order By Koll");
}

QString TMyDatabase::PickMoein(const QString& kollCode, const QString& moeinCode, const QString& tafsily2Name,
                               const QString& projectName) {
    const QString tmp = newPickerTable();
    configure(listPicker_,
              {QStringLiteral("انتخاب حساب معين"),
               15,
               {{QStringLiteral("معين"), 35},
                {QStringLiteral("كل"), 30},
                {QStringLiteral("نام حساب کل"), 300},
                {QStringLiteral("نام حساب معين"), 300},
                {QStringLiteral("ماهيت"), 40},
                {QStringLiteral("تفصيلي"), 50},
                {tafsily2Name, 60},
                {projectName, 60},
                {QStringLiteral("گروههاي تفصيلي"), 150},
                {QStringLiteral("گروههاي ") + tafsily2Name, 150},
                {QStringLiteral("گروههاي ") + projectName, 150},
                {QStringLiteral("وضعيت"), 45},
                {QStringLiteral("مانده"), 40},
                {QStringLiteral("عطف حرفي"), 70},
                {QStringLiteral("عطف تاريخي"), 80},
                {QStringLiteral("عطف عددي"), 70},
                {QStringLiteral("روش ثبت"), 55}},
               {{QStringLiteral("Koll"), kollCode}, {QStringLiteral("Moein"), moeinCode}},
               QStringLiteral("IDX")},
              tmp);
    ExecSql(QStringLiteral("Select M.Moein, M.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, ") +
            QStringLiteral("M.RecogName, M.IsTafsily1, M.IsTafsily2, M.IsProject, M.GrohTafsily, ") +
            QStringLiteral("M.GrohTafsily2, M.GrohProject, M.IsActive, M.IsPosHesab, ") +
            QStringLiteral(
                "M.FAtfCh, M.FAtfDate, M.FAtfNum, M.DesChar, M.IsTafsily, IDX = Identity(Int, 1, 1) ") +
            QStringLiteral("Into ") + tmp + QStringLiteral(" ") +
            QStringLiteral("From Moein As M, Koll As K ") +
            QStringLiteral("Where K.Koll = M.Koll And M.Koll+M.Moein In ") +
            PrivilegeSubquery(QStringLiteral("MOEIN")));
    return selectAllFrom + tmp + QStringLiteral(" Order By Koll, Moein");
}

QString TMyDatabase::PickTafsily2Group(const QString& groupCode, const QString& tafsily2Name) {
    const QString tmp = newPickerTable();
    configure(listPicker_,
              {QStringLiteral("انتخاب گروه ") + tafsily2Name,
               2,
               {{QStringLiteral("كد"), 40}, {QStringLiteral("نام گروه ") + tafsily2Name, 420}},
               {{QStringLiteral("Tafsily2GrohCod"), groupCode}},
               QStringLiteral("Tafsily2GrohCod")},
              tmp);
    ExecSql(QStringLiteral("Select Tafsily2GrohCod, Tafsily2GrohNam Into ") + tmp +
            QStringLiteral(" From GrohTafsily2 ") + QStringLiteral("Where Tafsily2GrohCod In ") +
            PrivilegeSubquery(QStringLiteral("GROHTAFSILY2")) + QStringLiteral(" "));
    return selectAllFrom + tmp + QStringLiteral(" Order By Tafsily2GrohCod");
}

QString TMyDatabase::PickTafsily(const QString& mode, const QString& kollCode, const QString& moeinCode,
                                 const QString& tafsilyCode, const QString& groups, int groupLength) {
    const QString title = QStringLiteral("انتخاب حساب تفصيلي");
    if (mode == QLatin1String("T")) {
        const QString tmp = newPickerTable();
        configure(listPicker_,
                  {title,
                   6,
                   {{QStringLiteral("تفصيلي"), 55},
                    {QStringLiteral("نام حساب تفصيلي"), 300},
                    {QStringLiteral("ماهيت"), 40},
                    {QStringLiteral("وضعيت"), 45},
                    {QStringLiteral("مانده"), 45},
                    {QStringLiteral("روش ثبت"), 55}},
                   {{QStringLiteral("Tafsily"), tafsilyCode}},
                   QStringLiteral("Tafsily")},
                  tmp);
        const QString singles = readMoein(connection_, {QStringLiteral("TafsilyJoz")}, kollCode, moeinCode)
                                    .constFirst()
                                    .trimmed();
        ExecSql(QStringLiteral("Select Tafsily, NamHesab, RecogName, IsActive, IsPosHesab, DesChar ") +
                QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Tafsily ") +
                QStringLiteral("Where Tafsily In ") + PrivilegeSubquery(QStringLiteral("TAFSILY")) +
                QStringLiteral(" ") + detailFilter({groups, singles}, groupLength));
        return selectAllFrom + tmp + QStringLiteral(" Order By Tafsily ");
    }
    if (mode == QLatin1String("K&M&T")) {
        const QString tmp = newPickerTable();
        // The chains come back ordered by their codes, which the general account keeps.
        configure(listPicker_,
                  {title,
                   10,
                   {{QStringLiteral("تفصيلي"), 55},
                    {QStringLiteral("معين"), 35},
                    {QStringLiteral("کل"), 30},
                    {QStringLiteral("نام حساب كل"), 300},
                    {QStringLiteral("نام حساب معين"), 300},
                    {QStringLiteral("نام حساب تفصيلي"), 300},
                    {QStringLiteral("ماهيت"), 40},
                    {QStringLiteral("وضعيت"), 45},
                    {QStringLiteral("مانده"), 45},
                    {QStringLiteral("روش ثبت"), 55}},
                   {{QStringLiteral("Koll"), kollCode},
                    {QStringLiteral("Moein"), moeinCode},
                    {QStringLiteral("Tafsily"), tafsilyCode}},
                   QStringLiteral("Koll")},
                  tmp);
        ExecSql(
            QStringLiteral("Select Distinct A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, ") +
            QStringLiteral("M.NamHesab As MNamHesab, T.NamHesab As TNamHesab, M.RecogName, T.IsActive, ") +
            QStringLiteral("T.IsPosHesab, T.DesChar ") + QStringLiteral("Into ") + tmp + QStringLiteral(" ") +
            QStringLiteral("From Asnad As A ") +
            QStringLiteral("Inner Join Koll As K On (A.Koll = K.Koll) ") +
            QStringLiteral("Inner Join Moein As M On (A.Koll+A.Moein = M.Koll+M.Moein) ") +
            QStringLiteral("Left  Outer Join Tafsily As T On (A.Tafsily = T.Tafsily) ") +
            QStringLiteral("Where M.Koll+M.Moein In ") + PrivilegeSubquery(QStringLiteral("MOEIN")) +
            QStringLiteral(" And ") + QStringLiteral("T.Tafsily In ") +
            PrivilegeSubquery(QStringLiteral("TAFSILY")));
        return selectAllFrom + tmp + QStringLiteral(" Order By Koll, Moein, Tafsily ");
    }
    return {};
}

QString TMyDatabase::PickProject(const QString& mode, const QString& kollCode, const QString& moeinCode,
                                 const QString& projectCode, const QString& projectName,
                                 const QString& groups, int groupLength, const QString& tafsilyCode,
                                 const QString& tafsily2Code) {
    if (mode != QLatin1String("P"))
        return {};
    const QString tmp = newPickerTable();
    configure(listPicker_,
              {QStringLiteral("انتخاب ") + projectName,
               6,
               {{projectName, 55},
                {QStringLiteral("نام ") + projectName, 300},
                {QStringLiteral("ماهيت"), 40},
                {QStringLiteral("وضعيت"), 45},
                {QStringLiteral("مانده"), 45},
                {QStringLiteral("روش ثبت"), 55}},
               {{QStringLiteral("ProjectCod"), projectCode}},
               QStringLiteral("ProjectCod")},
              tmp);
    const QString moeinSingles = readMoein(connection_,
                                           {QStringLiteral("TafsilyJoz"), QStringLiteral("Tafsily2Joz"),
                                            QStringLiteral("ProjectJoz"), QStringLiteral("GrohProject")},
                                           kollCode, moeinCode)
                                     .at(2);
    // The most specific account of the posting that narrows the projects decides: its detail-2
    // account, then its detail account, then the subsidiary.
    const QString groupColumn = QStringLiteral("GrohProject");
    const QString singleColumn = QStringLiteral("ProjectJoz");
    std::optional<Restriction> allowed = ownRestriction(
        query_.get(),
        tafsily2Code.trimmed().isEmpty()
            ? QStringLiteral(" Select * from Tafsily2 where 1 = 2 ")
            : ownRestrictionStatement(QStringLiteral("Tafsily2"), tafsily2Code, groupColumn, singleColumn),
        groupColumn, singleColumn);
    if (!allowed && !tafsilyCode.trimmed().isEmpty() && tafsilyCode.trimmed() != QLatin1String("-1"))
        allowed = ownRestriction(
            query_.get(),
            ownRestrictionStatement(QStringLiteral("Tafsily"), tafsilyCode, groupColumn, singleColumn),
            groupColumn, singleColumn);
    ExecSql(QStringLiteral("Select ProjectCod, ProjectNam, RecogName, IsActive, IsPosHesab, DesChar ") +
            QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From M_Project ") +
            QStringLiteral("Where ProjectCod In ") + PrivilegeSubquery(QStringLiteral("M_PROJECT")) +
            levelFilter(QStringLiteral("ProjectCod"), allowed.value_or(Restriction{groups, moeinSingles}),
                        groupLength));
    return selectAllFrom + tmp + QStringLiteral(" Order By ProjectCod");
}

QString TMyDatabase::PickTafsily2(const QString& mode, const QString& kollCode, const QString& moeinCode,
                                  const QString& tafsilyCode, const QString& tafsily2Code,
                                  const QString& tafsily2Name, const QString& groups, int groupLength) {
    const QString title = QStringLiteral("انتخاب حساب ") + tafsily2Name;
    const QString chainPrivileges = QStringLiteral("Where A.Koll+A.Moein In ") +
                                    PrivilegeSubquery(QStringLiteral("MOEIN")) + QStringLiteral(" And ");
    if (mode == QLatin1String("T2")) {
        const QString tmp = newPickerTable();
        configure(listPicker_,
                  {title,
                   6,
                   {{tafsily2Name, 55},
                    {QStringLiteral("نام حساب ") + tafsily2Name, 300},
                    {QStringLiteral("ماهيت"), 40},
                    {QStringLiteral("وضعيت"), 45},
                    {QStringLiteral("مانده"), 45},
                    {QStringLiteral("روش ثبت"), 55}},
                   {{QStringLiteral("Tafsily2"), tafsily2Code}},
                   QStringLiteral("Tafsily2")},
                  tmp);
        const QString moeinSingles =
            readMoein(connection_, {QStringLiteral("TafsilyJoz"), QStringLiteral("Tafsily2Joz")}, kollCode,
                      moeinCode)
                .at(1);
        // A detail account that narrows the detail-2 accounts itself overrides the subsidiary.
        std::optional<Restriction> allowed;
        if (!tafsilyCode.trimmed().isEmpty())
            allowed = ownRestriction(query_.get(),
                                     ownRestrictionStatement(QStringLiteral("Tafsily"), tafsilyCode,
                                                             QStringLiteral("GrohTafsily2"),
                                                             QStringLiteral("Tafsily2Joz")),
                                     QStringLiteral("GrohTafsily2"), QStringLiteral("Tafsily2Joz"));
        ExecSql(QStringLiteral("Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar ") +
                QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Tafsily2 ") +
                QStringLiteral("Where Tafsily2 In ") + PrivilegeSubquery(QStringLiteral("TAFSILY2")) +
                QStringLiteral(" ") +
                levelFilter(QStringLiteral("Tafsily2"), allowed.value_or(Restriction{groups, moeinSingles}),
                            groupLength));
        return selectAllFrom + tmp + QStringLiteral(" Order By Tafsily2 ");
    }
    if (mode == QLatin1String("T&T2")) {
        const QString tmp = newPickerTable();
        configure(listPicker_,
                  {QStringLiteral("انتخاب حساب تفصيلي و ") + tafsily2Name,
                   5,
                   {{tafsily2Name, 65},
                    {QStringLiteral("تفصيلي"), 55},
                    {QStringLiteral("نام حساب تفصيلي"), 300},
                    {QStringLiteral("نام حساب ") + tafsily2Name, 300},
                    {QStringLiteral("ماهيت"), 45}},
                   {{QStringLiteral("Tafsily"), tafsilyCode}, {QStringLiteral("Tafsily2"), tafsily2Code}},
                   QStringLiteral("IDX")},
                  tmp);
        ExecSql(QStringLiteral(
                    "Select A.Tafsily2, A.Tafsily, T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, "
                    "M.RecogName, IDX = Identity(Int, 1, 1) ") +
                QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Asnad As A ") +
                QStringLiteral("Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein) ") +
                QStringLiteral("Left Outer Join Tafsily As T On(A.Tafsily = T.Tafsily) ") +
                QStringLiteral("Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) ") +
                chainPrivileges + QStringLiteral("A.Tafsily2 In ") +
                PrivilegeSubquery(QStringLiteral("TAFSILY2")) +
                QStringLiteral("Group By A.Tafsily2, A.Tafsily, T.NamHesab, T2.NamHesab, M.RecogName "));
        return selectAllFrom + tmp + QStringLiteral(" Order By Tafsily, Tafsily2 ");
    }
    if (mode == QLatin1String("K&M&T2")) {
        const QString tmp = newPickerTable();
        configure(listPicker_,
                  {title,
                   7,
                   {{tafsily2Name, 65},
                    {QStringLiteral("معين"), 35},
                    {QStringLiteral("کل"), 30},
                    {QStringLiteral("نام حساب کل"), 300},
                    {QStringLiteral("نام حساب معين"), 300},
                    {QStringLiteral("نام حساب ") + tafsily2Name, 300},
                    {QStringLiteral("ماهيت"), 40}},
                   {{QStringLiteral("Koll"), kollCode},
                    {QStringLiteral("Moein"), moeinCode},
                    {QStringLiteral("Tafsily2"), tafsily2Code}},
                   QStringLiteral("IDX")},
                  tmp);
        ExecSql(
            QStringLiteral("Select A.Tafsily2, A.Moein, A.Koll, K.NamHesab As KNamHesab, M.NamHesab As "
                           "MNamHesab, T2.NamHesab As T2NamHesab, M.Recogname, IDX = Identity(Int, 1, 1) ") +
            QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Asnad As A ") +
            QStringLiteral("Inner Join Koll As K On(A.Koll = K.Koll) ") +
            QStringLiteral("Inner Join Moein As M On(A.Moein = M.Moein And A.Koll = M.Koll) ") +
            QStringLiteral("Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) ") + chainPrivileges +
            QStringLiteral("A.Tafsily2 In ") + PrivilegeSubquery(QStringLiteral("TAFSILY2")) +
            QStringLiteral("Group By A.Tafsily2, A.Moein, A.Koll, K.Namhesab, M.Namhesab, T2.Namhesab, "
                           "M.RecogName "));
        return selectAllFrom + tmp + QStringLiteral(" Order By Koll, Moein, Tafsily2 ");
    }
    if (mode == QLatin1String("K&M&T&T2")) {
        const QString tmp = newPickerTable();
        configure(listPicker_,
                  {title,
                   12,
                   {{tafsily2Name, 65},
                    {QStringLiteral("تفصيلي"), 55},
                    {QStringLiteral("معين"), 35},
                    {QStringLiteral("کل"), 30},
                    {QStringLiteral("نام حساب کل"), 300},
                    {QStringLiteral("نام حساب معين"), 300},
                    {QStringLiteral("نام حساب تفصيلي"), 300},
                    {QStringLiteral("نام حساب ") + tafsily2Name, 300},
                    {QStringLiteral("ماهيت"), 40},
                    {QStringLiteral("وضعيت"), 45},
                    {QStringLiteral("مانده"), 45},
                    {QStringLiteral("روش ثبت"), 55}},
                   {{QStringLiteral("Koll"), kollCode},
                    {QStringLiteral("Moein"), moeinCode},
                    {QStringLiteral("Tafsily"), tafsilyCode},
                    {QStringLiteral("Tafsily2"), tafsily2Code}},
                   QStringLiteral("IDX")},
                  tmp);
        ExecSql(
            QStringLiteral("Select A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, ") +
            QStringLiteral("M.Namhesab As MNamHesab, T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, ") +
            QStringLiteral("M.RecogName, M.IsActive, M.IsPosHesab, M.DesChar, IDX = Identity(Int, 1, 1) ") +
            QStringLiteral("Into ") + tmp + QStringLiteral(" ") + QStringLiteral("From Asnad As A ") +
            QStringLiteral("Inner Join Koll As K On(A.Koll = K.Koll) ") +
            QStringLiteral("Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein) ") +
            QStringLiteral("Left Outer Join Tafsily As T On(A.Tafsily = T.Tafsily) ") +
            QStringLiteral("Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) ") + chainPrivileges +
            QStringLiteral("(IsNull(A.Tafsily2, '') = '' Or A.Tafsily2 In ") +
            PrivilegeSubquery(QStringLiteral("TAFSILY2")) + QStringLiteral(") ") +
            QStringLiteral("Group By A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab, M.Namhesab, "
                           "T.NamHesab, T2.NamHesab, M.RecogName, M.IsActive, M.IsPosHesab, M.DesChar "));
        return selectAllFrom + tmp + QStringLiteral(" Order By Koll, Moein, Tafsily, Tafsily2 ");
    }
    return {};
}

} // namespace tarvand
