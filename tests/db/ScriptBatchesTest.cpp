// Scripts run batch by batch, a batch ending at a line that holds only GO, as a server's command
// tool runs them.

#include "DatabaseSetup.h"
#include "DemoDatabase.h"
#include "EDatabaseError.h"
#include "ResultTable.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using tarvand::sql::DatabaseSetup;

// A batch ends at a line holding only GO (not at GO within a line); batches of only comments and
// blanks are left out; Windows line endings split alike.
TEST(ScriptBatchesTest, BatchesEndAtLinesHoldingOnlyGo) {
    const QList<std::pair<QString, QStringList>> scripts = {
        {"Create Table A (X Int)\nGO\nInsert Into A Values (1)\n  go  \nSelect 1\n",
         {"Create Table A (X Int)", "Insert Into A Values (1)", "Select 1\n"}},
        {"Select 'GO' As GO\nSelect 1 -- GO\nGOTO\nGO", {"Select 'GO' As GO\nSelect 1 -- GO\nGOTO"}},
        {"-- header\n\nGO\nSelect 1\nGO\n   \n-- trailer\nGO\n\n", {"Select 1"}},
        {"Select 1\r\nGO\r\nSelect 2\r\n", {"Select 1", "Select 2\n"}}};
    for (const auto& [script, batches] : scripts) {
        EXPECT_EQ(DatabaseSetup::splitBatches(script), batches) << script.toStdString();
    }
}

TEST(ScriptBatchesTest, EmbeddedScriptsCreateEveryTableInABatchOfItsOwn) {
    const QStringList schema = DatabaseSetup::splitBatches(DatabaseSetup::embeddedScript("schema.sql"));
    EXPECT_EQ(schema
                  .filter(QRegularExpression("^\\s*(--[^\\n]*\\n\\s*)*Create Table",
                                             QRegularExpression::CaseInsensitiveOption))
                  .size(),
              schema.size());
    EXPECT_EQ(schema.size(), 34);
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
