#include "TD_Global.h"

#include "HostContext.h"
#include "ShowMsg.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TField.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TTempGridForm.h"

#include <utility>

// The account chain of a grid row: its validation before a post and the pickers of its columns.
namespace tarvand {

namespace {

const QString Active = QStringLiteral("فعال");
const QString Has = QStringLiteral("دارد");
const QString HasNot = QStringLiteral("ندارد");
const QString FirstLevel = QStringLiteral("اول");
const QString SecondLevel = QStringLiteral("دوم");
const QString ThirdLevel = QStringLiteral("سوم");
// What PickAccount returns when the chosen account may not be posted to.
constexpr int InactiveChoice = 2;

// The row being checked or picked for, read and written by column name.
class ChainRow {
public:
    explicit ChainRow(ui::TDBGrid* grid)
        : dataSet_(grid != nullptr && grid->DataSource() != nullptr ? grid->DataSource()->DataSet()
                                                                    : nullptr) {}

    data::TDataSet* DataSet() const { return dataSet_; }
    data::TField* Field(const QString& name) const {
        return dataSet_ != nullptr && dataSet_->Active() ? dataSet_->FindField(name) : nullptr;
    }
    QString Text(const QString& name) const {
        const data::TField* field = Field(name);
        return field != nullptr ? field->Text() : QString();
    }
    bool IsEmpty(const QString& name) const { return Text(name).trimmed().isEmpty(); }
    // Columns of another chain (another editor's names) are left alone.
    void Set(const QString& name, const QString& value) const {
        data::TField* field = Field(name);
        if (field == nullptr || field->AsString() == value)
            return;
        dataSet_->Edit();
        field->SetAsString(value);
    }
    // The code as the picker should find it among the stored ones.
    QString Stored(const QString& name, QChar padding) const {
        const data::TField* field = Field(name);
        if (field == nullptr || field->Text().trimmed().isEmpty())
            return {};
        return TGlobal::PadChar(field->Text().trimmed(), padding, field->Size());
    }

private:
    data::TDataSet* dataSet_;
};

void refuse(const QString& message) {
    ShowMsg(message, QString(), QStringLiteral("1ER"));
}

// The restriction of a lower level's codes to the group list and the single-code list.
QString restriction(const QString& column, int groupLength, const QString& groups, const QString& singles,
                    bool spaced) {
    const QString inGroups = QStringLiteral("PatIndex('%'+SubString(") + column + QStringLiteral(", 1, ") +
                             QString::number(groupLength) + QStringLiteral(")+'%', '") + SqlEscape(groups) +
                             QStringLiteral("') > 0");
    const QString inSingles = QStringLiteral("PatIndex('%'+") + column + QStringLiteral("+'%', '") +
                              SqlEscape(singles) + QStringLiteral("') > 0");
    if (spaced) {
        if (!groups.isEmpty() && !singles.isEmpty())
            return QStringLiteral(" And ( ") + inGroups + QStringLiteral(" ") + QStringLiteral(" Or ") +
                   inSingles + QStringLiteral(" ) ");
        if (!groups.isEmpty())
            return QStringLiteral(" And ( ") + inGroups + QStringLiteral(" )");
        if (!singles.isEmpty())
            return QStringLiteral(" And ( ") + inSingles + QStringLiteral(" ) ");
        return {};
    }
    if (!groups.isEmpty() && !singles.isEmpty())
        return QStringLiteral(" And (") + inGroups + QStringLiteral(" Or ") + inSingles +
               QStringLiteral(" )");
    if (!groups.isEmpty())
        return QStringLiteral(" And (") + inGroups + QStringLiteral(" )");
    if (!singles.isEmpty())
        return QStringLiteral(" And (") + inSingles + QStringLiteral(" )");
    return {};
}

// The account of a lower level that carries its own list for the level below, if any. The code is
// compared as text: compared as a number, every code of the table would be converted, and one
// code holding a letter (the code columns take any character) would fail the statement for all.
QString ownListStatement(const QString& table, const QString& code, const QString& groupColumn,
                         const QString& singleColumn) {
    return QStringLiteral(" Select * from ") + table + QStringLiteral(" where ") + table +
           QStringLiteral(" = '") + SqlEscape(code) + QStringLiteral("' And ((") + groupColumn +
           QStringLiteral(" Is Not Null And ") + groupColumn + QStringLiteral(" <> '') Or (") + singleColumn +
           QStringLiteral(" Is Not Null And ") + singleColumn + QStringLiteral(" <> '')) ");
}

} // namespace

QString TD_Global::CheckAccountRow(ui::TDBGrid* Grid, QString LevelSet, QString GrohTafsily,
                                   QString GrohTafsily2, QString GrohProject, QString KollCol,
                                   QString MoeinCol, QString TafsilyCol, QString Tafsily2Col,
                                   QString ProjectCol) {
    const ChainRow row(Grid);
    // The picker opens only for columns under the plain names of the chain.
    const auto pickIfPlain = [&](const QString& column, int plainLength) {
        if (column.size() == plainLength)
            PickAccount(Grid, column.toUpper(), LevelSet, GrohTafsily, GrohTafsily2, GrohProject);
        return column;
    };
    const auto value = [this](const char* field) {
        return Query->FieldByName(QLatin1String(field))->AsString();
    };
    const auto inactive = [this]() {
        return Query->FieldByName(QStringLiteral("IsActive"))->AsString() != Active;
    };

    if (row.IsEmpty(KollCol)) {
        refuse(QStringLiteral("سرفصل حساب کل خالي مي باشد"));
        for (const char* lower : {"Moein", "Tafsily", "Tafsily2", "ProjectCod"})
            row.Set(QLatin1String(lower), QString());
        return pickIfPlain(KollCol, 4);
    }
    reopen(QStringLiteral("Select * From Koll Where Koll = '") + SqlEscape(row.Text(KollCol)) +
           QStringLiteral("'"));
    if (Query->IsEmpty()) {
        refuse(QStringLiteral("كد حساب كل موجود نمي باشد."));
        return pickIfPlain(KollCol, 4);
    }
    if (inactive()) {
        refuse(QStringLiteral("كد حساب کل غيرفعال مي باشد."));
        return KollCol;
    }

    reopen(QStringLiteral("Select * From Moein Where Koll+Moein = '") + SqlEscape(row.Text(KollCol)) +
           SqlEscape(row.Text(MoeinCol)) + QStringLiteral("' "));
    if (Query->IsEmpty()) {
        refuse(QStringLiteral("كد حساب معين موجود نمي باشد."));
        return pickIfPlain(MoeinCol, 5);
    }
    if (inactive()) {
        refuse(QStringLiteral("كد حساب معين غيرفعال مي باشد."));
        return MoeinCol;
    }

    LevelSet.clear();
    if (value("IsTafsily1").trimmed() == Has)
        LevelSet = FirstLevel + QLatin1Char('/');
    if (value("IsTafsily2").trimmed() == Has)
        LevelSet += SecondLevel + QLatin1Char('/');
    if (value("IsProject").trimmed() == Has)
        LevelSet += ThirdLevel;
    const QString tafsilyJoz = value("TafsilyJoz");
    QString tafsily2Joz = value("Tafsily2Joz");
    QString projectJoz = value("ProjectJoz");
    GrohTafsily = value("GrohTafsily");
    GrohTafsily2 = value("GrohTafsily2");
    GrohProject = value("GrohProject");

    if (LevelSet.contains(FirstLevel)) {
        if (row.IsEmpty(TafsilyCol)) {
            refuse(QStringLiteral("کد حساب تفصيلي خالي مي باشد."));
            return pickIfPlain(TafsilyCol, 7);
        }
        reopen(QStringLiteral("Select Tafsily, IsActive From Tafsily Where Tafsily = '") +
               SqlEscape(row.Text(TafsilyCol)) + QStringLiteral("' ") +
               restriction(QStringLiteral("Tafsily"), LenCodGrohTafsily, GrohTafsily, tafsilyJoz, true));
        if (Query->IsEmpty()) {
            refuse(QStringLiteral("كد حساب تفصيلي موجود نمي باشد."));
            return pickIfPlain(TafsilyCol, 7);
        }
        if (inactive()) {
            refuse(QStringLiteral("كد حساب تفصيلي غيرفعال مي باشد."));
            return TafsilyCol;
        }
    } else {
        row.Set(TafsilyCol, QString());
    }

    const QString detailOrNone = row.IsEmpty(TafsilyCol) ? QStringLiteral("-1") : row.Text(TafsilyCol);
    if (LevelSet.contains(SecondLevel)) {
        if (row.IsEmpty(Tafsily2Col)) {
            refuse(QStringLiteral("کد حساب ") + NamTafsily2 + QStringLiteral(" خالي مي باشد."));
            return pickIfPlain(Tafsily2Col, 8);
        }
        reopen(ownListStatement(QStringLiteral("Tafsily"), detailOrNone, QStringLiteral("GrohTafsily2"),
                                QStringLiteral("Tafsily2Joz")));
        QString groups = GrohTafsily2;
        if (!Query->IsEmpty()) {
            groups = value("GrohTafsily2");
            tafsily2Joz = value("Tafsily2Joz");
        }
        reopen(QStringLiteral("Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar ") +
               QStringLiteral("From Tafsily2 Where Tafsily2 = '") + SqlEscape(row.Text(Tafsily2Col)) +
               QStringLiteral("'") +
               restriction(QStringLiteral("Tafsily2"), LenCodGrohTafsily2, groups, tafsily2Joz, false));
        if (Query->IsEmpty()) {
            refuse(QStringLiteral("كد حساب ") + NamTafsily2 + QStringLiteral(" موجود نمي باشد."));
            return pickIfPlain(Tafsily2Col, 8);
        }
        if (inactive()) {
            refuse(QStringLiteral("كد حساب ") + NamTafsily2 + QStringLiteral(" غيرفعال مي باشد."));
            return Tafsily2Col;
        }
    } else {
        row.Set(Tafsily2Col, QString());
    }

    if (LevelSet.contains(ThirdLevel)) {
        if (row.IsEmpty(ProjectCol)) {
            refuse(QStringLiteral("کد ") + NamProject + QStringLiteral(" خالي مي باشد."));
            return pickIfPlain(ProjectCol, 10);
        }
        // The most specific account with a project list of its own decides.
        const QString detail2OrNone = row.IsEmpty(Tafsily2Col) ? QStringLiteral("-1") : row.Text(Tafsily2Col);
        QString groups = GrohProject;
        for (const auto& [table, code] : {std::pair{QStringLiteral("Tafsily2"), detail2OrNone},
                                          std::pair{QStringLiteral("Tafsily"), detailOrNone}}) {
            reopen(
                ownListStatement(table, code, QStringLiteral("GrohProject"), QStringLiteral("ProjectJoz")));
            if (!Query->IsEmpty()) {
                groups = value("GrohProject");
                projectJoz = value("ProjectJoz");
                break;
            }
        }
        reopen(QStringLiteral("Select ProjectCod, ProjectNam, RecogName, IsActive, IsPosHesab, DesChar ") +
               QStringLiteral("From M_Project Where ProjectCod = '") + SqlEscape(row.Text(ProjectCol)) +
               QStringLiteral("'") +
               restriction(QStringLiteral("ProjectCod"), LenCodGrohProject, groups, projectJoz, false));
        if (Query->IsEmpty()) {
            refuse(QStringLiteral("كد ") + NamProject + QStringLiteral(" موجود نمي باشد."));
            return pickIfPlain(ProjectCol, 10);
        }
        if (inactive()) {
            refuse(QStringLiteral("كد ") + NamProject + QStringLiteral(" غيرفعال مي باشد."));
            return ProjectCol;
        }
    } else {
        row.Set(ProjectCol, QString());
    }
    return {};
}

// The level set is the caller's; the pickers are limited by the group lists alone.
int TD_Global::PickAccount(ui::TDBGrid* Grid, const QString& Column, const QString& /*LevelSet*/,
                           const QString& GrohTafsily, const QString& GrohTafsily2,
                           const QString& GrohProject) {
    return PickChainAccount(Grid, Column.toUpper(), AccountChain(), GrohTafsily, GrohTafsily2, GrohProject,
                            LevelClearing::EveryMissingLevel);
}

int TD_Global::PickChainAccount(ui::TDBGrid* Grid, const QString& Level, const AccountChain& Chain,
                                const QString& GrohTafsily, const QString& GrohTafsily2,
                                const QString& GrohProject, LevelClearing Clearing) {
    const ChainRow row(Grid);
    if (row.DataSet() == nullptr || TempGridForm == nullptr)
        return ui::mrCancel;
    // What was typed in the cell is where the picker starts.
    Grid->UpdateData();
    const QString koll = row.Stored(Chain.Koll, QLatin1Char(' '));
    const QString moein = row.Stored(Chain.Moein, QLatin1Char(' '));
    const QString tafsily = row.Stored(Chain.Tafsily, QLatin1Char('0'));
    const QString tafsily2 = row.Stored(Chain.Tafsily2, QLatin1Char('0'));
    const QString project = row.Stored(Chain.Project, QLatin1Char('0'));

    QString statement;
    if (Level == QLatin1String("KOLL"))
        statement = MyDatabase->PickKoll(koll);
    else if (Level == QLatin1String("MOEIN"))
        statement = MyDatabase->PickMoein(koll, moein, NamTafsily2, NamProject);
    else if (Level == QLatin1String("TAFSILY"))
        statement = MyDatabase->PickTafsily(QStringLiteral("T"), koll, moein, tafsily, GrohTafsily,
                                            LenCodGrohTafsily);
    else if (Level == QLatin1String("TAFSILY2"))
        statement = MyDatabase->PickTafsily2(QStringLiteral("T2"), koll, moein, tafsily, tafsily2,
                                             NamTafsily2, GrohTafsily2, LenCodGrohTafsily2);
    else if (Level == QLatin1String("PROJECTCOD"))
        statement = MyDatabase->PickProject(QStringLiteral("P"), koll, moein, project, NamProject,
                                            GrohProject, LenCodGrohProject, tafsily, tafsily2);
    if (statement.isEmpty())
        return ui::mrCancel;

    data::TADOQuery* picked = TempGridForm->quTemp;
    picked->Close();
    picked->SetConnection(MyDatabase->Connection());
    picked->SetSQL(statement);
    const int result = TempGridForm->ShowModal();
    if (result != ui::mrOk)
        return result;

    const auto chosen = [picked](const char* field) {
        return picked->FieldByName(QLatin1String(field))->AsString();
    };
    const bool inactive = chosen("IsActive") != Active;
    row.DataSet()->Edit();
    if (Level == QLatin1String("KOLL")) {
        if (inactive) {
            refuse(QStringLiteral("كد حساب كل غيرفعال مي باشد."));
            return InactiveChoice;
        }
        row.Set(Chain.Koll, chosen("Koll"));
        for (const QString& lower : {Chain.Moein, Chain.Tafsily, Chain.Tafsily2, Chain.Project})
            row.Set(lower, QString());
    } else if (Level == QLatin1String("MOEIN")) {
        row.Set(Chain.Moein, chosen("Moein"));
        row.Set(Chain.Koll, chosen("Koll"));
        if (inactive) {
            refuse(QStringLiteral("كد حساب معين غيرفعال مي باشد."));
            return InactiveChoice;
        }
        for (const auto& [flag, column] :
             {std::pair{"IsTafsily1", Chain.Tafsily}, std::pair{"IsTafsily2", Chain.Tafsily2},
              std::pair{"IsProject", Chain.Project}}) {
            if (chosen(flag).trimmed() != HasNot)
                continue;
            row.Set(column, QString());
            if (Clearing == LevelClearing::FirstMissingLevel)
                break;
        }
    } else if (Level == QLatin1String("TAFSILY")) {
        row.Set(Chain.Tafsily, chosen("Tafsily"));
        if (inactive) {
            refuse(QStringLiteral("كد حساب تفصيلي غيرفعال مي باشد."));
            return InactiveChoice;
        }
    } else if (Level == QLatin1String("TAFSILY2")) {
        row.Set(Chain.Tafsily2, chosen("Tafsily2"));
        if (inactive) {
            refuse(QStringLiteral("كد حساب ") + NamTafsily2 + QStringLiteral(" غيرفعال مي باشد."));
            return InactiveChoice;
        }
    } else {
        row.Set(Chain.Project, chosen("ProjectCod"));
        if (inactive) {
            refuse(QStringLiteral("كد ") + NamProject + QStringLiteral(" غيرفعال مي باشد."));
            return InactiveChoice;
        }
    }
    return result;
}

} // namespace tarvand
