#include "ModuleHost.h"

#include "HostContext.h"
#include "HostOptions.h"
#include "HostSession.h"
#include "ModuleEntry.h"
#include "TDlgMsg.h"
#include "TForm.h"
#include "TMyDatabase.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace tarvand::testsupport {

ModuleHost::ModuleHost(int userId) {
    host::HostOptions options;
    options.DatabasePath = demo_.path();
    options.UserId = userId;
    session_ = std::make_unique<host::HostSession>(options, appDir_.path(), QDate(2024, 12, 4));
    dlgMsg_ = std::make_unique<host::TDlgMsg>();
    showStateForm_ = std::make_unique<host::TShowStateForm>();
    tempGridForm_ = std::make_unique<host::TTempGridForm>(session_->MyDatabase());
    mainForm_ = std::make_unique<ui::TForm>();
    mainForm_->setGeometry(QGuiApplication::primaryScreen()->geometry());
    clientPanel_ = new ui::TPanel(mainForm_.get());
    clientPanel_->SetName(QStringLiteral("plClient"));
    clientPanel_->SetBevelOuter(ui::bvNone);
    clientPanel_->SetAlign(ui::alClient);
    mainForm_->Show();
}

ModuleHost::~ModuleHost() {
    Release_It();
    ProcessDeferredDeletes();
    mainForm_.reset();
    Global = nullptr;
    MyDate = nullptr;
    MyDatabase = nullptr;
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

void ModuleHost::WriteOptionsFile(const QByteArray& text) {
    ASSERT_TRUE(QDir(appDir_.path()).mkpath(QStringLiteral("Data")));
    QFile file(appDir_.filePath(QStringLiteral("Data/Options.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QWidget* ModuleHost::ClientPanel() const {
    return clientPanel_;
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace tarvand::testsupport
