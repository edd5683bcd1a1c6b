#pragma once

#include "TDocRange.h"

#include <QString>
#include <array>
#include <memory>

namespace tarvand {

namespace data {
class TADOQuery;
}

// The fixed-asset system's view of the current company's settings, read once when the
// base-information window is created and kept for its lifetime.
class TD_Global {
public:
    static constexpr int DocTableCount = 9;
    // The asset document tables, in the order of DocRanges.
    static const std::array<const char*, DocTableCount> DocTables;

    // Reads everything through the host's database object; database errors pass to the caller.
    TD_Global();
    ~TD_Global();
    TD_Global(const TD_Global&) = delete;
    TD_Global& operator=(const TD_Global&) = delete;

    void LoadDocRange(int index, const QString& tableName);
    void LoadLastCloseDate();

    // Set-ups of the host's list picker (TempGridForm), one per base table: each fills the picker's
    // columns, title and starting key (Text, the cell's current text) and returns the statement
    // that the caller opens in the picker's quTemp. Defined in TD_GlobalLookups.cpp.
    QString SetupTafsily2Lookup(QString Text) const;
    QString SetupVazDaraeLookup(QString Text) const;
    QString SetupVezaratLookup(QString Text) const;
    // Builds the recipients in a global temporary table of this session first.
    QString SetupPersonelLookup(QString Text) const;
    QString SetupMadeh151Lookup(QString Text) const;
    QString SetupSakhtarLookup(QString Text) const;
    QString SetupMakanLookup(QString Text) const;

    std::unique_ptr<data::TADOQuery> Query;
    std::array<TDocRange, DocTableCount> DocRanges;
    QString NamTafsily2;
    QString NamProject;
    QString TypeCreateNewAt;
    QString AstMesure;
    QString TypeSarfaslCod;
    QString TypeDaraCod;
    QString SanadTime;
    QString SanadType;
    QString LastCloseDate;
    QString CompanyStartDate;
    int LenCodGrohTafsily = 0;
    int LenCodGrohTafsily2 = 0;
    int LenCodGrohProject = 0;

private:
    void reopen(const QString& statement);
};

} // namespace tarvand
