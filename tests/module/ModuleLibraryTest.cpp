#include "DemoDatabase.h"
#include "HostOptions.h"
#include "HostSession.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TShowStateForm.h"

#include <QLibrary>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvand;

namespace tarvand::host {
class TTempGridForm;
}

namespace {

using OstavanEntry = void (*)(QWidget*, TGlobal*, TMyDate*, TMyDatabase*, host::TTempGridForm*,
                              host::TShowStateForm*, host::TDlgMsg*);
using ReleaseEntry = void (*)();

// The module as the host meets it: a library loaded by path, found by the C names of its exports.
class ModuleLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::HostOptions options;
        options.DatabasePath = demo.path();
        session = std::make_unique<host::HostSession>(options, appDir.path(), QDate(2024, 12, 4));
        library.setFileName(QStringLiteral(TARVAND_MODULE_PATH));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    }
    void TearDown() override {
        if (library.isLoaded())
            library.unload();
    }

    QWidget** infoForm() { return reinterpret_cast<QWidget**>(library.resolve("_InfoForm")); }

    void ostavan(QWidget* parent) {
        auto entry = reinterpret_cast<OstavanEntry>(library.resolve("Ostavan"));
        ASSERT_NE(entry, nullptr);
        entry(parent, session->Global(), session->MyDate(), session->MyDatabase(), nullptr, &showState,
              &dialog);
    }

    testsupport::DemoDatabase demo;
    QTemporaryDir appDir;
    std::unique_ptr<host::HostSession> session;
    host::TDlgMsg dialog;
    host::TShowStateForm showState;
    QLibrary library;
};

} // namespace

TEST_F(ModuleLibraryTest, ExportsTheEntriesAndEveryVariableUnderItsCName) {
    EXPECT_NE(library.resolve("Ostavan"), nullptr);
    EXPECT_NE(library.resolve("Release_It"), nullptr);
    for (const char* name :
         {"_InfoForm",      "_Global",           "_MyDate",         "_MyDatabase",   "_TempGridForm",
          "_ShowStateForm", "_DlgMsg",           "_MakanForm",      "_VazDaraeForm", "_VezaratForm",
          "_MabadiForm",    "_AstehlakForm",     "_GheimatForm",    "_SakhtarForm",  "_AmvalForm",
          "_Tafsily2Form",  "_GrohTafsily2Form", "_DepartForm",     "_PersonelForm", "_SelForm",
          "_FrmBatch",      "_CodeSelectForm",   "_GrafColSetForm", "_GrafForm"}) {
        auto* variable = reinterpret_cast<void**>(library.resolve(name));
        ASSERT_NE(variable, nullptr) << name;
        EXPECT_EQ(*variable, nullptr) << name;
    }
}

TEST_F(ModuleLibraryTest, EntryFillsTheExportedContextVariables) {
    ui::TForm parent;
    parent.show();
    ostavan(&parent);
    EXPECT_EQ(*reinterpret_cast<TGlobal**>(library.resolve("_Global")), session->Global());
    EXPECT_EQ(*reinterpret_cast<TMyDatabase**>(library.resolve("_MyDatabase")), session->MyDatabase());
    EXPECT_EQ(*reinterpret_cast<host::TDlgMsg**>(library.resolve("_DlgMsg")), &dialog);
    ASSERT_NE(*infoForm(), nullptr);
    EXPECT_EQ((*infoForm())->parentWidget(), &parent);
    reinterpret_cast<ReleaseEntry>(library.resolve("Release_It"))();
    EXPECT_EQ(*infoForm(), nullptr);
}

TEST_F(ModuleLibraryTest, UnloadingTheLibraryDestroysAnOpenWindow) {
    ui::TForm parent;
    parent.show();
    ostavan(&parent);
    QPointer<QWidget> window = *infoForm();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(library.unload());
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(parent.children().isEmpty() || !parent.findChild<QWidget*>(QStringLiteral("InfoForm")));
}
