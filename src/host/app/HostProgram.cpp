#include "HostProgram.h"

#include "Exception.h"
#include "HostSession.h"
#include "ModuleLibrary.h"
#include "TDlgMsg.h"
#include "TGlobal.h"
#include "TMainForm.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <cstdio>

namespace tarvand::host {

HostProgram::HostProgram(const HostOptions& options, ModuleLibrary& module)
    : options_(options), module_(module) {}

HostProgram::~HostProgram() {
    // The module's window goes before the objects it was handed; the library itself stays loaded
    // until its owner unloads it.
    try {
        module_.ReleaseIt();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvand-host: Release_It failed: %s\n", error.what());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mainForm_.reset();
    tempGridForm_.reset();
    showStateForm_.reset();
    dlgMsg_.reset();
    session_.reset();
}

int HostProgram::fail(ExitCode code, const QString& message) {
    std::fprintf(stderr, "tarvand-host: %s\n", qUtf8Printable(message));
    return code;
}

int HostProgram::Run() {
    dlgMsg_ = std::make_unique<TDlgMsg>();
    showStateForm_ = std::make_unique<TShowStateForm>();
    try {
        openSession();
    } catch (const Exception& error) {
        return fail(DatabaseError, error.Message);
    }
    tempGridForm_ = std::make_unique<TTempGridForm>(session_->MyDatabase());
    session_->MyDatabase()->SetListPicker(tempGridForm_.get());
    buildWindow();

    const QString modulePath = options_.ModulePath.isEmpty()
                                   ? ModuleLibrary::DefaultPath(QCoreApplication::applicationDirPath())
                                   : options_.ModulePath;
    try {
        module_.Load(modulePath);
    } catch (const Exception& error) {
        return fail(ModuleError, error.Message);
    }
    try {
        module_.Ostavan(mainForm_->plClient, session_->Global(), session_->MyDate(), session_->MyDatabase(),
                        tempGridForm_.get(), showStateForm_.get(), dlgMsg_.get());
    } catch (const std::exception& error) {
        return fail(
            EntryError,
            QStringLiteral("Ostavan of %1 failed: %2").arg(module_.Path(), QString::fromUtf8(error.what())));
    }
    closeWithTheModulesWindow();
    if (options_.Tab >= 0 && !showTab())
        return fail(UsageError, QStringLiteral("The module's window has no tab %1.").arg(options_.Tab));

    if (!options_.ScreenshotPath.isEmpty())
        return saveScreenshot()
                   ? Success
                   : fail(ScreenshotError, QStringLiteral("Cannot write %1").arg(options_.ScreenshotPath));
    return QCoreApplication::exec();
}

void HostProgram::openSession() {
    const bool firstStart =
        options_.DatabasePath.isEmpty() && !QFileInfo::exists(HostSession::DefaultDatabasePath());
    if (firstStart)
        showStateForm_->ShowState(QStringLiteral("ساختن بانك اطلاعاتي شركت نمونه ..."));
    const QDate today = QDate::currentDate();
    try {
        session_ = std::make_unique<HostSession>(options_, QCoreApplication::applicationDirPath(), today);
    } catch (...) {
        showStateForm_->HideState();
        throw;
    }
    showStateForm_->HideState();
}

void HostProgram::buildWindow() {
    mainForm_ = std::make_unique<TMainForm>();
    const TGlobal& global = *session_->Global();
    mainForm_->SetTitle(
        QStringLiteral("تاروند - %1 - سال مالي %2").arg(session_->CompanyName(), global.FiscalYear));
    const QString database = QDir::toNativeSeparators(session_->DatabasePath());
    mainForm_->SetStatus(
        QStringLiteral("كاربر: %1     تاريخ: %2     دوره مالي: %3 تا %4     بانك اطلاعاتي: %5")
            .arg(session_->UserName(), global.WorkDate, global.PeriodFrom, global.PeriodTo,
                 QFileInfo(database).fileName()),
        database);
    // The suite's windows fill the screen, as the module's own window does.
    mainForm_->SetWindowState(ui::wsMaximized);
    mainForm_->Show();
}

void HostProgram::closeWithTheModulesWindow() {
    // This host has nothing to offer without the module's window: when the user closes that window,
    // the program ends. The call is queued, so it is dropped when the main window goes first.
    TMainForm* mainForm = mainForm_.get();
    for (ui::TForm* window :
         mainForm->plClient->findChildren<ui::TForm*>(QString(), Qt::FindDirectChildrenOnly))
        QObject::connect(
            window, &QObject::destroyed, mainForm, [mainForm] { mainForm->Close(); }, Qt::QueuedConnection);
}

bool HostProgram::showTab() {
    auto* pages = mainForm_->findChild<ui::TPageControl*>(QStringLiteral("Info_PageControl"));
    if (pages == nullptr || options_.Tab >= pages->PageCount())
        return false;
    pages->SetActivePageIndex(options_.Tab);
    return true;
}

bool HostProgram::saveScreenshot() {
    // Every pending layout, show and paint event first, so that the picture is what a user sees.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    const QPixmap picture = mainForm_->grab();
    const QFileInfo target(options_.ScreenshotPath);
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    return picture.save(target.absoluteFilePath(), "PNG");
}

} // namespace tarvand::host
