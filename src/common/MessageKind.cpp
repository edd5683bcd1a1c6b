#include "MessageKind.h"

namespace tarvand {

namespace {

MessageKind::Icon iconOf(QChar letter) {
    switch (letter.unicode()) {
    case 'W':
        return MessageKind::Icon::Warning;
    case 'Q':
        return MessageKind::Icon::Question;
    case 'E':
        return MessageKind::Icon::Error;
    case 'S':
        return MessageKind::Icon::Stop;
    case 'I':
        return MessageKind::Icon::Info;
    default:
        return MessageKind::Icon::None;
    }
}

} // namespace

QString MessageKind::Normalize(const QString& kind) {
    QString code = kind.toUpper();
    if (code.isEmpty())
        code = QStringLiteral("1 R");
    if (code.size() == 1)
        code += QStringLiteral(" R");
    if (code.size() == 2)
        code += QLatin1Char('R');
    return code;
}

MessageKind MessageKind::Parse(const QString& kind) {
    const QString code = Normalize(kind);

    Buttons buttons = Buttons::None;
    switch (code.at(0).unicode()) {
    case '1':
        buttons = Buttons::Ok;
        break;
    case '2':
        buttons = Buttons::OkCancel;
        break;
    case '3':
        buttons = Buttons::YesNo;
        break;
    default:
        break;
    }

    // A one-letter kind such as "e" is completed to "E R": its letter stands where the buttons go,
    // and it still chooses the icon.
    Icon icon = iconOf(code.at(1));
    if (icon == Icon::None && buttons == Buttons::None)
        icon = iconOf(code.at(0));
    return MessageKind(buttons, icon);
}

std::optional<int> MessageKind::dismissResult() const {
    switch (buttons_) {
    case Buttons::Ok:
        return 1;
    case Buttons::OkCancel:
        return 2;
    case Buttons::YesNo:
        return 7;
    case Buttons::None:
        break;
    }
    return std::nullopt;
}

} // namespace tarvand
