#pragma once

#include "ColumnInfo.h"
#include "SqlBackend.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

namespace tarvand::testsupport {

// Every row of one statement's result, read into memory so that tests can look at it freely.
// Cells keep their storage class: NULL as a null QVariant, integers as qlonglong, floating point as
// double, text as QString.
class ResultTable {
public:
    static ResultTable read(sql::SqlBackend& backend, const QString& statement);

    qsizetype rowCount() const { return rows.size(); }
    // Index of a column by name, compared without regard to case; -1 when absent.
    int column(const QString& name) const;
    QVariant value(qsizetype row, const QString& name) const;
    // Text of a cell; a NULL cell gives a null QString.
    QString text(qsizetype row, const QString& name) const;
    bool isNull(qsizetype row, const QString& name) const;
    // The texts of one column over all rows, in row order.
    QStringList texts(const QString& name) const;

    QList<sql::ColumnInfo> columns;
    QList<QVariantList> rows;
};

} // namespace tarvand::testsupport

// Lets GoogleTest print Qt strings in failure messages.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);
