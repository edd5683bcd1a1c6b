// Statements of the pickers, validations, editors and register tools, run on the demo company: each
// row runs its setup, then its query, and compares every row of the result (cells joined by '|',
// NULL shown as "NULL").

#include "CompanyDatabaseTest.h"

using tarvand::testsupport::ResultTable;

namespace {

struct Statement {
    const char* name;
    QStringList setup;
    QString query;
    QStringList rows;
};

void PrintTo(const Statement& s, std::ostream* out) {
    *out << s.name;
}

const QString Temp = QStringLiteral("##TV4512345");

// The privilege subquery of a user for a table, as the toolkit writes it.
QString priv(const char* user, const char* table) {
    return QStringLiteral(
               "(Select FieldCode From UserPrivilege Where UserId='%1' And Upper(TableName)='%2') ")
        .arg(user, table);
}

QString from(const QString& columns, const QString& order = {}) {
    return "Select " + columns + " From " + Temp + (order.isEmpty() ? "" : " Order By " + order);
}

std::vector<Statement> statements() {
    const QString koll = "Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar Into " +
                         Temp + " From Koll Where Koll In ";
    const QString moein = "Select M.Moein, M.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, "
                          "M.RecogName, M.IsTafsily1, M.IsTafsily2, M.IsProject, M.GrohTafsily, "
                          "M.GrohTafsily2, M.GrohProject, M.IsActive, M.IsPosHesab, M.FAtfCh, M.FAtfDate, "
                          "M.FAtfNum, M.DesChar, M.IsTafsily, IDX = Identity(Int, 1, 1) Into " +
                          Temp + " From Moein As M, Koll As K Where K.Koll = M.Koll And M.Koll+M.Moein In ";
    const QString detailTwo = "Select Tafsily2, NamHesab, RecogName, IsActive, IsPosHesab, DesChar Into " +
                              Temp +
                              " From Tafsily2 Where Tafsily2 In %1 And (PatIndex('%'+SubString("
                              "Tafsily2, 1, 2)+'%', '01,02') > 0 Or PatIndex('%'+Tafsily2+'%', "
                              "'030001') > 0 )";
    const QString postings = "Select Distinct A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, "
                             "M.NamHesab As MNamHesab, T.NamHesab As TNamHesab, M.RecogName, T.IsActive, "
                             "T.IsPosHesab, T.DesChar Into " +
                             Temp +
                             " From Asnad As A Inner Join Koll As K On (A.Koll = K.Koll) Inner Join Moein "
                             "As M On (A.Koll+A.Moein = M.Koll+M.Moein) Left  Outer Join Tafsily As T On "
                             "(A.Tafsily = T.Tafsily) Where M.Koll+M.Moein In %1 And T.Tafsily In %2";
    const QString postingsTwo =
        "Select A.Tafsily2, A.Tafsily, T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, M.RecogName, "
        "IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A Inner Join Moein As M On(A.Koll+A.Moein = M.Koll+M.Moein) Left Outer Join Tafsily "
        "As T On(A.Tafsily = T.Tafsily) Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) Where "
        "A.Koll+A.Moein In " +
        priv("2", "MOEIN") + " And A.Tafsily2 In " + priv("2", "TAFSILY2") +
        "Group By A.Tafsily2, A.Tafsily, T.NamHesab, T2.NamHesab, M.RecogName ";
    const QString accountsTwo =
        "Select A.Tafsily2, A.Moein, A.Koll, K.NamHesab As KNamHesab, M.NamHesab As MNamHesab, T2.NamHesab "
        "As T2NamHesab, M.Recogname, IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A Inner Join Koll As K On(A.Koll = K.Koll) Inner Join Moein As M On(A.Moein = "
        "M.Moein And A.Koll = M.Koll) Left Outer Join Tafsily2 As T2 On(A.Tafsily2 = T2.Tafsily2) Where "
        "A.Koll+A.Moein In " +
        priv("1", "MOEIN") + " And A.Tafsily2 In " + priv("1", "TAFSILY2") +
        "Group By A.Tafsily2, A.Moein, A.Koll, K.Namhesab, M.Namhesab, T2.Namhesab, M.RecogName ";
    const QString chain =
        "Select A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab As KNamHesab, M.Namhesab As MNamHesab, "
        "T.NamHesab As TNamHesab, T2.NamHesab As T2NamHesab, M.RecogName, M.IsActive, M.IsPosHesab, "
        "M.DesChar, IDX = Identity(Int, 1, 1) Into " +
        Temp +
        " From Asnad As A Inner Join Koll As K On(A.Koll = K.Koll) Inner Join Moein As M On(A.Koll+A.Moein "
        "= M.Koll+M.Moein) Left Outer Join Tafsily As T On(A.Tafsily = T.Tafsily) Left Outer Join Tafsily2 "
        "As T2 On(A.Tafsily2 = T2.Tafsily2) Where A.Koll+A.Moein In " +
        priv("1", "MOEIN") + " And (IsNull(A.Tafsily2, '') = '' Or A.Tafsily2 In " + priv("1", "TAFSILY2") +
        ") Group By A.Tafsily2, A.Tafsily, A.Moein, A.Koll, K.NamHesab, M.Namhesab, T.NamHesab, "
        "T2.NamHesab, M.RecogName, M.IsActive, M.IsPosHesab, M.DesChar ";
    const QString kollOfGroup =
        "Select Koll, NamHesab, RecogName, IsHesabTmp, IsActive, IsPosHesab, DesChar Into " + Temp +
        " From Koll Where  Koll In (Select Koll From Moein Where PatIndex('%%1%', GrohTafsily2) > 0 Or "
        "IsNull(GrohTafsily2, '') = '') And  Koll In " +
        priv("1", "KOLL");
    const QStringList newKoll = {
        "Insert Into Koll (Koll, NamHesab, IsActive) Values (' 14', 'سرمايه گذاريها', 'فعال')",
        "Insert Into Moein (Koll, Moein, NamHesab, IsTafsily2, GrohTafsily2, IsActive) Values (' 14', '  1', "
        "'سرمايه گذاري در شركتها', 'دارد', '02', 'فعال')",
        "Insert Into UserPrivilege (UserId, TableName, FieldCode) Values ('1', 'KOLL', ' 14')"};
    const QString lastClose = "Select IsNull(Max(SanadDate), '1300/00/00') SanadDate From Asnad Where "
                              "TypeSys='D' And WhatDoc In ('98', '99')";
    const QString range = "Select Min(sDate) As MinSanadDate, Max(sDate) As MaxSanadDate, Min(SanadNoAmval) "
                          "As MinSanadNo, Max(SanadNoAmval) As MaxSanadNo From ";
    const QString detailGroups = "Select Tafsily, IsActive From Tafsily Where Tafsily = '%1'  And ( "
                                 "PatIndex('%'+SubString(Tafsily, 1, 2)+'%', '01') > 0  Or PatIndex('%'+"
                                 "Tafsily+'%', '03001,03002') > 0 ) ";
    // The restriction lookups come with the code unquoted.
    const QString ownDetailTwo = " Select Tafsily, GrohTafsily2, Tafsily2Joz from Tafsily where Tafsily = %1 "
                                 "And ((GrohTafsily2 Is Not Null And GrohTafsily2 <> '') Or (Tafsily2Joz Is "
                                 "Not Null And Tafsily2Joz <> '')) ";
    const QString ownProject = " Select %2, GrohProject, ProjectJoz from %2 where %2 = %1 And ((GrohProject "
                               "Is Not Null And GrohProject <> '') Or (ProjectJoz Is Not Null And ProjectJoz "
                               "<> '')) ";
    const QString grantees = "Select FieldCode, UserId From UserPrivilege Where TableName = '%1' And "
                             "FieldCode In (%2) Order By FieldCode, UserId";
    const QString grantAll = "Insert Into UserPrivilege(UserId, TableName, FieldCode) Select UserId, '%1', "
                             "'%2' From UserSdc";
    const QString grantOne =
        "Insert Into UserPrivilege(UserId, TableName, FieldCode) Select '%1', '%2', '%3'";
    const QString highest =
        "Select Max(Tafsily2) As sMax From Tafsily2 Where SubString(Tafsily2, 1, 2) = '%1'";
    const QString names =
        "Select (Select Top 1 VezNam From D_Vezarat Where VezCod = '%1') As VezNam, (Select "
        "Top 1 MadehNam From D_Madeh151 Where MadehCod = '%2') As MadehNam, (Select Top 1 "
        "MakanNam From D_Makan Where MakanCod = '%3') As MakanNam, (Select Top 1 [Name]+' '+"
        "Family From Person Where Code = '%4') As PersonName, (Select Top 1 VazNam From "
        "D_VazDarae Where VazCod = '%5') As VazNam, (Select Top 1 SakhtarNam From D_Sakhtar "
        "Where SakhtarCod= '%6') As SakhtarNam ";
    const QString tags = " Select Count(*) As X From D_Amval Where  LTrim(RTrim(Pelak%1)) = '%2'";
    const QString recipients =
        "Select Code As PersonelCod, [Name]+' '+Family As PersonelNam, D_Koll As Koll, "
        "D_Moein As Moein, D_Tafsily As Tafsily, D_Tafsily2 As Tafsily2, D_ProjectCod "
        "As ProjectCod Into %1 From Person ";
    const QString totals = "Select Sum(EndValue) As EndValue, Sum(Anbashteh) As Anbashteh, Sum(Esshat) As "
                           "Esshat From D_Amval ";
    const QString overlap = " Select DaraCod From D_Amval Where DaraCod>='%1' And DaraCod<='%2'";
    const QString batch =
        " Insert Into d_amval (daracod,daranam,raveshest,nozooli,salianeh,bahredate) Select "
        "'      %1','%2','%3',%4,%5,'1403/05/01'";
    const QString persons =
        "Select ' ' As sSelect, Code, Name+' '+Family  As Name Into " + Temp + " From Person";
    const QString tick =
        "Update " + Temp + " Set sSelect = 'ض' Where (PatIndex(('%'+LTrim(RTrim(Code))+'%'), '%1') > 0) ";
    const QString invert = "Update " + Temp + " Set sSelect = Case When sSelect = 'ض' Then ' ' Else 'ض' End ";
    const QString ticked = "Select Code From " + Temp + " Where sSelect = 'ض' Order By Code";
    const QString tickedCount = "Select Count(*) From " + Temp + " Where sSelect = 'ض' ";

    // clang-format off
    return {
        // Account pickers fill a temporary table the list form reads back.
        {"GeneralPicker", {koll + priv("2", "KOLL")}, from("Koll", "Koll"),
         {" 11", " 12", " 13", " 31", " 81"}},
        {"SubsidiaryPickerNumbersRowsFromOne", {moein + priv("2", "MOEIN")},
         from("Count(*), Min(IDX), Max(IDX), Count(Distinct IDX)"), {"18|1|18|18"}},
        {"SubsidiaryPickerJoinsTheGeneralAccount", {moein + priv("2", "MOEIN")},
         from("Top 1 Koll, Moein, KNamHesab, MNamHesab", "Koll, Moein"),
         {" 11|  1|داراييهاي ثابت مشهود|زمين"}},
        {"DetailTwoPickerOfAllCodes", {detailTwo.arg(priv("1", "TAFSILY2"))}, from("Tafsily2", "Tafsily2"),
         {"010001", "010002", "010003", "020001", "020002", "020003", "030001"}},
        {"PostedDetailAccountsListedOnce",
         {postings.arg(priv("1", "MOEIN"), priv("1", "TAFSILY"))},
         from("Tafsily, Moein, TNamHesab, IsActive", "Koll, Moein, Tafsily"),
         {"03001|  4|علي رضايي|فعال", "01001|  1|شركت ايران خودرو|فعال",
          "01003|  1|شركت صنايع چوب شمال|غيرفعال", "02002|  1|شركت تاسيسات نيرو گستر|فعال",
          "02001|  2|شركت پيمانكاري ساختمان آرمان|فعال", "02002|  2|شركت تاسيسات نيرو گستر|فعال"}},
        {"PostedDetailAndDetailTwoGrouped",
         {postingsTwo},
         from("Tafsily2, Tafsily, TNamHesab, T2NamHesab, RecogName", "Tafsily, Tafsily2, RecogName"),
         {"010001||NULL|خط توليد يك|بد", "010001||NULL|خط توليد يك|بس", "010002||NULL|خط توليد دو|بد",
          "020001|02002|شركت تاسيسات نيرو گستر|تعميرگاه مركزي|بد"}},
        {"PostedChainIncludesPostingsWithoutDetailTwo",
         {chain},
         "Select Tafsily, Tafsily2 From " + Temp +
             " Where Koll = ' 31' Order By Koll, Moein, Tafsily, Tafsily2",
         {"01001|", "01003|", "02002|", "02001|030001"}},
        {"PostedChainNumbered", {chain}, from("Count(*), Count(Distinct IDX), Min(IDX)"), {"14|14|1"}},
        {"GeneralAccountsOfAGroupAdmitIt", newKoll + QStringList{kollOfGroup.arg("02")},
         "Select Koll From " + Temp + " Where Koll In (' 11', ' 14') Order By Koll", {" 11", " 14"}},
        // Closings, code lengths and document ranges.
        {"LastCloseIsTheLatestClosingOfTheAssetSystem", {}, lastClose, {"1402/12/29"}},
        {"LastCloseWithoutClosings", {"Delete From Asnad Where TypeSys = 'D'"}, lastClose, {"1300/00/00"}},
        {"GroupCodeLengths",
         {},
         "Select COL_LENGTH('GrohTafsily', 'TafsilyGrohCod'), COL_LENGTH('GrohTafsily2', 'Tafsily2GrohCod'), "
         "COL_LENGTH('M_GrohProject', 'ProjectGrohCod') ",
         {"2|2|2"}},
        {"GroupCodeLengthsOfMissingColumnOrTable", {},
         "Select COL_LENGTH('GrohTafsily', 'NoSuchColumn'), COL_LENGTH('NoSuchTable', 'ProjectGrohCod') ",
         {"NULL|NULL"}},
        {"DocumentRange", {}, range + "D_Buy_Create", {"1398/03/12|1403/02/10|1|6"}},
        // Validation of the account chain by stored codes and the pickers' restrictions.
        {"GeneralAccountByStoredCode", {},
         "Select Koll, IsActive From Koll Where Koll In (' 11', ' 90', '  7', '11') Order By Koll",
         {" 11|فعال", " 90|غيرفعال"}},
        {"SubsidiaryByJoinedCodes", {}, "Select NamHesab From Moein Where Koll+Moein = ' 11  3' ",
         {"ماشين آلات و تجهيزات توليد"}},
        {"DetailByItsGroup", {}, detailGroups.arg("01002"), {"01002|فعال"}},
        {"DetailListedOnItsOwn", {}, detailGroups.arg("03002"), {"03002|فعال"}},
        {"DetailNeitherListedNorInAGroup", {}, detailGroups.arg("02001"), {}},
        {"DetailsOwnDetailTwoRestriction", {}, ownDetailTwo.arg("02001"), {"02001|03|010001"}},
        {"DetailWithoutDetailTwoRestriction", {}, ownDetailTwo.arg("01001"), {}},
        {"ProjectRestrictionOfADetailTwo", {}, ownProject.arg("010001", "Tafsily2"), {"010001|02|01002"}},
        {"SubsidiaryLevelsByTrimmedCodes",
         {},
         "Select IsTafsily1, IsTafsily2, IsProject, GrohTafsily2 From Moein Where LTRIM(Koll)+LTRIM(Moein) = "
         "'113'",
         {"ندارد|دارد|دارد|01,02"}},
        {"LocationCostCentreInItsStoredForm", {},
         "Select NamHesab From Tafsily2 Where Tafsily2 In ('010003', '10003', '  3000')", {"كارگاه رنگ"}},

        // Register editors and their privileges.
        {"HighestCodeOfAGroup", {}, highest.arg("03"), {"030004"}},
        {"HighestCodeOfAnEmptyGroup", {}, highest.arg("04"), {"NULL"}},
        {"NewCostCentreForEveryUser", {grantAll.arg("TAFSILY2", "010004")},
         grantees.arg("TAFSILY2", "'010004'"), {"010004|1", "010004|2"}},
        {"NewCostCentreForTheCurrentUser", {grantOne.arg("2", "TAFSILY2", "010004")},
         grantees.arg("TAFSILY2", "'010004'"), {"010004|2"}},
        {"DeletedCostCentreLosesItsGrants",
         {"Delete From UserPrivilege Where Upper(TableName)='TAFSILY2' And FieldCode='010003'"},
         "Select Count(*) From UserPrivilege Where TableName = 'TAFSILY2'", {"14"}},
        {"UnitByUnquotedCode", {}, "Select Code_field, Desk From Depart_1 Where Code_field =3", {"3|توليد"}},

        // Register tools: lookups, tags, names behind codes, totals, labels and batch creation.
        {"RecipientLookup", {recipients.arg(Temp)},
         from("Top 4 PersonelCod, PersonelNam, Tafsily2", "PersonelCod"),
         {"   12|پرويز اكبري|", "  101|علي رضايي|", "  102|مريم احمدي|", "  103|حسن كريمي|030001"}},
        {"SecondRecipientLookupHasItsOwnTable", {recipients.arg(Temp), recipients.arg("##TV4512399")},
         "Select (Select Count(*) From ##TV4512399), (Select Count(*) From " + Temp + ")", {"12|12"}},
        {"NotANewTag", {}, tags.arg("New", "A-2001"), {"0"}},
        {"EmptyTags", {}, tags.arg("Old", ""), {"21"}},
        {"PaddedNewTag", {"Update D_Amval Set PelakNew = '  10003 ' Where DaraCod = '      6005'"},
         tags.arg("New", "10003"), {"2"}},
        {"NamesBehindTheCodes", {}, names.arg("  2", "  2", "  2", "  103", "  1", "  3"),
         {"ماشين آلات و تجهيزات|ماشين آلات و تجهيزات توليدي|كارخانه - سالن توليد يك|حسن كريمي|فعال و در حال "
          "بهره "
          "برداري|سازنده"}},
        {"NoNamesBehindBlankCodes", {}, names.arg("   ", "   ", "   ", "     ", "   ", "   "),
         {"NULL|NULL|NULL|NULL|NULL|NULL"}},
        {"Totals", {}, totals, {"325841000000|47564000000|1520000000"}},
        {"TotalsOfAnEmptyRegister", {"Delete From D_Amval"}, totals, {"NULL|NULL|NULL"}},
        {"BarcodeLabels",
         {"Select Identity(int,1,1) as idx,DaraCod As KalaCode, DaraNam As KalaName,BahreDate As KalaDate , "
          "Cast(0 As Float) As FeeSales, DaraNam As KalaName2,Cast('1403/05/15' as varchar(10)) As CurDate,"
          "Cast('1' As Varchar(1)) As Amval Into " +
          Temp + "_Temp From D_Amval"},
         "Select Count(*), Min(idx), Max(idx), Count(Distinct KalaCode), Max(FeeSales), Min(CurDate), "
         "Max(Amval), "
         "Sum(Case When KalaName = KalaName2 Then 1 Else 0 End) From " +
             Temp + "_Temp",
         {"38|1|38|38|0|1403/05/15|1|38"}},
        {"BatchOverlap", {}, overlap.arg("      5999", "      6002"), {"      6001", "      6002"}},
        {"BatchCreatedAssets",
         {batch.arg("7001", "ميز تحرير7001", "مستقيم", "0", "5"),
          batch.arg("7002", "      7002", "نزولي", "12.5", "0")},
         "Select DaraCod, DaraNam, RaveshEst, Salianeh, Nozooli, EndValue, MakanCod, BahreDate From D_Amval "
         "Where DaraCod In ('      7001', '      7002') Order By DaraCod",
         {"      7001|ميز تحرير7001|مستقيم|5|0|0||1403/05/01",
          "      7002|      7002|نزولي|0|12.5|0||1403/05/01"}},

        // The recipient picker ticks people in a temporary table.
        {"RecipientsTickedByCodesInTheText", {persons, tick.arg("101,112")}, ticked, {"   12", "  101"}},
        {"RecipientsInverted", {persons, tick.arg("105"), invert}, tickedCount + "And Code <> '  105'",
         {"11"}},
    };
    // clang-format on
}

QStringList rowsOf(const ResultTable& table) {
    QStringList rows;
    for (const QVariantList& row : table.rows) {
        QStringList cells;
        for (const QVariant& cell : row) {
            cells.append(cell.isNull() ? QStringLiteral("NULL") : cell.toString());
        }
        rows.append(cells.join(u'|'));
    }
    return rows;
}

} // namespace

class FormStatementsTest : public CompanyDatabaseTest, public ::testing::WithParamInterface<Statement> {};

TEST_P(FormStatementsTest, GivesTheExpectedRows) {
    for (const QString& statement : GetParam().setup) {
        exec(statement);
    }
    EXPECT_EQ(rowsOf(select(GetParam().query)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Demo, FormStatementsTest, ::testing::ValuesIn(statements()),
                         [](const auto& info) { return std::string(info.param.name); });
