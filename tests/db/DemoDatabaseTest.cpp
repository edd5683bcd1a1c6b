// The demo company database: every table exists with the declared lengths the module pads to,
// codes are stored in their padded form, and the demo holds what the editors need to be explored.

#include "CompanyDatabaseTest.h"

#include <QRegularExpression>
#include <QSet>

using tarvand::testsupport::ResultTable;

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

// Base lists, general and subsidiary accounts, people and assets are stored right-aligned with
// blanks; detail accounts, cost centres, projects and their groups left-padded with zeros.
TEST_F(DemoDatabaseTest, CodesAreStoredPaddedToTheirDeclaredLength) {
    // clang-format off
    const QList<std::tuple<const char*, const char*, const char*>> codes = {
        {"D_Makan", "MakanCod", "^ *[0-9]+$"}, {"D_VazDarae", "VazCod", "^ *[0-9]+$"},
        {"D_VezArat", "VezCod", "^ *[0-9]+$"}, {"D_Gheimat", "GheimatCod", "^ *[0-9]+$"},
        {"D_Mabadi", "MabadiCod", "^ *[0-9]+$"}, {"D_Madeh151", "MadehCod", "^ *[0-9]+$"},
        {"D_Sakhtar", "SakhtarCod", "^ *[0-9]+$"}, {"Koll", "Koll", "^ *[0-9]+$"}, {"Moein", "Koll", "^ *[0-9]+$"},
        {"Moein", "Moein", "^ *[0-9]+$"}, {"Person", "Code", "^ *[0-9]+$"}, {"D_Amval", "DaraCod", "^ *[0-9]+$"},
        {"Tafsily", "Tafsily", "^[0-9]+$|^$"}, {"Tafsily2", "Tafsily2", "^[0-9]+$|^$"},
        {"M_Project", "ProjectCod", "^[0-9]+$|^$"}, {"GrohTafsily", "TafsilyGrohCod", "^[0-9]+$|^$"},
        {"GrohTafsily2", "Tafsily2GrohCod", "^[0-9]+$|^$"}, {"M_GrohProject", "ProjectGrohCod", "^[0-9]+$|^$"},
        {"D_Amval", "DTafsily2", "^[0-9]+$|^$"}, {"D_Amval", "HProjectCod", "^[0-9]+$|^$"},
        {"D_Makan", "Tafsily2", "^[0-9]+$|^$"}};
    // clang-format on
    for (const auto& [table, column, pattern] : codes) {
        const int width = declaredSize(table, column);
        const QStringList stored = values(table, column);
        ASSERT_FALSE(stored.isEmpty()) << table;
        for (const QString& code : stored) {
            EXPECT_TRUE(QRegularExpression(pattern).match(code).hasMatch() &&
                        (code.isEmpty() || code.size() == width))
                << table << "." << column << " '" << code.toStdString() << "'";
        }
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
