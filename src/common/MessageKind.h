#pragma once

#include <QString>
#include <optional>

namespace tarvand {

// A message kind such as "1ER" or "3QR": which buttons and which icon the message dialog shows.
// Position 1 chooses the buttons, position 2 the icon; position 3 only keeps the code three
// characters long. A code whose first letter is no button digit but an icon letter, as "E R"
// completed from "e", shows that icon without buttons.
class MessageKind {
public:
    enum class Buttons { None, Ok, OkCancel, YesNo };
    enum class Icon { None, Warning, Question, Error, Stop, Info };

    // Upper-cases the code and completes it to three characters: "" becomes "1 R", "E" becomes
    // "E R", "1E" becomes "1ER". Longer codes are kept as they are.
    static QString Normalize(const QString& kind);
    static MessageKind Parse(const QString& kind);

    Buttons buttons() const { return buttons_; }
    Icon icon() const { return icon_; }
    // The modal result of leaving the dialog without a button; no value when the button set
    // leaves the dialog's previous value in place.
    std::optional<int> dismissResult() const;

private:
    MessageKind(Buttons buttons, Icon icon) : buttons_(buttons), icon_(icon) {}

    Buttons buttons_;
    Icon icon_;
};

} // namespace tarvand
