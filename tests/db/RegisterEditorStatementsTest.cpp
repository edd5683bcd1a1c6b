// The statements of the cost-centre, cost-centre group, unit and personnel editors: their main
// queries, code generation and the upkeep of the users' code privileges.

#include "CompanyDatabaseTest.h"

#include <QSet>

using tarvand::testsupport::ResultTable;

class RegisterEditorStatementsTest : public CompanyDatabaseTest {
protected:
    QStringList grantees(const char* table, const char* code) {
        return select(QStringLiteral(
                          "Select UserId From UserPrivilege Where TableName = '%1' And FieldCode = '%2' "
                          "Order By UserId")
                          .arg(table, code))
            .texts("UserId");
    }
};

TEST_F(RegisterEditorStatementsTest, CostCentreEditorListsOnlyTheUsersCostCentres) {
    const ResultTable restricted = select("Select * From Tafsily2 Where Tafsily2 In (Select FieldCode From "
                                          "UserPrivilege Where UserId='2' And Upper(TableName)='TAFSILY2') ");
    const QStringList codes = restricted.texts("Tafsily2");
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()),
              (QSet<QString>{"010001", "010002", "010003", "020001", "020002"}));
    EXPECT_EQ(restricted.columns.size(), db->tableColumns("Tafsily2").size());
    EXPECT_EQ(select("Select * From Tafsily2 Where Tafsily2 In (Select FieldCode From UserPrivilege Where "
                     "UserId='1' And Upper(TableName)='TAFSILY2') ")
                  .rowCount(),
              9);
}

TEST_F(RegisterEditorStatementsTest, HighestCodeOfAGroupIsFoundForTheNextSerial) {
    EXPECT_EQ(select("Select Max(Tafsily2) As sMax From Tafsily2 Where SubString(Tafsily2, 1, 2) = '03'")
                  .text(0, "sMax"),
              "030004");
    EXPECT_EQ(select("Select Max(Tafsily2) As sMax From Tafsily2 Where SubString(Tafsily2, 1, 2) = '01'")
                  .text(0, "sMax"),
              "010003");
    const ResultTable empty =
        select("Select Max(Tafsily2) As sMax From Tafsily2 Where SubString(Tafsily2, 1, 2) = '04'");
    ASSERT_EQ(empty.rowCount(), 1);
    EXPECT_TRUE(empty.isNull(0, "sMax"));
}

TEST_F(RegisterEditorStatementsTest, NewCostCentreIsGrantedToEveryUser) {
    EXPECT_EQ(
        exec("Insert Into UserPrivilege(UserId, TableName, FieldCode) Select UserId, 'TAFSILY2', '010004' "
             "From UserSdc"),
        2);
    EXPECT_EQ(grantees("TAFSILY2", "010004"), (QStringList{"1", "2"}));
}

TEST_F(RegisterEditorStatementsTest, NewCostCentreIsGrantedToTheCurrentUserOnly) {
    EXPECT_EQ(
        exec("Insert Into UserPrivilege(UserId, TableName, FieldCode) Select '2', 'TAFSILY2', '010004'"), 1);
    EXPECT_EQ(grantees("TAFSILY2", "010004"), QStringList{"2"});
}

TEST_F(RegisterEditorStatementsTest, RenumberedCostCentreKeepsItsGrantsAndDeletedOneLosesThem) {
    EXPECT_EQ(
        exec("Update UserPrivilege Set FieldCode='010009' Where TableName='TAFSILY2' And FieldCode='010003'"),
        2);
    EXPECT_TRUE(grantees("TAFSILY2", "010003").isEmpty());
    EXPECT_EQ(grantees("TAFSILY2", "010009"), (QStringList{"1", "2"}));
    EXPECT_EQ(exec("Delete From UserPrivilege Where Upper(TableName)='TAFSILY2' And FieldCode='010009'"), 2);
    EXPECT_TRUE(grantees("TAFSILY2", "010009").isEmpty());
    EXPECT_EQ(number("Select Count(*) From UserPrivilege Where TableName = 'TAFSILY2'"), 12);
}

