#pragma once

#include "DemoDatabase.h"
#include "TADOConnection.h"
#include "TADOTable.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TForm.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace tarvand::ui::test {

// A shown form with a grid over the demo company's asset locations (D_Makan: MakanCod, MakanNam,
// Tafsily2; nine rows, codes "  1" to "  9"), focused on the first row's name cell. Exceptions
// that reach the application object are collected in errors; Qt's model tester watches the grid's
// model throughout.
class GridFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a table of the demo company on the fixture's connection (not shown in a grid).
    std::unique_ptr<data::TADOTable> openTable(const QString& name);
    // Shows the grid over the dataset with the given columns (field names).
    void showGrid(data::TDataSet* dataSet, const QStringList& fields);

    // Keys go where the user's keys go: to the widget with the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void type(const QString& text);
    QString cell(int row, int column) const;
    QString stored(const QString& code) const;
    int currentViewRow() const { return grid->currentIndex().row(); }
    // The open cell editor, which has the focus while it is open.
    static QLineEdit* editor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

    testsupport::DemoDatabase database;
    data::TADOConnection connection;
    std::unique_ptr<data::TADOTable> table;
    data::TDataSource source;
    std::unique_ptr<TForm> form;
    TDBGrid* grid = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
    QStringList errors;
};

} // namespace tarvand::ui::test
