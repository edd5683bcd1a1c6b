#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tarvand::sql {
class SqlBackend;
}

namespace tarvand::data {

struct RowChange;

// Writes a dataset's new, changed and deleted rows to one table with parameterised statements.
// Identifiers come from the dataset's own metadata (its update table and the base columns of its
// result), values only as parameters.
//
// A row is found by the table's key columns or, when the table has none (or the result lacks
// some), by every value it was read with; then exactly one row must match. An UPDATE writes the
// changed columns only and finds its row only while those still hold the values read, so that
// of two users changing one value the second is refused rather than silently overwriting; an INSERT the
// non-null ones (so that database defaults apply), never an identity column, whose generated value is read
// back.
class SqlRowWriter {
public:
    SqlRowWriter(sql::SqlBackend& backend, QString table, QStringList keyColumns);

    void write(RowChange& change);

private:
    void insert(RowChange& change);
    void update(const RowChange& change);
    void remove(const RowChange& change);
    // The WHERE clause that finds the row as it was read, its changed columns (indexes into the
    // change's columns) included; tells whether it goes by the key.
    QString locate(const RowChange& change, const QList<int>& changed, QVariantList& params,
                   bool& byKey) const;
    // Runs an UPDATE or DELETE (with the parameters of its SET part) that must change exactly the
    // one row it locates.
    void changeOneRow(const QString& statement, const QVariantList& params, const RowChange& change,
                      const QList<int>& changed);

    sql::SqlBackend& backend_;
    QString table_;
    QStringList keyColumns_;
};

} // namespace tarvand::data
