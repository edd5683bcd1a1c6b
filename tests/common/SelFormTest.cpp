#include "HostContext.h"
#include "ModuleHost.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TSelForm.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

TEST_F(SelFormTest, IsTheSmallBorderlessRightToLeftDialogWithItsCaptions) {
    EXPECT_EQ(form.Width(), 365);
    EXPECT_EQ(form.Height(), 274);
    EXPECT_EQ(form.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(form.BorderStyle(), ui::bsNone);
    EXPECT_EQ(form.Caption_Panel->Height(), 22);
    EXPECT_EQ(form.Caption_Panel->Caption(), QStringLiteral("         انتخاب مسير کپي فايلها"));
    EXPECT_EQ(form.Caption_Panel->Tag, 99);
    EXPECT_EQ(form.Button_Panel->Height(), 32);
    EXPECT_EQ(form.OkBitBtn->Caption(), QStringLiteral("تاييـد"));
    EXPECT_EQ(form.CancelBitBtn->Caption(), QStringLiteral("انصراف"));
    EXPECT_EQ(form.sb_Closed->Hint(), QStringLiteral("بستن فرم"));
    EXPECT_EQ(form.Caption(), QStringLiteral("انتخاب فايل"));
}

TEST_F(SelFormTest, ListsTheDbaseFilesOfTheChosenFolderWhateverTheirCase) {
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export"))));
    EXPECT_EQ(files(), QStringList({QStringLiteral("TBLMAKAN.DBF"), QStringLiteral("tblPerso.dbf")}));
    QFile(folder.filePath(QStringLiteral("export/new.dbf"))).open(QIODevice::WriteOnly);
    form.UpdateFileList();
    EXPECT_EQ(files().size(), 3);
}

TEST_F(SelFormTest, TheTreeShowsThePathFromTheDriveAndChoosingAFolderListsItsFiles) {
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
}

TEST_F(SelFormTest, AMissingFolderFallsBackToItsNearestParent) {
    form.SetDirectory(folder.filePath(QStringLiteral("export/gone/deeper")));
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export"))));
}

TEST_F(SelFormTest, TheDrivesStartWithTheFileSystemRoot) {
    ASSERT_GE(form.DriveComboBox1->count(), 1);
    EXPECT_EQ(form.DriveComboBox1->itemData(0).toString(), QDir::cleanPath(QDir::rootPath()));
}

TEST_F(SelFormTest, OkAndADoubleClickOnAFileAnswerOne) {
    EXPECT_EQ(
        testsupport::ShowModalAndThen(form, [this] { QTest::mouseClick(form.OkBitBtn, Qt::LeftButton); }), 1);
    const int result = testsupport::ShowModalAndThen(form, [this] {
        QListWidgetItem* item = form.FileListBox1->item(1);
        form.FileListBox1->scrollToItem(item); // lays the list out
        const QRect cell = form.FileListBox1->visualItemRect(item);
        ASSERT_FALSE(cell.isEmpty());
        QTest::mouseClick(form.FileListBox1->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(form.FileListBox1->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(form.Directory(), QDir::cleanPath(folder.filePath(QStringLiteral("export"))));
}

TEST_F(SelFormTest, CancelTheCloseButtonAndEscapeAnswerTwo) {
    EXPECT_EQ(
        testsupport::ShowModalAndThen(form, [this] { QTest::mouseClick(form.CancelBitBtn, Qt::LeftButton); }),
        2);
    EXPECT_EQ(
        testsupport::ShowModalAndThen(form, [this] { QTest::mouseClick(form.sb_Closed, Qt::LeftButton); }),
        2);
    EXPECT_EQ(testsupport::ShowModalAndThen(form, [this] { pressEscape(form); }), 2);
    // Escape while the file name is being typed cancels too.
    EXPECT_EQ(testsupport::ShowModalAndThen(form,
                                            [this] {
                                                form.FlopyEdit->setFocus();
                                                QTest::keyClicks(form.FlopyEdit, QStringLiteral("abc"));
                                                pressEscape(form);
                                            }),
              2);
}

TEST_F(SelFormTest, ShowsCentredOnTheScreen) {
    testsupport::ShowModalAndThen(form, [this] {
        EXPECT_EQ(form.Left(), (1920 - 365) / 2);
        EXPECT_EQ(form.Top(), (1080 - 274) / 2);
        form.SetModalResult(ui::mrCancel);
    });
}
