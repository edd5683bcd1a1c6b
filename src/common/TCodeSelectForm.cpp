#include "TCodeSelectForm.h"

#include "CaptionStrip.h"
#include "EAbort.h"
#include "HostContext.h"
#include "ShowMsg.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TField.h"
#include "TGlobal.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TPanel.h"
#include "TPopupMenu.h"
#include "TPrintParams.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QGuiApplication>
#include <QScreen>

namespace tarvand {

namespace {

const QString Mark = QStringLiteral("ض");
const QString MarkField = QStringLiteral("sSelect");

struct ListColumn {
    const char* field;
    const char* title;
    int width;
};

const ListColumn ListColumns[] = {
    {"sSelect", "انتخاب", 40},
    {"Code", "كد", 60},
    {"Name", "نام", 370},
};

} // namespace

TCodeSelectForm::TCodeSelectForm(QWidget* parent)
    : ui::TForm(parent), quTemp(nullptr), quAnbarSelect(nullptr), dsAnbarSelect(nullptr),
      pmAnbar(new ui::TPopupMenu(this)), workQuery_(std::make_unique<data::TADOQuery>()),
      listQuery_(std::make_unique<data::TADOQuery>()), listSource_(std::make_unique<data::TDataSource>()) {
    setupUi(this);
    SetName(QStringLiteral("CodeSelectForm"));
    SetCaption(QStringLiteral("انتخاب انبار"));
    quTemp = workQuery_.get();
    quAnbarSelect = listQuery_.get();
    quAnbarSelect->Name = QStringLiteral("quAnbarSelect");
    dsAnbarSelect = listSource_.get();
    dsAnbarSelect->SetDataSet(quAnbarSelect);

    SetBorderStyle(ui::bsNone);
    Caption_Panel->SetAlign(ui::alTop);
    host::CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed);
    BottomPanel->SetAlign(ui::alBottom);
    Ok_BitBtn->SetModalResult(ui::mrOk);
    Cancel_BitBtn->SetModalResult(ui::mrCancel);

    dbgAnbarSelect->SetAlign(ui::alClient);
    dbgAnbarSelect->SetDataSource(dsAnbarSelect);
    dbgAnbarSelect->SetOptions(ui::dgTitles | ui::dgIndicator | ui::dgColumnResize | ui::dgColLines |
                               ui::dgRowLines | ui::dgTabs | ui::dgAlwaysShowSelection);
    for (const ListColumn& design : ListColumns) {
        ui::TColumn* column = dbgAnbarSelect->Columns()->Add();
        column->SetFieldName(QLatin1String(design.field));
        column->Title()->SetCaption(QString::fromUtf8(design.title));
        column->SetWidth(design.width);
    }
    dbgAnbarSelect->Columns()->Items(0)->SetAlignment(Qt::AlignCenter);
    buildMenu();
    dbgAnbarSelect->SetPopupMenu(pmAnbar);

    // The list is what was copied: rows are neither added nor removed in the grid.
    quAnbarSelect->BeforeInsert = [](data::TDataSet*) { Abort(); };
    quAnbarSelect->BeforeDelete = [](data::TDataSet*) { Abort(); };

    OnShow = [this](QObject* sender) { FormShow(sender); };
    OnShortCut = [this](ui::WORD key, ui::TShiftState shift, bool& handled) {
        FormShortCut(key, shift, handled);
    };
    Ok_BitBtn->OnClick = [this](QObject* sender) { Ok_BitBtnClick(sender); };
    Cancel_BitBtn->OnClick = [this](QObject* sender) { Cancel_BitBtnClick(sender); };
    sb_Closed->OnClick = [this](QObject* sender) { Cancel_BitBtnClick(sender); };
    Caption_Panel->OnMouseDown = [this](QObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x, int y) { Caption_MouseDown(sender, button, shift, x, y); };
    dbgAnbarSelect->OnDblClick = [this](QObject* sender) { dbg_DblClick(sender); };
    dbgAnbarSelect->OnKeyDown = [this](QObject* sender, ui::WORD& key, ui::TShiftState shift) {
        dbg_KeyDown(sender, key, shift);
    };
    dbgAnbarSelect->OnTitleClick = [this](ui::TColumn* column) { dbg_TitleClick(column); };
    pmAnbar->OnPopup = [this](QObject* sender) { pmAnbarPopup(sender); };
}

TCodeSelectForm::~TCodeSelectForm() {
    dbgAnbarSelect->SetDataSource(nullptr);
    quAnbarSelect->BeforeInsert = nullptr;
    quAnbarSelect->BeforeDelete = nullptr;
}

