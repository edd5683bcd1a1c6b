// Child program of the crash-recovery test: opens a company database through the host session
// and the module, and either changes it (rows through the detail-2 group editor, or a batch of
// assets) while killing itself at a chosen point mid-write, or checks and prints it.
//   tv_crash_driver <db> rows|batch delete|wal <kill at: 0 = never>   prints the write events
//   tv_crash_driver <db> check                                        integrity, then every row
#include "DeleteTags.h"
#include "GuardedApplication.h"
#include "HostContext.h"
#include "HostSession.h"
#include "ModuleEntry.h"
#include "TBaseEditorForm.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TCustomADODataSet.h"
#include "TDlgMsg.h"
#include "TEdit.h"
#include "TFrmBatch.h"
#include "TInfoForm.h"
#include "TPanel.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"
#include "TsqlFunctions.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <sqlite3.h>

using namespace tarvand;

namespace {

bool armed = false;
int events = 0;
int killAt = 0;

// Every row change and every commit of every connection is a point where the process may die.
void event() {
    if (armed && ++events == killAt)
        std::raise(SIGKILL);
}
int onOpen(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_update_hook(
        db, [](void*, int, const char*, const char*, sqlite3_int64) { event(); }, nullptr);
    sqlite3_commit_hook(
        db, [](void*) { return event(), 0; }, nullptr);
    return SQLITE_OK;
}

// The integrity check's verdict, then each table's rows in a fixed order.
QStringList dump(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sql::TsqlFunctions::registerAll(db); // the collation that the tables' indexes use
    QStringList lines;
    const auto query = [&](const QString& sql) {
        QStringList rows;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList cells;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                cells << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            rows << cells.join(u'|');
        }
        sqlite3_finalize(stmt);
        rows.sort();
        return rows;
    };
    lines << query(QStringLiteral("PRAGMA integrity_check"));
    for (const QString& table : query(QStringLiteral("Select name From sqlite_master Where type='table'")))
        lines << table << query(QStringLiteral("Select * From \"%1\"").arg(table));
    sqlite3_close(db);
    return lines;
}

void stage(const QString& path, int number) {
    QFile file(path + QStringLiteral(".stage%1").arg(number));
    if (file.open(QIODevice::WriteOnly))
        file.write(dump(path).join(u'\n').toUtf8());
}

void changeRows(const QString& path) {
    ::InfoForm->Info_PageControl->SetActivePage(::InfoForm->Tafsily2_TabSheet);
    ::InfoForm->cmbTafsily2->SetItemIndex(0);
    ::InfoForm->cmbTafsily2Change();
    auto* editor = qobject_cast<TBaseEditorForm*>(::InfoForm->Editor(TInfoForm::GrohTafsily2Editor));
    data::TCustomADODataSet* groups = editor->DataSet();
    const QString code = QStringLiteral("Tafsily2GrohCod");
    groups->Append();
    groups->FieldByName(code)->SetAsString(QStringLiteral("05"));
    groups->FieldByName(QStringLiteral("Tafsily2GrohNam"))->SetAsString(QStringLiteral("مراكز پشتيباني"));
    groups->Post();
    stage(path, 1);
    groups->Edit();
    groups->FieldByName(code)->SetAsString(QStringLiteral("06"));
    groups->Post();
    stage(path, 2);
    groups->Tag = DeleteAllowedTag;
    groups->Delete();
}

void createBatch() {
    auto* form = new TFrmBatch; // freed by its close action
    form->tFromCode->SetText(QStringLiteral("7001"));
    form->tToCode->SetText(QStringLiteral("7005"));
    form->tYears->SetText(QStringLiteral("5"));
    form->tbDate->SetText(QStringLiteral("1403/01/15"));
    form->BtnOk->click();
}

} // namespace

int main(int argc, char** argv) {
    ui::GuardedApplication application(argc, argv);
    const QStringList args = application.arguments();
    const QString path = args.value(1);
    if (args.value(2) == QLatin1String("check")) {
        std::fputs(dump(path).join(u'\n').toUtf8().constData(), stdout);
        return 0;
    }
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, ("PRAGMA journal_mode=" + args.value(3).toStdString()).c_str(), nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    killAt = args.value(4).toInt();
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&onOpen));

    host::HostOptions options;
    options.DatabasePath = path;
    QTemporaryDir appDir;
    host::HostSession session(options, appDir.path(), QDate(2024, 12, 4));
    host::TDlgMsg dlgMsg;
    host::TShowStateForm showStateForm;
    host::TTempGridForm tempGridForm(session.MyDatabase());
    ui::TForm mainForm;
    auto* client = new ui::TPanel(&mainForm);
    mainForm.Show();
    Ostavan(client, session.Global(), session.MyDate(), session.MyDatabase(), &tempGridForm, &showStateForm,
            &dlgMsg);
    stage(path, 0);
    armed = true;
    if (args.value(2) == QLatin1String("batch"))
        createBatch();
    else
        changeRows(path);
    armed = false;
    stage(path, 3);
    std::printf("%d\n", events);
    Release_It();
    return 0;
}
