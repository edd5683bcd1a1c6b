#include "EDatabaseError.h"
#include "ModuleHost.h"
#include "TApplication.h"
#include "TD_Global.h"
#include "TDlgMsg.h"
#include "TInfoForm.h"
#include "TPageControl.h"
#include "TSelForm.h"
#include "TShowStateForm.h"
#include "TSpeedButton.h"
#include "TTabSheet.h"
#include "TTempGridForm.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;
using testsupport::ProcessDeferredDeletes;

namespace {

// Shows every tab once, and both editors of each combined tab, so that every editor slot is filled.
void visitEveryEditor(TInfoForm& form) {
    for (int index = 0; index < form.Info_PageControl->PageCount(); ++index)
        form.Info_PageControl->SetActivePageIndex(index);
    form.Info_PageControl->SetActivePage(form.Tafsily2_TabSheet);
    form.cmbTafsily2->SetItemIndex(0);
    form.cmbTafsily2Change();
    form.Info_PageControl->SetActivePage(form.Personel_TabSheet);
    form.cmbPersonel->SetItemIndex(0);
    form.cmbPersonelChange();
}

// A property that a layout file gives a control which does not have it is kept as a dynamic
// property and changes nothing; the only dynamic properties are the ones our code keeps.
QString strayProperties(const QObject* form) {
    QStringList stray;
    QList<const QObject*> objects{form};
    for (const QObject* child : form->findChildren<QObject*>())
        objects << child;
    for (const QObject* object : objects) {
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (!name.startsWith("tarvand") && !name.startsWith("_q_"))
                stray << object->objectName() + QLatin1Char('.') + QString::fromLatin1(name);
        }
    }
    return stray.join(QStringLiteral(", "));
}

} // namespace

TEST(EntryTest, OstavanStoresTheContextAndEmbedsTheWindowMaximised) {
    ModuleHost host;
    EXPECT_FALSE(static_cast<bool>(host.Session().MyDatabase()->OnShowMsg));
    host.Ostavan();
    ASSERT_NE(InfoForm, nullptr);
    const QList<const void*> context = {Global, MyDate, MyDatabase, TempGridForm, ShowStateForm, DlgMsg};
    EXPECT_EQ(context, QList<const void*>({host.Session().Global(), host.Session().MyDate(),
                                           host.Session().MyDatabase(), &host.TempGridForm(),
                                           &host.ShowStateForm(), &host.DlgMsg()}));
    EXPECT_EQ(InfoForm->parentWidget(), host.ClientPanel());
    EXPECT_TRUE(InfoForm->isVisible());
    EXPECT_EQ(InfoForm->geometry(), host.ClientPanel()->rect());
    EXPECT_EQ(InfoForm->Info_PageControl->ActivePage(), InfoForm->Tafsily2_TabSheet);
    // The toolkit's messages go through the host's dialog while the window lives.
    ASSERT_TRUE(static_cast<bool>(MyDatabase->OnShowMsg));
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = host.DlgMsg().Caption();
        host.DlgMsg().Close();
    });
    EXPECT_EQ(MyDatabase->OnShowMsg(QStringLiteral("پيام"), QStringLiteral("عنوان"), QStringLiteral("1IR")),
              1);
    EXPECT_EQ(shown, QStringLiteral("عنوان"));
    Release_It();
    EXPECT_FALSE(static_cast<bool>(host.Session().MyDatabase()->OnShowMsg));
    Release_It();
    EXPECT_EQ(InfoForm, nullptr);
}

