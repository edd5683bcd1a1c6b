// Scripts run batch by batch, a batch ending at a line that holds only GO, as a server's command
// tool runs them.

#include "DatabaseSetup.h"
#include "DemoDatabase.h"
#include "EDatabaseError.h"
#include "ResultTable.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using tarvand::sql::DatabaseSetup;

TEST(ScriptBatchesTest, BatchesEndAtLinesHoldingOnlyGo) {
    const QStringList batches = DatabaseSetup::splitBatches(
        "Create Table A (X Int)\nGO\nInsert Into A Values (1)\n  go  \nSelect 1\n");
    EXPECT_EQ(batches, (QStringList{"Create Table A (X Int)", "Insert Into A Values (1)", "Select 1\n"}));
}

TEST(ScriptBatchesTest, GoWithinALineDoesNotEndABatch) {
    const QStringList batches = DatabaseSetup::splitBatches("Select 'GO' As GO\nSelect 1 -- GO\nGOTO\nGO");
    ASSERT_EQ(batches.size(), 1);
    EXPECT_EQ(batches[0], "Select 'GO' As GO\nSelect 1 -- GO\nGOTO");
}

TEST(ScriptBatchesTest, BatchesOfOnlyCommentsAndBlanksAreLeftOut) {
    const QStringList batches =
        DatabaseSetup::splitBatches("-- header\n\nGO\nSelect 1\nGO\n   \n-- trailer\nGO\n\n");
    EXPECT_EQ(batches, QStringList{"Select 1"});
}

TEST(ScriptBatchesTest, WindowsLineEndingsSplitAlike) {
    EXPECT_EQ(DatabaseSetup::splitBatches("Select 1\r\nGO\r\nSelect 2\r\n"),
              (QStringList{"Select 1", "Select 2\n"}));
}

TEST(ScriptBatchesTest, EmbeddedScriptsCreateEveryTableInABatchOfItsOwn) {
    const QStringList schema = DatabaseSetup::splitBatches(DatabaseSetup::embeddedScript("schema.sql"));
    EXPECT_EQ(schema
                  .filter(QRegularExpression("^\\s*(--[^\\n]*\\n\\s*)*Create Table",
                                             QRegularExpression::CaseInsensitiveOption))
                  .size(),
              schema.size());
    EXPECT_EQ(schema.size(), 33);
    const QStringList procedures =
        DatabaseSetup::splitBatches(DatabaseSetup::embeddedScript("procedures.sql"));
    EXPECT_EQ(procedures.size(), 14);
    EXPECT_FALSE(DatabaseSetup::embeddedScript("demo.sql").isEmpty());
    EXPECT_THROW(DatabaseSetup::embeddedScript("missing.sql"), tarvand::Exception);
}

TEST(ScriptBatchesTest, FailingBatchIsNamedByScriptAndLine) {
    tarvand::testsupport::DemoDatabase demo;
    auto db = demo.open();
    try {
        DatabaseSetup(*db).runScript(
            "Create Table Extra (X Int)\nGO\n\nInsert Into NoSuchTable Values (1)\nGO\n", "extra.sql");
        FAIL() << "the second batch must fail";
    } catch (const tarvand::EDatabaseError& error) {
        EXPECT_TRUE(error.Message.startsWith("extra.sql, batch at line 3: ")) << error.what();
    }
    EXPECT_FALSE(db->tableColumns("Extra").isEmpty());
}
