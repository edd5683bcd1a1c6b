#pragma once

#include "SqliteSession.h"

namespace tarvand::sql {

// Runs a compound change all-or-nothing: rolled back unless release() is reached. Inside a
// transaction it is a savepoint; outside one, a transaction of its own.
class SqliteSavepoint {
public:
    explicit SqliteSavepoint(const SqliteSession& session);
    ~SqliteSavepoint();
    SqliteSavepoint(const SqliteSavepoint&) = delete;
    SqliteSavepoint& operator=(const SqliteSavepoint&) = delete;
    void release();

private:
    const SqliteSession& session_;
    bool outermost_;
    bool open_ = true;
};

} // namespace tarvand::sql
