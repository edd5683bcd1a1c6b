// Filter.dll: conditions built in the dialog become SQL that narrows the grid's rows.
#include "SiblingEntries.h"
#include "SiblingFixture.h"
#include "TMenuItem.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tarvand::siblingtests {
namespace {

const QString filterModule = "\\DLLS\\GlobalForms\\Filter.dll";
const QString reportText = "مكان استقرار دارايي";

// Operators in the order of the dialog's list.
enum OperatorIndex { Equal = 0, NotEqual, Greater, Less, GreaterOrEqual, LessOrEqual, Contains, StartsWith };

class FilterModule : public SiblingFixture {
protected:
    FilterModule() : module_(filterModule) {}

    QString filter(const std::function<void(QWidget*)>& work) {
        const auto showFilter = module_.Resolve<sibling::ShowFilterEntry>("ShowFilter");
        EXPECT_NE(showFilter, nullptr) << module_.ErrorText().toStdString();
        QString result = "untouched";
        if (showFilter == nullptr)
            return result;
        const QString empty;
        onModal(work,
                [&] { showFilter(&global, myDatabase.get(), nullptr, grid, &reportText, &empty, &result); });
        return result;
    }

    // A control of the condition line `row` (1 is the first): "Link", "Field", "Operator" or "Value".
    template <typename Control> static Control* control(QWidget* dialog, int row, const char* name) {
        QWidget* line = dialog->findChild<QWidget*>(QStringLiteral("Condition%1").arg(row));
        return line != nullptr ? line->findChild<Control*>(QLatin1String(name)) : nullptr;
    }

    // Fills a line the way a user does: choosing from the lists with the keyboard, typing the value.
    static void fill(QWidget* dialog, int row, const QString& column, int op, const QString& value) {
        auto* field = control<QComboBox>(dialog, row, "Field");
        auto* operators = control<QComboBox>(dialog, row, "Operator");
        auto* edit = control<QLineEdit>(dialog, row, "Value");
        ASSERT_TRUE(field != nullptr && operators != nullptr && edit != nullptr);
        const int index = field->findText(column);
        ASSERT_GE(index, 0) << column.toStdString();
        field->setCurrentIndex(index);
        operators->setFocus();
        press(dialog, Qt::Key_Home);
        for (int i = 0; i < op; ++i)
            press(dialog, Qt::Key_Down);
        ASSERT_EQ(operators->currentIndex(), op);
        edit->setFocus();
        type(dialog, value);
    }

    LoadedModule module_;
};

// The toolkit's filter command with the real module: the first line starts on the selected column,
// the grid shows the filtered rows under the undo caption, and undoing gives the grid its own table
// back.
TEST_F(FilterModule, TheFilterCommandNarrowsTheGridAndItsUndoRestoresIt) {
    global.AppPath = QStringLiteral(TARVAND_APP_FOLDER);
    showTable("D_Makan");
    grid->SetSelectedIndex(1);
    const int all = table_.RecordCount();
    ui::TMenuItem item;
    item.SetCaption("پالايش گزارش ...");
    onModal(
        [](QWidget* dialog) {
            keepPicture(dialog, "FilterEmpty");
            EXPECT_EQ(control<QComboBox>(dialog, 1, "Field")->currentText(), "MakanNam");
            fill(dialog, 1, "MakanNam", Contains, "كارخانه");
            keepPicture(dialog, "FilterContains");
            press(dialog, Qt::Key_Return);
        },
        [&] { global.ToggleFilter(&item, grid, &table_, reportText); });
    EXPECT_EQ(item.Caption(), "بازگشت از پالايش");
    ASSERT_NE(grid->DataSet(), nullptr);
    EXPECT_NE(grid->DataSet(), &table_);
    EXPECT_EQ(grid->DataSet()->RecordCount(), 5);
    EXPECT_LT(5, all);
    EXPECT_TRUE(global.FilterActive);

    global.ToggleFilter(&item, grid, &table_, reportText);
    EXPECT_EQ(item.Caption(), "پالايش گزارش ...");
    EXPECT_EQ(grid->DataSet(), &table_);
    EXPECT_EQ(grid->DataSet()->RecordCount(), all);
    EXPECT_FALSE(global.FilterActive);
}

TEST_F(FilterModule, LinesJoinWithOrAndNumbersCompareAsNumbersOverAQuery) {
    showQuery("Select DaraCod, DaraNam, EndValue From D_Amval Order By DaraCod");
    const int all = query_.RecordCount();
    const int large = rowsOf("Select * From D_Amval Where EndValue >= 40000000000");
    ASSERT_GT(large, 0);
    const QString sql = filter([](QWidget* dialog) {
        fill(dialog, 1, "EndValue", GreaterOrEqual, "40,000,000,000");
        QTest::mouseClick(dialog->findChild<QPushButton*>("AddCondition"), Qt::LeftButton);
        fill(dialog, 2, "DaraCod", Equal, "2001");
        control<QComboBox>(dialog, 2, "Link")->setCurrentIndex(1); // or
        QTest::mouseClick(dialog->findChild<QPushButton*>("Count"), Qt::LeftButton);
        keepPicture(dialog, "FilterTwoLines");
        EXPECT_TRUE(note(dialog).contains("سازگار")) << note(dialog).toStdString();
        press(dialog, Qt::Key_Return);
    });
    ASSERT_FALSE(sql.isEmpty());
    data::TADOQuery filtered;
    filtered.SetConnection(&connection);
    filtered.SetSQL(sql);
    filtered.Open();
    EXPECT_EQ(filtered.RecordCount(), large + 1);
    EXPECT_LT(filtered.RecordCount(), all);
    // The query's order holds in the filtered rows.
    QString previous;
    for (filtered.First(); !filtered.Eof(); filtered.Next()) {
        const QString code = filtered.FieldByName("DaraCod")->AsString();
        EXPECT_LT(previous, code);
        previous = code;
    }
}

// A quote in the value stays inside its literal; a text for a number is refused in the dialog,
// which stays open saying why; cancelling gives nothing.
TEST_F(FilterModule, QuotedValuesStayLiteralAndATextForANumberIsRefused) {
    showQuery("Select DaraCod, DaraNam, EndValue From D_Amval");
    for (const QString& value : {QString("x' Or 1=1 --"), QString("'")}) {
        const QString sql = filter([&value](QWidget* dialog) {
            fill(dialog, 1, "DaraNam", Contains, value);
            press(dialog, Qt::Key_Return);
        });
        ASSERT_FALSE(sql.isEmpty());
        EXPECT_EQ(rowsOf(sql), 0);
    }
    const QString sql = filter([](QWidget* dialog) {
        fill(dialog, 1, "EndValue", Greater, "زياد");
        press(dialog, Qt::Key_Return);
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        EXPECT_TRUE(note(dialog).contains("عدد"));
        keepPicture(dialog, "FilterRefused");
        press(dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(sql.isEmpty());
}

} // namespace
} // namespace tarvand::siblingtests
