#include "RowSorter.h"

#include "EDatabaseError.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvand::data {

namespace {

bool comparesAsNumber(TFieldType type) {
    return IsNumericType(type) || type == TFieldType::ftBoolean;
}

QString cellText(const RowStore::Cell& cell) {
    switch (cell.kind) {
    case RowStore::Kind::Integer:
        return QString::number(cell.integer);
    case RowStore::Kind::Float:
        return QString::number(cell.real, 'g', 15);
    case RowStore::Kind::Text:
    case RowStore::Kind::Blob:
        return QString::fromUtf8(cell.bytes.data(), qsizetype(cell.bytes.size()));
    case RowStore::Kind::Null:
        break;
    }
    return {};
}

// The numeric value of a cell; false when it has none (NULL, or text that is not a number).
bool cellNumber(const RowStore::Cell& cell, double& value) {
    switch (cell.kind) {
    case RowStore::Kind::Integer:
        value = double(cell.integer);
        return true;
    case RowStore::Kind::Float:
        value = cell.real;
        return true;
    case RowStore::Kind::Text: {
        bool ok = false;
        value = QString::fromUtf8(cell.bytes.data(), qsizetype(cell.bytes.size())).trimmed().toDouble(&ok);
        return ok && !std::isnan(value);
    }
    default:
        return false;
    }
}

int threeWay(double a, double b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The sort keys of one column for every row being sorted, computed once so that the sort itself
// compares bytes and doubles only.
struct PreparedColumn {
    bool numeric = false;
    bool descending = false;
    std::vector<std::uint8_t> isNull;
    std::vector<double> numbers;
    std::vector<QCollatorSortKey> texts;
};

} // namespace

QList<std::pair<QString, bool>> RowSorter::parse(const QString& sortText) {
    QList<std::pair<QString, bool>> result;
    if (sortText.trimmed().isEmpty()) {
        return result;
    }
    for (const QString& rawPart : sortText.split(u',')) {
        const QString part = rawPart.trimmed();
        QString name;
        QString rest;
        if (part.startsWith(u'[')) {
            const qsizetype close = part.indexOf(u']');
            if (close < 0) {
                throw EDatabaseError(QStringLiteral("Sort order '%1' cannot be applied").arg(sortText));
            }
            name = part.mid(1, close - 1).trimmed();
            rest = part.mid(close + 1).trimmed();
        } else {
            qsizetype blank = 0;
            while (blank < part.size() && !part.at(blank).isSpace()) {
                ++blank;
            }
            name = part.left(blank);
            rest = part.mid(blank).trimmed();
        }
        bool descending = false;
        if (rest.compare(u"DESC", Qt::CaseInsensitive) == 0) {
            descending = true;
        } else if (!rest.isEmpty() && rest.compare(u"ASC", Qt::CaseInsensitive) != 0) {
            throw EDatabaseError(QStringLiteral("Sort order '%1' cannot be applied").arg(sortText));
        }
        if (name.isEmpty()) {
            throw EDatabaseError(QStringLiteral("Sort order '%1' cannot be applied").arg(sortText));
        }
        result.append({name, descending});
    }
    return result;
}

RowSorter::RowSorter() : RowSorter(std::vector<Key>()) {}

RowSorter::RowSorter(std::vector<Key> keys)
    : keys_(std::move(keys)), collator_(QLocale(QLocale::Persian, QLocale::Iran)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void RowSorter::sort(const RowStore& store, std::vector<RowId>& rows) const {
    if (keys_.empty()) {
        std::sort(rows.begin(), rows.end());
        return;
    }
    const std::size_t count = rows.size();
    std::vector<PreparedColumn> prepared(keys_.size());
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        PreparedColumn& column = prepared[k];
        column.numeric = comparesAsNumber(keys_[k].type);
        column.descending = keys_[k].descending;
        column.isNull.resize(count);
        if (column.numeric) {
            column.numbers.reserve(count);
        } else {
            column.texts.reserve(count);
        }
        for (std::size_t i = 0; i < count; ++i) {
            const RowStore::Cell cell = store.cell(rows[i], keys_[k].column);
            if (column.numeric) {
                double value = 0;
                column.isNull[i] = !cellNumber(cell, value);
                column.numbers.push_back(value);
            } else {
                column.isNull[i] = cell.kind == RowStore::Kind::Null;
                column.texts.push_back(collator_.sortKey(cellText(cell)));
            }
        }
    }
    std::vector<std::uint32_t> permutation(count);
    std::iota(permutation.begin(), permutation.end(), 0u);
    std::sort(permutation.begin(), permutation.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (const PreparedColumn& column : prepared) {
            int result;
            if (column.isNull[a] || column.isNull[b]) {
                result = int(column.isNull[b]) - int(column.isNull[a]);
            } else if (column.numeric) {
                result = threeWay(column.numbers[a], column.numbers[b]);
            } else {
                result = column.texts[a].compare(column.texts[b]);
            }
            if (result != 0) {
                return column.descending ? result > 0 : result < 0;
            }
        }
        return rows[a] < rows[b];
    });
    std::vector<RowId> sorted(count);
    for (std::size_t i = 0; i < count; ++i) {
        sorted[i] = rows[permutation[i]];
    }
    rows = std::move(sorted);
}

bool RowSorter::less(const RowStore& store, RowId a, RowId b) const {
    for (const Key& key : keys_) {
        const int result = compareCells(key, store.cell(a, key.column), store.cell(b, key.column));
        if (result != 0) {
            return key.descending ? result > 0 : result < 0;
        }
    }
    return a < b;
}

int RowSorter::compareCells(const Key& key, const RowStore::Cell& a, const RowStore::Cell& b) const {
    if (comparesAsNumber(key.type)) {
        double x = 0;
        double y = 0;
        const bool hasX = cellNumber(a, x);
        const bool hasY = cellNumber(b, y);
        if (!hasX || !hasY) {
            return int(hasX) - int(hasY);
        }
        return threeWay(x, y);
    }
    const bool nullA = a.kind == RowStore::Kind::Null;
    const bool nullB = b.kind == RowStore::Kind::Null;
    if (nullA || nullB) {
        return int(nullB) - int(nullA);
    }
    return collator_.compare(cellText(a), cellText(b));
}

} // namespace tarvand::data
