#pragma once

#include "TForm.h"

#include <QString>
#include <memory>

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Ui_SelForm;

namespace tarvand {

namespace ui {
class TBitBtn;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TShape;
class TSpeedButton;
} // namespace ui

// The small modal dialog that asks where files are to be copied: a drive (on Linux the file
// system's root and the mounted volumes), a folder tree of that drive, the dBASE files already in
// the chosen folder and a free file name. OK (or a double click on a file) ends it with 1, Cancel,
// the close button and Esc with 2. Its user creates it once into SelForm and reuses it; the
// folder chosen last stays chosen.
class TSelForm : public ui::TForm {
    Q_OBJECT

public:
    explicit TSelForm(QWidget* parent = nullptr);
    ~TSelForm() override;

    ui::TPanel* Panel1;
    ui::TPanel* Caption_Panel;
    ui::TShape* Close_Shape;
    ui::TSpeedButton* sb_Closed;
    ui::TPanel* Button_Panel;
    ui::TBitBtn* OkBitBtn;
    ui::TBitBtn* CancelBitBtn;
    ui::TPanel* pl_Client;
    ui::TLabel* Label1;
    ui::TLabel* Label2;
    ui::TLabel* Label3;
    ui::TLabel* Label4;
    ui::TComboBox* DriveComboBox1;
    QTreeWidget* DirectoryListBox1;
    QListWidget* FileListBox1;
    ui::TEdit* FlopyEdit;

    // The folder chosen in the tree, with '/' separators.
    QString Directory() const { return directory_; }
    // Chooses the folder (its nearest existing parent when it is missing) with its drive, and
    // shows the folder's path in the tree.
    void SetDirectory(const QString& path);
    // Reads the chosen folder's dBASE files again.
    void UpdateFileList();

private:
    void FormShow(QObject* Sender);
    void FormShortCut(ui::WORD Key, ui::TShiftState Shift, bool& Handled);
    void OkBitBtnClick(QObject* Sender);
    void CancelBitBtnClick(QObject* Sender);
    void Caption_PanelMouseDown(QObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                int Y);
    void DriveComboBox1Change(QObject* Sender);
    void directoryChosen(QTreeWidgetItem* item);

    void fillDrives();
    QString driveOf(const QString& path) const;
    QTreeWidgetItem* addFolderItem(QTreeWidgetItem* parent, const QString& path, const QString& label);
    void readSubfolders(QTreeWidgetItem* item);

    std::unique_ptr<Ui_SelForm> ui_;
    QString directory_;
    bool showingPath_ = false;
};

} // namespace tarvand
