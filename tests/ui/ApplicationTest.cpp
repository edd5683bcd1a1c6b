// The application object: where exceptions end up, and the forms its factory makes.
#include "EAbort.h"
#include "EDatabaseError.h"
#include "Guard.h"
#include "TApplication.h"
#include "TForm.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvand::ui {
namespace {

class ApplicationObject : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Application, nullptr);
        Application->OnException = [this](const std::exception& error) {
            seen.append(QString::fromUtf8(error.what()));
        };
    }
    void TearDown() override { Application->OnException = nullptr; }
    QStringList seen;
};

TEST_F(ApplicationObject, ExceptionsEscapingEventsStopAtNotifyAbortIsSilentAndOthersReachTheLastHandler) {
    class Throwing : public QObject {
    public:
        bool event(QEvent* event) override {
            if (event->type() == QEvent::User) {
                throw std::runtime_error("thrown inside an event");
            }
            return QObject::event(event);
        }
    } receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    EXPECT_EQ(seen, QStringList({"thrown inside an event"}));
    seen.clear();
    Application->HandleException(EAbort());
    EXPECT_TRUE(seen.isEmpty());
    Application->HandleException(EDatabaseError("Violation of PRIMARY KEY constraint 'PK_D_Makan'."));
    EXPECT_EQ(seen, QStringList({"Violation of PRIMARY KEY constraint 'PK_D_Makan'."}));
    QString second;
    Application->OnException = [&](const std::exception& error) { second = QString::fromUtf8(error.what()); };
    Application->HandleException(std::runtime_error("boom"));
    EXPECT_EQ(seen.size(), 1);
    EXPECT_EQ(second, "boom");
}

TEST_F(ApplicationObject,
       GuardHandsExceptionsOverAndFactoryFormsAreOwnedStoredInTheVariableAndFreedNewestFirst) {
    EXPECT_TRUE(Guard::run([] {}));
    EXPECT_FALSE(Guard::run([] { throw std::runtime_error("in a slot"); }));
    EXPECT_FALSE(Guard::run([] { Abort(); }));
    EXPECT_FALSE(Guard::run([] { throw 42; }));
    EXPECT_EQ(seen, QStringList({"in a slot", "Unknown error"}));
    EXPECT_EQ(Guard::value(-1, [] { return 7; }), 7);
    EXPECT_EQ(Guard::value(-1, []() -> int { throw std::runtime_error("x"); }), -1);
    // A handler that throws does not escape the guard.
    Application->OnException = [](const std::exception&) { throw std::runtime_error("handler failed"); };
    EXPECT_FALSE(Guard::run([] { throw std::runtime_error("first"); }));
    TForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(Application->Forms().contains(form));
    QPointer<TForm> watch(form);
    form->Free();
    EXPECT_TRUE(watch.isNull());
    EXPECT_FALSE(Application->Forms().contains(form));
    QStringList order;
    {
        TApplication second;
        TForm* first = nullptr;
        TForm* last = nullptr;
        second.CreateForm(first);
        second.CreateForm(last);
        first->OnDestroy = [&](TObject*) { order.append("first"); };
        last->OnDestroy = [&](TObject*) { order.append("last"); };
    }
    EXPECT_EQ(order, QStringList({"last", "first"}));
    EXPECT_NE(Application, nullptr);
}

} // namespace
} // namespace tarvand::ui
