#include "ToolkitGridFixture.h"

#include "SuitePath.h"
#include "TApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvand::test {

namespace {

const char* const siblingEntries[] = {"GridSearch", "AdvSort", "ShowFilter", "RepPropertyForm_Show",
                                      "PrintForm_Show"};

} // namespace

void ToolkitGridFixture::SetUp() {
    ASSERT_TRUE(appDir.isValid());
    for (const char* folder : {"EXCEL", "WORD", "html", "DLLs/GlobalForms"})
        ASSERT_TRUE(QDir(appDir.path()).mkpath(QLatin1String(folder)));
    for (const char* entry : siblingEntries)
        qApp->setProperty(entry, QVariant());
    ui::Application->OnException = [this](const std::exception& error) {
        errors.append(QString::fromUtf8(error.what()));
    };

    connection.SetConnectionString("Provider=SQLite;Data Source=" + database.path());
    connection.Open();
    global.UserId = 1;
    global.CompanyCode = "01";
    global.FiscalYear = "1403";
    global.WorkDate = "1403/05/09";
    global.AppPath = QDir::toNativeSeparators(appDir.path());
    global.OnShowMsg = [this](const QString& msg, const QString& title, const QString& kind) {
        shown.push_back({msg, title, kind});
        return 1;
    };
    global.ShowMessage = [this](const QString& text) { plainMessages.append(text); };
    global.OpenDocument = [this](const QString& path) { openedDocuments.append(path); };
    myDatabase = std::make_unique<TMyDatabase>(&connection, &global);
    global.MyDatabase = myDatabase.get();
}

void ToolkitGridFixture::TearDown() {
    form.reset();
    ui::Application->OnException = nullptr;
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

std::unique_ptr<data::TADOTable> ToolkitGridFixture::openTable(const QString& name) {
    auto table = std::make_unique<data::TADOTable>();
    table->SetConnection(&connection);
    table->SetTableName(name);
    table->Name = "tbl" + name;
    table->Open();
    return table;
}

std::unique_ptr<data::TADOQuery> ToolkitGridFixture::openQuery(const QString& sql) {
    auto query = std::make_unique<data::TADOQuery>();
    query->SetConnection(&connection);
    query->SetSQL(sql);
    query->Name = "quList";
    query->Open();
    return query;
}

ui::TDBGrid* ToolkitGridFixture::showGrid(data::TDataSet* dataset, const QStringList& columns) {
    form = std::make_unique<ui::TForm>();
    form->resize(640, 360);
    grid = new ui::TDBGrid(form.get());
    grid->SetName("dbgName");
    grid->SetAlign(ui::alClient);
    for (const QString& spec : columns) {
        ui::TColumn* column = grid->Columns()->Add();
        column->SetFieldName(spec.section(QLatin1Char(':'), 0, 0));
        if (spec.contains(QLatin1Char(':')))
            column->Title()->SetCaption(spec.section(QLatin1Char(':'), 1));
    }
    source.SetDataSet(dataset);
    grid->SetDataSource(&source);
    form->Show();
    return grid;
}

void ToolkitGridFixture::installSibling(const QString& suiteName) {
    const QString target =
        QDir(appDir.filePath("DLLs/GlobalForms"))
            .filePath(QFileInfo(suiteName).completeBaseName() + SuitePath::LibrarySuffix());
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOOLKIT_TEST_SIBLING), target)) << target.toStdString();
}

QString ToolkitGridFixture::appFile(const QString& relative) const {
    return appDir.filePath(relative);
}

QString ToolkitGridFixture::scalar(const QString& sql) {
    data::TADOQuery query;
    query.SetConnection(&connection);
    query.SetSQL(sql);
    query.Open();
    return query.IsEmpty() ? QString() : query.FieldByIndex(0)->AsString();
}

QString ToolkitGridFixture::siblingCall(const char* entry) {
    return qApp->property(entry).toString();
}

} // namespace tarvand::test
