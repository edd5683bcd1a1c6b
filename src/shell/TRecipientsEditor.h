#pragma once

#include <QString>

namespace tarvand {

// What the recipients tab tells its personnel editor, which lives in a layer above the window:
// the role code that names its account columns and its unit-selection key, the title its captions
// and messages carry, and when to bind the columns and to get the tab's view ready.
class TRecipientsEditor {
public:
    virtual ~TRecipientsEditor() = default;

    virtual void SetRoleCode(const QString& roleCode) = 0;
    virtual void SetTitle(const QString& title) = 0;
    // Binds the account columns to the fields the role code names; once, on creation.
    virtual void BindAccountColumns() = 0;
    // Gets the view ready each time the tab shows it, after title and role code are set.
    virtual void StartUp() = 0;
};

} // namespace tarvand
