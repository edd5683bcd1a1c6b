#pragma once

#include "TForm.h"
#include "ui_SelForm.h"

#include <QString>

class QTreeWidgetItem;

namespace tarvand {

// The small modal dialog that asks where files are to be copied: a drive (on Linux the file
// system's root and the mounted volumes), a folder tree of that drive, the dBASE files already in
// the chosen folder and a free file name. OK (or a double click on a file) ends it with 1, Cancel,
// the close button and Esc with 2. Its user creates it once into SelForm and reuses it; the
// folder chosen last stays chosen.
class TSelForm : public ui::TForm, public Ui_SelForm {
    Q_OBJECT

public:
    explicit TSelForm(QWidget* parent = nullptr);

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

    QString directory_;
    bool showingPath_ = false;
};

} // namespace tarvand
