#include "SuitePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarvand::SuitePath;

namespace {

// An application folder laid out the way the build lays it out, names in their real case.
class SuitePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        root_ = dir_.path();
        ASSERT_TRUE(QDir(root_).mkpath(QStringLiteral("Data")));
        ASSERT_TRUE(QDir(root_).mkpath(QStringLiteral("DLLs/GlobalForms")));
        touch(QStringLiteral("Data/Options.ini"));
        touch(QStringLiteral("DLLs/GlobalForms/Search") + SuitePath::LibrarySuffix());
        touch(QStringLiteral("DLLs/GlobalForms/libFilter") + SuitePath::LibrarySuffix());
    }

    void touch(const QString& relative) {
        QFile file(QDir(root_).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // The root the way the suite writes it, with backslashes.
    QString suiteRoot() const {
        return QDir::toNativeSeparators(root_).replace(QLatin1Char('/'), QLatin1Char('\\'));
    }

    QTemporaryDir dir_;
    QString root_;
};

} // namespace

TEST_F(SuitePathTest, BackslashesBecomeSeparators) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\Data\\Options.ini")),
              root_ + QStringLiteral("/Data/Options.ini"));
}

TEST_F(SuitePathTest, RepeatedSeparatorsCollapse) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\\\Data\\Options.ini")),
              root_ + QStringLiteral("/Data/Options.ini"));
    EXPECT_EQ(SuitePath::ToPlatform(root_ + QStringLiteral("/\\Data/Options.ini")),
              root_ + QStringLiteral("/Data/Options.ini"));
}

TEST_F(SuitePathTest, FolderAndFileNamesMatchWhateverTheirCase) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\DATA\\options.INI")),
              root_ + QStringLiteral("/Data/Options.ini"));
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\dlls\\GLOBALFORMS")),
              root_ + QStringLiteral("/DLLs/GlobalForms"));
}

TEST_F(SuitePathTest, AnExactNameWinsOverOneDifferingInCase) {
    ASSERT_TRUE(QDir(root_).mkpath(QStringLiteral("DATA")));
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\DATA")), root_ + QStringLiteral("/DATA"));
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\Data\\Options.ini")),
              root_ + QStringLiteral("/Data/Options.ini"));
}

TEST_F(SuitePathTest, LibrariesTakeThePlatformSuffix) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\DLLS\\GlobalForms\\Search.dll")),
              root_ + QStringLiteral("/DLLs/GlobalForms/Search") + SuitePath::LibrarySuffix());
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\DLLS\\GlobalForms\\SEARCH.DLL")),
              root_ + QStringLiteral("/DLLs/GlobalForms/Search") + SuitePath::LibrarySuffix());
}

TEST_F(SuitePathTest, LibrariesBuiltWithTheLibPrefixAreFound) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\DLLS\\GlobalForms\\Filter.dll")),
              root_ + QStringLiteral("/DLLs/GlobalForms/libFilter") + SuitePath::LibrarySuffix());
}

TEST_F(SuitePathTest, MissingNamesAreKeptAsWrittenBelowTheLastMatch) {
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\dlls\\Reports\\Print.dll")),
              root_ + QStringLiteral("/DLLs/Reports/Print") + SuitePath::LibrarySuffix());
    EXPECT_EQ(SuitePath::ToPlatform(suiteRoot() + QStringLiteral("\\EXCEL\\Book.xls")),
              root_ + QStringLiteral("/EXCEL/Book.xls"));
}

TEST_F(SuitePathTest, RelativePathsResolveAgainstTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root_));
    EXPECT_EQ(SuitePath::ToPlatform(QStringLiteral("data\\OPTIONS.ini")), QStringLiteral("Data/Options.ini"));
    QDir::setCurrent(previous);
}

TEST(SuitePath, EmptyTextGivesAnEmptyPath) {
    EXPECT_TRUE(SuitePath::ToPlatform(QString()).isEmpty());
    EXPECT_TRUE(SuitePath::ToPlatform(QStringLiteral("  ")).isEmpty());
}

TEST(SuitePath, OnlyATrailingDllIsALibrarySuffix) {
    EXPECT_EQ(SuitePath::ToPlatform(QStringLiteral("/no/such/folder/dll.txt")),
              QStringLiteral("/no/such/folder/dll.txt"));
    EXPECT_EQ(SuitePath::ToPlatform(QStringLiteral("/no/such/a.dll.bak")),
              QStringLiteral("/no/such/a.dll.bak"));
}
