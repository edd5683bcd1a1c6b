// The demo company database: every table exists with the declared lengths the module pads to,
// codes are stored in their padded form, and the demo holds what the editors need to be explored.

#include "CompanyDatabaseTest.h"

#include <QRegularExpression>
#include <QSet>

using tarvand::testsupport::ResultTable;

namespace {

const QStringList CompanyTables = {
    "Options",       "Asnad",      "D_AsaseChange", "D_FirstTadil",     "D_Buy_Create",      "D_ForoshDaymeh",
    "D_DaraeReduce", "D_KenarM",   "D_KenarD",      "D_Tahvil_Antegal", "D_SoulationChange", "Koll",
    "Moein",         "Tafsily",    "Tafsily2",      "M_Project",        "GrohTafsily",       "GrohTafsily2",
    "M_GrohProject", "Grid_State", "UserPrivilege", "UserSdc",          "UserSdcDetail",     "D_Makan",
    "D_VazDarae",    "D_VezArat",  "D_Gheimat",     "D_Mabadi",         "D_Madeh151",        "D_Sakhtar",
    "Depart_1",      "Person",     "D_Amval"};

const QStringList DocumentTables = {"D_AsaseChange",  "D_FirstTadil",     "D_Buy_Create",
                                    "D_ForoshDaymeh", "D_DaraeReduce",    "D_KenarM",
                                    "D_KenarD",       "D_Tahvil_Antegal", "D_SoulationChange"};

// The value of KEY in a KEY=value; settings text, matched as the module matches it.
QString setting(const QString& text, const QString& key) {
    const QString upper = text.toUpper();
    const qsizetype at = upper.indexOf(key.toUpper() + QLatin1Char('='));
    if (at < 0) {
        return {};
    }
    const qsizetype start = at + key.size() + 1;
    const qsizetype end = upper.indexOf(QLatin1Char(';'), start);
    return upper.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

class DemoDatabaseTest : public CompanyDatabaseTest {
protected:
    int declaredSize(const QString& table, const QString& column) {
        for (const auto& info : db->tableColumns(table)) {
            if (info.name.compare(column, Qt::CaseInsensitive) == 0) {
                return info.size;
            }
        }
        return -1;
    }

    // Every stored value of a column, for the rows that have one.
    QStringList values(const QString& table, const QString& column) {
        return select(QStringLiteral("Select %1 From %2 Where %1 Is Not Null").arg(column, table))
            .texts(column);
    }
};

TEST_F(DemoDatabaseTest, EveryTableTheModuleUsesExists) {
    for (const QString& table : CompanyTables) {
        EXPECT_FALSE(db->tableColumns(table).isEmpty()) << table.toStdString();
    }
}

TEST_F(DemoDatabaseTest, EveryDocumentTableCarriesDateAndNumber) {
    for (const QString& table : DocumentTables) {
        EXPECT_EQ(declaredSize(table, "sDate"), 10) << table.toStdString();
        EXPECT_GE(declaredSize(table, "SanadNoAmval"), 0) << table.toStdString();
    }
}

TEST_F(DemoDatabaseTest, EachKindOfCodeHasOneDeclaredLengthEverywhere) {
    const QList<std::pair<int, QStringList>> lengths = {
        {3,
         {"Koll.Koll", "Moein.Koll", "Tafsily2.Koll", "Tafsily2.AKoll", "Tafsily2.HKoll", "D_Mabadi.Koll",
          "Asnad.Koll", "Person.D_KOLL", "Person.KOLL", "D_Amval.DKoll", "D_Amval.Koll", "D_Amval.HKoll"}},
        {3,
         {"Moein.Moein", "Tafsily2.Moein", "Tafsily2.AMoein", "Tafsily2.HMoein", "D_Mabadi.Moein",
          "Asnad.Moein", "Person.D_MOEIN", "D_Amval.DMoein", "D_Amval.Moein", "D_Amval.HMoein"}},
        {5,
         {"Tafsily.Tafsily", "Tafsily2.Tafsily", "Tafsily2.ATafsily", "Tafsily2.HTafsily", "D_Mabadi.Tafsily",
          "Asnad.Tafsily", "Person.D_TAFSILY", "D_Amval.DTafsily", "D_Amval.Tafsily", "D_Amval.HTafsily"}},
        {6,
         {"Tafsily2.Tafsily2", "D_Makan.Tafsily2", "D_Mabadi.Tafsily2", "Asnad.Tafsily2", "Person.D_TAFSILY2",
          "Person.TAFSILY2", "D_Amval.DTafsily2", "D_Amval.Tafsily2", "D_Amval.HTafsily2"}},
        {5,
         {"M_Project.ProjectCod", "Tafsily2.ProjectCod", "Tafsily2.AProjectCod", "D_Mabadi.ProjectCod",
          "Asnad.ProjectCod", "Person.D_PROJECTCOD", "D_Amval.DProjectCod", "D_Amval.HProjectCod"}},
        {2, {"GrohTafsily.TafsilyGrohCod", "GrohTafsily2.Tafsily2GrohCod", "M_GrohProject.ProjectGrohCod"}},
        {3,
         {"D_Makan.MakanCod", "D_Amval.MakanCod", "D_Tahvil_Antegal.ToMakanCod", "D_VazDarae.VazCod",
          "D_Amval.VazCod", "D_VezArat.VezCod", "D_Amval.VezCod", "D_Gheimat.GheimatCod",
          "D_Buy_Create.GheimatCod", "D_Mabadi.MabadiCod", "D_Buy_Create.MabadiCod", "D_Madeh151.MadehCod",
          "D_Amval.MadehCod", "D_Sakhtar.SakhtarCod", "D_Amval.SakhtarCod"}},
        {5, {"Person.Code", "D_Amval.PersonelCod", "D_Tahvil_Antegal.ToPersonelCod"}},
        {10,
         {"D_Amval.DaraCod", "D_Buy_Create.DaraCod", "D_KenarD.DaraCod", "D_Amval.PelakOld",
          "D_Amval.PelakNew", "D_Amval.BahreDate", "D_Amval.GarantiEnd", "D_Amval.MadeDate"}},
        {6, {"D_Amval.RaveshEst", "D_Madeh151.Sharh"}},
        {0, {"Depart_1.Code_field", "Person.Vahd", "D_Amval.Salianeh", "D_Sakhtar.SakhtarRaj"}}};
    for (const auto& [length, columns] : lengths) {
        for (const QString& qualified : columns) {
            const QStringList parts = qualified.split('.');
            EXPECT_EQ(declaredSize(parts[0], parts[1]), length) << qualified.toStdString();
        }
    }
}

TEST_F(DemoDatabaseTest, LegacyTablesLackTheirKeyAndTheOthersHaveIt) {
    for (const char* table : {"D_Gheimat", "D_Mabadi", "Depart_1"}) {
        EXPECT_TRUE(db->keyColumns(table).isEmpty()) << table;
    }
    const QList<std::pair<const char*, const char*>> keyed = {
        {"D_Makan", "MakanCod"},    {"D_VazDarae", "VazCod"}, {"D_VezArat", "VezCod"},
        {"D_Madeh151", "MadehCod"}, {"Tafsily2", "Tafsily2"}, {"GrohTafsily2", "Tafsily2GrohCod"},
        {"Person", "Code"},         {"D_Amval", "DaraCod"}};
    for (const auto& [table, key] : keyed) {
        EXPECT_EQ(db->keyColumns(table), QStringList{key}) << table;
    }
}

TEST_F(DemoDatabaseTest, CharacteristicKeyCoversCodeAndRow) {
    EXPECT_EQ(db->keyColumns("D_Sakhtar"), (QStringList{"SakhtarCod", "SakhtarRaj"}));
    EXPECT_GT(number("Select Count(*) From D_Sakhtar Where SakhtarCod = '  1'"), 1);
}

TEST_F(DemoDatabaseTest, BatchCreatedAssetGetsDefaultsInEveryOtherColumn) {
    exec("Insert Into D_Amval (DaraCod, DaraNam, RaveshEst, Nozooli, Salianeh, BahreDate) "
         "Values ('      9001', 'test', 'ندارد', 0, 0, '1403/01/01')");
    const ResultTable row = select("Select * From D_Amval Where DaraCod = '      9001'");
    ASSERT_EQ(row.rowCount(), 1);
    for (const auto& column : row.columns) {
        EXPECT_FALSE(row.isNull(0, column.name)) << column.name.toStdString();
    }
    EXPECT_EQ(row.value(0, "EndValue").toDouble(), 0);
}

TEST_F(DemoDatabaseTest, BaseListAndGeneralAccountCodesAreRightAlignedWithBlanks) {
    const QRegularExpression stored(QStringLiteral("^ *[0-9]+$"));
    const QList<std::pair<const char*, const char*>> codes = {
        {"D_Makan", "MakanCod"},     {"D_VazDarae", "VazCod"},  {"D_VezArat", "VezCod"},
        {"D_Gheimat", "GheimatCod"}, {"D_Mabadi", "MabadiCod"}, {"D_Madeh151", "MadehCod"},
        {"D_Sakhtar", "SakhtarCod"}, {"Koll", "Koll"},          {"Moein", "Koll"},
        {"Moein", "Moein"},          {"Person", "Code"},        {"D_Amval", "DaraCod"}};
    for (const auto& [table, column] : codes) {
        const int width = declaredSize(table, column);
        const QStringList stored_values = values(table, column);
        ASSERT_FALSE(stored_values.isEmpty()) << table;
        for (const QString& code : stored_values) {
            EXPECT_EQ(code.size(), width) << table << "." << column << " '" << code.toStdString() << "'";
            EXPECT_TRUE(stored.match(code).hasMatch())
                << table << "." << column << " '" << code.toStdString() << "'";
        }
    }
}

TEST_F(DemoDatabaseTest, AccountAndGroupCodesAreLeftPaddedWithZeros) {
    const QList<std::pair<const char*, const char*>> codes = {{"Tafsily", "Tafsily"},
                                                              {"Tafsily2", "Tafsily2"},
                                                              {"M_Project", "ProjectCod"},
                                                              {"GrohTafsily", "TafsilyGrohCod"},
                                                              {"GrohTafsily2", "Tafsily2GrohCod"},
                                                              {"M_GrohProject", "ProjectGrohCod"},
                                                              {"D_Amval", "DTafsily2"},
                                                              {"D_Amval", "HProjectCod"},
                                                              {"D_Makan", "Tafsily2"}};
    const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    for (const auto& [table, column] : codes) {
        const int width = declaredSize(table, column);
        for (const QString& code : values(table, column)) {
            if (code.isEmpty()) {
                continue;
            }
            EXPECT_EQ(code.size(), width) << table << "." << column << " " << code.toStdString();
            EXPECT_TRUE(digits.match(code).hasMatch()) << table << "." << column << " " << code.toStdString();
        }
    }
}

TEST_F(DemoDatabaseTest, DetailCodesBeginWithAnExistingGroup) {
    EXPECT_EQ(number("Select Count(*) From Tafsily Where SubString(Tafsily, 1, 2) Not In "
                     "(Select TafsilyGrohCod From GrohTafsily)"),
              0);
    EXPECT_EQ(number("Select Count(*) From Tafsily2 Where SubString(Tafsily2, 1, 2) Not In "
                     "(Select Tafsily2GrohCod From GrohTafsily2)"),
              0);
    EXPECT_EQ(number("Select Count(*) From M_Project Where SubString(ProjectCod, 1, 2) Not In "
                     "(Select ProjectGrohCod From M_GrohProject)"),
              0);
}

TEST_F(DemoDatabaseTest, CompanyOptionsHoldEverySettingTheModuleReads) {
    const ResultTable options = select("Select * From Options Where sCode = '011403'");
    ASSERT_EQ(options.rowCount(), 1);
    const QString korvash = options.text(0, "Korvash");
    EXPECT_EQ(setting(korvash, "NAMTAFSILY2"), QStringLiteral("مراكز هزينه"));
    EXPECT_FALSE(setting(korvash, "NAMPROJECT").isEmpty());
    EXPECT_FALSE(setting(korvash, "TYPE_CREATE_NEWAT").isEmpty());
    EXPECT_EQ(setting(korvash, "TYPESARFASLCOD"), "NUM");
    const QString dara = options.text(0, "Dara");
    EXPECT_EQ(setting(dara, "TYPEDARACOD"), "NUM");
    for (const char* key : {"Ast_Mesure", "SANAD_TIME", "SANAD_TYPE"}) {
        EXPECT_FALSE(setting(dara, key).isEmpty()) << key;
    }
    for (const char* key : {"DBSNAME_M=", "TBLNAME_M=", "FLDNAME_M="}) {
        EXPECT_TRUE(options.text(0, "ERTEBAT").contains(key)) << key;
    }
    EXPECT_TRUE(QRegularExpression("^1[34][0-9]{2}/[01][0-9]/[0-3][0-9]$")
                    .match(options.text(0, "Company_StartDate"))
                    .hasMatch());
    for (const QString& unit : setting(options.text(0, "Sdc"), "N_DEP_VAHED").split(',')) {
        EXPECT_EQ(number(QStringLiteral("Select Count(*) From Depart_1 Where Code_field = %1").arg(unit)), 1);
    }
}

TEST_F(DemoDatabaseTest, SubsidiaryAccountsCombineTheLevelFlagsInEveryWay) {
    QSet<QString> combinations;
    const ResultTable moein = select("Select IsTafsily1, IsTafsily2, IsProject From Moein");
    for (qsizetype r = 0; r < moein.rowCount(); ++r) {
        combinations.insert(moein.text(r, "IsTafsily1") + moein.text(r, "IsTafsily2") +
                            moein.text(r, "IsProject"));
    }
    EXPECT_EQ(combinations.size(), 8);
    EXPECT_GT(number("Select Count(*) From Moein Where GrohTafsily2 <> ''"), 0);
    EXPECT_GT(number("Select Count(*) From Moein Where GrohTafsily <> '' And TafsilyJoz <> ''"), 0);
    EXPECT_GT(number("Select Count(*) From Moein Where GrohProject <> '' And ProjectJoz <> ''"), 0);
    EXPECT_GT(number("Select Count(*) From Tafsily Where GrohTafsily2 <> '' Or Tafsily2Joz <> ''"), 0);
    EXPECT_GT(number("Select Count(*) From Tafsily2 Where GrohProject <> '' Or ProjectJoz <> ''"), 0);
}

TEST_F(DemoDatabaseTest, ChartHoldsInactiveAccountsAtEveryLevel) {
    for (const char* table : {"Koll", "Moein", "Tafsily", "Tafsily2", "M_Project"}) {
        EXPECT_GT(number(QStringLiteral("Select Count(*) From %1 Where IsActive <> 'فعال'").arg(table)), 0)
            << table;
        EXPECT_GT(number(QStringLiteral("Select Count(*) From %1 Where IsActive = 'فعال'").arg(table)), 0)
            << table;
    }
}

TEST_F(DemoDatabaseTest, AccountChainsCarryExactlyTheLevelsTheirSubsidiaryAccountDemands) {
    struct Chain {
        QString table, koll, moein, tafsily, tafsily2, project;
    };
    const QList<Chain> chains = {{"D_Amval", "DKoll", "DMoein", "DTafsily", "DTafsily2", "DProjectCod"},
                                 {"D_Amval", "Koll", "Moein", "Tafsily", "Tafsily2", "ProjectCod"},
                                 {"D_Amval", "HKoll", "HMoein", "HTafsily", "HTafsily2", "HProjectCod"},
                                 {"D_Mabadi", "Koll", "Moein", "Tafsily", "Tafsily2", "ProjectCod"},
                                 {"Person", "D_KOLL", "D_MOEIN", "D_TAFSILY", "D_TAFSILY2", "D_PROJECTCOD"},
                                 {"Tafsily2", "Koll", "Moein", "Tafsily", "", "ProjectCod"},
                                 {"Tafsily2", "AKoll", "AMoein", "ATafsily", "", "AProjectCod"},
                                 {"Tafsily2", "HKoll", "HMoein", "HTafsily", "", "HProjectCod"}};
    for (const Chain& c : chains) {
        const QString levels = QStringLiteral(
            "Select X.%3 As T, %4 As T2, X.%5 As P, M.IsTafsily1, M.IsTafsily2, M.IsProject, M.IsActive "
            "From %1 As X Inner Join Moein As M On (M.Koll = X.%2 And M.Moein = X.%6)");
        const ResultTable rows = select(
            levels.arg(c.table, c.koll, c.tafsily,
                       c.tafsily2.isEmpty() ? QStringLiteral("''") : "X." + c.tafsily2, c.project, c.moein));
        EXPECT_GT(rows.rowCount(), 0) << c.table.toStdString() << " " << c.koll.toStdString();
        for (qsizetype r = 0; r < rows.rowCount(); ++r) {
            const auto carried = [&](const char* flag) {
                return rows.text(r, flag) == QStringLiteral("دارد");
            };
            const std::string where =
                c.table.toStdString() + " " + c.koll.toStdString() + " row " + std::to_string(r);
            EXPECT_EQ(rows.text(r, "IsActive"), QStringLiteral("فعال")) << where;
            EXPECT_EQ(!rows.text(r, "T").isEmpty(), carried("IsTafsily1")) << where;
            if (!c.tafsily2.isEmpty()) {
                EXPECT_EQ(!rows.text(r, "T2").isEmpty(), carried("IsTafsily2")) << where;
            }
            EXPECT_EQ(!rows.text(r, "P").isEmpty(), carried("IsProject")) << where;
        }
    }
}

TEST_F(DemoDatabaseTest, AssetsReferToExistingBaseRecords) {
    const QList<std::pair<const char*, const char*>> references = {
        {"VezCod", "Select VezCod From D_VezArat"},   {"MadehCod", "Select MadehCod From D_Madeh151"},
        {"MakanCod", "Select MakanCod From D_Makan"}, {"PersonelCod", "Select Code From Person"},
        {"VazCod", "Select VazCod From D_VazDarae"},  {"DTafsily2", "Select Tafsily2 From Tafsily2"}};
    for (const auto& [column, keys] : references) {
        EXPECT_EQ(
            number(QStringLiteral("Select Count(*) From D_Amval Where LTrim(%1) <> '' And %1 Not In (%2)")
                       .arg(column, keys)),
            0)
            << column;
    }
    EXPECT_EQ(number("Select Count(*) From D_Amval Where LTrim(SakhtarCod) <> '' And SakhtarCod Not In "
                     "(Select SakhtarCod From D_Sakhtar)"),
              0);
    EXPECT_EQ(
        number("Select Count(*) From D_Amval As A Inner Join D_Madeh151 As M On (M.MadehCod = A.MadehCod) "
               "Where M.Sharh <> A.RaveshEst Or M.Nozooli <> A.Nozooli Or M.Salianeh <> A.Salianeh"),
        0);
    EXPECT_EQ(number("Select Count(*) From D_Makan Where Tafsily2 Not In (Select Tafsily2 From Tafsily2)"),
              0);
    EXPECT_EQ(number("Select Count(*) From Person Where Vahd Not In (Select Code_field From Depart_1)"), 0);
}

TEST_F(DemoDatabaseTest, RegisterHoldsAFewDozenVariedAssets) {
    const qlonglong assets = number("Select Count(*) From D_Amval");
    EXPECT_GE(assets, 24);
    EXPECT_LE(assets, 60);
    EXPECT_GE(number("Select Count(Distinct MadehCod) From D_Amval"), 6);
    EXPECT_GE(number("Select Count(Distinct MakanCod) From D_Amval"), 6);
    EXPECT_GT(number("Select Count(*) From D_Amval Where BahreDate < '1398/01/01' And Anbashteh > 0"), 0);
    EXPECT_GT(number("Select Count(*) From D_Amval Where BahreDate >= '1398/01/01'"), 0);
    EXPECT_EQ(number("Select Count(*) From D_Amval Where PelakNew <> ''"),
              number("Select Count(Distinct PelakNew) From D_Amval Where PelakNew <> ''"));
}

TEST_F(DemoDatabaseTest, UsersHaveSettingsAndOneRightsColumnEach) {
    const ResultTable users = select("Select UserId, KORVASH From UserSdc Order By UserId");
    ASSERT_EQ(users.texts("UserId"), (QStringList{"1", "2"}));
    EXPECT_EQ(setting(users.text(0, "KORVASH"), "COPY"), "YES");
    EXPECT_EQ(setting(users.text(1, "KORVASH"), "COPY"), "NO");
    EXPECT_FALSE(setting(users.text(1, "KORVASH"), "PRINT").isEmpty());

    const ResultTable rights = select("Select StrId, [1] As FirstUser, [2] As SecondUser From UserSdcDetail");
    const QStringList nodes = rights.texts("StrId");
    for (const char* node :
         {"D_B_DARAE", "D_B_ENDFEE", "D_B_SAKHTAR", "D_B_MADEH151", "D_B_VEZARAT", "D_B_MABADI",
          "D_B_VAZDARAE", "D_B_MAKAN", "D_B_TT2_G", "D_B_TT2_T", "D_B_TAHVIL_GROH", "D_B_TAHVIL_TAHVIL"}) {
        EXPECT_TRUE(nodes.contains(node)) << node;
    }
    EXPECT_FALSE(rights.texts("FirstUser").contains("N"));
    EXPECT_TRUE(rights.texts("SecondUser").contains("N"));
    EXPECT_TRUE(rights.texts("SecondUser").contains("Y"));
}

TEST_F(DemoDatabaseTest, PrivilegesNameExistingCodesInTheirStoredForm) {
    const QList<std::pair<const char*, const char*>> tables = {
        {"KOLL", "Select Koll From Koll"},
        {"MOEIN", "Select Koll+Moein From Moein"},
        {"TAFSILY", "Select Tafsily From Tafsily"},
        {"TAFSILY2", "Select Tafsily2 From Tafsily2"},
        {"M_PROJECT", "Select ProjectCod From M_Project"},
        {"GROHTAFSILY2", "Select Tafsily2GrohCod From GrohTafsily2"}};
    for (const auto& [name, codes] : tables) {
        EXPECT_GT(
            number(QStringLiteral("Select Count(*) From UserPrivilege Where TableName = '%1'").arg(name)), 0)
            << name;
        EXPECT_EQ(number(QStringLiteral("Select Count(*) From UserPrivilege Where TableName = '%1' And "
                                        "FieldCode Not In (%2)")
                             .arg(name, codes)),
                  0)
            << name;
    }
    EXPECT_EQ(number("Select Count(*) From UserPrivilege Where UserId = '1' And TableName = 'TAFSILY2'"),
              number("Select Count(*) From Tafsily2"));
    EXPECT_LT(number("Select Count(*) From UserPrivilege Where UserId = '2' And TableName = 'TAFSILY2'"),
              number("Select Count(*) From Tafsily2"));
}

TEST_F(DemoDatabaseTest, DocumentsIncludeClosingDocumentsOfTheAssetSystem) {
    EXPECT_GT(number("Select Count(*) From Asnad Where TypeSys = 'D' And WhatDoc In ('98', '99')"), 0);
    EXPECT_GT(number("Select Count(*) From Asnad Where TypeSys <> 'D'"), 0);
    EXPECT_GT(number("Select Count(*) From Asnad Where Tafsily <> '' And Tafsily2 <> ''"), 0);
    int filled = 0;
    for (const QString& table : DocumentTables) {
        filled += number(QStringLiteral("Select Count(*) From %1").arg(table)) > 0 ? 1 : 0;
    }
    EXPECT_EQ(filled, DocumentTables.size() - 1);
}
