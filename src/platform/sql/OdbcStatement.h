#pragma once

#include "OdbcHandle.h"
#include "OdbcParameters.h"

#include <QString>
#include <QVariantList>
#include <memory>
#include <optional>

namespace tarvand::sql {

class OdbcConnection;

// One statement handle on a connection, with the parameter values it was executed with. Keeps
// the connection alive for as long as the handle exists.
class OdbcStatement {
public:
    explicit OdbcStatement(std::shared_ptr<OdbcConnection> connection);
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    const OdbcHandle& handle() const { return handle_; }

    // Sends the text unchanged, with its '?' markers bound to params in order.
    void execute(const QString& text, const QVariantList& params);
    // Moves past the results that carry no columns (row counts of the statements a batch or
    // procedure runs before its SELECT); false when no result with columns is left. Errors raised
    // by those statements are thrown here.
    bool seekRows();
    // Reads every remaining result and returns the rows the statements changed.
    qint64 changedRows();
    // Discards what is left of the results, freeing the connection for the next statement.
    void close();

private:
    bool nextResult();

    std::shared_ptr<OdbcConnection> connection_;
    std::optional<OdbcParameters> parameters_;
    OdbcHandle handle_;
};

} // namespace tarvand::sql
