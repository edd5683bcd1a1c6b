#include "TInfoForm.h"

#include "CaptionStrip.h"
#include "HostContext.h"
#include "ShellPictures.h"
#include "TApplication.h"
#include "TD_Global.h"
#include "TGlobal.h"
#include "TImageList.h"
#include "TMyDatabase.h"
#include "TPendingEditorForm.h"
#include "TRecipientsEditor.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>

namespace tarvand {

// A tab that hosts the editor of one table, enabled by one rights entry.
struct TInfoForm::SingleTab {
    ui::TTabSheet* Ui_InfoForm::*sheet;
    const char* caption;
    int imageIndex;
    const char* rightsEntry;
    EditorSlot editor;
    const char* tableName;
    void (TInfoForm::*showHandler)();
};

const std::array<TInfoForm::SingleTab, 8> TInfoForm::SingleTabs = {{
    {&Ui_InfoForm::Amval_TabSheet, "داراييها                 ", 11, "D_B_DARAE", AmvalEditor, "داراييها",
     &TInfoForm::Amval_TabSheetShow},
    {&Ui_InfoForm::Gheimat_TabSheet, "اجزاي بهاي تمام شده ", 10, "D_B_ENDFEE", GheimatEditor,
     "اجزاي بهاي تمام شده", &TInfoForm::Gheimat_TabSheetShow},
    {&Ui_InfoForm::Sakhtar_TabSheet, "جدول مشخصات دارايي ", 9, "D_B_SAKHTAR", SakhtarEditor,
     "جدول مشخصات دارايي", &TInfoForm::Sakhtar_TabSheetShow},
    {&Ui_InfoForm::Astehlak_TabSheet, "جدول استهلاک ماده 151", 6, "D_B_MADEH151", AstehlakEditor,
     "جدول استهلاک ماده 151", &TInfoForm::Astehlak_TabSheetShow},
    {&Ui_InfoForm::Vezarat_TabSheet, "اظهار نامه مالياتي", 5, "D_B_VEZARAT", VezaratEditor,
     "اظهار نامه مالياتي", &TInfoForm::Vezarat_TabSheetShow},
    {&Ui_InfoForm::Mabadi_TabSheet, "مبادي تحويل     ", 4, "D_B_MABADI", MabadiEditor, "مبادي تحويل",
     &TInfoForm::Mabadi_TabSheetShow},
    {&Ui_InfoForm::VazDarae_TabSheet, "وضعيت دارايي         ", 3, "D_B_VAZDARAE", VazDaraeEditor,
     "وضعيت دارايي", &TInfoForm::VazDarae_TabSheetShow},
    {&Ui_InfoForm::Makan_TabSheet, "مكان استقرار دارايي   ", 1, "D_B_MAKAN", MakanEditor,
     "مكان استقرار دارايي", &TInfoForm::Makan_TabSheetShow},
}};

namespace {

const char* const PersonelCaption = " تحويل گيرندگان       ";
constexpr int PersonelImage = 2;
constexpr int Tafsily2Image = 0;
// The detail-2 tab's caption is padded to the width this text has on the form.
const char* const Tafsily2ReferenceCaption = "مراكز هزينه       ";

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

} // namespace

TInfoForm::TInfoForm(QWidget* parent) : ui::TForm(parent), imPopup(new ui::TImageList(this, 16, 16)) {
    setupUi(this);
    SetName(QStringLiteral("InfoForm"));
    // The options come first: when reading them fails, no handler is wired yet that the form base
    // could run on a half-made window.
    DGlobal = new TD_Global();
    wireControls();
}

TInfoForm::~TInfoForm() {
    // Deleted directly (with its parent control, say) the form base would run the destroy handler
    // only after this class's members are gone; it runs here instead, while they exist.
    if (!formDestroyed_)
        FormDestroy();
    OnDestroy = nullptr;
    if (InfoForm == this)
        InfoForm = nullptr;
}

void TInfoForm::wireControls() {
    for (int index = 0; index < ShellPictures::TabImageCount; ++index)
        imPopup->Add(ShellPictures::TabImage(index));

    host::CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed, Min_Shape, sb_Minimized);
    Info_PageControl->SetImages(imPopup);

    for (ui::TTabSheet* sheet :
         {Amval_TabSheet, Gheimat_TabSheet, Sakhtar_TabSheet, Astehlak_TabSheet, Vezarat_TabSheet,
          Mabadi_TabSheet, VazDarae_TabSheet, Personel_TabSheet, Makan_TabSheet, Tafsily2_TabSheet})
        sheet->SetPageControl(Info_PageControl);
    for (const SingleTab& tab : SingleTabs) {
        (this->*tab.sheet)->SetCaption(QString::fromUtf8(tab.caption));
        (this->*tab.sheet)->SetImageIndex(tab.imageIndex);
    }
    Personel_TabSheet->SetCaption(QString::fromUtf8(PersonelCaption));
    Personel_TabSheet->SetImageIndex(PersonelImage);
    Tafsily2_TabSheet->SetImageIndex(Tafsily2Image);
    Info_PageControl->SetActivePage(Tafsily2_TabSheet);
    for (int index = 0; index < Info_PageControl->PageCount(); ++index) {
        ui::TTabSheet* sheet = Info_PageControl->Pages(index);
        sheet->OnShow = [this, sheet](QObject*) { sheetShown(sheet); };
    }
    imgAccess->SetPicture(ShellPictures::Access(true));
    imgNoAccess->SetPicture(ShellPictures::Access(false));

