#include "TD_Global.h"

#include "HostContext.h"
#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"

namespace tarvand {

const std::array<const char*, TD_Global::DocTableCount> TD_Global::DocTables = {
    "D_AsaseChange",  "D_FirstTadil", "D_Buy_Create",     "D_ForoshDaymeh",    "D_DaraeReduce",
    "D_KenarM",       "D_KenarD",     "D_Tahvil_Antegal", "D_SoulationChange",
};

TD_Global::TD_Global() : Query(std::make_unique<data::TADOQuery>()) {
    Query->SetConnection(MyDatabase->Connection());
    Query->Close();

    reopen(QStringLiteral("Select Dara, Korvash, Company_StartDate From Options Where sCode = '") +
           SqlEscape(Global->CompanyCode + Global->FiscalYear) + QLatin1Char('\''));
    if (!Query->IsEmpty()) {
        const QString korvash = Query->FieldByName(QStringLiteral("Korvash"))->AsString();
        const QString dara = Query->FieldByName(QStringLiteral("Dara"))->AsString();
        NamTafsily2 = TGlobal::GetSetting(korvash, QStringLiteral("NAMTAFSILY2"));
        TypeCreateNewAt = TGlobal::GetSetting(korvash, QStringLiteral("TYPE_CREATE_NEWAT"));
        NamProject = TGlobal::GetSetting(korvash, QStringLiteral("NAMPROJECT"));
        AstMesure = TGlobal::GetSetting(dara, QStringLiteral("Ast_Mesure"));
        TypeDaraCod = TGlobal::GetSetting(dara, QStringLiteral("TYPEDARACOD"));
        SanadTime = TGlobal::GetSetting(dara, QStringLiteral("SANAD_TIME"));
        SanadType = TGlobal::GetSetting(dara, QStringLiteral("SANAD_TYPE"));
        TypeSarfaslCod = TGlobal::GetSetting(korvash, QStringLiteral("TYPESARFASLCOD"));
        CompanyStartDate = Query->FieldByName(QStringLiteral("Company_StartDate"))->AsString();
    }

    LoadLastCloseDate();

    reopen(QStringLiteral("Select COL_LENGTH('GrohTafsily', 'TafsilyGrohCod') As LenCodGrohTafsily, ") +
           QStringLiteral("COL_LENGTH('GrohTafsily2', 'Tafsily2GrohCod') As LenCodGrohTafsily2, ") +
           QStringLiteral("COL_LENGTH('M_GrohProject', 'ProjectGrohCod') As LenCodGrohProject "));
    if (!Query->IsEmpty()) {
        LenCodGrohTafsily = Query->FieldByName(QStringLiteral("LenCodGrohTafsily"))->AsInteger();
        LenCodGrohTafsily2 = Query->FieldByName(QStringLiteral("LenCodGrohTafsily2"))->AsInteger();
        LenCodGrohProject = Query->FieldByName(QStringLiteral("LenCodGrohProject"))->AsInteger();
    }

    for (int i = 0; i < DocTableCount; ++i)
        LoadDocRange(i, QLatin1String(DocTables[i]));
}

TD_Global::~TD_Global() = default;

void TD_Global::reopen(const QString& statement) {
    Query->Close();
    Query->SetSQL(statement);
    Query->Open();
}

void TD_Global::LoadLastCloseDate() {
    reopen(QStringLiteral("Select IsNull(Max(SanadDate), '1300/00/00') SanadDate From Asnad Where TypeSys='D' And "
                          "WhatDoc In ('98', '99')"));
    LastCloseDate = Query->IsEmpty() ? QString() : Query->FieldByName(QStringLiteral("SanadDate"))->AsString().trimmed();
}

void TD_Global::LoadDocRange(int index, const QString& tableName) {
    reopen(QStringLiteral("Select Min(sDate) As MinSanadDate, Max(sDate) As MaxSanadDate, ") +
           QStringLiteral("Min(SanadNoAmval) As MinSanadNo, Max(SanadNoAmval) As MaxSanadNo From ") + tableName);
    TDocRange& range = DocRanges.at(index);
    range.RangeKind = QStringLiteral("SANADDATE");
    range.FromMonth = 1;
    range.ToMonth = 12;
    if (Query->RecordCount() == 1) {
        range.MinSanadDate = Query->FieldByName(QStringLiteral("MinSanadDate"))->AsString();
        range.MaxSanadDate = Query->FieldByName(QStringLiteral("MaxSanadDate"))->AsString();
        range.MinSanadNo = Query->FieldByName(QStringLiteral("MinSanadNo"))->AsString();
        range.MaxSanadNo = Query->FieldByName(QStringLiteral("MaxSanadNo"))->AsString();
    } else if (Query->IsEmpty()) {
        range.MinSanadDate = Global->FiscalYear + QStringLiteral("/01/01");
        range.MaxSanadDate = Global->WorkDate;
        range.MinSanadNo = QStringLiteral("1");
        range.MaxSanadNo = QStringLiteral("1");
    }
}

} // namespace tarvand
