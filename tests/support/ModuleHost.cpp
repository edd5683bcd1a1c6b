#include "ModuleHost.h"

#include "HostOptions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace tarvand::testsupport {

ModuleHost::ModuleHost(int userId, Context context, bool onServer) : demo_(0, onServer) {
    host::HostOptions options;
    options.DatabasePath = demo_.path();
    options.UserId = userId;
    session_ = std::make_unique<host::HostSession>(options, appDir_.path(), QDate(2024, 12, 4));
    dlgMsg_ = std::make_unique<host::TDlgMsg>();
    showStateForm_ = std::make_unique<host::TShowStateForm>();
    tempGridForm_ = std::make_unique<host::TTempGridForm>(session_->MyDatabase());
    session_->MyDatabase()->SetListPicker(tempGridForm_.get());
    mainForm_ = std::make_unique<ui::TForm>();
    mainForm_->setGeometry(QGuiApplication::primaryScreen()->geometry());
    clientPanel_ = new ui::TPanel(mainForm_.get());
    clientPanel_->SetName(QStringLiteral("plClient"));
    clientPanel_->SetBevelOuter(ui::bvNone);
    clientPanel_->SetAlign(ui::alClient);
    mainForm_->Show();
    if (context == Context::SetNow) {
        ::Global = session_->Global();
        ::MyDate = session_->MyDate();
        ::MyDatabase = session_->MyDatabase();
        ::TempGridForm = tempGridForm_.get();
        ::ShowStateForm = showStateForm_.get();
        ::DlgMsg = dlgMsg_.get();
    }
}

ModuleHost::~ModuleHost() {
    Release_It();
    ProcessDeferredDeletes();
    mainForm_.reset();
    ::Global = nullptr;
    ::MyDate = nullptr;
    ::MyDatabase = nullptr;
    ::TempGridForm = nullptr;
    ::ShowStateForm = nullptr;
    ::DlgMsg = nullptr;
}

void ModuleHost::Ostavan() {
    Ostavan(ClientPanel());
}

void ModuleHost::Ostavan(QWidget* parent) {
    ::Ostavan(parent, session_->Global(), session_->MyDate(), session_->MyDatabase(), tempGridForm_.get(),
              showStateForm_.get(), dlgMsg_.get());
}

void ModuleHost::Exec(const QString& statement) {
    EXPECT_TRUE(session_->MyDatabase()->ExecSql(statement)) << statement.toStdString();
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace tarvand::testsupport
