// The account pickers: each fills a global temporary table with the accounts the user may see and
// the context allows, and the host's list form reads it back.

#include "CompanyDatabaseTest.h"

#include <QSet>

using tarvand::testsupport::ResultTable;

namespace {

const QString Temp = QStringLiteral("##TV4512345");

// The privilege subquery of a user for a table, as the toolkit writes it.
QString priv(const char* user, const char* table) {
    return QStringLiteral(
               "(Select FieldCode From UserPrivilege Where UserId='%1' And Upper(TableName)='%2') ")
        .arg(user, table);
}

QSet<QString> asSet(const QStringList& texts) {
    return QSet<QString>(texts.begin(), texts.end());
}

} // namespace

class AccountPickerStatementsTest : public CompanyDatabaseTest {
protected:
    // Runs the statement that fills the temporary table, then the statement the form shows.
    ResultTable pick(const QString& fill, const QString& shown) {
        exec(fill);
        return select(shown);
    }
};

TEST_F(AccountPickerStatementsTest, GeneralAccountPickerListsTheUsersAccountsInCodeOrder) {
    const QString fill = "Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar Into " +
                         Temp + " From Koll Where Koll In " + priv("2", "KOLL");
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Koll");
    EXPECT_EQ(list.texts("Koll"), (QStringList{" 11", " 12", " 13", " 31", " 81"}));
    ASSERT_EQ(list.columns.size(), 7);
    EXPECT_EQ(list.columns[1].name, "NamHesab");
    EXPECT_EQ(list.columns[6].name, "DesChar");
}

TEST_F(AccountPickerStatementsTest, UserWithoutPrivilegesGetsAnEmptyList) {
    const QString fill = "Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar Into " +
                         Temp + " From Koll Where Koll In " + priv("7", "KOLL");
    EXPECT_EQ(pick(fill, "Select * From " + Temp + " Order By Koll").rowCount(), 0);
}

TEST_F(AccountPickerStatementsTest, PickMoeinTempTableNumbersRowsFromOne) {
    const QString fill = "Select M.Moein, M.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, "
                         "M.RecogName, M.IsTafsily1, M.IsTafsily2, M.IsProject, M.GrohTafsily, "
                         "M.GrohTafsily2, M.GrohProject, M.IsActive, M.IsPosHesab, "
                         "M.FAtfCh, M.FAtfDate, M.FAtfNum, M.DesChar, M.IsTafsily, IDX = Identity(Int, 1, 1) "
                         "Into " +
                         Temp +
                         " From Moein As M, Koll As K "
                         "Where K.Koll = M.Koll And M.Koll+M.Moein In " +
                         priv("2", "MOEIN");
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Koll, Moein");
    ASSERT_EQ(list.rowCount(), 18);
    ASSERT_EQ(list.columns.size(), 19);
    EXPECT_EQ(list.columns[0].name, "Moein");
    EXPECT_EQ(list.columns[18].name, "IDX");
    QSet<qlonglong> numbers;
    for (const QVariantList& row : list.rows) {
        numbers.insert(row[18].toLongLong());
    }
    QSet<qlonglong> expected;
    for (qlonglong n = 1; n <= 18; ++n) {
        expected.insert(n);
    }
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(list.text(0, "Koll"), " 11");
    EXPECT_EQ(list.text(0, "Moein"), "  1");
    EXPECT_EQ(list.text(0, "KNamHesab"), QStringLiteral("داراييهاي ثابت مشهود"));
    EXPECT_EQ(list.text(0, "MNamHesab"), QStringLiteral("زمين"));
    EXPECT_FALSE(list.texts("Koll").contains("  5"));
}

TEST_F(AccountPickerStatementsTest, DetailTwoGroupPickerListsTheUsersGroups) {
    const QString fill = "Select Tafsily2GrohCod, Tafsily2GrohNam Into " + Temp + " From GrohTafsily2 " +
                         "Where Tafsily2GrohCod In " + priv("2", "GROHTAFSILY2") + " ";
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Tafsily2GrohCod");
    EXPECT_EQ(list.texts("Tafsily2GrohCod"), (QStringList{"01", "02"}));
    EXPECT_EQ(list.text(1, "Tafsily2GrohNam"), QStringLiteral("مراكز خدماتي"));
}

