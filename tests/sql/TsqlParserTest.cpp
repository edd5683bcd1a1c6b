#include "TsqlParser.h"
#include "EDatabaseError.h"

#include <gtest/gtest.h>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

using Kind = TsqlStatement::Kind;

TsqlBatch single(const char* script) {
    std::vector<TsqlBatch> batches = TsqlParser::parse(QString::fromUtf8(script));
    EXPECT_EQ(batches.size(), 1u);
    return batches.empty() ? TsqlBatch() : std::move(batches.front());
}

QString message(const char* script) {
    try {
        TsqlParser::parse(QString::fromUtf8(script));
    } catch (const EDatabaseError& e) {
        return e.Message;
    }
    return {};
}

} // namespace

TEST(TsqlParser, SelectItemsInEveryAliasSpelling) {
    const TsqlBatch batch = single(
        "Select Distinct Top 5 Koll, M.Moein As M1, NamHesab N, IDX = Identity(Int, 1, 1), 'x' 'Lit', T.* "
        "Into ##t From Moein As M Left Outer Join Koll K On (M.Koll = K.Koll) Where 1 = 1 Group By Koll "
        "Having Count(*) > 1 Order By 1 Desc");
    ASSERT_EQ(batch.size(), 1u);
    const TsqlSelect& select = *batch[0]->select;
    EXPECT_TRUE(select.distinct);
    ASSERT_TRUE(select.top);
    ASSERT_EQ(select.items.size(), 6u);
    EXPECT_EQ(select.items[1].alias, "M1");
    EXPECT_EQ(select.items[2].alias, "N");
    EXPECT_EQ(select.items[3].alias, "IDX");
    EXPECT_EQ(select.items[3].expr->kind, TsqlExpr::Kind::Identity);
    EXPECT_EQ(select.items[4].alias, "Lit");
    EXPECT_EQ(select.items[5].expr->kind, TsqlExpr::Kind::Star);
    EXPECT_EQ(select.into.name, "##t");
    ASSERT_EQ(select.from.size(), 2u);
    EXPECT_EQ(select.from[0].alias, "M");
    EXPECT_EQ(select.from[1].join, "LEFT");
    EXPECT_EQ(select.from[1].alias, "K");
    EXPECT_TRUE(select.having);
    ASSERT_EQ(select.orderBy.size(), 1u);
    EXPECT_TRUE(select.orderBy[0].descending);
}

TEST(TsqlParser, StatementsFollowEachOtherWithoutSeparators) {
    const TsqlBatch batch =
        single("Declare @n Int Set @n = 1 If @n = 1 Select 1 Else Begin Select 2; Select 3 End "
               "Update T Set a = 1 Delete From T Where a = 2 Insert T Values (1)");
    ASSERT_EQ(batch.size(), 6u);
    EXPECT_EQ(batch[0]->kind, Kind::Declare);
    EXPECT_EQ(batch[1]->kind, Kind::SetVariable);
    EXPECT_EQ(batch[2]->kind, Kind::If);
    ASSERT_EQ(batch[2]->body.size(), 2u);
    EXPECT_EQ(batch[2]->body[1]->kind, Kind::Block);
    EXPECT_EQ(batch[2]->body[1]->body.size(), 2u);
    EXPECT_EQ(batch[3]->kind, Kind::Update);
    EXPECT_EQ(batch[4]->kind, Kind::Delete);
    EXPECT_EQ(batch[5]->kind, Kind::Insert);
}

TEST(TsqlParser, ProcedureDefinitionsKeepTheirTextParametersAndBody) {
    const TsqlBatch batch =
        single("Create Procedure dbo.sp_x (@a Varchar(10), @b Int = 5) With Recompile As\n"
               "Set NoCount On\nSelect @a, @b");
    ASSERT_EQ(batch.size(), 1u);
    const TsqlStatement& procedure = *batch[0];
    EXPECT_EQ(procedure.name, "sp_x");
    ASSERT_EQ(procedure.parameters.size(), 2u);
    EXPECT_EQ(procedure.parameters[0].type, "varchar(10)");
    EXPECT_TRUE(procedure.parameters[1].defaultValue);
    EXPECT_EQ(procedure.body.size(), 2u);
    EXPECT_TRUE(procedure.text.startsWith("Create Procedure dbo.sp_x"));
    EXPECT_TRUE(procedure.text.endsWith("Select @a, @b"));
}

