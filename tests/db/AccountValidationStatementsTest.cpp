// The statements of account-chain validation and of the restriction lookups of the pickers, run on
// the demo chart of accounts as the module sends them.

#include "CompanyDatabaseTest.h"

using tarvand::testsupport::ResultTable;

class AccountValidationStatementsTest : public CompanyDatabaseTest {};

TEST_F(AccountValidationStatementsTest, GeneralAccountIsFoundByItsStoredCode) {
    const ResultTable active = select("Select * From Koll Where Koll = ' 11'");
    ASSERT_EQ(active.rowCount(), 1);
    EXPECT_EQ(active.text(0, "IsActive"), QStringLiteral("فعال"));
    EXPECT_EQ(select("Select * From Koll Where Koll = ' 90'").text(0, "IsActive"), QStringLiteral("غيرفعال"));
    EXPECT_EQ(select("Select * From Koll Where Koll = '  7'").rowCount(), 0);
    EXPECT_EQ(select("Select * From Koll Where Koll = '11'").rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, SubsidiaryAccountIsFoundByGeneralAndSubsidiaryCodesJoined) {
    const ResultTable moein = select("Select * From Moein Where Koll+Moein = ' 11  3' ");
    ASSERT_EQ(moein.rowCount(), 1);
    EXPECT_EQ(moein.text(0, "NamHesab"), QStringLiteral("ماشين آلات و تجهيزات توليد"));
    EXPECT_EQ(select("Select * From Moein Where Koll+Moein = ' 11  9' ").text(0, "IsActive"),
              QStringLiteral("غيرفعال"));
    EXPECT_EQ(select("Select * From Moein Where Koll+Moein = '113' ").rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, DetailAccountPassesByItsGroupOrByBeingListed) {
    const QString both = "Select Tafsily, IsActive From Tafsily Where Tafsily = '%1'  And ( "
                         "PatIndex('%'+SubString(Tafsily, 1, 2)+'%', '01') > 0  Or PatIndex('%'+Tafsily+'%', "
                         "'03001,03002') > 0 ) ";
    EXPECT_EQ(select(both.arg("01002")).rowCount(), 1); // by its group
    EXPECT_EQ(select(both.arg("03002")).rowCount(), 1); // listed on its own
    EXPECT_EQ(select(both.arg("02001")).rowCount(), 0);
    EXPECT_EQ(select(both.arg("01003")).text(0, "IsActive"), QStringLiteral("غيرفعال"));
}

TEST_F(AccountValidationStatementsTest, DetailAccountOutsideTheListedGroupsIsNotFound) {
    const QString groups = "Select Tafsily, IsActive From Tafsily Where Tafsily = '%1'  And ( "
                           "PatIndex('%'+SubString(Tafsily, 1, 2)+'%', '01,02') > 0 )";
    EXPECT_EQ(select(groups.arg("02002")).rowCount(), 1);
    EXPECT_EQ(select(groups.arg("03001")).rowCount(), 0);
    const QString single = "Select Tafsily, IsActive From Tafsily Where Tafsily = '%1'  And ( "
                           "PatIndex('%'+Tafsily+'%', '02001') > 0 ) ";
    EXPECT_EQ(select(single.arg("02001")).rowCount(), 1);
    EXPECT_EQ(select(single.arg("02002")).rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, DetailAccountWithItsOwnDetailTwoRestrictionIsFoundByUnquotedCode) {
    const QString statement = " Select * from Tafsily where Tafsily = %1 And ((GrohTafsily2 Is Not Null And "
                              "GrohTafsily2 <> '') Or (Tafsily2Joz Is Not Null And Tafsily2Joz <> '')) ";
    const ResultTable own = select(statement.arg("02001"));
    ASSERT_EQ(own.rowCount(), 1);
    EXPECT_EQ(own.text(0, "GrohTafsily2"), "03");
    EXPECT_EQ(own.text(0, "Tafsily2Joz"), "010001");
    EXPECT_EQ(select(statement.arg("01001")).rowCount(), 0);
    EXPECT_EQ(select(statement.arg("-1")).rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, DetailTwoAccountPassesByItsGroupOrByBeingListed) {
    const QString both =
        "Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar From Tafsily2 "
        "Where Tafsily2 = '%1' And (PatIndex('%'+SubString(Tafsily2, 1, 2)+'%', '03') > 0 Or "
        "PatIndex('%'+Tafsily2+'%', '010001') > 0 )";
    EXPECT_EQ(select(both.arg("030002")).text(0, "NamHesab"), QStringLiteral("امور مالي"));
    EXPECT_EQ(select(both.arg("010001")).rowCount(), 1);
    EXPECT_EQ(select(both.arg("010002")).rowCount(), 0);
    EXPECT_EQ(select(both.arg("030004")).text(0, "IsActive"), QStringLiteral("غيرفعال"));
    const QString single =
        "Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar From Tafsily2 "
        "Where Tafsily2 = '%1' And (PatIndex('%'+Tafsily2+'%', '030001') > 0 )";
    EXPECT_EQ(select(single.arg("030001")).columns.size(), 6);
    EXPECT_EQ(select(single.arg("030001")).rowCount(), 1);
    EXPECT_EQ(select(single.arg("030002")).rowCount(), 0);
    const QString group =
        "Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar From Tafsily2 "
        "Where Tafsily2 = '%1' And (PatIndex('%'+SubString(Tafsily2, 1, 2)+'%', '01,02') > 0 )";
    EXPECT_EQ(select(group.arg("020001")).rowCount(), 1);
    EXPECT_EQ(select(group.arg("030001")).rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, ProjectRestrictionComesFromTheDetailTwoAccountByUnquotedCode) {
    const QString statement = " Select * from Tafsily2 where Tafsily2 = %1 And ((GrohProject Is Not Null And "
                              "GrohProject <> '') Or (ProjectJoz Is Not Null And ProjectJoz <> '')) ";
    const ResultTable own = select(statement.arg("010001"));
    ASSERT_EQ(own.rowCount(), 1);
    EXPECT_EQ(own.text(0, "GrohProject"), "02");
    EXPECT_EQ(select(statement.arg("020001")).rowCount(), 0);
    EXPECT_EQ(select(statement.arg("-1")).rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, ProjectRestrictionComesFromTheDetailAccountByUnquotedCode) {
    const QString statement = " Select * from Tafsily where Tafsily = %1 And ((GrohProject Is Not Null And "
                              "GrohProject <> '') Or (ProjectJoz Is Not Null And ProjectJoz <> '')) ";
    EXPECT_EQ(select(statement.arg("01004")).text(0, "GrohProject"), "02");
    EXPECT_EQ(select(statement.arg("02001")).text(0, "ProjectJoz"), "01001");
    EXPECT_EQ(select(statement.arg("01001")).rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, ProjectPassesByItsGroupOrByBeingListed) {
    const QString both =
        "Select ProjectCod, ProjectNam, RecogName, IsActive, IsPosHesab, DesChar From M_Project "
        "Where ProjectCod = '%1' And (PatIndex('%'+SubString(ProjectCod, 1, 2)+'%', '02') > 0 Or "
        "PatIndex('%'+ProjectCod+'%', '01002') > 0 )";
    EXPECT_EQ(select(both.arg("02001")).text(0, "ProjectNam"), QStringLiteral("راه اندازي خط توليد جديد"));
    EXPECT_EQ(select(both.arg("01002")).rowCount(), 1);
    EXPECT_EQ(select(both.arg("01001")).rowCount(), 0);
    EXPECT_EQ(select(both.arg("02002")).text(0, "IsActive"), QStringLiteral("غيرفعال"));
}

TEST_F(AccountValidationStatementsTest, SubsidiaryLevelsAreReadByTrimmedCodes) {
    const ResultTable moein = select("Select * From Moein Where LTRIM(Koll)+LTRIM(Moein) = '113'");
    ASSERT_EQ(moein.rowCount(), 1);
    EXPECT_EQ(moein.text(0, "IsTafsily1"), QStringLiteral("ندارد"));
    EXPECT_EQ(moein.text(0, "IsTafsily2"), QStringLiteral("دارد"));
    EXPECT_EQ(moein.text(0, "IsProject"), QStringLiteral("دارد"));
    EXPECT_EQ(moein.text(0, "GrohTafsily2"), "01,02");
    EXPECT_EQ(select("Select * From Moein Where LTRIM(Koll)+LTRIM(Moein) = '117'").rowCount(), 0);
}

TEST_F(AccountValidationStatementsTest, PickerListsOfTheSubsidiaryAccountAreRead) {
    EXPECT_EQ(
        select("Select TafsilyJoz From Moein Where LTRIM(Koll)+LTRIM(Moein) = '114'").text(0, "TafsilyJoz"),
        "03001,03002");
    const ResultTable detailTwo =
        select("Select TafsilyJoz, Tafsily2Joz From Moein Where LTRIM(Koll)+LTRIM(Moein) = '116'");
    EXPECT_EQ(detailTwo.text(0, "TafsilyJoz"), "");
    EXPECT_EQ(detailTwo.text(0, "Tafsily2Joz"), "030001");
    const ResultTable project = select("Select TafsilyJoz, Tafsily2Joz, ProjectJoz, GrohProject From Moein "
                                       "Where LTRIM(Koll)+LTRIM(Moein) = '132'");
    EXPECT_EQ(project.text(0, "ProjectJoz"), "01002");
    EXPECT_EQ(project.text(0, "GrohProject"), "02");
}

TEST_F(AccountValidationStatementsTest, PickerRestrictionOverridesAreLookedUpByQuotedCode) {
    const QString detail = " Select * from Tafsily where Tafsily = '%1' And ((GrohTafsily2 Is Not Null And "
                           "GrohTafsily2 <> '') Or (Tafsily2Joz Is Not Null And Tafsily2Joz <> '')) ";
    EXPECT_EQ(select(detail.arg("02001")).rowCount(), 1);
    EXPECT_EQ(select(detail.arg("03001")).rowCount(), 0);
    const QString detailTwo =
        " Select * from Tafsily2 where Tafsily2 = '%1' And ((GrohProject Is Not Null And "
        "GrohProject <> '') Or (ProjectJoz Is Not Null And ProjectJoz <> '')) ";
    EXPECT_EQ(select(detailTwo.arg("010002")).text(0, "ProjectJoz"), "01001,01002");
    EXPECT_EQ(select(detailTwo.arg("030001")).rowCount(), 0);
    const QString detailProject =
        " Select * from Tafsily where Tafsily = '%1' And ((GrohProject Is Not Null And "
        "GrohProject <> '') Or (ProjectJoz Is Not Null And ProjectJoz <> '')) ";
    EXPECT_EQ(select(detailProject.arg("01004")).rowCount(), 1);
    const ResultTable none = select(" Select * from Tafsily2 where 1 = 2 ");
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(none.columns.size(), db->tableColumns("Tafsily2").size());
}

TEST_F(AccountValidationStatementsTest, LocationCostCentreMustExistInItsStoredForm) {
    EXPECT_EQ(select("Select * From Tafsily2 Where Tafsily2='010003'").rowCount(), 1);
    EXPECT_EQ(select("Select * From Tafsily2 Where Tafsily2='10003'").rowCount(), 0);
    EXPECT_EQ(select("Select Top 1 NamHesab From Tafsily2 Where Tafsily2 = '010003'").text(0, "NamHesab"),
              QStringLiteral("كارگاه رنگ"));
    EXPECT_EQ(select("Select Top 1 NamHesab From Tafsily2 Where Tafsily2 = '  3000'").rowCount(), 0);
}
