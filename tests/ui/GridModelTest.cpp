// The grid's model and columns on their own: what a view is told, and where cells come from.
#include "DBGridModel.h"
#include "DemoDatabase.h"
#include "EditMask.h"
#include "TADOConnection.h"
#include "TADOTable.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGridColumns.h"
#include "TDataSource.h"
#include "TField.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tarvand::ui {
namespace {

class GridModel : public ::testing::Test {
protected:
    void SetUp() override {
        connection.SetConnectionString("Provider=SQLite;Data Source=" + database.path());
        connection.Open();
        table.SetConnection(&connection);
        table.SetTableName("D_Makan");
        table.Open();
        source.SetDataSet(&table);
    }
    // The model over the dataset, watched by Qt's model tester from then on.
    void attach() {
        model.SetDataSource(&source);
        tester = std::make_unique<QAbstractItemModelTester>(
            &model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    testsupport::DemoDatabase database;
    data::TADOConnection connection;
    data::TADOTable table;
    data::TDataSource source;
    DBGridModel model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(GridModel, DefaultColumnsShowEveryVisibleFieldUntilCodeAddsItsOwnWhichStay) {
    table.FieldByName("Tafsily2")->SetVisible(false);
    attach();
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.Columns()->State(), csDefault);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "MakanNam");
    EXPECT_EQ(model.rowCount(), 9);
    EXPECT_EQ(model.index(1, 1).data().toString(), "كارخانه - سالن توليد يك");
    TColumn* name = model.Columns()->Add();
    name->SetFieldName("makannam");
    name->Title()->SetCaption("نام");
    EXPECT_EQ(model.Columns()->State(), csCustomized);
    EXPECT_EQ(model.columnCount(), 1);
    table.Close();
    table.Open();
    EXPECT_EQ(model.columnCount(), 1);
    EXPECT_EQ(model.FieldAt(0), table.FieldByName("MakanNam"));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "نام");
    // A dataset reopened behind disabled controls gets fresh fields.
    table.DisableControls();
    table.Close();
    table.Open();
    table.EnableControls();
    EXPECT_EQ(model.FieldAt(0), table.FieldByName("MakanNam"));
    EXPECT_EQ(model.index(0, 0).data().toString(), "ساختمان مركزي - طبقه سوم، مديريت");
}

TEST_F(GridModel, TheViewIsToldOnlyWhatChangedReadOnlyCellsAreNotEditableAndColumnsMoveWithTheirSettings) {
    attach();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    table.SetRecNo(4);
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 0);
    EXPECT_EQ(changed.at(1).at(0).toModelIndex().row(), 3);
    EXPECT_EQ(model.headerData(3, Qt::Vertical, DBGridModel::IndicatorRole).toInt(), 1);
    EXPECT_EQ(model.headerData(0, Qt::Vertical, DBGridModel::IndicatorRole).toInt(), 0);
    table.Edit();
    changed.clear();
    table.FieldByName("Tafsily2")->SetAsString("010002");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex(), model.index(3, 2));
    EXPECT_EQ(changed.at(0).at(1).toModelIndex(), model.index(3, 2));
    EXPECT_EQ(model.headerData(3, Qt::Vertical, DBGridModel::IndicatorRole).toInt(), 2);
    table.Cancel();
    table.Append();
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.CurrentRow(), 9);
    EXPECT_EQ(model.headerData(9, Qt::Vertical, DBGridModel::IndicatorRole).toInt(), 3);
    table.Cancel();
    EXPECT_EQ(model.rowCount(), 9);
    EXPECT_TRUE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    model.Columns()->Items(1)->SetReadOnly(true);
    EXPECT_FALSE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    table.FieldByName("MakanCod")->SetReadOnly(true);
    EXPECT_FALSE(model.CanEditColumn(0));
    EXPECT_TRUE(model.CanEditColumn(2));
    model.SetEditing(false);
    EXPECT_FALSE(model.CanEditColumn(2));
    // Columns move and keep their settings.
    TColumn* code = model.Columns()->Items(0);
    code->SetWidth(55);
    code->SetIndex(2);
    EXPECT_EQ(model.Columns()->IndexOf(code), 2);
    EXPECT_EQ(model.FieldAt(2)->FieldName(), "MakanCod");
    EXPECT_EQ(model.Columns()->FindByFieldName("MAKANCOD"), code);
    EXPECT_EQ(code->Width(), 55);
}

TEST_F(GridModel, ExceptionsWhileReadingCellsGoToTheHandler) {
    table.Close();
    table.AddField("MakanCod", data::TFieldType::ftString, 3);
    table.AddCalcField("Broken", data::TFieldType::ftString, 10);
    bool armed = false;
    table.OnCalcFields = [&](data::TDataSet*) {
        if (armed) {
            throw std::runtime_error("calculation failed");
        }
    };
    table.Open();
    armed = true;
    DBGridModel model;
    int handled = 0;
    model.SetExceptionHandler([&] {
        try {
            throw;
        } catch (const std::runtime_error&) {
            ++handled;
        }
    });
    model.SetDataSource(&source);
    EXPECT_TRUE(model.index(3, 1).data().toString().isEmpty());
    EXPECT_EQ(handled, 1);
}

TEST(EditMaskTranslation, DigitsLettersAndLiteralsCarryOver) {
    EXPECT_EQ(EditMask::toInputMask("0000/00/00"), "9999/99/99");
    EXPECT_EQ(EditMask::toInputMask("!99/99/00;1;_"), "00/00/99;_");
    EXPECT_EQ(EditMask::toInputMask(">LL-aa\\0"), ">AA-nn\\0");
    EXPECT_EQ(EditMask::toInputMask("<>CcX"), "!Xx\\X");
    EXPECT_TRUE(EditMask::toInputMask(QString()).isEmpty());
}

} // namespace
} // namespace tarvand::ui
