#pragma once

#include "EDatabaseError.h"
#include "PgConnection.h"

#include <memory>

namespace tarvand::sql {

// A statement the server refused: the message in SQL Server's words as far as the connection could
// tell at once, and the server's report, which PgBackend reads again once the statement's
// savepoint or transaction is undone, to name tables and columns as the module wrote them.
class PgServerError : public EDatabaseError {
public:
    PgServerError(const QString& message, std::shared_ptr<PGresult> result)
        : EDatabaseError(message), result_(std::move(result)) {}

    const PGresult* result() const { return result_.get(); }

private:
    std::shared_ptr<PGresult> result_;
};

} // namespace tarvand::sql
