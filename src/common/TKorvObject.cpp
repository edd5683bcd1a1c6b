#include "TKorvObject.h"

#include "DbfExport.h"
#include "DeleteTags.h"
#include "EAbort.h"
#include "HostContext.h"
#include "KorvPictures.h"
#include "ShowMsg.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TGlobal.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TPopupMenu.h"
#include "TPrintParams.h"
#include "TSelForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>

namespace tarvand {

namespace {

const QString ReportItem = QStringLiteral("REPORT");
const QString Refused = QStringLiteral("NO");
const QString DeleteQuestion = QStringLiteral("آيا حذف شود؟");
const QString InUse = QStringLiteral("گردش دارد.");
const QString UnderscorePart = QStringLiteral("'_'");

// The menu in its order: caption, command, shortcut.
struct MenuEntry {
    const char* caption;
    TKorvObject::Command command;
    QKeyCombination shortCut;
};

constexpr QKeyCombination NoShortCut(Qt::Key_unknown);

const MenuEntry MenuEntries[] = {
    {"راهنما", TKorvObject::cmHelp, Qt::Key_F1},
    {"جستجو ...", TKorvObject::cmSearch, Qt::CTRL | Qt::Key_F},
    {"ثبت وضعيت ستونها", TKorvObject::cmSaveColumns, Qt::CTRL | Qt::Key_G},
    {"بازگشت به وضعيت اوليه ستونها", TKorvObject::cmResetColumns, Qt::ALT | Qt::Key_G},
    {"ارسال به", TKorvObject::cmSendTo, NoShortCut},
    {"کپي رديف به حافظه", TKorvObject::cmCopyRecord, Qt::CTRL | Qt::Key_Insert},
    {"بازيابي رديف از حافظه", TKorvObject::cmPasteRecord, Qt::SHIFT | Qt::Key_Insert},
    {"کپي خانه به حافظه", TKorvObject::cmCopyCell, Qt::CTRL | Qt::Key_C},
    {"بازيابي خانه از حافظه", TKorvObject::cmPasteCell, Qt::CTRL | Qt::Key_V},
    {"حذف رديف", TKorvObject::cmDelete, Qt::CTRL | Qt::Key_Delete},
    {"پالايش گزارش ...", TKorvObject::cmFilter, Qt::CTRL | Qt::Key_L},
    {"مشخصات گزارش ...", TKorvObject::cmReportProperties, NoShortCut},
    {"چاپ ...", TKorvObject::cmPrint, Qt::CTRL | Qt::Key_P},
    {"چاپ پيشرفته ...", TKorvObject::cmAdvancedPrint, NoShortCut},
    {"مرتب سازي پيشرفته ...", TKorvObject::cmAdvancedSort, NoShortCut},
    {"تنظيم عرض ستونها", TKorvObject::cmBestFit, NoShortCut},
    {"Dbf->Dos", TKorvObject::cmDbfDos, NoShortCut},
    {"Dbf->Win", TKorvObject::cmDbfWin, NoShortCut},
};

const MenuEntry SendToEntries[] = {
    {"Clipboard (محيط ديگر ...)", TKorvObject::cmSendToClipboard, NoShortCut},
    {"Excel", TKorvObject::cmSendToExcel, NoShortCut},
    {"Word", TKorvObject::cmSendToWord, NoShortCut},
    {"HTML", TKorvObject::cmSendToHtml, NoShortCut},
};

} // namespace

TKorvObject::TKorvObject() = default;

TKorvObject::~TKorvObject() {
    removeItems();
    // The dialog's code lives in this library, and the editors and their command objects go
    // with the module's window: so does the dialog, before the library can be unloaded. Another
    // command object makes it again when it needs it.
    if (createdSelForm_ != nullptr && SelForm == createdSelForm_) {
        SelForm->Free();
        SelForm = nullptr;
    }
}

void TKorvObject::Configure(const Settings& settings) {
    settings_ = settings;
}

void TKorvObject::CreatePopupMenu() {
    ui::TDBGrid* grid = settings_.Grid;
    if (grid == nullptr)
        return;
    removeItems();
    dataSet_ = grid->DataSource() != nullptr ? grid->DataSource()->DataSet() : nullptr;
    if (grid->PopupMenu() == nullptr)
        grid->SetPopupMenu(new ui::TPopupMenu(grid));
    popupMenu_ = grid->PopupMenu();

    ui::TMenuItem* root = popupMenu_->Items();
    for (const MenuEntry& entry : MenuEntries)
        addItem(root, entry.command, entry.caption, entry.shortCut);
    // The cell commands work by their shortcuts only.
    MenuItem(cmCopyCell)->SetVisible(false);
    MenuItem(cmPasteCell)->SetVisible(false);

    ui::TMenuItem* sendTo = MenuItem(cmSendTo);
    const int firstPicture = KorvPictures::SendToPictures(popupMenu_->Images());
    int picture = firstPicture;
    for (const MenuEntry& entry : SendToEntries) {
        ui::TMenuItem* item = addItem(sendTo, entry.command, entry.caption, entry.shortCut);
        item->SetImageIndex(firstPicture < 0 ? -1 : picture++);
    }
    popupMenu_->OnPopup = [this](QObject* sender) { PopupMenuPopup(sender); };
}

ui::TMenuItem* TKorvObject::addItem(ui::TMenuItem* parent, Command command, const char* caption,
                                    QKeyCombination shortCut) {
    auto* item = new ui::TMenuItem();
    item->SetCaption(QString::fromUtf8(caption));
    if (shortCut.key() != Qt::Key_unknown)
        item->SetShortCut(QKeySequence(shortCut));
    item->Tag = command;
    item->OnClick = [this](QObject* sender) { MenuClick(sender); };
    parent->Add(item);
    items_ << item;
    return item;
}

void TKorvObject::removeItems() {
    // Sub-items go with their parent, so the top-level ones are enough.
    for (const QPointer<ui::TMenuItem>& item : std::as_const(items_)) {
        if (item == nullptr || item->Parent() == nullptr || item->Parent()->Parent() != nullptr)
            continue;
        item->Parent()->Remove(item);
        delete item.data();
    }
    items_.clear();
    if (popupMenu_ != nullptr)
        popupMenu_->OnPopup = nullptr;
}

ui::TMenuItem* TKorvObject::MenuItem(Command command) const {
    for (const QPointer<ui::TMenuItem>& item : items_) {
        if (item != nullptr && item->Tag == command)
            return item;
    }
    return nullptr;
}

data::TDataSet* TKorvObject::gridDataSet() const {
    ui::TDBGrid* grid = settings_.Grid;
    return grid != nullptr && grid->DataSource() != nullptr ? grid->DataSource()->DataSet() : nullptr;
}

data::TDataSet* TKorvObject::openDataSet() const {
    data::TDataSet* dataset = gridDataSet();
    return dataset != nullptr && dataset->Active() ? dataset : nullptr;
}

void TKorvObject::PopupMenuPopup(QObject*) {
    Global->LoadCopyPrintRights(MyDatabase->Connection());
    data::TDataSet* dataset = openDataSet();
    if (dataset == nullptr || !Global->GridMenusAllowed)
        Abort();

    const int count = dataset->RecordCount();
    const bool any = count > 0;
    const bool copyAllowed = Global->CopyAllowed != Refused;
    const bool printAllowed = Global->PrintAllowed != Refused;
    const bool report = settings_.Item == ReportItem;
    const auto enable = [this](Command command, bool enabled) { MenuItem(command)->SetEnabled(enabled); };
    enable(cmSearch, count > 1);
    for (Command command : {cmSaveColumns, cmCopyRecord, cmDelete, cmFilter, cmReportProperties, cmBestFit})
        enable(command, any);
    for (Command command : {cmSendTo, cmDbfDos, cmDbfWin})
        enable(command, any && copyAllowed);
    enable(cmPasteRecord, any && !RowMemory.isEmpty());
    enable(cmPrint, any && printAllowed);
    enable(cmAdvancedPrint, any && report && printAllowed);
    enable(cmAdvancedSort, any && report);
    MenuItem(cmFilter)->SetVisible(!settings_.TableName.trimmed().isEmpty());
}

void TKorvObject::MenuClick(QObject* Sender) {
    auto* item = qobject_cast<ui::TMenuItem*>(Sender);
    if (item == nullptr)
        return;
    ui::TDBGrid* grid = settings_.Grid;
    data::TDataSet* dataset = openDataSet();
    switch (item->Tag) {
    case cmHelp:
        ShowMsg(QStringLiteral("راهنما"), QString(), QStringLiteral("1ER"));
        break;
    case cmSearch:
        if (dataset != nullptr)
            Global->SearchGrid(grid, settings_.TableName, settings_.KeyField, SearchMemory);
        break;
    case cmSaveColumns:
        if (dataset != nullptr)
            Global->SaveColumnState(grid, settings_.Prog, settings_.Item, settings_.Form, settings_.Part);
        break;
    case cmResetColumns:
        if (dataset != nullptr)
            Global->ResetColumnState(grid, settings_.Prog, settings_.Item, settings_.Form, settings_.Part);
        break;
    case cmSendToClipboard:
    case cmSendToExcel:
    case cmSendToWord:
    case cmSendToHtml:
        if (dataset != nullptr)
            sendTo(Command(item->Tag));
        break;
    case cmCopyRecord:
        if (dataset != nullptr)
            RowMemory = Global->CopyRecord(grid);
        break;
    case cmPasteRecord:
        if (dataset != nullptr && !RowMemory.isEmpty())
            Global->PasteRecord(dataset, grid, RowMemory);
        break;
    case cmCopyCell:
        if (dataset != nullptr)
            Global->CopyCell(grid);
        break;
    case cmPasteCell:
        if (dataset != nullptr)
            Global->PasteCell(grid);
        break;
    case cmDelete:
        DeleteRow();
        break;
    case cmFilter:
        // The undo gives the grid back the dataset it had when the menu was built.
        Global->ToggleFilter(item, grid, dataSet_, settings_.TableName);
        break;
    case cmReportProperties:
        if (dataset != nullptr)
            Global->ShowReportProperties(settings_.PropertyCaption, dataset);
        break;
    case cmPrint:
    case cmAdvancedPrint:
        if (dataset != nullptr)
            print(item->Tag == cmAdvancedPrint);
        break;
    case cmAdvancedSort:
        if (dataset != nullptr)
            Global->AdvancedSort(grid);
        break;
    case cmBestFit:
        if (dataset != nullptr)
            MyDatabase->BestFitColumns(grid, false, 0);
        break;
    case cmDbfDos:
        ExportDbf(QStringLiteral("DOS"));
        break;
    case cmDbfWin:
        ExportDbf(QStringLiteral("WIN"));
        break;
    default:
        break;
    }
}

void TKorvObject::sendTo(Command command) {
    ui::TDBGrid* grid = settings_.Grid;
    switch (command) {
    case cmSendToClipboard:
        Global->CopyGridToClipboard(gridDataSet(), grid, grid->window(), false);
        break;
    case cmSendToExcel:
        Global->ExportGridToFile(grid, true, QStringLiteral(".XLS"));
        break;
    case cmSendToWord:
        Global->ExportGridToFile(grid, true, QStringLiteral(".DOC"));
        break;
    default:
        Global->ExportGridToHtml(grid, false, settings_.ReportTitle);
        break;
    }
}

void TKorvObject::print(bool advanced) {
    TPrintParams params;
    params.Grid = settings_.Grid;
    params.Title = settings_.ReportTitle;
    params.TitleText1 = settings_.TitleText1;
    params.TitleText2 = settings_.TitleText2;
    params.WorkDate = Global->WorkDate;
    params.ExtraText1 = settings_.ExtraText1;
    params.ExtraText2 = settings_.ExtraText2;
    params.ExtraText3 = settings_.ExtraText3;
    params.ReportKey = settings_.Prog + QLatin1Char('_') + settings_.Item + QLatin1Char('_') +
                       settings_.Form + QLatin1Char('_') + settings_.Part;
    params.ExtraText4 = settings_.ExtraText4;
    Global->PrintGrid(params, advanced);
}

QString TKorvObject::KeyValue(data::TDataSet& dataset) const {
    QString key;
    for (const QString& part : settings_.KeyExpression.split(QLatin1Char('+'))) {
        if (part.trimmed() == UnderscorePart)
            key += QLatin1Char('_');
        else
            key += dataset.FieldByName(part.trimmed())->DisplayText();
    }
    return key;
}

void TKorvObject::DeleteRow() {
    data::TDataSet* dataset = openDataSet();
    if (dataset == nullptr)
        return;
    if (dataset->State() == data::TDataSetState::dsInsert) {
        dataset->Cancel();
    } else if (!dataset->IsEmpty()) {
        const bool used = !settings_.DependProcedure.isEmpty() &&
                          MyDatabase->IsCodeUsed(settings_.DependProcedure, KeyValue(*dataset));
        if (used) {
            ShowMsg(InUse, QString(), QStringLiteral("1ER"));
        } else if (ShowMsg(DeleteQuestion, QString(), QStringLiteral("3QR")) == ui::mrYes) {
            dataset->Tag = DeleteAllowedTag;
            dataset->Delete();
        }
    }
    if (settings_.Grid != nullptr)
        settings_.Grid->setFocus();
}

void TKorvObject::ExportDbf(const QString& mode) {
    data::TDataSet* dataset = openDataSet();
    if (dataset == nullptr)
        return;
    const QString fileName = dataset->Name.left(8) + QStringLiteral(".DBF");
    const QString path = QDir(Global->AppPath).filePath(fileName);
    DbfExport::Write(*dataset, path,
                     mode == QLatin1String("DOS") ? DbfExport::TextCode::Dos : DbfExport::TextCode::Windows);
    copyExport(fileName);
}

void TKorvObject::copyExport(const QString& fileName) {
    if (SelForm == nullptr) {
        ui::Application->CreateForm(SelForm);
        createdSelForm_ = SelForm;
    }
    SelForm->FlopyEdit->SetText(fileName);
    SelForm->UpdateFileList();
    if (SelForm->ShowModal() != ui::mrOk)
        return;

    const QString typed = SelForm->FlopyEdit->Text().trimmed();
    const QString source = QDir(Global->AppPath).filePath(fileName);
    const QString target = QDir(SelForm->Directory()).filePath(typed.isEmpty() ? fileName : typed);
    if (QFileInfo(source).canonicalFilePath() != QFileInfo(target).canonicalFilePath()) {
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            ShowMsg(QStringLiteral("فايل در مسير انتخاب شده کپي نشد: ") + QDir::toNativeSeparators(target),
                    QString(), QStringLiteral("1ER"));
            return;
        }
    }
    ShowMsg(QStringLiteral("کپي فايلها با موفقيت انجام شد "), QStringLiteral(" "), QStringLiteral("1IR"));
}

} // namespace tarvand
