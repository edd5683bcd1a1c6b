// The demo company database holds what the editors need to be explored: defaults, whole account
// chains and privileges naming existing codes. (The padding of its codes is checked by the soak.)

#include "CompanyDatabaseTest.h"


using tarvand::testsupport::ResultTable;

using DemoDatabaseTest = CompanyDatabaseTest;

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
