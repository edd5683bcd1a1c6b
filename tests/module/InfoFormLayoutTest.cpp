#include "ModuleHost.h"
#include "MultiRowTabBar.h"
#include "PictureFolder.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TInfoForm.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TTabSheet.h"

#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

TEST(InfoFormLayoutTest, CombinedTabsAreNamedAfterTheCompanysAccountsAndShareTheirPanel) {
    ModuleHost host;
    host.Ostavan();
    EXPECT_EQ(InfoForm->cmbTafsily2->Items(),
              QStringList({QStringLiteral("گروه مراكز هزينه"), QStringLiteral("مراكز هزينه")}));
    EXPECT_EQ(InfoForm->cmbTafsily2->ItemIndex(), 1);
    const QString caption = InfoForm->Tafsily2_TabSheet->Caption();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("مراكز هزينه ")));
    EXPECT_EQ(caption.trimmed(), QStringLiteral("مراكز هزينه"));
    // Padded until one more blank would reach the reference width, which is that name with seven.
    const QFontMetrics metrics(InfoForm->font());
    const int reference = metrics.horizontalAdvance(QStringLiteral("مراكز هزينه       "));
    EXPECT_GE(metrics.horizontalAdvance(caption) + 4, reference);
    EXPECT_LT(metrics.horizontalAdvance(caption.chopped(1)) + 4, reference);
    // A name as wide as that is not padded.
    Release_It();
    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=مراكز هزينه و پروژه هاي عمراني;' "
                             "Where sCode = '011403'"));
    host.Ostavan();
    EXPECT_EQ(InfoForm->Tafsily2_TabSheet->Caption(), QStringLiteral("مراكز هزينه و پروژه هاي عمراني"));
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Personel_TabSheet);
    ui::TForm* recipients = InfoForm->Editor(TInfoForm::PersonelEditor);
    ASSERT_NE(recipients, nullptr);
    InfoForm->cmbPersonel->SetItemIndex(0);
    InfoForm->cmbPersonelChange();
    ui::TForm* units = InfoForm->Editor(TInfoForm::DepartEditor);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->parentWidget(), InfoForm->plPersonel);
    EXPECT_EQ(recipients->parentWidget(), InfoForm->plPersonel);
    const QObjectList children = InfoForm->plPersonel->children();
    EXPECT_GT(children.indexOf(units), children.indexOf(recipients));
}

TEST(InfoFormLayoutTest, FirstShowEmbedsOnlyTheDetailTwoEditorWithTheCaptionButtonsAtTheScreensRightEnd) {
    ModuleHost host;
    host.Ostavan();
    ui::TForm* editor = InfoForm->Editor(TInfoForm::Tafsily2Editor);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), InfoForm->plClientTafsily2);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->Caption(), QStringLiteral("مراكز هزينه"));
    for (int slot = 0; slot < TInfoForm::EditorCount; ++slot) {
        if (slot != TInfoForm::Tafsily2Editor)
            EXPECT_EQ(InfoForm->Editor(static_cast<TInfoForm::EditorSlot>(slot)), nullptr) << slot;
    }
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(InfoForm->Close_Shape->Left(), screenWidth - 21 - 12);
    EXPECT_EQ(InfoForm->sb_Closed->Left(), InfoForm->Close_Shape->Left() + 1);
    EXPECT_EQ(InfoForm->Min_Shape->Left(), InfoForm->sb_Closed->Left() - 20 - 3);
    EXPECT_EQ(InfoForm->sb_Minimized->Left(), InfoForm->Min_Shape->Left() + 1);
}

// Every tab of the window for each user: each picture is the host's window as the user sees it.
TEST(InfoFormPictureTest, EveryTabOfEachUser) {
    QTemporaryDir fallback;
    const QString folder = testsupport::PictureFolder::Path(fallback);
    for (int userId : {1, 2}) {
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
}
