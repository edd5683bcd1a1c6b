#pragma once

#include "SqlBackend.h"

#include <QString>
#include <QStringList>

namespace tarvand::sql {

// Creates company databases from the T-SQL scripts of db/ (schema, stored procedures, demo data),
// which are embedded in the library, and fills asset registers with generated assets for
// benchmarks. Scripts go through the backend exactly as a server would receive them: batch by
// batch, a batch ending at a line that holds only GO.
class DatabaseSetup {
public:
    explicit DatabaseSetup(SqlBackend& backend);

    // The batches of a script, in order; batches holding nothing but blanks and comments are left
    // out.
    static QStringList splitBatches(const QString& script);
    // The text of one of the embedded scripts ("schema.sql", "procedures.sql", "demo.sql").
    // Throws Exception when there is no such script.
    static QString embeddedScript(const QString& fileName);

    // Generated detail accounts of the demo company, so that the account pickers work at a
    // realistic size.
    static constexpr int DemoDetailAccounts = 3000;
    // The most detail accounts generateDetailAccounts makes: 90 groups of 999 codes.
    static constexpr int MaxDetailAccounts = 89'910;

    // Builds a new demo company database file at path, with extraAssets generated assets added to
    // the demo register and detailAccounts generated detail accounts to its chart. The file is
    // built under a temporary name and moved into place only when complete, so a failure leaves
    // no half-built database and an existing file untouched. An existing file is replaced only
    // when replace is set; otherwise it is refused with Exception. A postgresql:// URI names a
    // database on a server, which is filled only when it has no tables yet (replace does not apply).
    static void createDemoDatabase(const QString& path, int extraAssets = 0, bool replace = false,
                                   int detailAccounts = DemoDetailAccounts);

    // Runs every batch of a script; scriptName names it in error messages. Throws EDatabaseError
    // with the server's message and the line where the failing batch starts.
    void runScript(const QString& script, const QString& scriptName);
    // Tables and stored procedures of an empty database.
    void createSchema();
    // The demo company's rows; needs the schema.
    void loadDemoData();
    // Adds count assets modelled on the register's existing assets (same categories, accounts and
    // base codes; new codes, names, dates, amounts, recipients and tags), all in one transaction.
    // The same seed gives the same assets. Throws Exception when the register is empty.
    void generateAssets(int count, quint32 seed = 1403);
    // Adds count detail accounts in new groups from 10 on (about a thousand codes a group, at least
    // three groups; one in twenty inactive), with the rights of user 1 to all of them and of user 2
    // to nine in ten, all in one transaction. The same seed gives the same accounts. Throws
    // Exception for more than MaxDetailAccounts.
    void generateDetailAccounts(int count, quint32 seed = 1403);

private:
    // Schema and demo rows in one transaction, then the generated assets and accounts.
    static void fill(SqlBackend& backend, int extraAssets, int detailAccounts);

    SqlBackend& backend_;
};

} // namespace tarvand::sql
