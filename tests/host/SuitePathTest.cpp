#include "SuitePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarvand::SuitePath;

// Suite paths against an application folder laid out the way the build lays it out, names in their
// real case: "~" stands for the folder as the suite writes it (backslashes), "@" for the folder and
// "%" for the platform's library suffix.
TEST(SuitePath, MapsSuitePathsOntoTheFilesThatExist) {
    QTemporaryDir dir;
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Data")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("DLLs/GlobalForms")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("Exact")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("EXACT")));
    for (const QString& name :
         {QStringLiteral("Data/Options.ini"), "DLLs/GlobalForms/Search" + SuitePath::LibrarySuffix(),
          "DLLs/GlobalForms/libFilter" + SuitePath::LibrarySuffix()})
        ASSERT_TRUE(QFile(QDir(root).filePath(name)).open(QIODevice::WriteOnly));
    const std::pair<const char*, const char*> paths[] = {
        {"~\\Data\\Options.ini", "@/Data/Options.ini"},
        {"~\\\\Data\\Options.ini", "@/Data/Options.ini"},
        {"@/\\Data/Options.ini", "@/Data/Options.ini"},
        {"~\\DATA\\options.INI", "@/Data/Options.ini"},
        {"~\\dlls\\GLOBALFORMS", "@/DLLs/GlobalForms"},
        {"~\\EXACT", "@/EXACT"},
        {"~\\Exact", "@/Exact"},
        {"~\\DLLS\\GlobalForms\\Search.dll", "@/DLLs/GlobalForms/Search%"},
        {"~\\DLLS\\GlobalForms\\SEARCH.DLL", "@/DLLs/GlobalForms/Search%"},
        {"~\\DLLS\\GlobalForms\\Filter.dll", "@/DLLs/GlobalForms/libFilter%"},
        {"~\\dlls\\Reports\\Print.dll", "@/DLLs/Reports/Print%"},
        {"~\\EXCEL\\Book.xls", "@/EXCEL/Book.xls"},
        {"/no/such/folder/dll.txt", "/no/such/folder/dll.txt"},
        {"/no/such/a.dll.bak", "/no/such/a.dll.bak"},
        {"  ", ""},
    };
    const QString suiteRoot = QDir::toNativeSeparators(root).replace(QLatin1Char('/'), QLatin1Char('\\'));
    auto expand = [&](const char* text) {
        return QString::fromUtf8(text)
            .replace(QLatin1Char('~'), suiteRoot)
            .replace(QLatin1Char('@'), root)
            .replace(QLatin1Char('%'), SuitePath::LibrarySuffix());
    };
    for (const auto& [written, found] : paths)
        EXPECT_EQ(SuitePath::ToPlatform(expand(written)), expand(found)) << written;
    EXPECT_TRUE(SuitePath::ToPlatform(QString()).isEmpty());

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root));
    EXPECT_EQ(SuitePath::ToPlatform(QStringLiteral("data\\OPTIONS.ini")), QStringLiteral("Data/Options.ini"));
    QDir::setCurrent(previous);
}
