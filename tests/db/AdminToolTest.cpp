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

TEST_F(AdminToolTest, InitKeepsAnExistingFileUnlessForcedAndAddsGeneratedAssets) {
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
    EXPECT_EQ(tarvandDb({"sql", file, "Select Count(*) As Assets From D_Amval"}).out, "Assets\n38\n");
    const QString accounts = QStringLiteral("Select Count(*) As N From Tafsily");
    EXPECT_EQ(tarvandDb({"sql", file, accounts}).out, "N\n3009\n");
    ASSERT_EQ(tarvandDb({"init", "--force", file, "--assets", "25", "--accounts", "40"}).exitCode, 0);
    EXPECT_EQ(tarvandDb({"sql", file, "Select Count(*) As N From D_Amval"}).out, "N\n63\n");
    EXPECT_EQ(tarvandDb({"sql", file, accounts}).out, "N\n49\n");
}

// Rows of the last statement as TSV with a header; NULL as nothing, separators inside values
// escaped; a temporary table lives across the statements of one run only.
TEST_F(AdminToolTest, SqlPrintsTheRowsOfTheLastStatementAsTsvWithAHeader) {
    tarvand::testsupport::DemoDatabase demo;
    const ToolRun run = tarvandDb(
        {"sql", demo.path(), "Update D_Makan Set MakanNam = 'a\tb\\c' Where MakanCod = '  9'",
         "Select Code, Name Into ##ADM4512345 From Person", "Delete From ##ADM4512345 Where Code <> '  101'",
         "Select Null As Nothing, M.MakanNam, 12 As Twelve, P.Name From D_Makan As M, ##ADM4512345 As P "
         "Where M.MakanCod = '  9'",
         "Update D_VazDarae Set VazNam = VazNam Where 1 = 2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Nothing\tMakanNam\tTwelve\tName\n\ta\\tb\\\\c\t12\tعلي\n"));
    const ToolRun later = tarvandDb({"sql", demo.path(), "Select * From ##ADM4512345"});
    EXPECT_EQ(later.exitCode, 1);
    const ToolRun failing =
        tarvandDb({"sql", demo.path(), "Select * From Koll", "Select * From NoSuchTable"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_TRUE(failing.out.isEmpty());
    EXPECT_TRUE(failing.err.contains("Statement 2")) << failing.err.toStdString();
    EXPECT_TRUE(failing.err.contains("NoSuchTable", Qt::CaseInsensitive)) << failing.err.toStdString();
    EXPECT_EQ(tarvandDb({"sql", file, "Select 1 As One"}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(file)) << "sql on a missing database creates nothing";
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
                                    {"init", file, "--accounts", "89911"},
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