TEST_F(AccountPickerStatementsTest, DetailPickerKeepsListedGroupsAndSingleCodes) {
    const QString fill = "Select Tafsily, NamHesab, RecogName, IsActive, IsPosHesab, DesChar Into " + Temp +
                         " From Tafsily Where Tafsily In " + priv("1", "TAFSILY") + " " +
                         " And ( PatIndex('%'+SubString(Tafsily, 1, 2)+'%', '01') > 0 " +
                         " Or PatIndex('%'+Tafsily+'%', '03001,03002') > 0 ) ";
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Tafsily ");
    EXPECT_EQ(list.texts("Tafsily"), (QStringList{"01001", "01002", "01003", "01004", "03001", "03002"}));
}

TEST_F(AccountPickerStatementsTest, DetailTwoPickerKeepsListedGroupsAndSingleCodesOfTheUser) {
    const QString filter = "And (PatIndex('%'+SubString(Tafsily2, 1, 2)+'%', '01,02') > 0 Or "
                           "PatIndex('%'+Tafsily2+'%', '030001') > 0 )";
    const QString fill =
        "Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar Into %1 From Tafsily2 "
        "Where Tafsily2 In %2 %3";
    const ResultTable full = pick(fill.arg(Temp, priv("1", "TAFSILY2"), filter), "Select * From " + Temp);
    EXPECT_EQ(asSet(full.texts("Tafsily2")),
              asSet({"010001", "010002", "010003", "020001", "020002", "030001"}));
    const ResultTable restricted =
        pick(fill.arg("##TV4512346", priv("2", "TAFSILY2"), filter), "Select * From ##TV4512346");
    EXPECT_EQ(asSet(restricted.texts("Tafsily2")), asSet({"010001", "010002", "010003", "020001", "020002"}));
}

TEST_F(AccountPickerStatementsTest, ProjectPickerKeepsListedGroupsAndSingleCodes) {
    const QString fill = "Select ProjectCod, ProjectNam, RecogName, IsActive, IsPosHesab, DesChar Into " +
                         Temp + " From M_Project Where ProjectCod In " + priv("1", "M_PROJECT") +
                         "And (PatIndex('%'+SubString(ProjectCod, 1, 2)+'%', '02') > 0 Or "
                         "PatIndex('%'+ProjectCod+'%', '01002') > 0 )";
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By ProjectCod");
    EXPECT_EQ(list.texts("ProjectCod"), (QStringList{"01002", "02001", "02002"}));
    EXPECT_EQ(list.text(2, "IsActive"), QStringLiteral("غيرفعال"));
}

TEST_F(AccountPickerStatementsTest, DocumentCombinationsOfDetailAccountsAreListedOnce) {
    const QString fill = "Select Distinct A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, "
                         "M.NamHesab As MNamHesab, T.NamHesab As TNamHesab, M.RecogName, T.IsActive, "
                         "T.IsPosHesab, T.DesChar Into " +
                         Temp +
                         " From Asnad As A "
                         "Inner Join Koll As K On (A.Koll = K.Koll) "
                         "Inner Join Moein As M On (A.Koll+A.Moein = M.Koll+M.Moein) "
                         "Left  Outer Join Tafsily As T On (A.Tafsily = T.Tafsily) "
                         "Where M.Koll+M.Moein In " +
                         priv("1", "MOEIN") + " And T.Tafsily In " + priv("1", "TAFSILY");
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Koll, Moein, Tafsily ");
    EXPECT_EQ(list.texts("Tafsily"), (QStringList{"03001", "01001", "01003", "02002", "02001", "02002"}));
    EXPECT_EQ(list.texts("Moein"), (QStringList{"  4", "  1", "  1", "  1", "  2", "  2"}));
    EXPECT_EQ(list.text(0, "TNamHesab"), QStringLiteral("علي رضايي"));
    EXPECT_EQ(list.text(2, "IsActive"), QStringLiteral("غيرفعال"));

    const QString restricted = QString(fill).replace("UserId='1'", "UserId='2'").replace(Temp, "##TV4512346");
    EXPECT_EQ(pick(restricted, "Select * From ##TV4512346 Order By Koll, Moein, Tafsily ").texts("Tafsily"),
              (QStringList{"03001", "01001", "01003"}));
}

