// The toolkit's statements: key assurance, saved grid layouts, rights, lookups, temporary tables
// and column fitting, run on the demo company as the toolkit sends them.

#include "CompanyDatabaseTest.h"
#include "EDatabaseError.h"

using tarvand::EDatabaseError;
using tarvand::testsupport::ResultTable;

class ToolkitStatementsTest : public CompanyDatabaseTest {
protected:
    bool constraintExists(const char* upperName) {
        return select(QStringLiteral("Select Name From SysIndexes Where Upper(Name) = '%1'").arg(upperName))
                   .rowCount() > 0;
    }
    int probeSize(const QString& column, const QString& table) {
        const ResultTable probe =
            select(QStringLiteral("Select Top 1 %1 As sField From %2").arg(column, table));
        return probe.columns.value(0).size;
    }
    QString failureOf(const QString& statement) {
        try {
            exec(statement);
        } catch (const EDatabaseError& error) {
            return error.Message;
        }
        return {};
    }
};

TEST_F(ToolkitStatementsTest, KeyConstraintsAreFoundByNameAcrossTheDatabase) {
    const ResultTable found = select("Select Name From SysIndexes Where Upper(Name) = 'PK_D_MAKAN'");
    ASSERT_EQ(found.rowCount(), 1);
    EXPECT_EQ(found.text(0, "Name").toUpper(), "PK_D_MAKAN");
    for (const char* name : {"PK_D_VAZDARAE", "PK_D_VEZARAT", "PK_D_MADEH151", "PK_D_SAKHTAR", "PK_TAFSILY2",
                             "PK_GROHTAFSILY2", "PK_PERSON", "PK_D_AMVAL"}) {
        EXPECT_TRUE(constraintExists(name)) << name;
    }
    for (const char* name : {"PK_D_GHEIMAT", "PK_D_MABADI", "PK_DEPART_1"}) {
        EXPECT_FALSE(constraintExists(name)) << name;
    }
}

TEST_F(ToolkitStatementsTest, KeyProbeReportsDeclaredLengthOrZeroForIntegers) {
    EXPECT_EQ(probeSize("MakanCod", "D_Makan"), 3);
    EXPECT_EQ(probeSize("Code", "Person"), 5);
    EXPECT_EQ(probeSize("Tafsily2GrohCod", "GrohTafsily2"), 2);
    EXPECT_EQ(probeSize("DaraCod", "D_Amval"), 10);
    EXPECT_EQ(probeSize("Code_field", "Depart_1"), 0);
}

TEST_F(ToolkitStatementsTest, KeyProbeOfAnEmptyTableStillReportsTheLength) {
    exec("Delete From D_VezArat");
    const ResultTable probe = select("Select Top 1 VezCod As sField From D_VezArat");
    EXPECT_EQ(probe.rowCount(), 0);
    ASSERT_EQ(probe.columns.size(), 1);
    EXPECT_EQ(probe.columns[0].size, 3);
}

TEST_F(ToolkitStatementsTest, CharacterKeyGetsNotNullAndItsPrimaryKey) {
    exec("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null");
    EXPECT_EQ(number("Select Count(*) From D_Gheimat"), 6);
    EXPECT_EQ(probeSize("GheimatCod", "D_Gheimat"), 3);
    EXPECT_FALSE(failureOf("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values (Null, 'x')").isEmpty());

    exec("Alter Table D_Gheimat With NoCheck Add Constraint PK_D_Gheimat Primary Key clustered (GheimatCod)");
    EXPECT_TRUE(constraintExists("PK_D_GHEIMAT"));
    EXPECT_EQ(db->keyColumns("D_Gheimat"), QStringList{"GheimatCod"});
    EXPECT_TRUE(
        failureOf("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  1', 'تكراري')")
            .contains("Violation of PRIMARY KEY constraint 'PK_D_Gheimat'. Cannot insert duplicate key "
                      "in object 'dbo.D_Gheimat'."));
    EXPECT_TRUE(failureOf("Update D_Gheimat Set GheimatCod = '  1' Where GheimatCod = '  2'")
                    .toUpper()
                    .contains("VIOLATION OF PRIMARY KEY CONSTRAINT 'PK_D_GHEIMAT'"));
    EXPECT_EQ(number("Select Count(*) From D_Gheimat"), 6);
    EXPECT_EQ(exec("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values ('  7', 'ماليات بر ارزش افزوده')"),
              1);
}

