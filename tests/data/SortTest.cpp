// Client-side Sort as the title-click sorting sets it: ADO text, toggling, several keys, Persian
// collation, numbers by value, NULLs first, ties in reading order, edits kept in place.
#include "DataTestDatabase.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

class Sorting : public ::testing::Test {
protected:
    void SetUp() override {
        db.exec(QStringLiteral("Create Table Amval (DaraCod varchar(10) Not Null Primary Key, "
                               "DaraNam varchar(100) Null, Salianeh int Null, EndValue decimal(19,0) Null)"));
    }
    void add(const QString& code, const QString& name, const QString& years, const QString& value = "Null") {
        db.exec(QStringLiteral("Insert Into Amval Values ('%1', %2, %3, %4)")
                    .arg(code, name == u"Null" ? name : u'\'' + name + u'\'', years, value));
    }
    QStringList column(const TDataSet& dataSet, const QString& name) {
        QStringList values;
        const int index = dataSet.FieldByName(name)->Index();
        for (int row = 0; row < dataSet.RecordCount(); ++row) {
            values.append(dataSet.ValueAt(row, index).toString());
        }
        return values;
    }

    DataTestDatabase db;
};

TEST_F(Sorting, TitleClicksToggleAscendingDescendingAndBack) {
    add("1", "b", "3");
    add("2", "c", "1");
    add("3", "a", "2");
    auto table = db.openTable("Amval");
    table->SetSort(" DaraNam ASC ");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"3", "1", "2"}));
    EXPECT_TRUE(table->Sort().toUpper().contains(" ASC "));
    table->SetSort(" DaraNam DESC ");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"2", "1", "3"}));
    table->SetSort(" daranam asc ");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"3", "1", "2"}));
    table->SetSort(QString());
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"1", "2", "3"}));
}

TEST_F(Sorting, SeveralKeysBracketedNamesAndNumbersByValue) {
    add("1", "x", "10");
    add("2", "y", "9");
    add("3", "x", "9");
    add("4", "y", "100");
    auto table = db.openTable("Amval");
    table->SetSort("[DaraNam] ASC, Salianeh DESC");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"1", "3", "4", "2"}));
    table->SetSort("Salianeh");
    EXPECT_EQ(column(*table, "Salianeh"), QStringList({"9", "9", "10", "100"}));
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"2", "3", "1", "4"})) << "ties keep the reading order";
}

TEST_F(Sorting, PersianNamesInAlphabeticalOrder) {
    add("1", "گلدان", "1");
    add("2", "پرده", "1");
    add("3", "ميز", "1");
    add("4", "بخاري", "1");
    add("5", "كمد", "1");
    add("6", "تلفن", "1");
    auto table = db.openTable("Amval");
    table->SetSort(" DaraNam ASC ");
    EXPECT_EQ(column(*table, "DaraNam"), QStringList({"بخاري", "پرده", "تلفن", "كمد", "گلدان", "ميز"}));
}

TEST_F(Sorting, NullsComeFirstAscendingAndLastDescending) {
    add("1", "b", "2");
    add("2", "Null", "Null");
    add("3", "a", "1");
    auto table = db.openTable("Amval");
    table->SetSort("DaraNam");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"2", "3", "1"}));
    table->SetSort("Salianeh DESC");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"1", "3", "2"}));
}

TEST_F(Sorting, RightAlignedCodesSortAsNumbersWould) {
    add("  5", "a", "1");
    add(" 12", "b", "1");
    add("  7", "c", "1");
    auto table = db.openTable("Amval");
    table->SetSort("DaraCod");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"  5", "  7", " 12"}));
}

TEST_F(Sorting, TheCurrentRecordStaysCurrent) {
    add("1", "c", "1");
    add("2", "a", "1");
    add("3", "b", "1");
    auto table = db.openTable("Amval");
    table->SetRecNo(1);
    table->SetSort("DaraNam");
    EXPECT_EQ(table->FieldByName("DaraCod")->AsString(), "1");
    EXPECT_EQ(table->RecNo(), 3);
}

TEST_F(Sorting, PostedRowsTakeTheirPlaceInTheSort) {
    add("1", "b", "1");
    add("2", "d", "1");
    auto table = db.openTable("Amval");
    table->SetSort("DaraNam");
    table->Append();
    table->FieldByName("DaraCod")->SetAsString("3");
    table->FieldByName("DaraNam")->SetAsString("a");
    table->Post();
    EXPECT_EQ(table->RecNo(), 1);
    table->Last();
    table->Edit();
    table->FieldByName("DaraNam")->SetAsString("c");
    table->Post();
    EXPECT_EQ(column(*table, "DaraNam"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(table->FieldByName("DaraNam")->AsString(), "c");
    EXPECT_EQ(table->RecNo(), 3);
}

TEST_F(Sorting, RequeryKeepsTheSortAndCloseDropsIt) {
    add("1", "b", "1");
    add("2", "a", "1");
    auto table = db.openTable("Amval");
    table->SetSort("DaraNam");
    add("3", "0", "1");
    table->Requery();
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"3", "2", "1"}));
    table->Close();
    EXPECT_TRUE(table->Sort().isEmpty());
    EXPECT_THROW(table->SetSort("DaraNam"), EDatabaseError);
    table->Open();
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"1", "2", "3"}));
}

TEST_F(Sorting, BadSortTextIsRefusedAndTheOrderKept) {
    add("1", "b", "1");
    add("2", "a", "1");
    auto table = db.openTable("Amval");
    table->SetSort("DaraNam");
    EXPECT_THROW(table->SetSort("Missing ASC"), EDatabaseError);
    EXPECT_THROW(table->SetSort("DaraNam UP"), EDatabaseError);
    EXPECT_THROW(table->SetSort("DaraNam,"), EDatabaseError);
    EXPECT_EQ(table->Sort(), "DaraNam");
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"2", "1"}));
}

} // namespace
} // namespace tarvand::data::test
