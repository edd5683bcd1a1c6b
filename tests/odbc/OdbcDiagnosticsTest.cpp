#include "OdbcDiagnostics.h"

#include <gtest/gtest.h>

using tarvand::sql::OdbcDiagnostics;

TEST(OdbcDiagnosticsTest, VendorTagsGoAndTheMessageComesThroughVerbatimWithItsOwnBrackets) {
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags(
                  "[Microsoft][ODBC Driver 18 for SQL Server][SQL Server]Violation of PRIMARY KEY constraint "
                  "'PK_X'. Cannot insert duplicate key in object 'dbo.X'."),
              "Violation of PRIMARY KEY constraint 'PK_X'. Cannot insert duplicate key in object 'dbo.X'.");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags("[FreeTDS][SQL Server]Invalid object name 'D_Amval'."),
              "Invalid object name 'D_Amval'.");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags(
                  "[unixODBC][Driver Manager]Data source name not found and no default driver specified"),
              "Data source name not found and no default driver specified");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags("[SQL Server]Invalid column name '[x]'."),
              "Invalid column name '[x]'.");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags("Plain text"), "Plain text");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags("[only a tag]"), "[only a tag]");
    EXPECT_EQ(OdbcDiagnostics::withoutVendorTags("[unclosed tag"), "[unclosed tag");
}
