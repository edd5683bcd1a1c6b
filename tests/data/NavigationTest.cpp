// Record numbers, Bof/Eof and moves on the row counts where they go wrong: none, one, several.
#include "DataTestDatabase.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

class Navigation : public ::testing::Test {
protected:
    std::unique_ptr<TADOTable> open(const QStringList& codes) {
        db.createCodedTable(codes);
        return db.openTable("Makan");
    }
    QString code(const TDataSet& dataSet) { return dataSet.FieldByName("Code")->AsString(); }
    DataTestDatabase db;
};

TEST_F(Navigation, EmptyDatasetHasNoRecord) {
    auto table = open({});
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_EQ(table->RecNo(), -1);
    EXPECT_TRUE(table->Bof());
    EXPECT_TRUE(table->Eof());
    table->First();
    table->Next();
    table->Last();
    table->Prior();
    EXPECT_EQ(table->MoveBy(5), 0);
    EXPECT_EQ(table->RecNo(), -1);
    EXPECT_TRUE(table->FieldByName("Code")->IsNull());
    EXPECT_EQ(table->FieldByName("Rate")->AsInteger(), 0);
    EXPECT_FALSE(table->Locate("Code", "1"));
}

TEST_F(Navigation, OneRowIsBothFirstAndLastAndAClosedDatasetRefusesToMoveButAnswersQuestions) {
    auto table = open({"1"});
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_TRUE(table->Bof());
    EXPECT_FALSE(table->Eof());
    table->Next();
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), 1);
    table->Prior();
    EXPECT_TRUE(table->Bof());
    EXPECT_FALSE(table->Eof());
    table->Last();
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), table->RecordCount());
    table->Close();
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_EQ(table->RecNo(), -1);
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_THROW(table->Next(), EDatabaseError);
    EXPECT_THROW(table->Edit(), EDatabaseError);
    EXPECT_EQ(table->FieldCount(), 0);
}

TEST_F(Navigation, WalkingMoveByAndSetRecNoStopAtTheEndsScrollingOnlyWhenMoved) {
    auto table = std::make_unique<TADOTable>();
    db.createCodedTable({"1", "2", "3", "4"});
    table->SetConnection(&db.connection());
    table->SetTableName("Makan");
    QStringList codes;
    table->AfterScroll = [&](TDataSet* dataSet) { codes.append(code(*dataSet)); };
    table->Open();
    QStringList seen;
    for (; !table->Eof(); table->Next()) {
        seen.append(code(*table));
    }
    EXPECT_EQ(seen, QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(table->RecNo(), 4);
    EXPECT_EQ(codes.mid(0, 4), seen);
    const qsizetype scrolls = codes.size();
    table->Next(); // already at the end: nothing moves, nothing scrolls
    EXPECT_EQ(codes.size(), scrolls);
    table->SetRecNo(2);
    EXPECT_EQ(codes.last(), "2");
    EXPECT_EQ(table->MoveBy(1), 1);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->MoveBy(5), 1);
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->MoveBy(-10), -3);
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->RecNo(), 1);
    table->SetRecNo(3);
    table->SetRecNo(0);
    table->SetRecNo(5);
    table->SetRecNo(-1);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(code(*table), "3");
}

TEST_F(Navigation, LocateMovesToTheFirstMatchOnly) {
    auto table = open({"a1", "b2", "B3"});
    db.exec("Update Makan Set Rate = 7 Where Code In ('b2', 'B3')");
    table->Requery();
    EXPECT_TRUE(table->Locate("Rate", 7));
    EXPECT_EQ(code(*table), "b2");
    EXPECT_TRUE(table->Locate("Rate", "7"));
    table->First();
    EXPECT_FALSE(table->Locate("Code", "b3"));
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_TRUE(table->Locate("Code", "b3", TLocateOption::loCaseInsensitive));
    EXPECT_EQ(code(*table), "B3");
    EXPECT_TRUE(table->Locate("code", "A", TLocateOption::loCaseInsensitive | TLocateOption::loPartialKey));
    EXPECT_EQ(code(*table), "a1");
    EXPECT_FALSE(table->Locate("Code", "a"));
}

TEST_F(Navigation, LocateOnSeveralFields) {
    auto table = open({"1", "2", "3"});
    db.exec("Update Makan Set Rate = 5");
    db.exec("Update Makan Set Name = 'same' Where Code <> '1'");
    table->Requery();
    EXPECT_TRUE(table->Locate("Name;Rate", QVariantList{"same", 5}));
    EXPECT_EQ(code(*table), "2");
    EXPECT_FALSE(table->Locate("Name;Rate", QVariantList{"same", 6}));
    EXPECT_TRUE(table->Locate("Value", QVariant()));
    EXPECT_THROW(table->Locate("Name;Rate", "same"), EDatabaseError);
    EXPECT_THROW(table->Locate("Missing", "x"), EDatabaseError);
}

} // namespace
} // namespace tarvand::data::test