TEST(EntryTest, SecondCallKeepsWindowStateAndOptionsAndMovesTheContextToTheNewObjects) {
    ModuleHost host;
    host.Ostavan();
    TInfoForm* first = InfoForm;
    TD_Global* options = InfoForm->DGlobal;
    InfoForm->Info_PageControl->SetActivePage(InfoForm->Makan_TabSheet);
    // Options read again would show the new name.
    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=پروژه ها;' Where sCode = '011403'"));
    ModuleHost other(2);
    ::Ostavan(host.ClientPanel(), other.Session().Global(), other.Session().MyDate(),
              other.Session().MyDatabase(), &other.TempGridForm(), &other.ShowStateForm(), &other.DlgMsg());

    EXPECT_EQ(InfoForm, first);
    EXPECT_EQ(InfoForm->DGlobal, options);
    EXPECT_EQ(InfoForm->DGlobal->NamTafsily2, QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(InfoForm->Info_PageControl->ActivePage(), InfoForm->Makan_TabSheet);
    EXPECT_EQ(Global, other.Session().Global());
    EXPECT_EQ(DlgMsg, &other.DlgMsg());
    // Only the new objects lead into the module; the first session's are checked by the library test.
    EXPECT_TRUE(static_cast<bool>(other.Session().MyDatabase()->OnShowMsg));
    EXPECT_EQ(other.Session().Global()->DlgMsg, &other.DlgMsg());
    Release_It();
    EXPECT_FALSE(static_cast<bool>(other.Session().Global()->OnShowMsg));
    EXPECT_EQ(other.Session().Global()->DlgMsg, nullptr);
}

TEST(EntryTest, CallWithAnotherParentShowsTheWindowAgainAndRereadsRights) {
    ModuleHost host;
    host.Ostavan();
    EXPECT_TRUE(InfoForm->Gheimat_TabSheet->Enabled());
    host.Exec(QStringLiteral("Update UserSdcDetail Set [1] = 'N' Where StrId = 'D_B_ENDFEE'"));
    ui::TPanel other(host.ClientPanel());
    other.resize(host.ClientPanel()->size());
    other.show();
    host.Ostavan(&other);
    EXPECT_EQ(InfoForm->parentWidget(), &other);
    EXPECT_FALSE(InfoForm->Gheimat_TabSheet->Enabled());
    EXPECT_TRUE(InfoForm->AccessRights().contains(QStringLiteral("D_B_ENDFEE(N),")));
    Release_It();
}

TEST(EntryTest, CloseButtonFreesTheWindowAndTheNextCallMakesAFreshOneWithFreshOptions) {
    ModuleHost host;
    host.Ostavan();
    QPointer<TInfoForm> window = InfoForm;
    QPointer<ui::TForm> editor = InfoForm->Editor(TInfoForm::Tafsily2Editor);
    ASSERT_NE(editor, nullptr);
    InfoForm->sb_Closed->click();
    EXPECT_EQ(InfoForm, nullptr);
    ProcessDeferredDeletes();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(editor, nullptr);
    EXPECT_FALSE(static_cast<bool>(host.Session().MyDatabase()->OnShowMsg));
    Release_It();

    host.Exec(QStringLiteral("Update Options Set Korvash = 'NAMTAFSILY2=پروژه ها;' Where sCode = '011403'"));
    host.Ostavan();
    ASSERT_NE(InfoForm, nullptr);
    EXPECT_EQ(InfoForm->DGlobal->NamTafsily2, QStringLiteral("پروژه ها"));
    EXPECT_EQ(InfoForm->Editor(TInfoForm::MakanEditor), nullptr);
    // A window destroyed with its parent leaves no dangling variable.
    Release_It();
    auto parent = std::make_unique<ui::TPanel>(host.ClientPanel());
    host.Ostavan(parent.get());
    ASSERT_NE(InfoForm, nullptr);
    parent.reset();
    EXPECT_EQ(InfoForm, nullptr);
}

TEST(EntryTest, EveryLayoutPropertyBelongsToItsControlAndReleaseItDestroysTheEditorsInTheirFixedOrder) {
    ModuleHost host;
    host.Ostavan();
    visitEveryEditor(*InfoForm);
    TSelForm folderDialog;
    for (const QObject* form : std::initializer_list<const QObject*>{
             &host.MainForm(), &host.DlgMsg(), &host.ShowStateForm(), &host.TempGridForm(), &folderDialog})
        EXPECT_EQ(strayProperties(form).toStdString(), "") << form->objectName().toStdString();
    QStringList destroyed;
    for (int slot = 0; slot < TInfoForm::EditorCount; ++slot) {
        ui::TForm* editor = InfoForm->Editor(static_cast<TInfoForm::EditorSlot>(slot));
        ASSERT_NE(editor, nullptr) << slot;
        QObject::connect(editor, &QObject::destroyed,
                         [&destroyed, slot] { destroyed << QString::number(slot); });
    }
    Release_It();
    EXPECT_EQ(InfoForm, nullptr);
    EXPECT_EQ(destroyed.join(QLatin1Char(',')), QStringLiteral("0,1,2,3,4,5,6,7,8,9,10,11"));
}

// An exception in a window event of the module goes to the application's handler, which the editor
// shown last owns and which drops all but its duplicate key: the window stays. One in the entry call
// itself passes to the host, leaving no window.
TEST(EntryTest, ExceptionsReachTheApplicationsHandlerOrTheHost) {
    ModuleHost host;
    host.Ostavan();
    QStringList received;
    const auto previous = ui::Application->OnException;
    ui::Application->OnException = [&received](const std::exception& error) {
        received << dynamic_cast<const Exception&>(error).Message;
    };
    // A rights query that fails while the window and its tab show again.
    host.Exec(QStringLiteral("Drop Table UserSdcDetail"));
    ui::TPanel other(host.ClientPanel());
    other.show();
    host.Ostavan(&other);
    EXPECT_TRUE(received.isEmpty()) << received.join(u'|').toStdString();
    ui::Application->OnException = previous;
    EXPECT_NE(InfoForm, nullptr);

    Release_It();
    host.Exec(QStringLiteral("Drop Table Options"));
    EXPECT_THROW(host.Ostavan(), EDatabaseError);
    EXPECT_EQ(InfoForm, nullptr);
}
