// The form lifecycle: show, modal results, close actions, destruction, embedding and keys (the
// caption drag and the rounded corners are checked through the theme that uses them).
#include "TApplication.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TForm.h"
#include "TPanel.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvand::ui {
namespace {

class Forms : public ::testing::Test {
protected:
    void SetUp() override {
        Application->OnException = [this](const std::exception& error) {
            errors.append(QString::fromUtf8(error.what()));
        };
    }
    void TearDown() override { Application->OnException = nullptr; }

    // Runs action once the modal loop that the test starts next is running.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
    QStringList errors;
};

TEST_F(Forms, ButtonsModalResultInCodeCloseEnterOrEscEndTheModalLoop) {
    for (const auto& [kind, expected] :
         {std::pair{bkOK, mrOk}, {bkYes, mrYes}, {bkNo, mrNo}, {bkCancel, mrCancel}}) {
        TForm form;
        auto* button = new TBitBtn(&form);
        button->SetKind(kind);
        whenModal([button] { QTest::mouseClick(button, Qt::LeftButton); });
        EXPECT_EQ(form.ShowModal(), expected);
        EXPECT_FALSE(form.isVisible());
    }
    TForm form;
    int shows = 0;
    form.OnShow = [&](TObject*) { ++shows; };
    whenModal([&] { form.SetModalResult(mrYes); });
    EXPECT_EQ(form.ShowModal(), mrYes);
    whenModal([&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(shows, 2);
    auto* edit = new TEdit(&form);
    auto* yes = new TBitBtn(&form);
    yes->SetKind(bkYes);
    auto* no = new TBitBtn(&form);
    no->SetCaption("&خير");
    no->SetModalResult(mrNo);
    no->SetCancel(true);
    whenModal([edit] {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(form.ShowModal(), mrNo);
    whenModal([edit] {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(shows, 4);
}

TEST_F(Forms, CloseActionNoneKeepsAModalFormOpenUntilAllowed) {
    TForm form;
    bool allow = false;
    int asked = 0;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        ++asked;
        if (!allow) {
            action = caNone;
        }
    };
    whenModal([&] {
        form.SetModalResult(mrOk);
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(form.isVisible());
            allow = true;
            form.SetModalResult(mrYes);
        });
    });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_EQ(asked, 2);
}

TEST_F(Forms, CloseActionFreeDestroysTheFormOnceBackInTheEventLoop) {
    QPointer<TForm> form = new TForm;
    (new TPanel(form))->SetName("HintPanel");
    QString destroyed;
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    // The controls still exist while OnDestroy runs.
    form->OnDestroy = [&](TObject* sender) {
        destroyed = static_cast<TForm*>(sender)->findChild<TPanel*>("HintPanel")->Name();
    };
    form->Show();
    form->Close();
    EXPECT_FALSE(form.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(destroyed, "HintPanel");
}

TEST_F(Forms, CloseActionNoneOrAnExceptionInOnCloseKeepsTheFormShown) {
    TForm form;
    form.OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.isVisible());
    form.OnClose = [](TObject*, TCloseAction&) { throw std::runtime_error("cannot close"); };
    form.Close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(errors, QStringList({"cannot close"}));
}

TEST_F(Forms, AnEmbeddedMaximisedFormFillsItsParentAndFollowsItsSize) {
    TPanel host;
    host.resize(400, 300);
    auto* form = new TForm;
    form->SetWindowState(wsMaximized);
    form->SetParentControl(&host);
    host.show();
    EXPECT_FALSE(form->isWindow());
    EXPECT_EQ(form->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(form->geometry(), host.contentsRect());
    host.resize(500, 320);
    EXPECT_EQ(form->geometry(), host.contentsRect());
    form->SetParentControl(nullptr);
    EXPECT_TRUE(form->isWindow());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    delete form;
}

TEST_F(Forms, OnShortCutSeesKeysOfItsControlsFirst) {
    TForm form;
    auto* edit = new TEdit(&form);
    form.OnShortCut = [](WORD key, TShiftState, bool& handled) { handled = key == VK_ESCAPE || key == 'X'; };
    form.Show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    QTest::keyClicks(edit, "aXb");
    EXPECT_EQ(edit->text(), "ab");
}

} // namespace
} // namespace tarvand::ui
