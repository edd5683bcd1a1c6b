#pragma once

#include "TsqlStatement.h"

#include <QString>

namespace tarvand::sql {

// Shows what the bridge makes of T-SQL: the SQLite text of each statement, in order, one per
// paragraph. Statements the bridge carries out in several steps or with the help of its catalogs
// (Select … Into, schema changes, procedures, If/While) are shown as the SQLite statements they
// run, with a comment where a step depends on the database (column types, stored rows).
class TsqlTranslator {
public:
    // Throws EDatabaseError when the text does not parse or uses an unsupported construct.
    static QString translate(const QString& tsql);

private:
    static QStringList statement(const TsqlStatement& statement);
};

} // namespace tarvand::sql
