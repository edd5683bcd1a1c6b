#include "MessageAnswers.h"

#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TImage.h"
#include "TMemo.h"

#include <gtest/gtest.h>

namespace tarvand::testsupport {

QString MessageAnswers::KindShown(const host::TDlgMsg& dialog) {
    QString kind;
    if (!dialog.BBtnYes->isHidden() && !dialog.BBtnNo->isHidden())
        kind += QLatin1Char('3');
    else if (!dialog.BBtnOK2->isHidden() && !dialog.BBtnCancel->isHidden())
        kind += QLatin1Char('2');
    else if (!dialog.BBtnOK1->isHidden())
        kind += QLatin1Char('1');
    const std::pair<ui::TImage*, char> icons[] = {{dialog.I_Warning, 'W'},
                                                  {dialog.I_Question, 'Q'},
                                                  {dialog.I_Error, 'E'},
                                                  {dialog.I_Stop, 'S'},
                                                  {dialog.I_Info, 'I'}};
    for (const auto& [image, letter] : icons) {
        if (!image->isHidden())
            kind += QLatin1Char(letter);
    }
    return kind;
}

MessageAnswers::MessageAnswers(host::TDlgMsg& dialog, std::initializer_list<int> results)
    : dialog_(dialog), results_(results), formShow_(dialog.OnShow) {
    dialog_.OnShow = [this](QObject* sender) {
        if (formShow_)
            formShow_(sender);
        shown_.append({dialog_.Memo1->Text(), dialog_.Caption(), KindShown(dialog_)});
        if (results_.isEmpty()) {
            ADD_FAILURE() << "an unexpected message: " << dialog_.Memo1->Text().toStdString();
            dialog_.SetModalResult(ui::mrCancel);
            return;
        }
        dialog_.SetModalResult(results_.takeFirst());
    };
}

MessageAnswers::~MessageAnswers() {
    dialog_.OnShow = formShow_;
    EXPECT_TRUE(results_.isEmpty()) << results_.size() << " answers were not asked for";
}

} // namespace tarvand::testsupport
