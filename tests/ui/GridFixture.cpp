#include "GridFixture.h"

#include "TADOQuery.h"
#include "TField.h"

namespace tarvand::ui::test {

void GridFixture::SetUp() {
    Application->OnException = [this](const std::exception& error) {
        errors.append(QString::fromUtf8(error.what()));
    };
    connection.SetConnectionString("Provider=SQLite;Data Source=" + database.path());
    connection.Open();
    table = openTable("D_Makan");
    showGrid(table.get(), {"MakanCod", "MakanNam", "Tafsily2"});
    grid->SetSelectedIndex(1);
}

void GridFixture::TearDown() {
    tester.reset();
    form.reset();
    Application->OnException = nullptr;
}

std::unique_ptr<data::TADOTable> GridFixture::openTable(const QString& name) {
    auto opened = std::make_unique<data::TADOTable>();
    opened->SetConnection(&connection);
    opened->SetTableName(name);
    opened->Open();
    return opened;
}

void GridFixture::showGrid(data::TDataSet* dataSet, const QStringList& fields) {
    tester.reset();
    form = std::make_unique<TForm>();
    form->resize(640, 360);
    grid = new TDBGrid(form.get());
    grid->SetName("dbgMakan");
    grid->SetAlign(alClient);
    for (const QString& field : fields) {
        grid->Columns()->Add()->SetFieldName(field);
    }
    source.SetDataSet(dataSet);
    grid->SetDataSource(&source);
    tester = std::make_unique<QAbstractItemModelTester>(
        grid->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    form->Show();
    QApplication::setActiveWindow(form.get());
    grid->setFocus();
}

void GridFixture::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void GridFixture::type(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        } else {
            // Letters of other scripts arrive with their code point as the key, as keyboards send them.
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(c.unicode()), QString(c),
                                Qt::NoModifier);
        }
    }
}

QString GridFixture::cell(int row, int column) const {
    return grid->model()->index(row, column).data().toString();
}

QString GridFixture::stored(const QString& code) const {
    data::TADOQuery query;
    query.SetConnection(const_cast<data::TADOConnection*>(&connection));
    query.SetSQL(QStringLiteral("Select MakanNam From D_Makan Where MakanCod = '%1'").arg(code));
    query.Open();
    return query.IsEmpty() ? QString() : query.FieldByIndex(0)->AsString();
}

} // namespace tarvand::ui::test