    OnShow = [this](QObject*) { FormShow(); };
    OnHide = [this](QObject*) {
        formShown_ = false;
        waitingSheet_ = nullptr;
    };
    OnClose = [this](QObject*, ui::TCloseAction& action) { FormClose(action); };
    OnDestroy = [this](QObject*) { FormDestroy(); };
    Caption_Panel->OnMouseDown = [this](QObject*, ui::TMouseButton, ui::TShiftState, int, int) {
        Caption_PanelMouseDown();
    };
    sb_Closed->OnClick = [this](QObject*) { sb_ClosedClick(); };
    sb_Minimized->OnClick = [this](QObject*) { sb_MinimizedClick(); };
    cmbTafsily2->OnChange = [this](QObject*) { cmbTafsily2Change(); };
    cmbPersonel->OnChange = [this](QObject*) { cmbPersonelChange(); };
}

void TInfoForm::FormShow() {
    // Even when a step fails, pages shown later run their show handlers at once.
    const auto shown = qScopeGuard([this] { formShown_ = true; });
    PrepareTafsily2Tab();
    ApplyRights();
    PlaceCaptionButtons();
    // Qt shows a window's controls before the window's own show handler runs; the page that
    // became visible with them gets its show handler now, after the rights are known.
    ui::TTabSheet* waiting = waitingSheet_;
    waitingSheet_ = nullptr;
    formShown_ = true;
    if (waiting != nullptr && waiting == Info_PageControl->ActivePage())
        sheetShown(waiting);
}

void TInfoForm::PrepareTafsily2Tab() {
    const QString name = DGlobal->NamTafsily2;
    cmbTafsily2->ClearItems();
    cmbTafsily2->AddItem(QStringLiteral("گروه ") + name);
    cmbTafsily2->AddItem(name);
    cmbTafsily2->SetItemIndex(1);

    const QFontMetrics metrics(font());
    const int target = metrics.horizontalAdvance(QString::fromUtf8(Tafsily2ReferenceCaption));
    QString caption = name;
    // Every blank widens the text; the bound only matters for a font without a blank glyph.
    while (metrics.horizontalAdvance(caption) + 4 < target && caption.size() < name.size() + target)
        caption += QLatin1Char(' ');
    Tafsily2_TabSheet->SetCaption(caption);
}

void TInfoForm::ApplyRights() {
    rights_ = InfoRights(MyDatabase->ReadRightsTree(MyDatabase->Query(), QStringLiteral("D_B_"),
                                                    QString::number(Global->UserId)));
    Tafsily2_TabSheet->SetEnabled(rights_.tafsily2TabEnabled());
    const auto enable = [this](EditorSlot editor) {
        for (const SingleTab& tab : SingleTabs) {
            if (tab.editor == editor)
                (this->*tab.sheet)->SetEnabled(rights_.allows(QLatin1String(tab.rightsEntry)));
        }
    };
    enable(MakanEditor);
    Personel_TabSheet->SetEnabled(rights_.personelTabEnabled());
    for (EditorSlot editor : {VazDaraeEditor, MabadiEditor, VezaratEditor, AstehlakEditor, SakhtarEditor,
                              GheimatEditor, AmvalEditor})
        enable(editor);
}

void TInfoForm::PlaceCaptionButtons() {
    const QSize screen = screenSize();
    Global->RoundWindow(QRect(QPoint(0, 0), screen), this);
    Global->ApplyTheme(this);

    Close_Shape->SetLeft(screen.width() - Close_Shape->Width() - 12);
    sb_Closed->SetLeft(Close_Shape->Left() + 1);
    Min_Shape->SetLeft(sb_Closed->Left() - sb_Minimized->Width() - 3);
    sb_Minimized->SetLeft(Min_Shape->Left() + 1);

    Info_PageControl->SetActivePage(Tafsily2_TabSheet);
}

void TInfoForm::SetToolTabState(bool Enabled) {
    imgAccess->SetVisible(Enabled);
    imgNoAccess->SetVisible(!Enabled);
}

void TInfoForm::sheetShown(ui::TTabSheet* sheet) {
    if (!formShown_) {
        waitingSheet_ = sheet;
        return;
    }
    if (sheet == Tafsily2_TabSheet) {
        Tafsily2_TabSheetShow();
        return;
    }
    if (sheet == Personel_TabSheet) {
        Personel_TabSheetShow();
        return;
    }
    for (const SingleTab& tab : SingleTabs) {
        if (this->*tab.sheet == sheet)
            (this->*tab.showHandler)();
    }
}

void TInfoForm::singleTabShow(const SingleTab& tab) {
    ui::TTabSheet* sheet = this->*tab.sheet;
    SetToolTabState(sheet->Enabled());
    embedEditor(tab.editor, sheet)->Show();
}

