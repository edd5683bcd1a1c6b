#pragma once

#include "AccountChain.h"
#include "TDocRange.h"

#include <QString>
#include <array>
#include <memory>

namespace tarvand {

namespace data {
class TADOQuery;
}
namespace ui {
class TDBGrid;
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

    // Validates the account chain of the grid's current row (general, subsidiary and, as the
    // subsidiary account demands, detail, detail-2 and project account in the named columns):
    // the name of the first column in error, after its message (and its picker where the
    // account is missing), or an empty text when the chain is valid.
    QString CheckAccountRow(ui::TDBGrid* Grid, QString LevelSet, QString GrohTafsily, QString GrohTafsily2,
                            QString GrohProject, QString KollCol, QString MoeinCol, QString TafsilyCol,
                            QString Tafsily2Col, QString ProjectCol);
    // Lets the user pick the account of one chain column ("Koll", "Moein", "Tafsily", "Tafsily2",
    // "ProjectCod") and writes the choice into the row: the picker's modal result (1 chosen),
    // or 2 when the chosen account is inactive.
    int PickAccount(ui::TDBGrid* Grid, const QString& Column, const QString& LevelSet,
                    const QString& GrohTafsily, const QString& GrohTafsily2, const QString& GrohProject);
    // Which level columns choosing a subsidiary account empties: every level it does not carry,
    // or only the first of them (the asset register's rule).
    enum class LevelClearing { EveryMissingLevel, FirstMissingLevel };
    // PickAccount for a chain under other field names; Level is the plain column name in upper
    // case ("KOLL", "MOEIN", "TAFSILY", "TAFSILY2", "PROJECTCOD").
    int PickChainAccount(ui::TDBGrid* Grid, const QString& Level, const AccountChain& Chain,
                         const QString& GrohTafsily, const QString& GrohTafsily2, const QString& GrohProject,
                         LevelClearing Clearing);

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