TEST_F(ToolkitStatementsTest, IntegerKeyGetsNotNullAndItsPrimaryKey) {
    exec("Alter Table Depart_1 Alter Column Code_field Int Not Null");
    EXPECT_EQ(number("Select Count(*) From Depart_1"), 7);
    EXPECT_EQ(probeSize("Code_field", "Depart_1"), 0);
    exec("Alter Table Depart_1 With NoCheck Add Constraint PK_Depart_1 Primary Key clustered (Code_field)");
    EXPECT_TRUE(constraintExists("PK_DEPART_1"));
    EXPECT_TRUE(failureOf("Insert Into Depart_1 (Code_field, Desk) Values (3, 'توليد دوم')")
                    .toUpper()
                    .contains("VIOLATION OF PRIMARY KEY CONSTRAINT 'PK_DEPART_1'"));
}

TEST_F(ToolkitStatementsTest, KeyIsNotCreatedOverDuplicateCodes) {
    exec("Insert Into D_Mabadi (MabadiCod, MabadiNam) Values ('  1', 'خريد داخلي دوم')");
    exec("Alter Table D_Mabadi Alter Column MabadiCod Varchar(3) Not Null");
    EXPECT_FALSE(
        failureOf(
            "Alter Table D_Mabadi With NoCheck Add Constraint PK_D_Mabadi Primary Key clustered (MabadiCod)")
            .isEmpty());
    EXPECT_FALSE(constraintExists("PK_D_MABADI"));
    EXPECT_TRUE(db->keyColumns("D_Mabadi").isEmpty());
    EXPECT_EQ(number("Select Count(*) From D_Mabadi"), 5);
}

TEST_F(ToolkitStatementsTest, NotNullIsRefusedWhileNullCodesAreStoredAndRowsStay) {
    exec("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values (Null, 'بدون كد')");
    EXPECT_FALSE(failureOf("Alter Table D_Gheimat Alter Column GheimatCod Varchar(3) Not Null").isEmpty());
    EXPECT_EQ(number("Select Count(*) From D_Gheimat"), 7);
    EXPECT_EQ(exec("Insert Into D_Gheimat (GheimatCod, GheimatNam) Values (Null, 'دومي')"), 1);
}

TEST_F(ToolkitStatementsTest, UniqueIndexIsRegisteredAndKeepsCodesUnique) {
    exec("Create Unique Index IX_D_Mabadi On D_Mabadi(MabadiCod) With Ignore_dup_key ");
    EXPECT_TRUE(constraintExists("IX_D_MABADI"));
    try {
        exec("Insert Into D_Mabadi (MabadiCod, MabadiNam) Values ('  2', 'خريد خارجي دوم')");
    } catch (const EDatabaseError&) {
        // A duplicate may be refused or silently left out; either way it is not stored.
    }
    EXPECT_EQ(number("Select Count(*) From D_Mabadi Where MabadiCod = '  2'"), 1);
}

TEST_F(ToolkitStatementsTest, GridLayoutIsStoredPerUserAndReadInPositionOrder) {
    const QString remove = "Delete From Grid_State Where UserId='%1' And sProg = 'D' And sItem = 'SABT' And "
                           "sForm ='MAKAN' And sPart=''";
    const QString insert =
        "Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, iLen, iRaj) "
        "Values('%1', '%2', 'D', 'SABT', 'MAKAN', '', '%3', %4, %5)";
    const QString read = "Select * From Grid_State Where UserId='%1' And sProg = 'D' And sItem = 'SABT' And "
                         "sForm = 'MAKAN' And sPart='' Order By iRaj ";
    for (const char* user : {"1", "2"}) {
        exec(remove.arg(user));
        exec(insert.arg(user, "T", "MakanNam").arg(600).arg(1));
        exec(insert.arg(user, "F", "Tafsily2").arg(60).arg(2));
        exec(insert.arg(user, "T", "MakanCod").arg(45).arg(0));
    }
    const ResultTable layout = select(read.arg("1"));
    EXPECT_EQ(layout.texts("sColName"), (QStringList{"MakanCod", "MakanNam", "Tafsily2"}));
    EXPECT_EQ(layout.texts("sVisible"), (QStringList{"T", "T", "F"}));
    EXPECT_EQ(layout.value(1, "iLen").toInt(), 600);

    exec(remove.arg("1"));
    EXPECT_EQ(select(read.arg("1")).rowCount(), 0);
    EXPECT_EQ(select(read.arg("2")).rowCount(), 3);
}

TEST_F(ToolkitStatementsTest, RightsTreeOfAUserIsReadFromItsOwnColumnInKeyOrder) {
    const ResultTable rows = select(
        "Select StrId, [2] As UserId From UserSdcDetail Where StrId Like 'D_B_%' Order By StrId, Parent");
    QString rights;
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        rights += rows.text(r, "StrId") + "(" + rows.text(r, "UserId") + "),";
    }
    EXPECT_EQ(rights, "D_B_DARAE(Y),D_B_ENDFEE(N),D_B_MABADI(Y),D_B_MADEH151(N),D_B_MAKAN(Y),D_B_SAKHTAR(N),"
                      "D_B_TAHVIL_GROH(N),D_B_TAHVIL_TAHVIL(Y),D_B_TT2_G(N),D_B_TT2_T(Y),D_B_VAZDARAE(Y),"
                      "D_B_VEZARAT(N),");
    EXPECT_EQ(
        select(
            "Select StrId, [1] As UserId From UserSdcDetail Where StrId Like 'D_X_%' Order By StrId, Parent")
            .rowCount(),
        0);
}

