#include "TPendingEditorForm.h"

#include "TLabel.h"

namespace tarvand {

TPendingEditorForm::TPendingEditorForm(const QString& tableName) : lbMessage(new ui::TLabel(this)) {
    SetName(QStringLiteral("PendingEditorForm"));
    SetCaption(tableName);
    lbMessage->SetName(QStringLiteral("lbMessage"));
    lbMessage->SetCaption(QStringLiteral("ويرايشگر جدول «") + tableName +
                          QStringLiteral("» در اين نسخه هنوز در دسترس نيست."));
    lbMessage->SetAlignment(ui::taCenter);
    lbMessage->setWordWrap(true);
    lbMessage->SetAlign(ui::alClient);
}

} // namespace tarvand
