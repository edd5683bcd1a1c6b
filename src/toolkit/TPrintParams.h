#pragma once

#include <QString>

namespace tarvand {

namespace data {
class TADOConnection;
}
namespace ui {
class TDBGrid;
}

// What a print module gets: the grid and the texts of its report. The grid command object fills
// what it knows and hands a copy to the toolkit, which adds the session's part (the connection,
// the user, the dates) before it passes the copy's address to the module. The members keep the
// order in which the suite's print modules read them.
struct TPrintParams {
    void* Reserved0 = nullptr;
    ui::TDBGrid* Grid = nullptr;
    QString Title;
    QString TitleText1; // the two texts that follow the report title in the command object's set-up
    QString TitleText2;
    QString WorkDate;
    QString ExtraText1; // the first three of the four texts at the end of the set-up
    QString ExtraText2;
    QString ExtraText3;
    QString Blank1; // set empty by the toolkit
    QString Blank2;
    QString PrintDate;   // the toolkit's WorkDate
    QString CompanyText; // a text of the toolkit object: the company code
    data::TADOConnection* Connection = nullptr;
    QString UserId;     // decimal
    QString ReportKey;  // program + "_" + item + "_" + form + "_" + part
    QString ExtraText4; // the last of the four texts at the end of the set-up
    void* Reserved17 = nullptr;
};

} // namespace tarvand
