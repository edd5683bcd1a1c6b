#include "TsqlValue.h"
#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "TsqlPattern.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tarvand;
using namespace tarvand::sql;

namespace {

QString castText(const TsqlValue& value, const char* type) {
    return value.cast(DeclaredType(type)).toText();
}

QString message(const TsqlValue& value, const char* type) {
    try {
        value.cast(DeclaredType(type));
    } catch (const EDatabaseError& e) {
        return e.Message;
    }
    return {};
}

} // namespace

TEST(DeclaredType, ReadsKindsLengthsAndStorageAsTheServerReportsThem) {
    EXPECT_EQ(DeclaredType("Varchar(10)").characterLength(), 10);
    EXPECT_EQ(DeclaredType("nchar(4)").storageLength(), 8);
    EXPECT_EQ(DeclaredType("int").storageLength(), 4);
    EXPECT_EQ(DeclaredType("smallint").storageLength(), 2);
    EXPECT_EQ(DeclaredType("decimal(19,0)").storageLength(), 9);
    EXPECT_EQ(DeclaredType("decimal(19, 2)").scale(), 2);
    EXPECT_EQ(DeclaredType("varchar(max)").characterLength(), 0);
    EXPECT_TRUE(DeclaredType("varchar(max)").hasLength());
    EXPECT_EQ(DeclaredType("double precision").kind(), ColumnKind::Float);
    EXPECT_EQ(DeclaredType("datetime").kind(), ColumnKind::Text);
    EXPECT_EQ(DeclaredType("INTEGER").kind(), ColumnKind::Integer);
    EXPECT_EQ(DeclaredType("geography").kind(), ColumnKind::Unknown);
    EXPECT_EQ(DeclaredType("geography").storageLength(), -1);
}

TEST(TsqlValue, CastsAndPlusFollowTheServersConversions) {
    EXPECT_EQ(castText(TsqlValue::text("abcdef"), "varchar(3)"), "abc");
    EXPECT_EQ(castText(TsqlValue::text(QString(40, u'x')), "varchar"), QString(30, u'x'));
    EXPECT_EQ(castText(TsqlValue::text(QString(40, u'x')), "varchar(max)"), QString(40, u'x'));
    EXPECT_EQ(castText(TsqlValue::text("ab"), "char(4)"), "ab  ");
    EXPECT_EQ(castText(TsqlValue::integer(-12), "varchar(10)"), "-12");
    EXPECT_EQ(castText(TsqlValue::real(2.5), "varchar(10)"), "2.5");
    EXPECT_EQ(castText(TsqlValue::real(12), "varchar(10)"), "12");
    EXPECT_EQ(castText(TsqlValue::real(1234567.5), "varchar(20)"), "1.23457e+006");
    EXPECT_TRUE(TsqlValue().cast(DeclaredType("varchar(3)")).isNull());
    EXPECT_EQ(TsqlValue::text(" 42 ").cast(DeclaredType("int")).toInteger(), 42);
    EXPECT_EQ(TsqlValue::text("").cast(DeclaredType("int")).toInteger(), 0);
    EXPECT_EQ(TsqlValue::real(-2.9).cast(DeclaredType("int")).toInteger(), -2);
    EXPECT_EQ(TsqlValue::integer(7).cast(DeclaredType("bit")).toInteger(), 1);
    EXPECT_DOUBLE_EQ(TsqlValue::text("1e3").cast(DeclaredType("float")).toReal(), 1000);
    EXPECT_DOUBLE_EQ(TsqlValue::text("2.345").cast(DeclaredType("numeric(5,2)")).toReal(), 2.35);
    EXPECT_EQ(TsqlValue::real(2.5).cast(DeclaredType("decimal(19,0)")).type(), TsqlValue::Type::Integer);
    EXPECT_DOUBLE_EQ(TsqlValue::real(1.23456).cast(DeclaredType("money")).toReal(), 1.2346);
    EXPECT_EQ(message(TsqlValue::text("1.5"), "int"),
              "Conversion failed when converting the varchar value '1.5' to data type int.");
    EXPECT_EQ(message(TsqlValue::text("abc"), "float"), "Error converting data type varchar to float.");
    EXPECT_EQ(message(TsqlValue::text("abc"), "decimal(5,2)"),
              "Error converting data type varchar to numeric.");
    EXPECT_EQ(message(TsqlValue::real(1e30), "int"),
              "Arithmetic overflow error converting expression to data type int.");
    EXPECT_FALSE(message(TsqlValue::text("x"), "geography").isEmpty());
    EXPECT_EQ(TsqlValue::add(TsqlValue::text("a"), TsqlValue::text("b")).toText(), "ab");
    EXPECT_EQ(TsqlValue::add(TsqlValue::text(" 5"), TsqlValue::integer(2)).toInteger(), 7);
    EXPECT_DOUBLE_EQ(TsqlValue::add(TsqlValue::real(0.5), TsqlValue::text("1.25")).toReal(), 1.75);
    EXPECT_TRUE(TsqlValue::add(TsqlValue::text("a"), TsqlValue()).isNull());
    const TsqlValue big =
        TsqlValue::add(TsqlValue::integer(std::numeric_limits<qint64>::max()), TsqlValue::integer(1));
    EXPECT_EQ(big.type(), TsqlValue::Type::Float);
    EXPECT_THROW(TsqlValue::add(TsqlValue::text("x"), TsqlValue::integer(1)), EDatabaseError);
}

TEST(TsqlPattern, MatchesAndPatIndexLikeTheServer) {
    EXPECT_TRUE(TsqlPattern("D[_]B%").matches(u"D_B_DARAE"));
    EXPECT_FALSE(TsqlPattern("D[_]B%").matches(u"DXB_DARAE"));
    EXPECT_TRUE(TsqlPattern("%abc").matches(u"xxABC"));
    EXPECT_TRUE(TsqlPattern("a_c").matches(u"abc"));
    EXPECT_FALSE(TsqlPattern("a_c").matches(u"abbc"));
    EXPECT_TRUE(TsqlPattern("[a-c]%[^0-9]").matches(u"b123x"));
    EXPECT_FALSE(TsqlPattern("[a-c]%[^0-9]").matches(u"b1234"));
    EXPECT_TRUE(TsqlPattern("%!%%", u'!').matches(u"50% off"));
    EXPECT_FALSE(TsqlPattern("%!%%", u'!').matches(u"50 off"));
    EXPECT_TRUE(TsqlPattern(QStringLiteral("%هزينه%")).matches(QStringLiteral("مراكز هزينه")));
    EXPECT_TRUE(TsqlPattern("").matches(u""));
    EXPECT_FALSE(TsqlPattern("").matches(u"a"));
    EXPECT_TRUE(TsqlPattern("a%%%b").matches(u"ab"));
    EXPECT_EQ(TsqlPattern("%01%").indexIn(u"11,01,02"), 4);
    EXPECT_EQ(TsqlPattern("%01%").indexIn(u"11,02"), 0);
    EXPECT_EQ(TsqlPattern("01%").indexIn(u"01,02"), 1);
    EXPECT_EQ(TsqlPattern("01%").indexIn(u"11,01"), 0);
    EXPECT_EQ(TsqlPattern("%[0-9][0-9]").indexIn(u"ab12"), 3);
    EXPECT_EQ(TsqlPattern("%").indexIn(u"x"), 1);
    EXPECT_EQ(TsqlPattern("").indexIn(u"x"), 0);
}
