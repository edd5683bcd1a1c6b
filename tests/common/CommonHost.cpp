#include "CommonHost.h"

#include "HostContext.h"
#include "HostOptions.h"
#include "HostSession.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TImage.h"
#include "TMemo.h"
#include "TMyDatabase.h"
#include "TTempGridForm.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace tarvand::testsupport {

CommonHost::CommonHost(int userId) {
    host::HostOptions options;
    options.DatabasePath = demo_.path();
    options.UserId = userId;
    session_ = std::make_unique<host::HostSession>(options, appDir_.path(), QDate(2024, 12, 4));
    dlgMsg_ = std::make_unique<host::TDlgMsg>();
    tempGridForm_ = std::make_unique<host::TTempGridForm>(session_->MyDatabase());
    ::Global = session_->Global();
    ::MyDate = session_->MyDate();
    ::MyDatabase = session_->MyDatabase();
    ::TempGridForm = tempGridForm_.get();
    ::DlgMsg = dlgMsg_.get();
}

CommonHost::~CommonHost() {
    ::Global = nullptr;
    ::MyDate = nullptr;
    ::MyDatabase = nullptr;
    ::TempGridForm = nullptr;
    ::DlgMsg = nullptr;
}

void CommonHost::Exec(const QString& statement) {
    EXPECT_TRUE(session_->MyDatabase()->ExecSql(statement)) << statement.toStdString();
}

int ShowModalAndThen(ui::TForm& form, const std::function<void()>& act) {
    QTimer::singleShot(0, &form, [&form, act] {
        EXPECT_TRUE(form.IsModal());
        act();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the form did not end its modal loop";
        form.SetModalResult(-1);
    });
    watchdog.start(10000);
    return form.ShowModal();
}

namespace {

// The kind as the dialog shows it: the button set's digit and the icon's letter.
QString shownKind(const host::TDlgMsg& dialog) {
    QString kind;
    if (!dialog.BBtnYes->isHidden() && !dialog.BBtnNo->isHidden())
        kind += QLatin1Char('3');
    else if (!dialog.BBtnOK2->isHidden() && !dialog.BBtnCancel->isHidden())
        kind += QLatin1Char('2');
    else if (!dialog.BBtnOK1->isHidden())
        kind += QLatin1Char('1');
    const std::pair<ui::TImage*, char> icons[] = {{dialog.I_Warning, 'W'},
                                                  {dialog.I_Question, 'Q'},
                                                  {dialog.I_Error, 'E'},
                                                  {dialog.I_Stop, 'S'},
                                                  {dialog.I_Info, 'I'}};
    for (const auto& [image, letter] : icons) {
        if (!image->isHidden())
            kind += QLatin1Char(letter);
    }
    return kind;
}

} // namespace

MessageAnswers::MessageAnswers(host::TDlgMsg& dialog, std::initializer_list<int> results)
    : dialog_(dialog), results_(results), formShow_(dialog.OnShow) {
    dialog_.OnShow = [this](QObject* sender) {
        if (formShow_)
            formShow_(sender);
        shown_.append({dialog_.Memo1->Text(), dialog_.Caption(), shownKind(dialog_)});
        if (results_.isEmpty()) {
            ADD_FAILURE() << "an unexpected message: " << dialog_.Memo1->Text().toStdString();
            dialog_.SetModalResult(ui::mrCancel);
            return;
        }
        dialog_.SetModalResult(results_.takeFirst());
    };
}

MessageAnswers::~MessageAnswers() {
    dialog_.OnShow = formShow_;
    EXPECT_TRUE(results_.isEmpty()) << results_.size() << " answers were not asked for";
}

} // namespace tarvand::testsupport