TEST(TsqlParser, CallsByBareNameAndByExec) {
    TsqlBatch batch = single("sp_Is_Name_Repeated 'D_Makan', N'MakanNam', 'a''b'");
    ASSERT_EQ(batch[0]->kind, Kind::Call);
    ASSERT_EQ(batch[0]->arguments.size(), 3u);
    EXPECT_EQ(batch[0]->arguments[2]->text, "a'b");
    batch = single("Exec sp_x @b = 2, @a = default");
    ASSERT_EQ(batch[0]->argumentNames, QStringList({"@b", "@a"}));
    EXPECT_FALSE(batch[0]->arguments[1]);
    batch = single("Execute('Select ' + @x)");
    EXPECT_EQ(batch[0]->kind, Kind::ExecString);
    // A bare name is a call only where a batch starts.
    EXPECT_FALSE(message("Select 1 sp_x 'a'").isEmpty());
}

TEST(TsqlParser, GoLinesSplitBatches) {
    const std::vector<TsqlBatch> batches = TsqlParser::parse("Select 1\nGO\n\nGO\nSelect 2; Select 3\ngo");
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[1].size(), 2u);
}

TEST(TsqlParser, DefinitionsOfTablesIndexesAndConstraints) {
    TsqlBatch batch =
        single("Create Table [D_Makan] (MakanCod Varchar(3) Not Null Constraint PK_D_Makan Primary Key "
               "Clustered, IDX Int Identity(10, 1), Nam Varchar(5) Collate Arabic_CI_AS Default ('') "
               "Null, Constraint UQ_Nam Unique NonClustered (Nam Asc))");
    const TsqlStatement& table = *batch[0];
    ASSERT_EQ(table.columnDefs.size(), 3u);
    EXPECT_TRUE(table.columnDefs[0].notNull);
    EXPECT_TRUE(table.columnDefs[1].identity);
    EXPECT_EQ(table.columnDefs[1].identitySeed, 10);
    EXPECT_EQ(table.columnDefs[2].collation, "Arabic_CI_AS");
    ASSERT_EQ(table.keys.size(), 2u);
    EXPECT_EQ(table.keys[0].name, "PK_D_Makan");
    EXPECT_FALSE(table.keys[1].primaryKey);
    batch = single("Create Unique Index IX On T(a, b) With (Ignore_Dup_Key = On, Pad_Index = Off)");
    EXPECT_TRUE(batch[0]->ignoreDupKey);
    EXPECT_EQ(batch[0]->columns, QStringList({"a", "b"}));
    batch = single("Alter Table T With NoCheck Add Constraint PK_T Primary Key clustered (a)");
    EXPECT_EQ(batch[0]->kind, Kind::AddConstraint);
    batch = single("Alter Table T Alter Column a Varchar(10) Not Null");
    EXPECT_EQ(batch[0]->kind, Kind::AlterColumn);
    EXPECT_TRUE(batch[0]->columnDefs[0].notNull);
    batch = single("Drop Table If Exists ##a, ##b");
    EXPECT_EQ(batch[0]->tables.size(), 2u);
    EXPECT_TRUE(batch[0]->ifExists);
}

TEST(TsqlParser, NamesAcrossDatabases) {
    const TsqlBatch batch = single("Select a From Other..Codes, dbo.T, Db2.dbo.U");
    const auto& from = batch[0]->select->from;
    EXPECT_EQ(from[0].table.database, "Other");
    EXPECT_EQ(from[0].table.name, "Codes");
    EXPECT_TRUE(from[1].table.database.isEmpty());
    EXPECT_EQ(from[2].table.database, "Db2");
    EXPECT_FALSE(message("Select a From Srv.Db.dbo.T").isEmpty());
}

TEST(TsqlParser, UnsupportedConstructsAreNamed) {
    EXPECT_EQ(message("Update T Set a = 1 From T Join U On 1 = 1"),
              "Update … From is not supported by the embedded database; use a subquery.");
    EXPECT_EQ(message("Create Table T (a Int Identity(1, 2))"),
              "Identity increments other than 1 are not supported by the embedded database.");
    EXPECT_EQ(message("Create Table T (a Int Check (a > 0))"),
              "Check and foreign-key constraints are not supported by the embedded database.");
    EXPECT_EQ(message("Create Procedure p @a Int Output As Select 1"),
              "Output parameters are not supported by the embedded database.");
    EXPECT_EQ(message("Select Top 10 Percent a From T"),
              "Top … Percent and Top … With Ties are not supported by the embedded database.");
    EXPECT_EQ(message("Select a From"), "Incorrect syntax near the end of the statement.");
    EXPECT_EQ(message("Select a b c From T"), "Incorrect syntax near 'c'.");
}
