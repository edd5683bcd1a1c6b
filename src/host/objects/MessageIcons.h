#pragma once

#include <QPixmap>
#include <QSize>

namespace tarvand::host {

// The five pictures of the message dialog, drawn rather than shipped as files: the platform's own
// message-box icons where the style has them, and a red octagon for the stop sign, which no style
// provides.
class MessageIcons {
public:
    enum Kind { Warning, Question, Error, Stop, Information };

    static QPixmap Picture(Kind kind, const QSize& size);

private:
    static QPixmap drawStop(const QSize& size);
    static QPixmap drawSign(const QSize& size, const QColor& colour, const QString& mark, bool triangle);
};

} // namespace tarvand::host
