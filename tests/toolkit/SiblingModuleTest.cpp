#include "SiblingModule.h"
#include "SiblingEntries.h"
#include "SuitePath.h"
#include "TPrintParams.h"
#include "ToolkitGridFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

class SiblingModuleTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        table = openTable("D_Makan");
        showGrid(table.get(), {"MakanCod", "MakanNam"});
    }
    QString modulePath(const QString& baseName) const {
        return QDir(appFile("DLLs/GlobalForms")).filePath(baseName + SuitePath::LibrarySuffix());
    }
    // A library cut short, as an interrupted copy leaves it: mapping it would fault.
    void writeJunk(const QString& baseName) {
        QFile library(QStringLiteral(TOOLKIT_TEST_SIBLING));
        QFile junk(modulePath(baseName));
        ASSERT_TRUE(library.open(QIODevice::ReadOnly) && junk.open(QIODevice::WriteOnly));
        junk.write(library.read(8192));
    }
    TPrintParams params() const {
        TPrintParams p;
        p.Grid = grid;
        p.Title = "گزارش مكان";
        p.TitleText1 = "t1";
        p.TitleText2 = "t2";
        p.WorkDate = global.WorkDate;
        p.ExtraText1 = "e1";
        p.ExtraText2 = "e2";
        p.ExtraText3 = "e3";
        p.Blank1 = "left by the caller";
        p.ReportKey = "D_SABT_MAKAN_";
        p.ExtraText4 = "e4";
        return p;
    }

    std::unique_ptr<data::TADOTable> table;
};

} // namespace

TEST_F(SiblingModuleTest, PrintModuleMissingOrNoLibraryIsSaid) {
    global.PrintGrid(params(), false);
    writeJunk("Print1");
    global.PrintGrid(params(), true);
    EXPECT_EQ(plainMessages,
              QStringList({"Can not load " + modulePath("Print"), "File Exits: " + modulePath("Print1")}));
    EXPECT_TRUE(siblingCall("PrintForm_Show").isEmpty());
}

TEST_F(SiblingModuleTest, PrintModulesGetTheRecordWithTheSessionsPart) {
    installSibling("Print1.dll");
    global.PrintGrid(params(), true);
    EXPECT_FALSE(siblingCall("PrintForm_Show").isEmpty());
    qApp->setProperty("PrintForm_Show", QVariant());
    installSibling("Print.dll");
    global.UserId = 12;
    global.PrintGrid(params(), false);
    EXPECT_TRUE(plainMessages.isEmpty());
    EXPECT_EQ(siblingCall("PrintForm_Show"),
              QStringLiteral("null|dbgName|گزارش مكان|t1|t2|1403/05/09|e1|e2|e3|||"
                             "1403/05/09|01|set|12|D_SABT_MAKAN_|e4|null"));
}

TEST_F(SiblingModuleTest, ReportPropertiesGetNoThingTheTitleAndTheDatasetWhenTheModuleIsThere) {
    global.ShowReportProperties("x", table.get());
    EXPECT_TRUE(plainMessages.isEmpty());
    EXPECT_TRUE(siblingCall("RepPropertyForm_Show").isEmpty());
    installSibling("ReportProperty.dll");
    global.ShowReportProperties("مشخصات گزارش", table.get());
    EXPECT_EQ(siblingCall("RepPropertyForm_Show"), "NoThing|مشخصات گزارش|tblD_Makan|9");
}

TEST_F(SiblingModuleTest, LoaderFindsFoldersInAnyCaseAndRefusesLibrariesWithoutTheVersionEntry) {
    installSibling("Search.dll");
    SiblingModule module;
    ASSERT_TRUE(module.Load(global.AppPath + "\\DLLS\\GLOBALFORMS\\Search.dll"))
        << module.ErrorString().toStdString();
    EXPECT_NE(module.Resolve<sibling::GridSearchEntry>("GridSearch"), nullptr);
    EXPECT_EQ(module.Resolve<sibling::GridSearchEntry>("NoSuchEntry"), nullptr);
    EXPECT_TRUE(module.ErrorString().contains("NoSuchEntry"));
    module.Unload();
    EXPECT_FALSE(module.IsLoaded());

    // A real library that is not a sibling module: the platform library itself.
    SiblingModule stranger;
    EXPECT_FALSE(stranger.Load(QStringLiteral(TOOLKIT_PLATFORM_LIBRARY)));
    EXPECT_TRUE(stranger.FileExists());
    EXPECT_TRUE(stranger.ErrorString().contains("TarvandSiblingAbi"));
}

#if defined(__linux__)
#include "DebuggerProbe.h"

#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

// A child that asks to be traced by this test has a debugger attached.
TEST(DebuggerProbeTest, ATracedProcessSeesItsDebugger) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            _exit(2);
        _exit(DebuggerProbe::Present() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "this machine does not allow tracing";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

TEST_F(SiblingModuleTest, ModulesComeFromTheApplicationFolderWithoutADebugger) {
    global.AppPath = "/suite";
    EXPECT_EQ(
        global.ModulePath("\\DLLs\\GlobalForms\\Search.dll", "E:\\KORVASH\\GlobalForms\\Search\\Search.dll"),
        "/suite\\DLLs\\GlobalForms\\Search.dll");
}