ui::TForm* TInfoForm::embedEditor(EditorSlot slot, QWidget* parent) {
    QPointer<ui::TForm>& editor = editors_.at(slot);
    if (editor == nullptr) {
        ui::TForm* created = nullptr;
        if (makers_.at(slot)) {
            created = makers_.at(slot)();
        } else {
            TPendingEditorForm* pending = nullptr;
            ui::Application->CreateForm(pending, tableName(slot));
            created = pending;
        }
        created->SetParentControl(parent);
        created->SetAlign(ui::alClient);
        editor = created;
    }
    return editor;
}

QString TInfoForm::tableName(EditorSlot slot) const {
    switch (slot) {
    case Tafsily2Editor:
        return DGlobal->NamTafsily2;
    case GrohTafsily2Editor:
        return QStringLiteral("گروه ") + DGlobal->NamTafsily2;
    case PersonelEditor:
        return QStringLiteral("تحويل گيرندگان");
    case DepartEditor:
        return QStringLiteral("واحد سازماني");
    default:
        break;
    }
    for (const SingleTab& tab : SingleTabs) {
        if (tab.editor == slot)
            return QString::fromUtf8(tab.tableName);
    }
    return {};
}

void TInfoForm::Amval_TabSheetShow() {
    singleTabShow(SingleTabs[0]);
}
void TInfoForm::Gheimat_TabSheetShow() {
    singleTabShow(SingleTabs[1]);
}
void TInfoForm::Sakhtar_TabSheetShow() {
    singleTabShow(SingleTabs[2]);
}
void TInfoForm::Astehlak_TabSheetShow() {
    singleTabShow(SingleTabs[3]);
}
void TInfoForm::Vezarat_TabSheetShow() {
    singleTabShow(SingleTabs[4]);
}
void TInfoForm::Mabadi_TabSheetShow() {
    singleTabShow(SingleTabs[5]);
}
void TInfoForm::VazDarae_TabSheetShow() {
    singleTabShow(SingleTabs[6]);
}
void TInfoForm::Makan_TabSheetShow() {
    singleTabShow(SingleTabs[7]);
}

void TInfoForm::Tafsily2_TabSheetShow() {
    cmbTafsily2Change();
}

void TInfoForm::cmbTafsily2Change() {
    switch (cmbTafsily2->ItemIndex()) {
    case 1: {
        ui::TForm* editor = embedEditor(Tafsily2Editor, plClientTafsily2);
        plClientTafsily2->SetEnabled(rights_.tafsily2AccountsAllowed());
        SetToolTabState(plClientTafsily2->Enabled());
        editor->Show();
    } break;
    case 0: {
        ui::TForm* editor = embedEditor(GrohTafsily2Editor, plClientTafsily2);
        plClientTafsily2->SetEnabled(rights_.tafsily2GroupsAllowed());
        SetToolTabState(plClientTafsily2->Enabled());
        editor->Show();
    } break;
    default:
        break;
    }
}

void TInfoForm::Personel_TabSheetShow() {
    cmbPersonelChange();
}

void TInfoForm::cmbPersonelChange() {
    switch (cmbPersonel->ItemIndex()) {
    case 1: {
        const bool created = editors_.at(PersonelEditor) == nullptr;
        ui::TForm* editor = embedEditor(PersonelEditor, plPersonel);
        // The window's own stand-in, when the module has no personnel editor, is only shown.
        auto* recipients = dynamic_cast<TRecipientsEditor*>(editor);
        if (created && recipients != nullptr) {
            recipients->SetRoleCode(QStringLiteral("D"));
            recipients->BindAccountColumns();
        }
        plPersonel->SetEnabled(rights_.recipientsAllowed());
        SetToolTabState(plPersonel->Enabled());
        if (recipients != nullptr) {
            recipients->SetTitle(QStringLiteral("تحويل گيرنده"));
            recipients->SetRoleCode(QStringLiteral("N"));
        }
        editor->Show();
        if (recipients != nullptr)
            recipients->StartUp();
    } break;
    case 0: {
        ui::TForm* editor = embedEditor(DepartEditor, plPersonel);
        plPersonel->SetEnabled(rights_.departsAllowed());
        SetToolTabState(plPersonel->Enabled());
        editor->Show();
    } break;
    default:
        break;
    }
}

void TInfoForm::Caption_PanelMouseDown() {
    Global->StartDragMove(this);
}

void TInfoForm::sb_ClosedClick() {
    Close();
}

void TInfoForm::sb_MinimizedClick() {
    SetWindowState(ui::wsMinimized);
}

void TInfoForm::FormClose(ui::TCloseAction& Action) {
    if (InfoForm == this)
        InfoForm = nullptr;
    Action = ui::caFree;
}

void TInfoForm::FormDestroy() {
    formDestroyed_ = true;
    delete DGlobal;
    DGlobal = nullptr;
    for (QPointer<ui::TForm>& editor : editors_) {
        if (editor != nullptr)
            editor->Free();
        editor = nullptr;
    }
}

} // namespace tarvand
