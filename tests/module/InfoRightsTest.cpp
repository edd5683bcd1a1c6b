#include "InfoRights.h"

#include <gtest/gtest.h>

using namespace tarvand;

namespace {

const char* const SingleTabEntries[] = {"D_B_DARAE",   "D_B_ENDFEE", "D_B_SAKHTAR",  "D_B_MADEH151",
                                        "D_B_VEZARAT", "D_B_MABADI", "D_B_VAZDARAE", "D_B_MAKAN"};

} // namespace

TEST(InfoRightsTest, SingleTabNeedsItsEntryWithY) {
    const InfoRights rights(QStringLiteral("D(Y),D_B_DARAE(Y),D_B_ENDFEE(N),D_B_MAKAN(Y),"));
    EXPECT_TRUE(rights.allows(QStringLiteral("D_B_DARAE")));
    EXPECT_FALSE(rights.allows(QStringLiteral("D_B_ENDFEE")));
    EXPECT_TRUE(rights.allows(QStringLiteral("D_B_MAKAN")));
    EXPECT_FALSE(rights.allows(QStringLiteral("D_B_MABADI"))); // no entry at all
}

TEST(InfoRightsTest, FlagsAreCaseSensitive) {
    const InfoRights rights(QStringLiteral("D_B_DARAE(y),"));
    EXPECT_FALSE(rights.allows(QStringLiteral("D_B_DARAE")));
}

TEST(InfoRightsTest, EmptyStringDisablesSingleTabsButNotCombinedTabs) {
    const InfoRights rights{QString()};
    for (const char* entry : SingleTabEntries)
        EXPECT_FALSE(rights.allows(QLatin1String(entry))) << entry;
    EXPECT_TRUE(rights.tafsily2TabEnabled());
    EXPECT_TRUE(rights.personelTabEnabled());
    EXPECT_FALSE(rights.tafsily2AccountsAllowed());
    EXPECT_FALSE(rights.tafsily2GroupsAllowed());
    EXPECT_FALSE(rights.recipientsAllowed());
    EXPECT_FALSE(rights.departsAllowed());
}

TEST(InfoRightsTest, DetailTwoTabDisabledOnlyByAdjacentDenials) {
    EXPECT_FALSE(InfoRights(QStringLiteral("D_B_TT2_G(N),D_B_TT2_T(N),")).tafsily2TabEnabled());
    // Another entry sorted between the two denials keeps the tab enabled, both panels disabled.
    const InfoRights apart(QStringLiteral("D_B_TT2_G(N),D_B_TT2_P(Y),D_B_TT2_T(N),"));
    EXPECT_TRUE(apart.tafsily2TabEnabled());
    EXPECT_FALSE(apart.tafsily2AccountsAllowed());
    EXPECT_FALSE(apart.tafsily2GroupsAllowed());
    // Groups denied, accounts allowed: the tab and its account editor are usable.
    const InfoRights mixed(QStringLiteral("D_B_TT2_G(N),D_B_TT2_T(Y),"));
    EXPECT_TRUE(mixed.tafsily2TabEnabled());
    EXPECT_TRUE(mixed.tafsily2AccountsAllowed());
    EXPECT_FALSE(mixed.tafsily2GroupsAllowed());
}

TEST(InfoRightsTest, RecipientsTabDisabledOnlyByAdjacentDenials) {
    EXPECT_FALSE(InfoRights(QStringLiteral("D_B_TAHVIL_GROH(N),D_B_TAHVIL_TAHVIL(N),")).personelTabEnabled());
    const InfoRights units(QStringLiteral("D_B_TAHVIL_GROH(Y),D_B_TAHVIL_TAHVIL(N),"));
    EXPECT_TRUE(units.personelTabEnabled());
    EXPECT_TRUE(units.departsAllowed());
    EXPECT_FALSE(units.recipientsAllowed());
    // The reverse order is not the denial pair.
    EXPECT_TRUE(InfoRights(QStringLiteral("D_B_TAHVIL_TAHVIL(N),D_B_TAHVIL_GROH(N),")).personelTabEnabled());
}
