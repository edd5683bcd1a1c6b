#pragma once

#include "TsqlParser.h"

namespace tarvand::sql {

// A compiled T-SQL script: its batches of statements with their SQLite text. Immutable once
// compiled, so one instance serves every run of the same text.
struct TsqlScript {
    std::vector<TsqlBatch> batches;
};

} // namespace tarvand::sql
