#include "TGlobal.h"

#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TMyDatabase.h"

namespace tarvand {

namespace {

QString deleteLayoutStatement(const QString& userId, const QString& sProg, const QString& sItem,
                              const QString& sForm, const QString& sPart) {
    return QStringLiteral("Delete From Grid_State Where UserId='") + SqlEscape(userId) +
           QStringLiteral("' ") + QStringLiteral("And sProg = '") + SqlEscape(sProg) +
           QStringLiteral("' And sItem = '") + SqlEscape(sItem) + QStringLiteral("' And sForm ='") +
           SqlEscape(sForm) + QStringLiteral("' And sPart='") + SqlEscape(sPart) + QLatin1Char('\'');
}

// The width the column shows: its own, or the one the grid chose while the column has none.
int shownWidth(ui::TDBGrid* grid, int index) {
    const int width = grid->Columns()->Items(index)->Width();
    return width >= 0 ? width : grid->columnWidth(index);
}

} // namespace

void TGlobal::SaveColumnState(ui::TDBGrid* grid, const QString& sProg, const QString& sItem,
                              const QString& sForm, const QString& sPart) {
    if (grid == nullptr || grid->DataSet() == nullptr)
        return;
    const QString userId = QString::number(UserId);
    if (MyDatabase != nullptr) {
        MyDatabase->ExecSql(deleteLayoutStatement(userId, sProg, sItem, sForm, sPart));
        ui::TDBGridColumns* columns = grid->Columns();
        for (int i = 0; i < columns->Count(); ++i) {
            const ui::TColumn* column = columns->Items(i);
            MyDatabase->ExecSql(
                QStringLiteral(
                    "Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, iLen, "
                    "iRaj) ") +
                QStringLiteral("Values('") + SqlEscape(userId) + QStringLiteral("', '") +
                (column->Visible() ? QStringLiteral("T") : QStringLiteral("F")) + QStringLiteral("', '") +
                SqlEscape(sProg) + QStringLiteral("', '") + SqlEscape(sItem) + QStringLiteral("', ") +
                QLatin1Char('\'') + SqlEscape(sForm) + QStringLiteral("', '") + SqlEscape(sPart) +
                QStringLiteral("', '") + SqlEscape(column->FieldName()) + QStringLiteral("', ") +
                QString::number(shownWidth(grid, i)) + QStringLiteral(", ") + QString::number(i) +
                QLatin1Char(')'));
        }
    }
    showMsg(QStringLiteral("وضعيت ستونها ثبت شد."), QString(), QStringLiteral("1ER"));
}

void TGlobal::ResetColumnState(ui::TDBGrid* grid, const QString& sProg, const QString& sItem,
                               const QString& sForm, const QString& sPart) {
    if (grid == nullptr || grid->DataSet() == nullptr)
        return;
    if (MyDatabase != nullptr)
        MyDatabase->ExecSql(deleteLayoutStatement(QString::number(UserId), sProg, sItem, sForm, sPart));
    showMsg(
        QStringLiteral("ستونها به وضعيت اوليه بازگشت. \nلطفا براي مشاهده ستونهاي اوليه\nاز فرم خارج شده و "
                       "دوباره وارد شويد."),
        QString(), QStringLiteral("1ER"));
}

void TGlobal::ApplyColumnState(data::TADOQuery* query, ui::TDBGrid* grid, const QString& sProg,
                               const QString& sItem, const QString& sForm, const QString& sPart) {
    if (query == nullptr || grid == nullptr)
        return;
    query->Close();
    query->SetSQL(QStringLiteral("Select * From Grid_State Where UserId='") +
                  SqlEscape(QString::number(UserId)) + QStringLiteral("' And ") +
                  QStringLiteral("sProg = '") + SqlEscape(sProg) + QStringLiteral("' And sItem = '") +
                  SqlEscape(sItem) + QStringLiteral("' And sForm = '") + SqlEscape(sForm) +
                  QStringLiteral("' ") + QStringLiteral("And sPart='") + SqlEscape(sPart) +
                  QStringLiteral("' Order By iRaj "));
    query->Open();
    if (query->IsEmpty())
        return;

    ui::TDBGridColumns* columns = grid->Columns();
    int row = 0;
    int skipped = 0;
    for (query->First(); !query->Eof(); query->Next(), ++row) {
        const int found = FindGridColumn(grid, query->FieldByName(QStringLiteral("sColName"))->AsString());
        const int position = row - skipped;
        // A column removed from the form since, or stored twice, leaves no gap.
        if (found < 0 || position >= columns->Count()) {
            ++skipped;
            continue;
        }
        ui::TColumn* column = columns->Items(found);
        column->SetIndex(position);
        if (query->FieldByName(QStringLiteral("sVisible"))->AsString() == QLatin1String("T")) {
            column->SetVisible(true);
            column->SetWidth(query->FieldByName(QStringLiteral("iLen"))->AsInteger());
        } else {
            column->SetVisible(false);
        }
    }
}

int TGlobal::FindGridColumn(ui::TDBGrid* grid, const QString& fieldName) {
    if (grid == nullptr)
        return -1;
    const QString wanted = fieldName.toUpper();
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        if (columns->Items(i)->FieldName().toUpper() == wanted)
            return i;
    return -1;
}

int TGlobal::showMsg(const QString& msg, const QString& title, const QString& kind) {
    return OnShowMsg ? OnShowMsg(msg, title, kind) : 0;
}

} // namespace tarvand
