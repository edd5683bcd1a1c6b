// tarvand-db end to end: the built program run as a user runs it.

#include "DemoDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun tarvandDb(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TARVAND_DB_EXECUTABLE), arguments);
    process.waitForFinished(120'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class AdminToolTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file = dir.filePath("company.db");
};

TEST_F(AdminToolTest, InitCreatesTheDemoCompany) {
    const ToolRun init = tarvandDb({"init", file});
    ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
    const ToolRun count = tarvandDb({"sql", file, "Select Count(*) As Assets From D_Amval"});
    EXPECT_EQ(count.exitCode, 0) << count.err.toStdString();
    EXPECT_EQ(count.out, "Assets\n38\n");
}

TEST_F(AdminToolTest, InitAddsGeneratedAssetsToTheDemoRegister) {
    ASSERT_EQ(tarvandDb({"init", file, "--assets", "25"}).exitCode, 0);
    EXPECT_EQ(tarvandDb({"sql", file, "Select Count(*) As N From D_Amval"}).out, "N\n63\n");
}

TEST_F(AdminToolTest, InitKeepsAnExistingFileUnlessForced) {
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("precious");
    }
    const ToolRun refused = tarvandDb({"init", file});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("--force")) << refused.err.toStdString();
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("precious"));
    kept.close();

    ASSERT_EQ(tarvandDb({"init", "--force", file}).exitCode, 0);
    EXPECT_EQ(tarvandDb({"sql", file, "Select Count(*) As N From D_Makan"}).out, "N\n9\n");
}

TEST_F(AdminToolTest, SqlPrintsTheRowsOfTheLastStatementAsTsvWithAHeader) {
    tarvand::testsupport::DemoDatabase demo;
    const ToolRun run =
        tarvandDb({"sql", demo.path(), "Select Count(*) As N From Koll",
                   "Select VazCod, VazNam From D_VazDarae Where VazCod In ('  1', '  2') Order By VazCod",
                   "Update D_VazDarae Set VazNam = VazNam Where 1 = 2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("VazCod\tVazNam\n  1\tفعال و در حال بهره برداري\n  2\tدر حال تعمير\n"));
}

TEST_F(AdminToolTest, NullPrintsAsNothingAndSeparatorsInsideValuesAreEscaped) {
    tarvand::testsupport::DemoDatabase demo;
    const ToolRun run =
        tarvandDb({"sql", demo.path(), "Update D_Makan Set MakanNam = 'a\tb\\c' Where MakanCod = '  9'",
                   "Select Null As Nothing, MakanNam, 12 As Twelve From D_Makan Where MakanCod = '  9'"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Nothing\tMakanNam\tTwelve\n\ta\\tb\\\\c\t12\n");
}

TEST_F(AdminToolTest, TemporaryTableLivesAcrossTheStatementsOfOneRun) {
    tarvand::testsupport::DemoDatabase demo;
    const ToolRun run =
        tarvandDb({"sql", demo.path(), "Select Code, Name Into ##ADM4512345 From Person",
                   "Delete From ##ADM4512345 Where Code <> '  101'", "Select * From ##ADM4512345"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Code\tName\n  101\tعلي\n"));
    const ToolRun later = tarvandDb({"sql", demo.path(), "Select * From ##ADM4512345"});
    EXPECT_EQ(later.exitCode, 1);
}

TEST_F(AdminToolTest, FailingStatementIsReportedOnTheErrorStream) {
    tarvand::testsupport::DemoDatabase demo;
    const ToolRun run = tarvandDb({"sql", demo.path(), "Select * From Koll", "Select * From NoSuchTable"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("Statement 2")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("NoSuchTable", Qt::CaseInsensitive)) << run.err.toStdString();
}

TEST_F(AdminToolTest, SqlOnAMissingDatabaseCreatesNothing) {
    const ToolRun run = tarvandDb({"sql", file, "Select 1 As One"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(AdminToolTest, TranslatePrintsTheSqliteText) {
    const ToolRun run = tarvandDb({"translate", "Select Top 3 Koll + Moein As Code From Moein"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("LIMIT 3", Qt::CaseInsensitive)) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("Top", Qt::CaseInsensitive)) << run.out.toStdString();
    const ToolRun broken = tarvandDb({"translate", "Select Koll From"});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(broken.err.isEmpty());
}

TEST_F(AdminToolTest, BadArgumentsShowTheUsage) {
    const QList<QStringList> bad = {{},
                                    {"frobnicate"},
                                    {"init"},
                                    {"init", file, "--assets"},
                                    {"init", file, "--assets", "many"},
                                    {"init", file, "--assets", "-3"},
                                    {"init", file, "--colour"},
                                    {"sql", file},
                                    {"translate"},
                                    {"translate", "Select 1", "Select 2"}};
    for (const QStringList& arguments : bad) {
        const ToolRun run = tarvandDb(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:")) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
    const ToolRun help = tarvandDb({"help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("tarvand-db init PATH"));
    EXPECT_TRUE(help.out.contains("tarvand-db translate STATEMENT"));
}
