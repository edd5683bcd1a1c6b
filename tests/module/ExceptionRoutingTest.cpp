#include "EAbort.h"
#include "EDatabaseError.h"
#include "HostContext.h"
#include "ModuleEntry.h"
#include "ModuleHost.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TForm.h"
#include "TInfoForm.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

namespace {

// Installs a recording handler for the test and puts the previous one back afterwards.
class ExceptionRoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = ui::Application->OnException;
        ui::Application->OnException = [this](const std::exception& error) {
            const auto* known = dynamic_cast<const Exception*>(&error);
            received << (known != nullptr ? known->Message : QString::fromUtf8(error.what()));
        };
    }
    void TearDown() override { ui::Application->OnException = previous; }

    std::function<void(const std::exception&)> previous;
    QStringList received;
};

} // namespace

TEST_F(ExceptionRoutingTest, AnExceptionInAGridEventReachesTheApplicationHandler) {
    ui::TForm form;
    auto* grid = new ui::TDBGrid(&form);
    grid->OnKeyDown = [](QObject*, ui::WORD&, ui::TShiftState) {
        throw EDatabaseError(QStringLiteral("Violation of PRIMARY KEY constraint 'PK_D_Makan'."));
    };
    form.show();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(received, QStringList{QStringLiteral("Violation of PRIMARY KEY constraint 'PK_D_Makan'.")});
}

TEST_F(ExceptionRoutingTest, ASilentAbortReachesNoHandler) {
    ui::TForm form;
    auto* grid = new ui::TDBGrid(&form);
    int calls = 0;
    grid->OnKeyDown = [&calls](QObject*, ui::WORD&, ui::TShiftState) {
        ++calls;
        Abort();
    };
    form.show();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(received.isEmpty());
}

TEST_F(ExceptionRoutingTest, AnExceptionInAWindowEventOfTheModuleReachesTheHandler) {
    ModuleHost host;
    host.Ostavan();
    // A rights query that fails while the detail-2 tab shows again.
    host.Exec(QStringLiteral("Drop Table UserSdcDetail"));
    ui::TPanel other(host.ClientPanel());
    other.show();
    host.Ostavan(&other);
    ASSERT_EQ(received.size(), 1);
    EXPECT_TRUE(received.first().contains(QStringLiteral("UserSdcDetail"), Qt::CaseInsensitive))
        << received.first().toStdString();
    EXPECT_NE(InfoForm, nullptr);
}

TEST(EntryFailureTest, AFailingOptionsQueryPassesToTheHostAndLeavesNoWindow) {
    ModuleHost host;
    host.Exec(QStringLiteral("Drop Table Options"));
    EXPECT_THROW(host.Ostavan(), EDatabaseError);
    EXPECT_EQ(InfoForm, nullptr);
}
