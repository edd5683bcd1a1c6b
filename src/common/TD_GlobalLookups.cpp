#include "TD_Global.h"

#include "Exception.h"
#include "HostContext.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TTempGridForm.h"

#include <initializer_list>

// The set-ups of the host's list picker, one per base table: each fills the picker's columns,
// title and starting key and returns the statement the caller opens in quTemp.
namespace tarvand {

namespace {

struct LookupColumn {
    QString caption;
    int width;
};

// Fills the members in the order the suite's pickers expect them: columns and captions, title,
// widths, keys (only the first value: callers that locate by more set the others themselves),
// then the order field and the table.
void fillPicker(const QString& title, std::initializer_list<LookupColumn> columns, const QString& keyField,
                const QString& keyValue, const QString& orderField, const QString& tableName) {
    if (TempGridForm == nullptr)
        throw Exception(QStringLiteral("فرم انتخاب ميزبان در دسترس نيست."));
    host::TTempGridForm& picker = *TempGridForm;
    picker.ColumnCount = int(columns.size());
    int index = 0;
    for (const LookupColumn& column : columns)
        picker.ColumnTitles.at(index++) = column.caption;
    picker.Title = title;
    index = 0;
    for (const LookupColumn& column : columns)
        picker.ColumnWidths.at(index++) = column.width;
    picker.KeyFields = {keyField, QString(), QString(), QString()};
    picker.KeyValues[0] = keyValue;
    picker.OrderField = orderField;
    picker.TableName = tableName;
}

} // namespace

QString TD_Global::SetupTafsily2Lookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب ") + NamTafsily2,
               {{NamTafsily2, 70},
                {QStringLiteral("نام ") + NamTafsily2, 220},
                {QStringLiteral("کل"), 30},
                {QStringLiteral("معين"), 35},
                {QStringLiteral("تفصيلي"), 55},
                {NamProject, 60}},
               QStringLiteral("Tafsily2"), Text, QStringLiteral("Tafsily2"), QStringLiteral("Tafsily2"));
    return QStringLiteral(
        "Select Tafsily2, NamHesab, Koll, Moein, Tafsily, ProjectCod From Tafsily2 Order By Tafsily2 ");
}

QString TD_Global::SetupVazDaraeLookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب وضعيت دارايي"),
               {{QStringLiteral("كد"), 30}, {QStringLiteral("وضعيت دارايي"), 430}}, QStringLiteral("VazCod"),
               Text, QStringLiteral("VazCod"), QStringLiteral("D_VazDarae"));
    return QStringLiteral("Select VazCod, VazNam From D_VazDarae Order By VazCod");
}

QString TD_Global::SetupVezaratLookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب اظهارنامه مالياتي"),
               {{QStringLiteral("كد"), 30}, {QStringLiteral("گروه اظهارنامه مالياتي"), 430}},
               QStringLiteral("VezCod"), Text, QStringLiteral("VezCod"), QStringLiteral("D_VezArat"));
    return QStringLiteral("Select VezCod, VezNam From D_VezArat Order By VezCod");
}

QString TD_Global::SetupPersonelLookup(QString Text) const {
    // Recipients keep their accounts under other column names; a temporary table of this session
    // gives the picker the columns of the other account lists. The picker drops it when it closes;
    // a table never shown lives until the connection closes.
    const QString tableName = QStringLiteral("##") + Global->SessionTag + MyDate->TimeStamp();
    MyDatabase->ExecSql(
        QStringLiteral("Select Code As PersonelCod, [Name]+' '+Family As PersonelNam, ") +
        QStringLiteral("D_Koll As Koll, D_Moein As Moein, D_Tafsily As Tafsily, D_Tafsily2 As Tafsily2, "
                       "D_ProjectCod As ProjectCod ") +
        QStringLiteral("Into ") + tableName + QStringLiteral(" From Person "));
    fillPicker(QStringLiteral("انتخاب تحويل گيرنده دارايي"),
               {{QStringLiteral("تحويل گيرنده"), 75},
                {QStringLiteral("نام تحويل گيرنده"), 200},
                {QStringLiteral("کل"), 30},
                {QStringLiteral("معين"), 35},
                {QStringLiteral("تفصيلي"), 55},
                {NamTafsily2, 65},
                {NamProject, 65}},
               QStringLiteral("PersonelCod"), Text, QStringLiteral("PersonelCod"), tableName);
    return QStringLiteral("Select * From ") + tableName + QStringLiteral(" Order By PersonelCod ");
}

QString TD_Global::SetupMadeh151Lookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب ماده 151 قانون مالياتهاي مستقيم"),
               {{QStringLiteral("کد"), 30},
                {QStringLiteral("نام ماده 151 قانون مالياتهاي مستقيم"), 250},
                {QStringLiteral("دستورالعمل"), 80},
                {QStringLiteral("نزولـي"), 50},
                {QStringLiteral("ساليانه"), 50}},
               QStringLiteral("MadehCod"), Text, QStringLiteral("MadehCod"), QStringLiteral("D_Madeh151"));
    return QStringLiteral(
        "Select MadehCod, MadehNam, Sharh, Nozooli, Salianeh From D_Madeh151 Order By MadehCod");
}

QString TD_Global::SetupSakhtarLookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب مشخصه دارايي"),
               {{QStringLiteral("كد"), 30},
                {QStringLiteral("رج"), 30},
                {QStringLiteral("نام مشخصه"), 300},
                {QStringLiteral("طول"), 40},
                {QStringLiteral("نوع"), 60}},
               QStringLiteral("SakhtarCod"), Text, QStringLiteral("IDX"), QStringLiteral("D_Sakhtar"));
    return QStringLiteral("Select SakhtarCod, SakhtarRaj, SakhtarNam, SakhtarLen, SakhtarType, IDX From "
                          "D_Sakhtar Order By SakhtarCod");
}

QString TD_Global::SetupMakanLookup(QString Text) const {
    fillPicker(QStringLiteral("انتخاب مکان دارايي"),
               {{QStringLiteral("كد"), 60}, {QStringLiteral("نام مکان"), 400}}, QStringLiteral("MakanCod"),
               Text, QStringLiteral("MakanCod"), QStringLiteral("D_Makan"));
    return QStringLiteral("Select MakanCod, MakanNam From D_Makan Order By MakanCod");
}

} // namespace tarvand
