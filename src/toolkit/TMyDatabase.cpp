#include "TMyDatabase.h"

#include "Exception.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TGlobal.h"

#include <algorithm>

namespace tarvand {

TMyDatabase::TMyDatabase(data::TADOConnection* connection, TGlobal* global, const TMyDate* date)
    : connection_(connection), global_(global), date_(date), query_(std::make_unique<data::TADOQuery>()) {
    query_->SetConnection(connection);
}

TMyDatabase::~TMyDatabase() = default;

void TMyDatabase::openShared(const QString& statement) {
    query_->Close();
    query_->SetSQL(statement);
    query_->Open();
}

int TMyDatabase::showMsg(const QString& msg, const QString& title, const QString& kind) {
    return OnShowMsg ? OnShowMsg(msg, title, kind) : 0;
}

bool TMyDatabase::ExecSql(const QString& statement) {
    if (statement.isEmpty())
        return true;
    if (!query_->Connection())
        return false;
    try {
        query_->Close();
        query_->SetSQL(statement);
        query_->ExecSQL();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool TMyDatabase::EnsureTableKey(const QString& indexKind, const QString& table, const QString& constraintName,
                                 const QStringList& keyColumns, int keyCount) {
    openShared(QStringLiteral("Select Name From SysIndexes Where Upper(Name) = '") + SqlEscape(constraintName.toUpper()) +
               QLatin1Char('\''));
    if (!query_->IsEmpty())
        return true;
    if (indexKind != QLatin1String("CLUSTERED") && indexKind != QLatin1String("INDEX"))
        return true;

    QString columnList;
    const int count = std::min<int>(keyCount, keyColumns.size());
    for (int i = 0; i < count; ++i) {
        const QString& column = keyColumns.at(i);
        if (!columnList.isEmpty())
            columnList += QLatin1String(", ");
        columnList += column;

        openShared(QStringLiteral("Select Top 1 ") + column + QStringLiteral(" As sField From ") + table);
        const int size = query_->FieldByName(QStringLiteral("sField"))->Size();
        const QString fix = size == 0 ? QStringLiteral("Alter Table ") + table + QStringLiteral(" Alter Column ") + column +
                                            QStringLiteral(" Int Not Null")
                                      : QStringLiteral("Alter Table ") + table + QStringLiteral(" Alter Column ") + column +
                                            QStringLiteral(" Varchar(") + QString::number(size) +
                                            QStringLiteral(") Not Null");
        // A failing fix (NULLs stored) shows up when the key itself is refused below.
        ExecSql(fix);
    }

    const QString statement =
        indexKind.toUpper() == QLatin1String("CLUSTERED")
            ? QStringLiteral("Alter Table ") + table + QStringLiteral(" With NoCheck Add Constraint ") + constraintName +
                  QStringLiteral(" Primary Key clustered (") + columnList + QLatin1Char(')')
            : QStringLiteral("Create Unique Index ") + constraintName + QStringLiteral(" On ") + table +
                  QLatin1Char('(') + columnList + QStringLiteral(") With Ignore_dup_key ");
    if (ExecSql(statement))
        return true;
    showMsg(QStringLiteral("امکان وارد کردن کد تکراري وجود دارد.\n") +
                QStringLiteral("لطفا براي رفع اشکال با بخش پشتيباني شركت تماس بگيريد."),
            QString(), QStringLiteral("1ER"));
    return false;
}

QString TMyDatabase::PrivilegeSubquery(const QString& table) const {
    return QStringLiteral("(Select FieldCode From UserPrivilege Where ") + QStringLiteral("UserId='") +
           SqlEscape(QString::number(global_->UserId)) + QStringLiteral("' And Upper(TableName)='") +
           SqlEscape(table.toUpper()) + QStringLiteral("') ");
}

QString TMyDatabase::ReadRightsTree(data::TADOQuery* query, const QString& keyPrefix, const QString& userColumn) const {
    query->Close();
    query->SetSQL(QStringLiteral("Select StrId, [") + userColumn + QStringLiteral("] As UserId From UserSdcDetail ") +
                  QStringLiteral("Where StrId Like '") + SqlEscape(keyPrefix) +
                  QStringLiteral("%' Order By StrId, Parent"));
    query->Open();
    QString rights;
    for (query->First(); !query->Eof(); query->Next())
        rights += query->FieldByName(QStringLiteral("StrId"))->AsString() + QLatin1Char('(') +
                  query->FieldByName(QStringLiteral("UserId"))->Text() + QStringLiteral("),");
    return rights;
}

QString TMyDatabase::LookupValue(const QString& keyField, const QString& keyValue, const QString& resultField,
                                 const QString& table) {
    openShared(QStringLiteral("Select Top 1 ") + resultField + QStringLiteral(" From ") + table +
               QStringLiteral(" Where ") + keyField + QStringLiteral(" = '") + SqlEscape(keyValue) +
               QLatin1Char('\''));
    if (query_->IsEmpty())
        return {};
    return query_->FieldByIndex(0)->AsString();
}

bool TMyDatabase::IsNameRepeated(const QString& table, const QString& nameExpression, const QString& value) {
    openShared(QStringLiteral("sp_Is_Name_Repeated '") + SqlEscape(table) + QStringLiteral("', '") +
               SqlEscape(nameExpression) + QStringLiteral("', '") + SqlEscape(value) + QLatin1Char('\''));
    return !query_->IsEmpty();
}

bool TMyDatabase::IsCodeUsed(const QString& procedure, const QString& code) {
    openShared(procedure + QStringLiteral(" '") + SqlEscape(code) + QLatin1Char('\''));
    if (query_->IsEmpty() || query_->FieldCount() == 0)
        return false;
    return query_->FieldByIndex(0)->AsInteger() > 0;
}

MoeinLevels TMyDatabase::ReadMoeinLevels(const QString& kollCode, const QString& moeinCode) {
    openShared(QStringLiteral("Select * From Moein Where LTRIM(Koll)+LTRIM(Moein) = '") +
               SqlEscape(kollCode.trimmed() + moeinCode.trimmed()) + QLatin1Char('\''));
    MoeinLevels result;
    if (query_->IsEmpty())
        return result;
    const QString has = QStringLiteral("دارد");
    auto flag = [this](const char* name) { return query_->FieldByName(QLatin1String(name))->AsString().trimmed(); };
    if (flag("IsTafsily1") == has)
        result.levels += QStringLiteral("اول/");
    if (flag("IsTafsily2") == has)
        result.levels += QStringLiteral("دوم/");
    if (flag("IsProject") == has)
        result.levels += QStringLiteral("سوم");
    result.tafsilyGroups = query_->FieldByName(QStringLiteral("GrohTafsily"))->AsString();
    result.tafsily2Groups = query_->FieldByName(QStringLiteral("GrohTafsily2"))->AsString();
    result.projectGroups = query_->FieldByName(QStringLiteral("GrohProject"))->AsString();
    return result;
}

void TMyDatabase::DropTempTable(const QString& nameWithoutHashes) {
    // The name is made by the session (tag and time stamp); only its literal use needs escaping.
    ExecSql(QStringLiteral("If Exists(Select [Name] From Tempdb..SysObjects Where [Name] Like '%") +
            SqlEscape(nameWithoutHashes) + QStringLiteral("') ") + QStringLiteral("Drop Table ##") + nameWithoutHashes);
}

} // namespace tarvand
