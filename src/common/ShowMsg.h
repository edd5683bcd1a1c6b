#pragma once

#include <QString>

namespace tarvand {

// Every message of the module goes through the host's message dialog. Kind is a code such as
// "1ER" (error, OK), "3QR" (question, Yes/No) or "1IR" (information); an empty Title shows the
// dialog's default title. Returns the modal result: 1 for OK, 2 Cancel, 6 Yes, 7 No, and for
// leaving the dialog without a button the result the kind's button set gives that way out.
// The title "ادامه" makes it the caption of the single OK button from then on.
int ShowMsg(QString Msg, QString Title, QString Kind);

// A plain notice: ShowMsg(Msg, "", "1 C").
void ShowMsgPlain(QString Msg);

} // namespace tarvand
