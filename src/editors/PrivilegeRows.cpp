#include "PrivilegeRows.h"

#include "HostContext.h"
#include "SqlEscape.h"
#include "TD_Global.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"

namespace tarvand {

PrivilegeRows::PrivilegeRows(QString tableName) : tableName_(std::move(tableName)) {}

void PrivilegeRows::Posted(const QString& code, const QString& oldCode) const {
    if (oldCode.trimmed().isEmpty()) {
        const bool everyone = InfoForm != nullptr && InfoForm->DGlobal != nullptr &&
                              InfoForm->DGlobal->TypeCreateNewAt.trimmed().toUpper() == QLatin1String("ALL");
        const QString granted =
            everyone ? QStringLiteral("Select UserId, '") + tableName_ + QStringLiteral("', '") +
                           SqlEscape(code) + QStringLiteral("' From UserSdc")
                     : QStringLiteral("Select '") + SqlEscape(QString::number(Global->UserId)) +
                           QStringLiteral("', '") + tableName_ + QStringLiteral("', '") + SqlEscape(code) +
                           QStringLiteral("'");
        MyDatabase->ExecSql(QStringLiteral("Insert Into UserPrivilege(UserId, TableName, FieldCode) ") +
                            granted);
        return;
    }
    MyDatabase->ExecSql(QStringLiteral("Update UserPrivilege Set FieldCode='") + SqlEscape(code) +
                        QStringLiteral("' ") + QStringLiteral("Where TableName='") + tableName_ +
                        QStringLiteral("' And FieldCode='") + SqlEscape(oldCode) + QStringLiteral("'"));
}

void PrivilegeRows::Deleted(const QString& code) const {
    MyDatabase->ExecSql(QStringLiteral("Delete From UserPrivilege ") +
                        QStringLiteral("Where Upper(TableName)='") + tableName_ +
                        QStringLiteral("' And FieldCode='") + SqlEscape(code) + QStringLiteral("'"));
}

} // namespace tarvand
