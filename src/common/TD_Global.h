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
