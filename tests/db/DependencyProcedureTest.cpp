// The dependency procedures answer whether a code is still in use: one row whose first column
// counts the records that refer to the code.

#include "CompanyDatabaseTest.h"

namespace {

struct Dependency {
    const char* name; // test name
    const char* procedure;
    const char* code; // stored form
    int countInDemo;
    QStringList referencingRows; // each adds one reference to the code
};

// clang-format off
const QList<Dependency> Dependencies = {
    {"LocationByAssetAndTransfer", "sp_D_Depended_MakanCode", "  9", 0,
     {"Insert Into D_Amval (DaraCod, DaraNam, MakanCod) Values ('      9001', 'ميز', '  9')",
      "Insert Into D_Tahvil_Antegal (SanadNoAmval, Radif, sDate, DaraCod, FromMakanCod, ToMakanCod) "
      "Values (9, 1, '1403/05/01', '      1101', '  1', '  9')"}},
    {"AssetStateByAssetAndRetirement",
     "sp_D_Depended_VazCode",
     "  6",
     1, // one asset is lent out
     {"Insert Into D_Amval (DaraCod, DaraNam, VazCod) Values ('      9001', 'ميز', '  6')",
      "Insert Into D_KenarD (SanadNoAmval, Radif, sDate, DaraCod, VazCod) "
      "Values (9, 1, '1403/05/01', '      1101', '  6')"}},
    {"TaxGroupByAsset", "sp_D_Depended_Vezarat", "  6", 0,
     {"Insert Into D_Amval (DaraCod, DaraNam, VezCod) Values ('      9001', 'نرم افزار', '  6')"}},
    {"CostComponentByPurchase", "sp_D_Depended_Gheimat", "  6", 0,
     {"Insert Into D_Buy_Create (SanadNoAmval, Radif, sDate, DaraCod, MabadiCod, GheimatCod, Mablagh) "
      "Values (9, 1, '1403/05/01', '      2007', '  2', '  6', 45000000)"}},
    {"DeliverySourceByPurchase", "sp_D_Depended_MabadiCode", "  4", 0,
     {"Insert Into D_Buy_Create (SanadNoAmval, Radif, sDate, DaraCod, MabadiCod, GheimatCod, Mablagh) "
      "Values (9, 1, '1403/05/01', '      1002', '  4', '  1', 500000000)"}},
    {"RateRowByAssetAndMethodChange", "sp_D_Depended_Madeh151", "  8", 1,
     {"Insert Into D_Amval (DaraCod, DaraNam, MadehCod) Values ('      9001', 'كاميون', '  8')",
      "Insert Into D_SoulationChange (SanadNoAmval, Radif, sDate, DaraCod, MadehCod, RaveshEst, Nozooli) "
      "Values (1, 1, '1403/05/01', '      3003', '  8', 'نزولي', 35)"}},
    // The demo's land carries no characteristic (blanks), which must not count as a use of "   ".
    {"CharacteristicByAsset", "sp_D_Depended_SakhtarCode", "  2", 6,
     {"Insert Into D_Amval (DaraCod, DaraNam, SakhtarCod) Values ('      9001', 'رايانه', '  2')"}},
    {"UnitByPerson", "sp_Depended_Depart", "7", 0,
     {"Insert Into Person (Code, Name, Family, Vahd) Values ('  201', 'بهروز', 'نادري', 7)"}},
    {"CostCentreOnCodeChange", "sp_D_Depended_Tafsily2Code", "030004", 0,
     {"Insert Into Asnad (TypeSys, SanadNo, Radif, SanadDate, Koll, Moein, Tafsily2) "
      "Values ('H', 9, 1, '1403/05/01', ' 11', '  5', '030004')",
      "Insert Into D_Makan (MakanCod, MakanNam, Tafsily2) Values (' 10', 'دفتر مشهد', '030004')",
      "Insert Into D_Mabadi (MabadiCod, MabadiNam, Tafsily2) Values ('  5', 'انتقال از شعبه', '030004')",
      "Insert Into D_Amval (DaraCod, DaraNam, HTafsily2) Values ('      9001', 'ميز', '030004')",
      "Insert Into Person (Code, Name, Family, Vahd, TAFSILY2) Values ('  201', 'بهروز', 'نادري', 1, "
      "'030004')",
      "Insert Into Person (Code, Name, Family, Vahd, D_TAFSILY2) Values ('  202', 'نسرين', 'نادري', 1, "
      "'030004')"}},
    {"CostCentreOnDelete", "sp_Depended_Tafsily2Code", "030004", 0,
     {"Insert Into Asnad (TypeSys, SanadNo, Radif, SanadDate, Koll, Moein, Tafsily2) "
      "Values ('H', 9, 1, '1403/05/01', ' 11', '  5', '030004')",
      "Insert Into D_Amval (DaraCod, DaraNam, DTafsily2) Values ('      9001', 'ميز', '030004')"}},
    {"CostCentreGroupByItsAccounts", "sp_M_Depended_GrohTafsily2", "04", 0,
     {"Insert Into Tafsily2 (Tafsily2, NamHesab) Values ('040001', 'كارگاه پروژه شمال')",
      "Insert Into Tafsily2 (Tafsily2, NamHesab) Values ('040002', 'كارگاه پروژه جنوب')"}},
    {"PersonByAssetAndTransfer", "sp_Depended_Person", "   12", 0,
     {"Insert Into D_Amval (DaraCod, DaraNam, PersonelCod) Values ('      9001', 'ميز', '   12')",
      "Insert Into D_Tahvil_Antegal (SanadNoAmval, Radif, sDate, DaraCod, FromPersonelCod, ToPersonelCod) "
      "Values (9, 1, '1403/05/01', '      1101', '   12', '  101')"}},
    {"AssetByItsDocuments", "sp_D_Depended_AmvalCode", "      6005", 0,
     {"Insert Into D_DaraeReduce (SanadNoAmval, Radif, sDate, DaraCod, Mablagh) "
      "Values (9, 1, '1403/05/01', '      6005', 1000)",
      "Insert Into D_KenarD (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      6005')",
      "Insert Into D_ForoshDaymeh (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      "
      "6005')",
      "Insert Into D_SoulationChange (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '     "
      " 6005')",
      "Insert Into D_Tahvil_Antegal (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      "
      "6005')",
      "Insert Into D_AsaseChange (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      "
      "6005')",
      "Insert Into D_FirstTadil (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      "
      "6005')",
      "Insert Into D_Buy_Create (SanadNoAmval, Radif, sDate, DaraCod) Values (9, 1, '1403/05/01', '      "
      "6005')"}},
};
// clang-format on

void PrintTo(const Dependency& dependency, std::ostream* out) {
    *out << dependency.procedure << " '" << dependency.code << "'";
}

} // namespace

