#include "ModuleLibrary.h"
#include "DemoDatabase.h"
#include "Exception.h"
#include "HostSession.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarvand::Exception;
using tarvand::host::HostOptions;
using tarvand::host::HostSession;
using tarvand::host::ModuleLibrary;
using tarvand::host::TDlgMsg;
using tarvand::host::TShowStateForm;
using tarvand::host::TTempGridForm;
using tarvand::testsupport::DemoDatabase;
namespace ui = tarvand::ui;

namespace {

const QString moduleFile = QStringLiteral(TARVAND_MODULE_FILE);

QString loadFailure(const QString& path) {
    ModuleLibrary module;
    try {
        module.Load(path);
    } catch (const Exception& error) {
        EXPECT_FALSE(module.IsLoaded());
        return error.Message;
    }
    return QString();
}

// The host's objects over a demo company and a panel to show the module in.
struct HostObjects {
    HostObjects()
        : session(options(), QStringLiteral("/suite"), QDate(2026, 12, 5)),
          tempGridForm(session.MyDatabase()) {
        panel.resize(900, 600);
        panel.show();
    }
    HostOptions options() const {
        HostOptions result;
        result.DatabasePath = database.path();
        return result;
    }
    void enter(ModuleLibrary& module) {
        module.Ostavan(&panel, session.Global(), session.MyDate(), session.MyDatabase(), &tempGridForm,
                       &showStateForm, &dlgMsg);
    }
    ui::TForm* window() const { return panel.findChild<ui::TForm*>(QStringLiteral("InfoForm")); }

    DemoDatabase database;
    HostSession session;
    TDlgMsg dlgMsg;
    TShowStateForm showStateForm;
    TTempGridForm tempGridForm;
    ui::TPanel panel;
};

} // namespace

TEST(ModuleLibrary, LoadsTheModuleBesideTheHostOrNamedTheSuitesWayAndReportsWhatItCannotLoad) {
    const QFileInfo file(moduleFile);
    const QString binFolder = QFileInfo(QStringLiteral(TARVAND_HOST_FILE)).absolutePath();
    EXPECT_EQ(QFileInfo(ModuleLibrary::DefaultPath(binFolder)).canonicalFilePath(), file.canonicalFilePath());
    // "…\LIB\Tarvand.dll" for ".../lib/libtarvand.so".
    ModuleLibrary module;
    module.Load(QDir::toNativeSeparators(file.absolutePath()).replace(QLatin1Char('/'), QLatin1Char('\\')) +
                QStringLiteral("\\Tarvand.dll"));
    EXPECT_EQ(QFileInfo(module.Path()).canonicalFilePath(), file.canonicalFilePath());
    EXPECT_THROW(module.Load(moduleFile), Exception);
    module.Unload();
    EXPECT_FALSE(module.IsLoaded());
    EXPECT_NO_THROW(module.ReleaseIt());
    QTemporaryDir folder;
    QFile broken(folder.filePath(QStringLiteral("libbroken.so")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    EXPECT_TRUE(loadFailure(QStringLiteral("/no/such/folder/Tarvand.dll"))
                    .contains(QStringLiteral("/no/such/folder/Tarvand")));
    EXPECT_TRUE(loadFailure(broken.fileName()).startsWith(QStringLiteral("Cannot load the module")));
    EXPECT_TRUE(loadFailure(QStringLiteral(TARVAND_PLATFORM_FILE))
                    .contains(QStringLiteral("does not export Ostavan and Release_It")));
}

TEST(ModuleLibrary, ExportsEveryVariableUnderItsCNameAndTheEntryFillsThemAndShowsTheWindow) {
    HostObjects host;
    QLibrary library(moduleFile);
    ASSERT_TRUE(library.load());
    auto variable = [&library](const char* name) { return reinterpret_cast<void**>(library.resolve(name)); };
    for (const char* name :
         {"_InfoForm",      "_Global",           "_MyDate",         "_MyDatabase",   "_TempGridForm",
          "_ShowStateForm", "_DlgMsg",           "_MakanForm",      "_VazDaraeForm", "_VezaratForm",
          "_MabadiForm",    "_AstehlakForm",     "_GheimatForm",    "_SakhtarForm",  "_AmvalForm",
          "_Tafsily2Form",  "_GrohTafsily2Form", "_DepartForm",     "_PersonelForm", "_SelForm",
          "_FrmBatch",      "_CodeSelectForm",   "_GrafColSetForm", "_GrafForm"}) {
        ASSERT_NE(variable(name), nullptr) << name;
        EXPECT_EQ(*variable(name), nullptr) << name;
    }
    reinterpret_cast<ModuleLibrary::OstavanEntry>(library.resolve("Ostavan"))(
        &host.panel, host.session.Global(), host.session.MyDate(), host.session.MyDatabase(),
        &host.tempGridForm, &host.showStateForm, &host.dlgMsg);
    EXPECT_EQ(*variable("_Global"), host.session.Global());
    EXPECT_EQ(*variable("_MyDatabase"), host.session.MyDatabase());
    EXPECT_EQ(*variable("_DlgMsg"), &host.dlgMsg);
    QPointer<ui::TForm> window = host.window();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(*variable("_InfoForm"), window.data());
    EXPECT_EQ(window->geometry(), host.panel.contentsRect());
    EXPECT_NE(window->findChild<ui::TPageControl*>(QStringLiteral("Info_PageControl")), nullptr);
    // Unloading the module destroys its window.
    ASSERT_TRUE(library.unload());
    EXPECT_TRUE(window.isNull());
}

TEST(ModuleLibrary, NoObjectOfEitherSessionKeepsAPointerIntoAnUnloadedModule) {
    HostObjects first;
    HostObjects second;
    ModuleLibrary module;
    module.Load(moduleFile);
    first.enter(module);
    ASSERT_TRUE(static_cast<bool>(first.session.Global()->OnShowMsg));
    second.enter(module);
    for (const HostObjects* host : {&first, &second}) {
        if (host == &second)
            module.Unload();
        const tarvand::TGlobal& global = *host->session.Global();
        EXPECT_FALSE(static_cast<bool>(host->session.MyDatabase()->OnShowMsg));
        EXPECT_FALSE(static_cast<bool>(global.OnShowMsg));
        // The toolkit object keeps the database object its session gave it, and no other's.
        EXPECT_EQ(global.MyDatabase, host->session.MyDatabase());
        EXPECT_EQ(global.DlgMsg, nullptr);
    }
}
