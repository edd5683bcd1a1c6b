#include "ToolkitGridFixture.h"

using namespace tarvand;
using tarvand::test::ToolkitGridFixture;

namespace {

class ColumnStateTest : public ToolkitGridFixture {
protected:
    void SetUp() override {
        ToolkitGridFixture::SetUp();
        table = openTable("D_Makan");
        showDesigned();
    }

    // The form as designed: code, name, detail-2, all visible.
    void showDesigned() {
        showGrid(table.get(), {"MakanCod", "MakanNam", "Tafsily2"});
        grid->Columns()->Items(0)->SetWidth(60);
        grid->Columns()->Items(1)->SetWidth(200);
        grid->Columns()->Items(2)->SetWidth(90);
    }
    void save() { global.SaveColumnState(grid, "D", "SABT", "MAKAN", ""); }
    void apply() {
        data::TADOQuery lookup;
        lookup.SetConnection(&connection);
        global.ApplyColumnState(&lookup, grid, "D", "SABT", "MAKAN", "");
    }
    QStringList order() const {
        QStringList names;
        for (int i = 0; i < grid->Columns()->Count(); ++i)
            names.append(grid->Columns()->Items(i)->FieldName());
        return names;
    }
    int storedRows(const QString& userId) {
        return scalar("Select Count(*) From Grid_State Where UserId = '" + userId + "' And sForm = 'MAKAN'")
            .toInt();
    }

    std::unique_ptr<data::TADOTable> table;
};

} // namespace

TEST_F(ColumnStateTest, SavedLayoutComesBackAfterReopeningForItsUserOnly) {
    grid->Columns()->Move(2, 0); // Tafsily2, MakanCod, MakanNam
    grid->Columns()->Items(1)->SetVisible(false);
    grid->Columns()->Items(2)->SetWidth(321);
    save();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].msg, "وضعيت ستونها ثبت شد.");
    EXPECT_EQ(shown[0].kind, "1ER");
    EXPECT_EQ(storedRows("1"), 3);
    EXPECT_EQ(
        scalar("Select sVisible + '/' + Cast(iLen As Varchar(10)) + '/' + Cast(iRaj As Varchar(10)) From "
               "Grid_State Where UserId = '1' And sColName = 'MakanCod'"),
        "F/60/1");

    showDesigned();
    apply();
    EXPECT_EQ(order(), (QStringList{"Tafsily2", "MakanCod", "MakanNam"}));
    EXPECT_FALSE(grid->Columns()->Items(1)->Visible());
    EXPECT_EQ(grid->Columns()->Items(2)->Width(), 321);
    EXPECT_EQ(grid->Columns()->Items(0)->Width(), 90);

    global.UserId = 2;
    showDesigned();
    apply();
    EXPECT_EQ(order(), (QStringList{"MakanCod", "MakanNam", "Tafsily2"}));
    EXPECT_TRUE(grid->Columns()->Items(0)->Visible());
    EXPECT_EQ(grid->Columns()->Items(1)->Width(), 200);
}

TEST_F(ColumnStateTest, ResetDeletesOnlyThisUsersLayoutAndLeavesTheGrid) {
    save();
    global.UserId = 2;
    save();
    grid->Columns()->Items(0)->SetVisible(false);
    shown.clear();
    global.ResetColumnState(grid, "D", "SABT", "MAKAN", "");
    EXPECT_EQ(storedRows("2"), 0);
    EXPECT_EQ(storedRows("1"), 3);
    EXPECT_FALSE(grid->Columns()->Items(0)->Visible());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].msg,
              QStringLiteral("ستونها به وضعيت اوليه بازگشت. \nلطفا براي مشاهده ستونهاي اوليه\nاز فرم "
                             "خارج شده و دوباره وارد شويد."));
    EXPECT_EQ(shown[0].kind, "1ER");
}

TEST_F(ColumnStateTest, RemovedColumnIsSkippedWithoutGapAndNamesMatchInAnyCase) {
    for (const char* statement :
         {"Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, iLen, iRaj) "
          "Values('1', 'T', 'D', 'SABT', 'MAKAN', '', 'tafsily2', 77, 0)",
          "Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, iLen, iRaj) "
          "Values('1', 'T', 'D', 'SABT', 'MAKAN', '', 'OldColumn', 50, 1)",
          "Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, iLen, iRaj) "
          "Values('1', 'T', 'D', 'SABT', 'MAKAN', '', 'MAKANNAM', 150, 2)"})
        ASSERT_TRUE(myDatabase->ExecSql(QLatin1String(statement)));
    apply();
    // The name takes the place the removed column left; the code, without a row, follows.
    EXPECT_EQ(order(), (QStringList{"Tafsily2", "MakanNam", "MakanCod"}));
    EXPECT_EQ(grid->Columns()->Items(0)->Width(), 77);
    EXPECT_EQ(grid->Columns()->Items(1)->Width(), 150);
    EXPECT_EQ(grid->Columns()->Items(2)->Width(), 60);
    EXPECT_EQ(TGlobal::FindGridColumn(grid, "makannam"), 1);
    EXPECT_EQ(TGlobal::FindGridColumn(grid, "OldColumn"), -1);
}

TEST_F(ColumnStateTest, ClosedDatasetSavesAndResetsNothingSilentlyAndQuotesStayInsideLiterals) {
    save();
    shown.clear();
    table->Close();
    grid->Columns()->Items(0)->SetVisible(false);
    global.SaveColumnState(grid, "D", "SABT", "MAKAN", "");
    global.ResetColumnState(grid, "D", "SABT", "MAKAN", "");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(scalar("Select sVisible From Grid_State Where UserId = '1' And sColName = 'MakanCod'"), "T");
    table->Open();
    global.SaveColumnState(grid, "D", "SABT", "MA'KAN", "");
    EXPECT_EQ(scalar("Select Count(*) From Grid_State Where sForm = 'MA''KAN'"), "3");
}