class DependencyProcedureTest : public CompanyDatabaseTest, public ::testing::WithParamInterface<Dependency> {
protected:
    // The call as the editors make it: the procedure's bare name and the quoted code.
    tarvand::testsupport::ResultTable call(const QString& code) {
        return select(QStringLiteral("%1 '%2'").arg(GetParam().procedure, code));
    }
    qlonglong usage(const QString& code) { return call(code).rows.value(0).value(0).toLongLong(); }
};

// One row whose first column counts the references; every referencing record raises the count, the
// code without its padding finds the same references, and an unknown or empty code is not in use.
TEST_P(DependencyProcedureTest, CountsEveryReferenceWhateverThePaddingOfTheCode) {
    const auto result = call(GetParam().code);
    ASSERT_EQ(result.rowCount(), 1);
    ASSERT_FALSE(result.columns.isEmpty());
    qlonglong expected = GetParam().countInDemo;
    EXPECT_EQ(result.rows[0][0].toLongLong(), expected);
    for (const QString& row : GetParam().referencingRows) {
        ASSERT_EQ(exec(row), 1) << row.toStdString();
        EXPECT_EQ(usage(GetParam().code), ++expected) << row.toStdString();
    }
    const QString code = QString::fromLatin1(GetParam().code);
    EXPECT_EQ(usage(code.trimmed()), expected);
    EXPECT_EQ(usage(code + "  "), expected);
    EXPECT_EQ(usage("999999"), 0);
    EXPECT_EQ(usage(""), 0);
    EXPECT_EQ(usage("   "), 0);
}

INSTANTIATE_TEST_SUITE_P(EditedTables, DependencyProcedureTest, ::testing::ValuesIn(Dependencies),
                         [](const ::testing::TestParamInfo<Dependency>& info) { return info.param.name; });
