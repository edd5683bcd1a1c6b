#include "ModuleHost.h"
#include "PictureFolder.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TSelForm.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {

class SelFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("export/older")));
        for (const char* name : {"export/TBLMAKAN.DBF", "export/tblPerso.dbf", "export/notes.txt"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        form.SetDirectory(folder.filePath(QStringLiteral("export")));
    }

    QStringList files() const {
        QStringList names;
        for (int row = 0; row < form.FileListBox1->count(); ++row)
            names << form.FileListBox1->item(row)->text();
        return names;
    }

    static void pressEscape(TSelForm& dialog) {
        QApplication::setActiveWindow(&dialog);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && dialog.isAncestorOf(focus) ? focus : &dialog, Qt::Key_Escape);
    }

    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
    QTemporaryDir folder;
    TSelForm form;
};

} // namespace

TEST_F(SelFormTest, APictureOfTheDialog) {
    QTemporaryDir fallback;
    form.FlopyEdit->SetText(QStringLiteral("tblMakan.DBF"));
    form.Show();
    const QImage picture = form.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(365, 274));
    EXPECT_TRUE(picture.save(
        QDir(testsupport::PictureFolder::Path(fallback)).filePath(QStringLiteral("sel-form.png"))));
}

// The dBASE files of the chosen folder whatever their case; the tree shows the path from the drive
// and choosing a folder in it lists that folder's files.
TEST_F(SelFormTest, ListsTheDbaseFilesOfTheFolderChosenInTheTreeOrItsNearestParent) {
    EXPECT_EQ(files(), QStringList({QStringLiteral("TBLMAKAN.DBF"), QStringLiteral("tblPerso.dbf")}));
    QFile(folder.filePath(QStringLiteral("export/new.dbf"))).open(QIODevice::WriteOnly);
    form.UpdateFileList();
    EXPECT_EQ(files().size(), 3);
    QTreeWidgetItem* current = form.DirectoryListBox1->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), QStringLiteral("export"));
    ASSERT_EQ(current->childCount(), 1);
    QTreeWidgetItem* top = current;
    while (top->parent() != nullptr)
        top = top->parent();
    EXPECT_EQ(QDir::fromNativeSeparators(top->text(0)),
              form.DriveComboBox1->itemData(form.DriveComboBox1->ItemIndex()).toString());

    form.DirectoryListBox1->setCurrentItem(current->child(0));
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export/older"))));
    EXPECT_TRUE(files().isEmpty());
    form.SetDirectory(folder.filePath(QStringLiteral("export/gone/deeper")));
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export"))));
    ASSERT_GE(form.DriveComboBox1->count(), 1);
    EXPECT_EQ(form.DriveComboBox1->itemData(0).toString(), QDir::cleanPath(QDir::rootPath()));
}

// OK and a double click on a file answer 1; Cancel, the close button and Esc (also while the file
// name is typed) answer 2. The dialog shows centred on the screen.
TEST_F(SelFormTest, EachWayOutGivesItsResult) {
    auto click = [](QWidget* button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };
    auto doubleClickFile = [this] {
        QListWidgetItem* item = form.FileListBox1->item(1);
        form.FileListBox1->scrollToItem(item); // lays the list out
        const QPoint cell = form.FileListBox1->visualItemRect(item).center();
        QTest::mouseClick(form.FileListBox1->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseDClick(form.FileListBox1->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    };
    auto typeAndEscape = [this] {
        EXPECT_EQ(form.pos(), QPoint((1920 - 365) / 2, (1080 - 274) / 2));
        form.FlopyEdit->setFocus();
        QTest::keyClicks(form.FlopyEdit, QStringLiteral("abc"));
        pressEscape(form);
    };
    const std::pair<std::function<void()>, int> ways[] = {
        {click(form.OkBitBtn), 1},          {doubleClickFile, 1},
        {click(form.CancelBitBtn), 2},      {click(form.sb_Closed), 2},
        {[this] { pressEscape(form); }, 2}, {typeAndEscape, 2}};
    for (const auto& [act, result] : ways)
        EXPECT_EQ(testsupport::ShowModalAndThen(form, act), result);
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export"))));
}
