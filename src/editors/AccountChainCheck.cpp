#include "AccountChainCheck.h"

#include "ShowMsg.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TDataSet.h"
#include "TField.h"

namespace tarvand {

namespace {

const QString Active = QStringLiteral("فعال");
const QString DetailLevel = QStringLiteral("اول");
const QString ProjectLevel = QStringLiteral("سوم");

// The detail accounts a subsidiary account admits: by group prefix or by single code.
QString detailRestriction(const QString& groups, const QString& codes, int length) {
    const bool hasGroups = !groups.trimmed().isEmpty();
    const bool hasCodes = !codes.trimmed().isEmpty();
    const QString byGroup = QStringLiteral(" And ( PatIndex('%'+SubString(Tafsily, 1, ") +
                            QString::number(length) + QStringLiteral(")+'%', '") + SqlEscape(groups) +
                            QStringLiteral("') > 0 ");
    const QString byCode =
        QStringLiteral("PatIndex('%'+Tafsily+'%', '") + SqlEscape(codes) + QStringLiteral("') > 0 ) ");
    if (hasGroups && hasCodes)
        return byGroup + QStringLiteral(" Or ") + byCode;
    if (hasGroups)
        return byGroup + QStringLiteral(")");
    if (hasCodes)
        return QStringLiteral(" And ( ") + byCode;
    return {};
}

QString projectRestriction(const QString& groups, const QString& codes, int length) {
    const bool hasGroups = !groups.trimmed().isEmpty();
    const bool hasCodes = !codes.trimmed().isEmpty();
    const QString byGroup = QStringLiteral("PatIndex('%'+SubString(ProjectCod, 1, ") +
                            QString::number(length) + QStringLiteral(")+'%', '") + SqlEscape(groups) +
                            QStringLiteral("') > 0 ");
    const QString byCode =
        QStringLiteral("PatIndex('%'+ProjectCod+'%', '") + SqlEscape(codes) + QStringLiteral("') > 0 )");
    if (hasGroups && hasCodes)
        return QStringLiteral(" And (") + byGroup + QStringLiteral("Or ") + byCode;
    if (hasGroups)
        return QStringLiteral(" And (") + byGroup + QStringLiteral(")");
    if (hasCodes)
        return QStringLiteral(" And (") + byCode;
    return {};
}

} // namespace

AccountChainCheck::AccountChainCheck(data::TADOQuery& query, int tafsilyGroupLength, int projectGroupLength)
    : query_(query), tafsilyGroupLength_(tafsilyGroupLength), projectGroupLength_(projectGroupLength) {}

QString AccountChainCheck::Validate(data::TDataSet& row, const QString& prefix, MoeinLevels& levels) const {
    const QString kollName = prefix + QStringLiteral("Koll");
    const QString moeinName = prefix + QStringLiteral("Moein");
    const QString tafsilyName = prefix + QStringLiteral("Tafsily");
    const QString projectName = prefix + QStringLiteral("ProjectCod");
    data::TField* koll = row.FieldByName(kollName);
    data::TField* moein = row.FieldByName(moeinName);
    data::TField* tafsily = row.FieldByName(tafsilyName);
    data::TField* project = row.FieldByName(projectName);
    const auto fails = [](const QString& message, const QString& column) {
        ShowMsg(message, QString(), QStringLiteral("1ER"));
        return column;
    };
    const auto open = [this](const QString& statement) {
        query_.Close();
        query_.SetSQL(statement);
        query_.Open();
        return !query_.IsEmpty();
    };
    const auto text = [this](const char* name) {
        return query_.FieldByName(QLatin1String(name))->AsString();
    };

    if (koll->AsString().trimmed().isEmpty()) {
        moein->SetAsString(QString());
        tafsily->SetAsString(QString());
        project->SetAsString(QString());
        return fails(QStringLiteral("سرفصل حساب کل خالي مي باشد"), kollName);
    }
    if (!open(QStringLiteral("Select * From Koll Where Koll = '") + SqlEscape(koll->AsString()) +
              QStringLiteral("'")))
        return fails(QStringLiteral("كد حساب كل موجود نمي باشد."), kollName);
    if (text("IsActive").trimmed() != Active)
        return fails(QStringLiteral("كد حساب کل غيرفعال مي باشد."), kollName);

    if (!open(QStringLiteral("Select * From Moein Where Koll+Moein = '") +
              SqlEscape(koll->AsString() + moein->AsString()) + QStringLiteral("' ")))
        return fails(QStringLiteral("كد حساب معين موجود نمي باشد."), moeinName);
    if (text("IsActive").trimmed() != Active)
        return fails(QStringLiteral("كد حساب معين غيرفعال مي باشد."), moeinName);
    const QString has = QStringLiteral("دارد");
    levels = MoeinLevels();
    if (text("IsTafsily1").trimmed() == has)
        levels.levels = QStringLiteral("اول/");
    if (text("IsTafsily2").trimmed() == has)
        levels.levels += QStringLiteral("دوم/");
    if (text("IsProject").trimmed() == has)
        levels.levels += QStringLiteral("سوم");
    levels.tafsilyGroups = text("GrohTafsily");
    levels.tafsily2Groups = text("GrohTafsily2");
    levels.projectGroups = text("GrohProject");
    const QString tafsilyCodes = text("TafsilyJoz");
    QString projectGroups = levels.projectGroups;
    QString projectCodes = text("ProjectJoz");

    if (levels.levels.contains(DetailLevel)) {
        if (tafsily->AsString().trimmed().isEmpty())
            return fails(QStringLiteral("کد حساب تفصيلي خالي مي باشد."), tafsilyName);
        if (!open(QStringLiteral("Select Tafsily, IsActive From Tafsily Where Tafsily = '") +
                  SqlEscape(tafsily->AsString()) + QStringLiteral("' ") +
                  detailRestriction(levels.tafsilyGroups, tafsilyCodes, tafsilyGroupLength_)))
            return fails(QStringLiteral("كد حساب تفصيلي موجود نمي باشد."), tafsilyName);
        if (text("IsActive").trimmed() != Active)
            return fails(QStringLiteral("كد حساب تفصيلي غيرفعال مي باشد."), tafsilyName);
    } else {
        tafsily->SetAsString(QString());
    }

    if (!levels.levels.contains(ProjectLevel)) {
        project->SetAsString(QString());
        return {};
    }
    if (project->AsString().trimmed().isEmpty())
        return fails(QStringLiteral("كد خالي مي باشد !"), projectName);
    // A detail account with project lists of its own narrows the projects instead of the
    // subsidiary account. Its code was found above, so it is a number.
    const QString detail =
        tafsily->AsString().trimmed().isEmpty() ? QStringLiteral("-1") : tafsily->AsString();
    if (open(QStringLiteral(" Select * from Tafsily where Tafsily = ") + SqlEscape(detail) +
             QStringLiteral(
                 " And ((GrohProject Is Not Null And GrohProject <> '') Or (ProjectJoz Is Not Null And "
                 "ProjectJoz <> '')) "))) {
        projectGroups = text("GrohProject");
        projectCodes = text("ProjectJoz");
    }
    if (!open(QStringLiteral("Select ProjectCod, ProjectNam, RecogName, IsActive, IsPosHesab, DesChar ") +
              QStringLiteral("From M_Project Where ProjectCod = '") + SqlEscape(project->AsString()) +
              QStringLiteral("'") + projectRestriction(projectGroups, projectCodes, projectGroupLength_)))
        return fails(QStringLiteral("كد موجود نمي باشد !"), projectName);
    if (text("IsActive").trimmed() != Active)
        return fails(QStringLiteral("كد غير فعال مي باشد !"), projectName);
    return {};
}

} // namespace tarvand
