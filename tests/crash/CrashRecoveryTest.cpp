#include "DemoDatabase.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using tarvand::testsupport::DemoDatabase;

namespace {

struct DriverRun {
    bool killed;
    QString out;
};

DriverRun drive(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TARVAND_CRASH_DRIVER), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::CrashExit, QString::fromUtf8(process.readAllStandardOutput())};
}

// A run of changes (rows through an editor, or a batch of assets) under one journal mode.
class CrashRecoveryTest : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

// The process dies at each row change and commit in turn; the database it leaves opens, passes the
// integrity check and holds exactly one of the states an undisturbed run passes through.
TEST_P(CrashRecoveryTest, KillAtEveryWriteLeavesAWholeState) {
    const QString ops = QString::fromLatin1(GetParam().first),
                  journal = QString::fromLatin1(GetParam().second);
    const DemoDatabase reference;
    const DriverRun whole = drive({reference.path(), ops, journal, QStringLiteral("0")});
    const int events = whole.out.trimmed().toInt();
    ASSERT_FALSE(whole.killed);
    ASSERT_GE(events, ops == QLatin1String("batch") ? 6 : 9) << "every insert and commit is a kill point";
    QStringList states;
    for (int stage = 0; stage <= 3; ++stage) {
        QFile file(reference.path() + QStringLiteral(".stage%1").arg(stage));
        if (file.open(QIODevice::ReadOnly))
            states << QString::fromUtf8(file.readAll());
    }
    ASSERT_EQ(states.size(), ops == QLatin1String("batch") ? 2 : 4);
    ASSERT_TRUE(states.first() != states.at(1));
    for (int killAt = 1; killAt <= events; ++killAt) {
        const DemoDatabase copy;
        EXPECT_TRUE(drive({copy.path(), ops, journal, QString::number(killAt)}).killed) << killAt;
        const QString left = drive({copy.path(), QStringLiteral("check")}).out;
        EXPECT_TRUE(left.startsWith(QLatin1String("ok\n"))) << killAt;
        EXPECT_TRUE(states.contains(left)) << "partial change left by a kill at event " << killAt;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, CrashRecoveryTest,
                         ::testing::Values(std::pair{"rows", "delete"}, std::pair{"rows", "wal"},
                                           std::pair{"batch", "delete"}, std::pair{"batch", "wal"}),
                         [](const auto& info) {
                             return std::string(info.param.first) + "_" + info.param.second;
                         });

} // namespace
