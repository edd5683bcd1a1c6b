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
    // Rows as "code|name|years", "Null" for NULL.
    std::unique_ptr<TADOTable> open(const QStringList& rows) {
        for (const QString& row : rows) {
            const QStringList cells = row.split(u'|');
            const QString name = cells[1] == u"Null" ? cells[1] : u'\'' + cells[1] + u'\'';
            db.exec(QStringLiteral("Insert Into Amval Values ('%1', %2, %3, Null)")
                        .arg(cells[0], name, cells[2]));
        }
        return db.openTable("Amval");
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

TEST_F(Sorting, OrdersRowsAsTheSortTextSays) {
    const QStringList three = {"1|b|3", "2|c|1", "3|a|2"};
    const QStringList keys = {"1|x|10", "2|y|9", "3|x|9", "4|y|100"};
    const QStringList nulls = {"1|b|2", "2|Null|Null", "3|a|1"};
    const QStringList persian = {"1|گلدان|1", "2|پرده|1", "3|ميز|1", "4|بخاري|1", "5|كمد|1", "6|تلفن|1"};
    struct Case {
        QStringList rows;
        QString sort, column;
        QStringList expected;
    };
    const Case cases[] = {
        {three, " DaraNam ASC ", "DaraCod", {"3", "1", "2"}},
        {three, " DaraNam DESC ", "DaraCod", {"2", "1", "3"}},
        {three, " daranam asc ", "DaraCod", {"3", "1", "2"}},
        {three, "", "DaraCod", {"1", "2", "3"}},
        {keys, "[DaraNam] ASC, Salianeh DESC", "DaraCod", {"1", "3", "4", "2"}},
        // Numbers by value; ties keep the reading order.
        {keys, "Salianeh", "DaraCod", {"2", "3", "1", "4"}},
        {persian, " DaraNam ASC ", "DaraNam", {"بخاري", "پرده", "تلفن", "كمد", "گلدان", "ميز"}},
        {nulls, "DaraNam", "DaraCod", {"2", "3", "1"}},
        {nulls, "Salianeh DESC", "DaraCod", {"1", "3", "2"}},
        {{"  5|a|1", " 12|b|1", "  7|c|1"}, "DaraCod", "DaraCod", {"  5", "  7", " 12"}},
    };
    for (const Case& c : cases) {
        db.exec("Delete From Amval");
        auto table = open(c.rows);
        table->SetSort(" DaraCod DESC ");
        table->SetSort(c.sort);
        EXPECT_EQ(column(*table, c.column), c.expected) << c.sort.toStdString();
    }
}

TEST_F(Sorting, TheCurrentRecordStaysCurrentAndPostedRowsTakeTheirPlace) {
    auto table = open({"1|c|1", "2|b|1"});
    table->SetRecNo(1);
    table->SetSort("DaraNam");
    EXPECT_EQ(table->FieldByName("DaraCod")->AsString(), "1");
    EXPECT_EQ(table->RecNo(), 2);
    table->Append();
    table->FieldByName("DaraCod")->SetAsString("3");
    table->FieldByName("DaraNam")->SetAsString("a");
    table->Post();
    EXPECT_EQ(table->RecNo(), 1);
    table->Last();
    table->Edit();
    table->FieldByName("DaraNam")->SetAsString("ab");
    table->Post();
    EXPECT_EQ(column(*table, "DaraNam"), QStringList({"a", "ab", "b"}));
    EXPECT_EQ(table->FieldByName("DaraNam")->AsString(), "ab");
    EXPECT_EQ(table->RecNo(), 2);
}

TEST_F(Sorting, RequeryKeepsTheSortCloseDropsItAndBadTextIsRefused) {
    auto table = open({"1|b|1", "2|a|1"});
    table->SetSort("DaraNam");
    EXPECT_THROW(table->SetSort("Missing ASC"), EDatabaseError);
    EXPECT_THROW(table->SetSort("DaraNam UP"), EDatabaseError);
    EXPECT_THROW(table->SetSort("DaraNam,"), EDatabaseError);
    EXPECT_EQ(table->Sort(), "DaraNam");
    db.exec("Insert Into Amval Values ('3', '0', 1, Null)");
    table->Requery();
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"3", "2", "1"}));
    table->Close();
    EXPECT_TRUE(table->Sort().isEmpty());
    EXPECT_THROW(table->SetSort("DaraNam"), EDatabaseError);
    table->Open();
    EXPECT_EQ(column(*table, "DaraCod"), QStringList({"1", "2", "3"}));
}

} // namespace
} // namespace tarvand::data::test