void TCodeSelectForm::buildMenu() {
    pmAnbar->SetName(QStringLiteral("pmAnbar"));
    const auto add = [this](const char* name, const char* caption, const QKeySequence& shortCut,
                            ui::TNotifyEvent onClick) {
        auto* item = new ui::TMenuItem(pmAnbar);
        item->SetName(QLatin1String(name));
        item->SetCaption(QString::fromUtf8(caption));
        item->SetShortCut(shortCut);
        item->OnClick = std::move(onClick);
        pmAnbar->Items()->Add(item);
        return item;
    };
    const auto separator = [this] {
        auto* item = new ui::TMenuItem(pmAnbar);
        item->SetCaption(QStringLiteral("-"));
        pmAnbar->Items()->Add(item);
    };
    add("HelpItem", "راهنما", QKeySequence(Qt::Key_F1), nullptr);
    separator();
    SearchItem = add("SearchItem", "جستجو ...", QKeySequence(Qt::CTRL | Qt::Key_F),
                     [this](QObject* sender) { SearchItemClick(sender); });
    SaveGridItem = add("SaveGridItem", "ثبت وضعيت ستونها", QKeySequence(Qt::CTRL | Qt::Key_G),
                       [this](QObject* sender) { SaveGridItemClick(sender); });
    ClipboardItem = add("ClipboardItem", "ارسال به Clipboard ( محيط ديگر ...)", QKeySequence(),
                        [this](QObject* sender) { ClipboardItemClick(sender); });
    separator();
    SelectAllItem = add("SelectAllItem", "انتخاب همه كدها", QKeySequence(), [this](QObject*) {
        markAll(QStringLiteral("Update ") + TempTable + QStringLiteral(" Set sSelect = 'ض'"));
    });
    NotSelectAllItem = add("NotSelectAllItem", "عدم انتخاب همه کدها", QKeySequence(), [this](QObject*) {
        markAll(QStringLiteral("Update ") + TempTable + QStringLiteral(" Set sSelect = ' '"));
    });
    SelectRevertItem = add("SelectRevertItem", "معکوس انتخاب", QKeySequence(), [this](QObject*) {
        markAll(QStringLiteral("Update ") + TempTable + QStringLiteral(" Set ") +
                QStringLiteral("sSelect = Case When sSelect = 'ض' Then ' ' Else 'ض' End "));
    });
    separator();
    PrintItem = add("PrintItem", "چاپ ...", QKeySequence(Qt::CTRL | Qt::Key_P),
                    [this](QObject* sender) { PrintItemClick(sender); });
}

void TCodeSelectForm::FormShow(QObject*) {
    data::TADOConnection* connection = MyDatabase->Connection();
    quTemp->SetConnection(connection);
    quAnbarSelect->SetConnection(connection);
    TempTable = QStringLiteral("##") + Global->SessionTag + MyDate->TimeStamp();

    Global->ShapeForm(false, this, Close_Shape, nullptr, nullptr, nullptr, sb_Closed, nullptr, nullptr,
                      nullptr);
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QRect area = owner != nullptr ? owner->frameGeometry() : QRect(0, 0, 1024, 768);
    if (owner == nullptr)
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    SetLeft(area.x() + (area.width() - Width()) / 2);
    SetTop(area.y() + (area.height() - Height()) / 2);

    // Two shows within one hundredth of a second get the same name: the older list goes.
    MyDatabase->DropTempTable(TempTable.mid(2));
    MyDatabase->ExecSql(QStringLiteral("Select ' ' As sSelect, Code, Name+' '+Family  As Name Into ") +
                        TempTable + QStringLiteral(" From ") + SourceTable);
    MyDatabase->ExecSql(QStringLiteral("Update ") + TempTable + QStringLiteral(" Set sSelect = 'ض' Where ") +
                        QStringLiteral("(PatIndex(('%'+LTrim(RTrim(Code))+'%'), '") + SqlEscape(Selection) +
                        QStringLiteral("') > 0) "));
    Caption_Panel->SetCaption(QStringLiteral("         انتخاب تحويل گيرندگان "));
    Global->ApplyColumnState(quTemp, dbgAnbarSelect, QStringLiteral("A"), QStringLiteral("SABT"),
                             QStringLiteral("ANBARSELECT"), QString());
    quAnbarSelect->Close();
    quAnbarSelect->SetSQL(QStringLiteral("Select * From ") + TempTable + QStringLiteral(" Order By Code "));
    quAnbarSelect->Open();
    Ok_BitBtn->SetEnabled(!quAnbarSelect->IsEmpty());
    dbgAnbarSelect->setFocus();
}