TEST_F(AccountPickerStatementsTest, DocumentCombinationsOfDetailAndDetailTwoAreGroupedAndNumbered) {
    const QString fill =
        "Select A.Tafsily2, A.Tafsily, T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, M.RecogName, "
        "IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A "
        "Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein) "
        "Left Outer Join Tafsily As T On(A.Tafsily = T.Tafsily) "
        "Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) "
        "Where A.Koll+A.Moein In " +
        priv("2", "MOEIN") + " And A.Tafsily2 In " + priv("2", "TAFSILY2") +
        "Group By A.Tafsily2, A.Tafsily, T.NamHesab, T2.NamHesab, M.RecogName ";
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Tafsily, Tafsily2 ");
    EXPECT_EQ(list.texts("Tafsily2"), (QStringList{"010001", "010001", "010002", "020001"}));
    EXPECT_EQ(list.texts("Tafsily"), (QStringList{"", "", "", "02002"}));
    EXPECT_TRUE(list.isNull(0, "TNamHesab"));
    EXPECT_EQ(list.text(3, "TNamHesab"), QStringLiteral("شركت تاسيسات نيرو گستر"));
    EXPECT_EQ(list.text(2, "T2NamHesab"), QStringLiteral("خط توليد دو"));
    EXPECT_EQ(asSet(list.texts("RecogName").mid(0, 2)), asSet({QStringLiteral("بد"), QStringLiteral("بس")}));
    EXPECT_EQ(asSet(list.texts("IDX")), asSet({"1", "2", "3", "4"}));
}

TEST_F(AccountPickerStatementsTest, DocumentCombinationsOfAccountsAndDetailTwoAreGroupedAndNumbered) {
    const QString fill =
        "Select A.Tafsily2, A.Moein, A.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, "
        "T2.NamHesab As T2NamHesab, M.Recogname, IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A "
        "Inner Join Koll As K On(A.Koll = K.Koll) "
        "Inner Join Moein As M On(A.Moein = M.Moein And A.Koll = M.Koll) "
        "Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) "
        "Where A.Koll+A.Moein In " +
        priv("1", "MOEIN") + " And A.Tafsily2 In " + priv("1", "TAFSILY2") +
        "Group By A.Tafsily2, A.Moein, A.Koll, K.Namhesab, M.Namhesab, T2.Namhesab, M.RecogName ";
    const ResultTable list = pick(fill, "Select * From " + Temp + " Order By Koll, Moein, Tafsily2 ");
    EXPECT_EQ(list.texts("Koll"),
              (QStringList{" 11", " 11", " 11", " 11", " 12", " 12", " 31", " 81", " 81", " 81", " 81"}));
    EXPECT_EQ(list.texts("Tafsily2"), (QStringList{"010001", "030003", "030001", "030002", "010001", "030001",
                                                   "030001", "010001", "010002", "030001", "020001"}));
    EXPECT_EQ(list.text(10, "MNamHesab"), QStringLiteral("هزينه تعمير و نگهداري"));
    EXPECT_EQ(list.columns.size(), 8);
    EXPECT_EQ(list.rowCount(), 11);
}

