// Search.dll: finding text in the selected column, and the multi-column sort.
#include "SiblingEntries.h"
#include "SiblingFixture.h"
#include "TColumn.h"
#include "TColumnTitle.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace tarvand::siblingtests {
namespace {

const QString searchModule = "\\DLLs\\GlobalForms\\Search.dll";

class SearchModule : public SiblingFixture {
protected:
    SearchModule() : module_(searchModule) {}

    // Searches the grid's selected column, starting from previous; returns the entry's result.
    QString search(const QString& previous, const std::function<void(QWidget*)>& work) {
        const auto gridSearch = module_.Resolve<sibling::GridSearchEntry>("GridSearch");
        EXPECT_NE(gridSearch, nullptr) << module_.ErrorText().toStdString();
        QString result = "untouched";
        if (gridSearch == nullptr)
            return result;
        const QString text1, text2;
        onModal(work, [&] { gridSearch(grid, &text1, &text2, &previous, &result); });
        return result;
    }

    void advancedSort(const std::function<void(QWidget*)>& work) {
        const auto advSort = module_.Resolve<sibling::AdvSortEntry>("AdvSort");
        ASSERT_NE(advSort, nullptr) << module_.ErrorText().toStdString();
        const QString empty;
        QString result;
        onModal(work, [&] { advSort(grid, &empty, &empty, &empty, &result); });
    }

    LoadedModule module_;
};

TEST_F(SearchModule, NextAndPreviousWalkTheMatchesOfTheSelectedColumnAndTheTextComesBack) {
    showTable("D_Makan");
    grid->SetSelectedIndex(1);
    const QString result = search(QString(), [this](QWidget* dialog) {
        keepPicture(dialog, "GridSearch");
        // Typed on a Persian keyboard: its kaf differs from the one the company's texts use.
        type(dialog, "کارخانه");
        press(dialog, Qt::Key_Return);
        EXPECT_EQ(table_.RecNo(), 2);
        press(dialog, Qt::Key_Return);
        EXPECT_EQ(table_.RecNo(), 3);
        press(dialog, Qt::Key_F3);
        EXPECT_EQ(table_.RecNo(), 4);
        QTest::mouseClick(dialog->findChild<QWidget*>("FindPrevious"), Qt::LeftButton);
        EXPECT_EQ(table_.RecNo(), 3);
        press(dialog, Qt::Key_F3, Qt::ShiftModifier);
        EXPECT_EQ(table_.RecNo(), 2);
        // Back past the first match goes round to the last one.
        press(dialog, Qt::Key_F3, Qt::ShiftModifier);
        EXPECT_EQ(table_.RecNo(), 7);
        EXPECT_FALSE(note(dialog).isEmpty());
        press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, "کارخانه");
    EXPECT_EQ(current("MakanCod"), "  7");
}

TEST_F(SearchModule, StartsFromThePreviousTextAndWholeValueMatchesOnlyTheWholeCell) {
    showTable("D_Makan");
    grid->SetSelectedIndex(1);
    const QString result = search("انبار موقت جاده ساوه", [this](QWidget* dialog) {
        auto* text = dialog->findChild<QLineEdit*>("SearchText");
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), "انبار موقت جاده ساوه");
        QTest::mouseClick(dialog->findChild<QRadioButton*>("WholeValue"), Qt::LeftButton);
        text->setFocus();
        press(dialog, Qt::Key_Return);
        EXPECT_EQ(current("MakanCod"), "  9");
        // A word of a name is no whole name: nothing is found and the grid stays.
        text->selectAll();
        type(dialog, "انبار");
        press(dialog, Qt::Key_Return);
        EXPECT_EQ(current("MakanCod"), "  9");
        EXPECT_TRUE(note(dialog).contains("پيدا نشد"));
        press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, "انبار");
}

TEST_F(SearchModule, LeavingWithoutSearchingGivesThePreviousTextBack) {
    showTable("D_Makan");
    const QString result = search("دفتر", [](QWidget* dialog) { press(dialog, Qt::Key_Escape); });
    EXPECT_EQ(result, "دفتر");
    EXPECT_EQ(table_.RecNo(), 1);
}

TEST_F(SearchModule, AdvancedSortSetsTheSortTextAndMarksTheTitles) {
    showTable("D_Makan");
    advancedSort([this](QWidget* dialog) {
        keepPicture(dialog, "AdvSort");
        auto* columns = dialog->findChild<QListWidget*>("Columns");
        auto* sort = dialog->findChild<QListWidget*>("SortColumns");
        ASSERT_NE(columns, nullptr);
        ASSERT_NE(sort, nullptr);
        ASSERT_EQ(columns->count(), 3);
        columns->setFocus();
        columns->setCurrentRow(2); // Tafsily2
        press(dialog, Qt::Key_Insert);
        columns->setFocus();
        columns->setCurrentRow(0); // MakanCod
        press(dialog, Qt::Key_Insert);
        sort->setFocus();
        press(dialog, Qt::Key_Space); // MakanCod descending
        ASSERT_EQ(sort->count(), 2);
        keepPicture(dialog, "AdvSortChosen");
        press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(table_.Sort(), " Tafsily2 ASC , MakanCod DESC ");
    table_.First();
    EXPECT_EQ(current("Tafsily2"), "010001");
    table_.SetRecNo(5);
    EXPECT_EQ(current("MakanCod"), "  9"); // 020002 twice: 9 before 3
    EXPECT_EQ(grid->Columns()->Items(2)->Title()->FontColor(), QColor(Qt::red));
    EXPECT_EQ(grid->Columns()->Items(0)->Title()->FontColor(), QColor(Qt::blue));
    EXPECT_EQ(grid->Columns()->Items(1)->Title()->FontColor(), QColor(Qt::black));
}

TEST_F(SearchModule, AdvancedSortStartsFromTheDatasetsSortAndEscKeepsIt) {
    showTable("D_Makan");
    table_.SetSort(" MakanNam DESC ");
    advancedSort([](QWidget* dialog) {
        auto* sort = dialog->findChild<QListWidget*>("SortColumns");
        ASSERT_NE(sort, nullptr);
        ASSERT_EQ(sort->count(), 1);
        EXPECT_TRUE(sort->item(0)->text().contains("نزولي"));
        sort->setFocus();
        press(dialog, Qt::Key_Delete);
        EXPECT_EQ(sort->count(), 0);
        press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(table_.Sort(), " MakanNam DESC ");
}

} // namespace
} // namespace tarvand::siblingtests