TEST_F(RegisterEditorStatementsTest, NewCostCentreGroupIsGrantedToEveryUserOrTheCurrentOne) {
    EXPECT_EQ(
        exec("Insert Into UserPrivilege(UserId, TableName, FieldCode) Select UserId, 'GROHTAFSILY2', '05' "
             "From UserSdc"),
        2);
    EXPECT_EQ(grantees("GROHTAFSILY2", "05"), (QStringList{"1", "2"}));
    EXPECT_EQ(
        exec("Insert Into UserPrivilege(UserId, TableName, FieldCode) Select '1', 'GROHTAFSILY2', '06'"), 1);
    EXPECT_EQ(grantees("GROHTAFSILY2", "06"), QStringList{"1"});
}

TEST_F(RegisterEditorStatementsTest, RenumberedGroupKeepsItsGrantsAndDeletedOneLosesThem) {
    EXPECT_EQ(
        exec("Update UserPrivilege Set FieldCode='07' Where TableName='GROHTAFSILY2' And FieldCode='02'"), 2);
    EXPECT_EQ(grantees("GROHTAFSILY2", "07"), (QStringList{"1", "2"}));
    EXPECT_EQ(exec("Delete From UserPrivilege Where Upper(TableName)='GROHTAFSILY2' And FieldCode='07'"), 2);
    EXPECT_EQ(number("Select Count(*) From UserPrivilege Where TableName = 'GROHTAFSILY2'"), 4);
}

TEST_F(RegisterEditorStatementsTest, UnitEditorReadsEveryUnit) {
    const ResultTable units = select("Select * From Depart_1");
    EXPECT_EQ(units.rowCount(), 7);
    ASSERT_EQ(units.columns.size(), 2);
    EXPECT_EQ(units.columns[0].name.toUpper(), "CODE_FIELD");
    EXPECT_EQ(units.columns[1].name, "Desk");
}

TEST_F(RegisterEditorStatementsTest, UnitMenuAndPickerListUnitsInCodeOrder) {
    const ResultTable menu = select("Select Code_Field, Desk From Depart_1 Order By Code_Field");
    EXPECT_EQ(menu.texts("Code_Field"), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    const ResultTable picker = select("Select Code_field, Desk From Depart_1 Order By Code_field");
    EXPECT_EQ(picker.text(6, "Desk"), QStringLiteral("طرح و توسعه"));
}

TEST_F(RegisterEditorStatementsTest, UnitOfAPersonIsCheckedByUnquotedCode) {
    EXPECT_EQ(select("Select Code_field, Desk From Depart_1 Where Code_field =3").texts("Desk"),
              QStringList{QStringLiteral("توليد")});
    EXPECT_EQ(select("Select Code_field, Desk From Depart_1 Where Code_field =9").rowCount(), 0);
}

TEST_F(RegisterEditorStatementsTest, PersonnelEditorReadsEveryPersonWithPayrollDefaults) {
    const ResultTable people = select("Select * From Person ");
    EXPECT_EQ(people.rowCount(), 12);
    ASSERT_GE(people.column("Code"), 0);
    for (qsizetype r = 0; r < people.rowCount(); ++r) {
        EXPECT_EQ(people.text(r, "Tax"), "0");
        EXPECT_EQ(people.text(r, "IsDelete"), " ");
    }
    EXPECT_GE(people.column("D_TAFSILY2"), 0);
    EXPECT_GE(people.column("KOLL"), 0);
}

TEST_F(RegisterEditorStatementsTest, CostCentreHeldInALinkedDatabaseIsFound) {
    {
        // The stores system keeps its own database beside the company's.
        tarvand::sql::SqliteBackend stores(demo.folder() + "/Anbar.db");
        stores.execute(
            "Create Table AnbarMarkaz (MarkazCod Varchar(6) Not Null, MarkazNam Varchar(100) Null)");
        stores.execute("Insert Into AnbarMarkaz (MarkazCod, MarkazNam) Values ('010001', 'انبار خط يك')");
    }
    const QString link = " Select MarkazCod From Anbar..AnbarMarkaz Where MarkazCod='%1'";
    EXPECT_EQ(select(link.arg("010001")).texts("MarkazCod"), QStringList{"010001"});
    EXPECT_EQ(select(link.arg("020001")).rowCount(), 0);
}