TEST_F(AccountPickerStatementsTest, DocumentCombinationsOfTheWholeChainIncludePostingsWithoutDetailTwo) {
    const QString fill =
        "Select A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, "
        "M.Namhesab As MNamHesab, T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, "
        "M.RecogName, M.IsActive, M.IsPosHesab, M.DesChar, IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A "
        "Inner Join Koll As K On(A.Koll = K.Koll) "
        "Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein) "
        "Left Outer Join Tafsily As T On(A.Tafsily = T.Tafsily) "
        "Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) "
        "Where A.Koll+A.Moein In " +
        priv("1", "MOEIN") + " And " + "(IsNull(A.Tafsily2, '') = '' Or A.Tafsily2 In " +
        priv("1", "TAFSILY2") + ") " +
        "Group By A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab, M.Namhesab, T.NamHesab, T2.NamHesab, "
        "M.RecogName, M.IsActive, M.IsPosHesab, M.DesChar ";
    const ResultTable list =
        pick(fill, "Select * From " + Temp + " Order By Koll, Moein, Tafsily, Tafsily2 ");
    EXPECT_EQ(list.rowCount(), 14);
    EXPECT_EQ(list.columns.size(), 13);
    // The payables postings carry no detail-2 account.
    EXPECT_EQ(list.texts("Koll").mid(6, 4), (QStringList{" 31", " 31", " 31", " 31"}));
    EXPECT_EQ(list.texts("Tafsily2").mid(6, 4), (QStringList{"", "", "", "030001"}));
    EXPECT_EQ(list.texts("Tafsily").mid(6, 4), (QStringList{"01001", "01003", "02002", "02001"}));
    QSet<qlonglong> numbers;
    for (const QVariantList& row : list.rows) {
        numbers.insert(row[12].toLongLong());
    }
    EXPECT_EQ(numbers.size(), 14);
    EXPECT_EQ(*std::min_element(numbers.begin(), numbers.end()), 1);
}

TEST_F(AccountPickerStatementsTest, GeneralAccountsOfACostCentreGroupAreThoseWhoseSubsidiariesAdmitIt) {
    // A general account whose only subsidiary admits group 02 alone.
    exec("Insert Into Koll (Koll, NamHesab, IsActive) Values (' 14', 'سرمايه گذاريها', 'فعال')");
    exec("Insert Into Moein (Koll, Moein, NamHesab, IsTafsily2, GrohTafsily2, IsActive) "
         "Values (' 14', '  1', 'سرمايه گذاري در شركتها', 'دارد', '02', 'فعال')");
    exec("Insert Into UserPrivilege (UserId, TableName, FieldCode) Values ('1', 'KOLL', ' 14')");
    const QString fill =
        "Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar Into %1 "
        "From Koll Where  Koll In (Select Koll From Moein Where PatIndex('%%2%', GrohTafsily2) > 0 "
        "Or IsNull(GrohTafsily2, '') = '') And  Koll In " +
        priv("1", "KOLL");
    const QStringList groupOne =
        pick(fill.arg(Temp, "01"), "Select * From " + Temp + " Order By Koll").texts("Koll");
    EXPECT_FALSE(groupOne.contains(" 14"));
    EXPECT_TRUE(groupOne.contains(" 11"));
    const QStringList groupTwo =
        pick(fill.arg("##TV4512346", "02"), "Select * From ##TV4512346 Order By Koll").texts("Koll");
    EXPECT_TRUE(groupTwo.contains(" 14"));
}

TEST_F(AccountPickerStatementsTest, SubsidiaryAccountsOfACostCentreGroupCarryTheLevelAndAdmitTheGroup) {
    const QString fill = "Select M.Moein, M.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, "
                         "M.RecogName, M.IsTafsily1, M.IsTafsily2, M.IsProject, M.GrohTafsily, "
                         "M.GrohTafsily2, M.GrohProject, M.IsActive, M.IsPosHesab, "
                         "M.FAtfCh, M.FAtfDate, M.FAtfNum, M.DesChar, M.IsTafsily, IDX = Identity(Int, 1, 1) "
                         "Into " +
                         Temp +
                         " From Moein As M, Koll As K "
                         "Where K.Koll = M.Koll And M.Koll+M.Moein In " +
                         priv("1", "MOEIN");
    const ResultTable list =
        pick(fill, "Select * From " + Temp +
                       " Where IsTafsily2='دارد' And (PatIndex('%03%', GrohTafsily2) > 0 Or "
                       "IsNull(GrohTafsily2, '')='') ");
    QStringList accounts;
    for (qsizetype r = 0; r < list.rowCount(); ++r) {
        accounts.append(list.text(r, "Koll") + list.text(r, "Moein"));
    }
    EXPECT_EQ(asSet(accounts), asSet({" 11  2", " 11  4", " 11  5", " 12  2", " 12  4", " 12  5", " 31  2",
                                      " 81  1", " 81  3"}));
}
