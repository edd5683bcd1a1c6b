#include "TSelForm.h"

#include "CaptionStrip.h"
#include "Guard.h"
#include "HostContext.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGlobal.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QStorageInfo>
#include <QTreeWidget>

namespace tarvand {

namespace {

const QStringList FileMasks = {QStringLiteral("*.dbf")};
constexpr int PathRole = Qt::UserRole;

QString cleanPath(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

TSelForm::TSelForm(QWidget* parent) : ui::TForm(parent) {
    setupUi(this);
    SetName(QStringLiteral("SelForm"));

    host::CaptionStrip::Style(Caption_Panel, Close_Shape, sb_Closed);

    OnShow = [this](QObject* sender) { FormShow(sender); };
    OnShortCut = [this](ui::WORD key, ui::TShiftState shift, bool& handled) {
        FormShortCut(key, shift, handled);
    };
    OkBitBtn->OnClick = [this](QObject* sender) { OkBitBtnClick(sender); };
    CancelBitBtn->OnClick = [this](QObject* sender) { CancelBitBtnClick(sender); };
    sb_Closed->OnClick = [this](QObject* sender) { CancelBitBtnClick(sender); };
    Caption_Panel->OnMouseDown = [this](QObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x,
                                        int y) { Caption_PanelMouseDown(sender, button, shift, x, y); };
    DriveComboBox1->OnChange = [this](QObject* sender) { DriveComboBox1Change(sender); };
    connect(DirectoryListBox1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { ui::Guard::run([&] { readSubfolders(item); }); });
    connect(DirectoryListBox1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ui::Guard::run([&] { directoryChosen(item); }); });
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { ui::Guard::run([&] { OkBitBtnClick(FileListBox1); }); });

    fillDrives();
    SetDirectory(QDir::homePath());
}

void TSelForm::FormShow(QObject*) {
    if (Global != nullptr) {
        Global->RoundWindow(QRect(0, 0, Width(), Height()), this);
        Global->ApplyTheme(this);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        SetLeft((screen->geometry().width() - Width()) / 2);
        SetTop((screen->geometry().height() - Height()) / 2);
    }
    // Leaving the dialog in any other way than OK is a cancel: the form base ends a modal loop
    // that is closed without a result with 2.
}

void TSelForm::FormShortCut(ui::WORD Key, ui::TShiftState, bool& Handled) {
    if (Key == ui::VK_ESCAPE) {
        CancelBitBtnClick(this);
        Handled = true;
    }
}

void TSelForm::OkBitBtnClick(QObject*) {
    SetModalResult(ui::mrOk);
}

void TSelForm::CancelBitBtnClick(QObject*) {
    SetModalResult(ui::mrCancel);
}

void TSelForm::Caption_PanelMouseDown(QObject*, ui::TMouseButton Button, ui::TShiftState, int, int) {
    if (Button == ui::mbLeft && Global != nullptr)
        Global->StartDragMove(this);
}

void TSelForm::DriveComboBox1Change(QObject*) {
    const QString drive = DriveComboBox1->itemData(DriveComboBox1->ItemIndex()).toString();
    if (!drive.isEmpty())
        SetDirectory(drive);
}

void TSelForm::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers mount single files too; only folders can be drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << cleanPath(volume.rootPath());
    }
    const QString systemRoot = cleanPath(QDir::rootPath());
    if (!roots.contains(systemRoot))
        roots << systemRoot;
    roots.removeDuplicates();
    // The file system's root first, then the volumes by their path.
    std::sort(roots.begin(), roots.end(), [&](const QString& a, const QString& b) {
        if ((a == systemRoot) != (b == systemRoot))
            return a == systemRoot;
        return a < b;
    });
    DriveComboBox1->ClearItems();
    for (const QString& root : roots)
        DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);
}

QString TSelForm::driveOf(const QString& path) const {
    QString best;
    for (int index = 0; index < DriveComboBox1->count(); ++index) {
        const QString root = DriveComboBox1->itemData(index).toString();
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((path == root || path.startsWith(prefix, Qt::CaseInsensitive)) && root.size() > best.size())
            best = root;
    }
    return best;
}

void TSelForm::SetDirectory(const QString& path) {
    QString folder = cleanPath(QDir(path).absolutePath());
    while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot())
        folder = cleanPath(QFileInfo(folder).absolutePath());
    if (!QFileInfo(folder).isDir())
        folder = cleanPath(QDir::homePath());

    const QString drive = driveOf(folder).isEmpty() ? cleanPath(QDir(folder).rootPath()) : driveOf(folder);
    const int driveIndex = DriveComboBox1->findData(drive);
    if (driveIndex >= 0)
        DriveComboBox1->SetItemIndex(driveIndex);

    // The tree shows the drive, the folders on the way down and the subfolders of each of them.
    showingPath_ = true;
    DirectoryListBox1->clear();
    QTreeWidgetItem* item = addFolderItem(nullptr, drive, QDir::toNativeSeparators(drive));
    const QString rest = folder.mid(drive.size());
    for (const QString& name : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        readSubfolders(item);
        item->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int index = 0; index < item->childCount() && next == nullptr; ++index) {
            if (item->child(index)->text(0) == name)
                next = item->child(index);
        }
        if (next == nullptr)
            next = addFolderItem(item, QDir(item->data(0, PathRole).toString()).filePath(name), name);
        item = next;
    }
    readSubfolders(item);
    item->setExpanded(true);
    showingPath_ = false;
    DirectoryListBox1->setCurrentItem(item);
    directoryChosen(item);
}

QTreeWidgetItem* TSelForm::addFolderItem(QTreeWidgetItem* parent, const QString& path, const QString& label) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(DirectoryListBox1);
    item->setText(0, label);
    item->setData(0, PathRole, path);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void TSelForm::readSubfolders(QTreeWidgetItem* item) {
    // Subfolders are read when a folder is first opened, so a large drive costs nothing.
    if (item == nullptr || item->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator)
        return;
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    const QDir dir(item->data(0, PathRole).toString());
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        addFolderItem(item, dir.filePath(name), name);
}

void TSelForm::directoryChosen(QTreeWidgetItem* item) {
    if (item == nullptr || showingPath_)
        return;
    directory_ = item->data(0, PathRole).toString();
    UpdateFileList();
}

void TSelForm::UpdateFileList() {
    FileListBox1->clear();
    if (directory_.isEmpty())
        return;
    FileListBox1->addItems(QDir(directory_).entryList(FileMasks, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace tarvand
