#pragma once

#include <QFlags>

namespace tarvand::data {

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields };

enum class TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftAutoInc,
    ftFloat,
    ftBCD,
    ftBoolean,
    ftDateTime,
    ftMemo,
    ftBlob
};

// Numbers: right-aligned in grids, compared as numbers by filters.
constexpr bool IsNumericType(TFieldType type) {
    switch (type) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc:
    case TFieldType::ftFloat:
    case TFieldType::ftBCD:
        return true;
    default:
        return false;
    }
}

enum class TFieldKind { fkData, fkCalculated };

// What an OnPostError / OnDeleteError handler wants done with the failure.
enum class TDataAction { daFail, daAbort, daRetry };

enum class TLocateOption { loCaseInsensitive = 0x1, loPartialKey = 0x2 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

// Notifications a dataset sends to its data links (data sources and the controls behind them).
enum class TDataEvent {
    deFieldChange,     // a field of the current record changed (info: the field)
    deRecordChange,    // the current record's values changed as a whole
    deDataSetChange,   // rows were added, removed, re-read or re-ordered
    deDataSetScroll,   // the current record moved (info: distance, may be 0)
    deUpdateState,     // the state changed (browse, edit, insert, inactive)
    deUpdateRecord,    // controls must write their pending edits into the fields now
    deCheckBrowseMode, // the dataset is about to leave the current record
    deActiveChange     // opened or closed
};

} // namespace tarvand::data
