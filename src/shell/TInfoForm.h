#pragma once

#include "InfoRights.h"
#include "TForm.h"
#include "TPendingEditorForm.h"
#include "ui_TInfoForm.h"

#include <QPointer>
#include <array>
#include <functional>

namespace tarvand {

class TD_Global;
namespace ui {
class TImageList;
}

// The module's one window: a tab per base table of the asset system, each hosting the table's
// editor, a caption strip that drags the window and a hint line that the editors write to. The
// user's rights decide which tabs and editor panels are enabled.
class TInfoForm : public ui::TForm, public Ui_InfoForm {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* parent = nullptr);
    ~TInfoForm() override;

    ui::TImageList* imPopup;
    // The company's options, read when the window is created.
    TD_Global* DGlobal = nullptr;

    // The user's "D_B_" rights as last read by FormShow.
    const QString& AccessRights() const { return rights_.text(); }

    void FormShow();
    void FormClose(ui::TCloseAction& Action);
    void FormDestroy();
    void Caption_PanelMouseDown();
    void sb_ClosedClick();
    void sb_MinimizedClick();
    void Amval_TabSheetShow();
    void Gheimat_TabSheetShow();
    void Sakhtar_TabSheetShow();
    void Astehlak_TabSheetShow();
    void Vezarat_TabSheetShow();
    void Mabadi_TabSheetShow();
    void VazDarae_TabSheetShow();
    void Personel_TabSheetShow();
    void Makan_TabSheetShow();
    void Tafsily2_TabSheetShow();
    void cmbTafsily2Change();
    void cmbPersonelChange();

    // The editors in the order the window destroys them.
    enum EditorSlot {
        Tafsily2Editor,
        MakanEditor,
        PersonelEditor,
        VazDaraeEditor,
        MabadiEditor,
        VezaratEditor,
        AstehlakEditor,
        SakhtarEditor,
        GheimatEditor,
        AmvalEditor,
        GrohTafsily2Editor,
        DepartEditor,
        EditorCount
    };
    // Makes the editor of a slot; the module's entry registers one per editor it has.
    using EditorMaker = std::function<ui::TForm*()>;
    void SetEditorMaker(EditorSlot slot, EditorMaker maker) { makers_.at(slot) = std::move(maker); }
    // The form a slot shows: its editor, or the stand-in of a slot without one; null until its
    // tab shows.
    ui::TForm* Editor(EditorSlot slot) const { return editors_.at(slot); }
    // The stand-in of a slot without an editor; null otherwise.
    TPendingEditorForm* PendingEditor(EditorSlot slot) const {
        return qobject_cast<TPendingEditorForm*>(editors_.at(slot).data());
    }

private:
    struct SingleTab;
    static const std::array<SingleTab, 8> SingleTabs;

    void PrepareTafsily2Tab();
    void ApplyRights();
    void PlaceCaptionButtons();
    void SetToolTabState(bool Enabled);

    void wireControls();
    void singleTabShow(const SingleTab& tab);
    void sheetShown(ui::TTabSheet* sheet);
    // Creates the editor of a slot through the application's form factory on first use.
    ui::TForm* embedEditor(EditorSlot slot, QWidget* parent);
    QString tableName(EditorSlot slot) const;

    InfoRights rights_;
    std::array<EditorMaker, EditorCount> makers_;
    std::array<QPointer<ui::TForm>, EditorCount> editors_;
    // Set once FormShow has run for the current show; sheets shown before wait for it.
    bool formShown_ = false;
    QPointer<ui::TTabSheet> waitingSheet_;
    bool formDestroyed_ = false;
};

} // namespace tarvand
