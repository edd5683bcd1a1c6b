#include "TsqlLexer.h"
#include "EDatabaseError.h"

#include <gtest/gtest.h>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

QList<TsqlToken> tokens(const QString& source) {
    QList<TsqlToken> list = TsqlLexer::tokenize(source);
    list.removeLast();
    return list;
}

} // namespace

TEST(TsqlLexer, LiteralsKeepSeparatorsQuotesAndPersianText) {
    const auto list =
        tokens(QStringLiteral("Update Options Set Sdc = 'N_DEP_VAHED=1,2;X=a+b;' + N'مراكز ''هزينه'''"));
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[5].kind, TsqlTokenKind::String);
    EXPECT_EQ(list[5].text, "N_DEP_VAHED=1,2;X=a+b;");
    EXPECT_TRUE(list[6].isSymbol(u"+"));
    EXPECT_EQ(list[7].kind, TsqlTokenKind::NString);
    EXPECT_EQ(list[7].text, QStringLiteral("مراكز 'هزينه'"));
}

TEST(TsqlLexer, NamesInBracketsQuotesAndTemporaryTables) {
    const auto list =
        tokens(QStringLiteral("Select [12], [Name], \"a\"\"b\" From ##ABC4512345 Where x = @Code And y = ?"));
    EXPECT_EQ(list[1].kind, TsqlTokenKind::QuotedName);
    EXPECT_EQ(list[1].text, "12");
    EXPECT_EQ(list[5].text, "a\"b");
    EXPECT_EQ(list[7].kind, TsqlTokenKind::Word);
    EXPECT_EQ(list[7].text, "##ABC4512345");
    EXPECT_EQ(list[11].kind, TsqlTokenKind::Variable);
    EXPECT_EQ(list[11].text, "@Code");
    EXPECT_EQ(list[15].kind, TsqlTokenKind::Placeholder);
}

TEST(TsqlLexer, CommentsAreSkippedAndNumbersTakenWhole) {
    const auto list =
        tokens(QStringLiteral("Select 1.5, .5, 1e3 -- trailing + 'x\n/* outer /* nested */ 'y' */ From T"));
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[1].text, "1.5");
    EXPECT_EQ(list[3].text, ".5");
    EXPECT_EQ(list[5].text, "1e3");
    EXPECT_TRUE(list[6].isWord(u"FROM"));
}

TEST(TsqlLexer, NumberEndsWhereALetterStarts) {
    // The column best fit splices a FROM part straight after a number: "…-0FROM D_MAKAN".
    const auto list = tokens(QStringLiteral("Select Max(Len(A))-0FROM D_MAKAN"));
    ASSERT_EQ(list.size(), 12);
    EXPECT_EQ(list[9].kind, TsqlTokenKind::Number);
    EXPECT_EQ(list[9].text, "0");
    EXPECT_TRUE(list[10].isWord(u"FROM"));
    EXPECT_THROW(TsqlLexer::tokenize(QStringLiteral("Select 0x1F")), EDatabaseError);
}

TEST(TsqlLexer, GoSeparatesBatchesOnlyOnALineOfItsOwn) {
    const auto list = tokens(QStringLiteral("Select go From T\n  GO  \nSelect 2"));
    EXPECT_EQ(list[1].kind, TsqlTokenKind::Word);
    EXPECT_EQ(list[4].kind, TsqlTokenKind::BatchSeparator);
}

TEST(TsqlLexer, UnterminatedLiteralsAndStrayCharactersAreErrors) {
    EXPECT_THROW(TsqlLexer::tokenize(QStringLiteral("Select 'abc")), EDatabaseError);
    EXPECT_THROW(TsqlLexer::tokenize(QStringLiteral("Select [abc")), EDatabaseError);
    EXPECT_THROW(TsqlLexer::tokenize(QStringLiteral("Select 1 /* open")), EDatabaseError);
    EXPECT_THROW(TsqlLexer::tokenize(QStringLiteral("Select `x`")), EDatabaseError);
}
