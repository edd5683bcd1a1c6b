#include "HostContext.h"
#include "ModuleHost.h"
#include "PictureFolder.h"
#include "TADOQuery.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImageList.h"
#include "TKorvObject.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TPopupMenu.h"
#include "TSelForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {} // namespace

TEST(CommonPictureTest, TheFolderDialog) {
    QTemporaryDir fallback;
    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("export/older"));
    for (const char* name : {"export/tblMakan.DBF", "export/tblPerso.DBF"})
        QFile(folder.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    TSelForm form;
    form.SetDirectory(folder.filePath(QStringLiteral("export")));
    form.FlopyEdit->SetText(QStringLiteral("tblMakan.DBF"));
    form.Show();
    const QImage picture = form.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(365, 274));
    EXPECT_TRUE(picture.save(
        QDir(testsupport::PictureFolder::Path(fallback)).filePath(QStringLiteral("sel-form.png"))));
}

TEST(CommonPictureTest, TheGridMenuAndItsSendToEntries) {
    QTemporaryDir fallback;
    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
    ui::TForm form;
    form.resize(500, 300);
    data::TADOQuery query;
    query.Name = QStringLiteral("tblMakan");
    query.SetConnection(MyDatabase->Connection());
    query.SetSQL(QStringLiteral("Select * From D_Makan"));
    query.Open();
    data::TDataSource source;
    source.SetDataSet(&query);
    auto* grid = new ui::TDBGrid(&form);
    grid->SetDataSource(&source);
    auto* menu = new ui::TPopupMenu(grid);
    menu->SetImages(new ui::TImageList(menu));
    grid->SetPopupMenu(menu);
    TKorvObject commands;
    TKorvObject::Settings settings;
    settings.Grid = grid;
    settings.Item = QStringLiteral("SABT");
    settings.TableName = QStringLiteral("D_Makan");
    commands.Configure(settings);
    commands.CreatePopupMenu();
    form.Show();

    ASSERT_TRUE(menu->Popup(200, 100));
    QMenu* open = menu->OpenMenu();
    ASSERT_NE(open, nullptr);
    const QString folder = testsupport::PictureFolder::Path(fallback);
    EXPECT_TRUE(open->grab().save(QDir(folder).filePath(QStringLiteral("grid-menu.png"))));
    QMenu* sendTo = nullptr;
    for (QAction* action : open->actions()) {
        if (action->menu() != nullptr)
            sendTo = action->menu();
    }
    ASSERT_NE(sendTo, nullptr);
    sendTo->popup(QPoint(200, 150));
    EXPECT_TRUE(sendTo->grab().save(QDir(folder).filePath(QStringLiteral("grid-menu-send-to.png"))));
    sendTo->close();
    open->close();
}