TEST_F(ToolkitStatementsTest, CopyAndPrintRightsAreReadFromTheUsersSettings) {
    EXPECT_EQ(select("Select KORVASH From UserSdc Where UserId = '2'").text(0, "KORVASH"),
              "copy=no;print=yes;lang=fa;");
    EXPECT_EQ(select("Select KORVASH From UserSdc Where UserId = '9'").rowCount(), 0);
}

TEST_F(ToolkitStatementsTest, LookupReturnsTheFirstMatchOrNothing) {
    EXPECT_EQ(select("Select Top 1 NamHesab From Tafsily2 Where Tafsily2 = '020002'").text(0, "NamHesab"),
              QStringLiteral("انبار مركزي"));
    EXPECT_EQ(select("Select Top 1 MakanNam From D_Makan Where MakanCod = '  3'").texts("MakanNam"),
              QStringList{QStringLiteral("كارخانه - انبار مركزي")});
    EXPECT_EQ(select("Select Top 1 NamHesab From Tafsily2 Where Tafsily2 = '999999'").rowCount(), 0);
}

TEST_F(ToolkitStatementsTest, TemporaryTableIsDroppedOnlyWhenItExists) {
    const QString drop = "If Exists(Select [Name] From Tempdb..SysObjects Where [Name] Like '%TV4512345') "
                         "Drop Table ##TV4512345";
    exec(drop);
    exec("Select Code, Name Into ##TV4512345 From Person");
    EXPECT_EQ(select("Select [Name] From Tempdb..SysObjects Where [Name] Like '%TV4512345'").rowCount(), 1);
    exec(drop);
    EXPECT_EQ(select("Select [Name] From Tempdb..SysObjects Where [Name] Like '%TV4512345'").rowCount(), 0);
    EXPECT_THROW(select("Select * From ##TV4512345"), EDatabaseError);
    exec("Select Code Into ##TV4512345 From Person");
    EXPECT_EQ(number("Select Count(*) From ##TV4512345"), 12);
}

TEST_F(ToolkitStatementsTest, BestFitFindsTheLongestValueOfATableColumn) {
    const ResultTable longest =
        select(" Select Top 1 [DaraNam]   From D_Amval  Group By [DaraNam] Having "
               "Len(LTrim(RTrim([DaraNam])))>=    \t(Select Max(Len(LTrim(RTrim([DaraNam]))))-0"
               " From D_Amval  ) ");
    ASSERT_EQ(longest.rowCount(), 1);
    EXPECT_EQ(longest.text(0, "DaraNam"), QStringLiteral("زمين كارخانه جاده ساوه - 12000 متر مربع"));
}

TEST_F(ToolkitStatementsTest, BestFitMeasuresOnlyTheRowsOfAFilteredQuery) {
    const QString where = "WHERE TAFSILY2 IN (SELECT FIELDCODE FROM USERPRIVILEGE WHERE USERID='2' AND "
                          "UPPER(TABLENAME)='TAFSILY2') ";
    const ResultTable longest =
        select(" Select Top 1 [NamHesab]  FROM TAFSILY2  " + where +
               " Group By [NamHesab] Having Len(LTrim(RTrim([NamHesab])))>=    \t(Select "
               "Max(Len(LTrim(RTrim([NamHesab]))))-0 FROM TAFSILY2  " +
               where + " ) ");
    EXPECT_EQ(longest.texts("NamHesab"), QStringList{QStringLiteral("تعميرگاه مركزي")});
    const ResultTable slack =
        select(" Select Top 1 [NamHesab]  FROM TAFSILY2  " + where +
               " Group By [NamHesab] Having Len(LTrim(RTrim([NamHesab])))>=    \t(Select "
               "Max(Len(LTrim(RTrim([NamHesab]))))-20 FROM TAFSILY2  " +
               where + " ) ");
    EXPECT_EQ(slack.rowCount(), 1);
}

TEST_F(ToolkitStatementsTest, BestFitTotalsAnAmountColumn) {
    const ResultTable total = select(" Select Sum([EndValue]) As X  From D_Amval ");
    EXPECT_DOUBLE_EQ(total.value(0, "X").toDouble(), 325841000000.0);
}
