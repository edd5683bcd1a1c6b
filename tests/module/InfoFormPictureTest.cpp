#include "HostContext.h"
#include "ModuleHost.h"
#include "MultiRowTabBar.h"
#include "PictureFolder.h"
#include "TForm.h"
#include "TInfoForm.h"
#include "TPageControl.h"
#include "TTabSheet.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

namespace {

// Every tab of the window for one user: each picture is the host's window as the user sees it.
void renderEveryTab(int userId) {
    QTemporaryDir fallback;
    const QString folder = testsupport::PictureFolder::Path(fallback);
    ModuleHost host(userId);
    host.Ostavan();
    const ui::MultiRowTabBar* bar = InfoForm->Info_PageControl->TabBar();
    for (int index = 0; index < InfoForm->Info_PageControl->PageCount(); ++index) {
        InfoForm->Info_PageControl->SetActivePageIndex(index);
        const QImage picture = host.MainForm().grab().toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_TRUE(picture.save(QDir(folder).filePath(
            QStringLiteral("info-user%1-tab%2.png").arg(userId).arg(index, 2, 10, QLatin1Char('0')))));
        // Every tab is on the bar, whole: none is scrolled away or clipped.
        for (int tab = 0; tab < bar->count(); ++tab)
            EXPECT_TRUE(bar->rect().contains(bar->tabRect(tab))) << "tab " << tab;
    }
}

} // namespace

TEST(InfoFormPictureTest, EveryTabOfTheFullUser) {
    renderEveryTab(1);
}

TEST(InfoFormPictureTest, EveryTabOfTheRestrictedUser) {
    renderEveryTab(2);
}