void TCodeSelectForm::FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled) {
    if (Key == ui::VK_ESCAPE && Shift == Qt::NoModifier) {
        Cancel_BitBtnClick(this);
        Handled = true;
    }
}

void TCodeSelectForm::Ok_BitBtnClick(QObject*) {
    Selection.clear();
    quTemp->Close();
    quTemp->SetSQL(QStringLiteral("Select Code From ") + TempTable + QStringLiteral(" Where sSelect = 'ض' "));
    quTemp->Open();
    for (quTemp->First(); !quTemp->Eof(); quTemp->Next()) {
        if (!Selection.isEmpty())
            Selection += QLatin1Char(',');
        Selection += quTemp->FieldByName(QStringLiteral("Code"))->AsString();
    }
    SetModalResult(ui::mrOk);
}

void TCodeSelectForm::Cancel_BitBtnClick(QObject*) {
    SetModalResult(ui::mrCancel);
}

void TCodeSelectForm::Caption_MouseDown(QObject*, ui::TMouseButton Button, ui::TShiftState, int, int) {
    if (Button == ui::mbLeft)
        Global->StartDragMove(this);
}

void TCodeSelectForm::toggleMark() {
    const data::TField* selected = dbgAnbarSelect->SelectedField();
    if (selected == nullptr || selected->FieldName().toUpper() != MarkField.toUpper() ||
        quAnbarSelect->IsEmpty())
        return;
    quAnbarSelect->Edit();
    data::TField* mark = quAnbarSelect->FieldByName(MarkField);
    mark->SetAsString(mark->AsString() == Mark ? QString() : Mark);
    quAnbarSelect->Post();
}

void TCodeSelectForm::dbg_DblClick(QObject*) {
    toggleMark();
}

void TCodeSelectForm::dbg_KeyDown(QObject*, ui::WORD& Key, ui::TShiftState) {
    if (Key == ui::VK_SPACE)
        toggleMark();
}

void TCodeSelectForm::markAll(const QString& statement) {
    if (!quAnbarSelect->Active())
        return;
    const int recNo = quAnbarSelect->RecNo();
    MyDatabase->ExecSql(statement);
    quAnbarSelect->Requery();
    quAnbarSelect->SetRecNo(recNo);
}

void TCodeSelectForm::dbg_TitleClick(ui::TColumn* Column) {
    for (int index = 0; index < dbgAnbarSelect->Columns()->Count(); ++index)
        dbgAnbarSelect->Columns()->Items(index)->Title()->SetFontColor(Qt::black);
    Column->Title()->SetFontColor(Qt::red);
    quAnbarSelect->SetSort(Column->FieldName());
}

void TCodeSelectForm::pmAnbarPopup(QObject*) {
    if (!quAnbarSelect->Active())
        Abort();
    const bool rows = !quAnbarSelect->IsEmpty();
    for (ui::TMenuItem* item : {SearchItem, SaveGridItem, ClipboardItem, SelectAllItem, NotSelectAllItem,
                                SelectRevertItem, PrintItem})
        item->SetEnabled(rows);
}

void TCodeSelectForm::SearchItemClick(QObject*) {
    if (quAnbarSelect->Active())
        Global->SearchGrid(dbgAnbarSelect, TempTable, QStringLiteral("AnbarCod"), SearchMemory);
}

void TCodeSelectForm::SaveGridItemClick(QObject*) {
    if (!quAnbarSelect->Active())
        return;
    Global->SaveColumnState(dbgAnbarSelect, QStringLiteral("A"), QStringLiteral("SABT"),
                            QStringLiteral("ANBARSELECT"), QString());
    ShowMsg(QStringLiteral("وضعيت ستونها ثبت شد."), QString(), QStringLiteral("1ER"));
}

void TCodeSelectForm::ClipboardItemClick(QObject*) {
    if (quAnbarSelect->Active())
        Global->CopyGridToClipboard(quAnbarSelect, dbgAnbarSelect, this, false);
}

void TCodeSelectForm::PrintItemClick(QObject*) {
    if (!quAnbarSelect->Active())
        return;
    TPrintParams params;
    params.Grid = dbgAnbarSelect;
    params.Title = QStringLiteral("انتخاب تحويل گيرندگان") + Global->FiscalPeriodSuffix();
    params.ReportKey = QStringLiteral("D_SABT_PERSONSELECT");
    Global->PrintGrid(params, false);
}

} // namespace tarvand
