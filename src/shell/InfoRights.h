#pragma once

#include <QString>

namespace tarvand {

// What the user's "D_B_" rights string allows in the base-information window. Every decision is a
// plain substring test of the string, so an entry counts wherever it stands and a pair of denials
// counts only when the two entries are adjacent in this order.
class InfoRights {
public:
    InfoRights() = default;
    explicit InfoRights(QString accessRights) : rights_(std::move(accessRights)) {}

    const QString& text() const { return rights_; }

    // A single-table tab: enabled only when the string holds the entry with "(Y)".
    bool allows(const QString& entry) const;

    // The detail-2 tab is disabled only when both of its editors are denied side by side.
    bool tafsily2TabEnabled() const;
    bool tafsily2AccountsAllowed() const;
    bool tafsily2GroupsAllowed() const;

    // The recipients tab, likewise, for its two editors.
    bool personelTabEnabled() const;
    bool recipientsAllowed() const;
    bool departsAllowed() const;

private:
    QString rights_;
};

} // namespace tarvand
