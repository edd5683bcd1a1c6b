#include "ModuleLibrary.h"
#include "DemoDatabase.h"
#include "Exception.h"
#include "HostSession.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

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
const QString platformFile = QStringLiteral(TARVAND_PLATFORM_FILE);

QString loadFailure(ModuleLibrary& module, const QString& path) {
    try {
        module.Load(path);
    } catch (const Exception& error) {
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

TEST(ModuleLibrary, ReportsAMissingFileByItsPath) {
    ModuleLibrary module;
    const QString message = loadFailure(module, QStringLiteral("/no/such/folder/Tarvand.dll"));
    EXPECT_TRUE(message.contains(QStringLiteral("/no/such/folder/Tarvand"))) << message.toStdString();
    EXPECT_FALSE(module.IsLoaded());
}

TEST(ModuleLibrary, ReportsAFileThatIsNoLibrary) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("libbroken.so"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    ModuleLibrary module;
    const QString message = loadFailure(module, path);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot load the module"))) << message.toStdString();
    EXPECT_FALSE(module.IsLoaded());
}

TEST(ModuleLibrary, ReportsALibraryWithoutTheEntries) {
    ModuleLibrary module;
    const QString message = loadFailure(module, platformFile);
    EXPECT_TRUE(message.contains(QStringLiteral("does not export Ostavan and Release_It")))
        << message.toStdString();
    EXPECT_FALSE(module.IsLoaded());
}

TEST(ModuleLibrary, FindsTheModuleBuiltBesideTheHost) {
    const QString binFolder = QFileInfo(QStringLiteral(TARVAND_HOST_FILE)).absolutePath();
    EXPECT_EQ(QFileInfo(ModuleLibrary::DefaultPath(binFolder)).canonicalFilePath(),
              QFileInfo(moduleFile).canonicalFilePath());
}

TEST(ModuleLibrary, LoadsAModuleNamedTheSuitesWay) {
    const QFileInfo file(moduleFile);
    // "…\LIB\Tarvand.dll" for ".../lib/libtarvand.so".
    const QString suitePath =
        QDir::toNativeSeparators(file.absolutePath()).replace(QLatin1Char('/'), QLatin1Char('\\')) +
        QStringLiteral("\\Tarvand.dll");
    ModuleLibrary module;
    module.Load(suitePath);
    EXPECT_TRUE(module.IsLoaded());
    EXPECT_EQ(QFileInfo(module.Path()).canonicalFilePath(), file.canonicalFilePath());
    EXPECT_THROW(module.Load(moduleFile), Exception);
    module.Unload();
    EXPECT_FALSE(module.IsLoaded());
}

TEST(ModuleLibrary, EntryShowsTheModulesWindowInTheGivenPanelAndReleaseDestroysIt) {
    HostObjects host;
    ModuleLibrary module;
    module.Load(moduleFile);
    host.enter(module);
    QPointer<ui::TForm> window = host.window();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->parentWidget(), &host.panel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), host.panel.contentsRect());
    EXPECT_NE(window->findChild<ui::TPageControl*>(QStringLiteral("Info_PageControl")), nullptr);

    module.ReleaseIt();
    EXPECT_TRUE(window.isNull());
    module.Unload();
}

TEST(ModuleLibrary, SecondEntryShowsTheSameWindow) {
    HostObjects host;
    ModuleLibrary module;
    module.Load(moduleFile);
    host.enter(module);
    QPointer<ui::TForm> first = host.window();
    host.enter(module);
    EXPECT_EQ(host.window(), first.data());
    EXPECT_EQ(host.panel.findChildren<ui::TForm*>(QStringLiteral("InfoForm")).size(), 1);
    module.Unload();
    EXPECT_TRUE(first.isNull());
}

TEST(ModuleLibrary, UnloadReleasesTheWindowFirst) {
    HostObjects host;
    ModuleLibrary module;
    module.Load(moduleFile);
    host.enter(module);
    QPointer<ui::TForm> window = host.window();
    ASSERT_FALSE(window.isNull());
    module.Unload();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(module.IsLoaded());
    EXPECT_NO_THROW(module.ReleaseIt());
}

TEST(ModuleLibrary, EntryHandsTheModuleTheMessageDialog) {
    HostObjects host;
    ModuleLibrary module;
    module.Load(moduleFile);
    host.enter(module);
    // The toolkit's messages now go through the module's message function and the host's dialog.
    ASSERT_TRUE(static_cast<bool>(host.session.MyDatabase()->OnShowMsg));
    QTimer::singleShot(0, &host.dlgMsg, [&host] {
        EXPECT_TRUE(host.dlgMsg.IsModal());
        host.dlgMsg.SetModalResult(ui::mrYes);
    });
    EXPECT_EQ(host.session.MyDatabase()->OnShowMsg(QStringLiteral("آيا حذف شود؟"), QString(),
                                                   QStringLiteral("3QR")),
              ui::mrYes);
    module.Unload();
}
