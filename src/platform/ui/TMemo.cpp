#include "TMemo.h"

#include "Guard.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTextLayout>

namespace tarvand::ui {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent), TControl(this) {
    SetScrollBars(ssNone);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (OnChange) {
            Guard::run([this] { OnChange(this); });
        }
    });
}

QStringList TMemo::Lines() const {
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
}

void TMemo::SetText(const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(normalised);
}

int TMemo::LineCount() const {
    const QStringList lines = Lines();
    if (!WordWrap()) {
        return int(lines.size());
    }
    // Measured against the widget's own width, so that the count is right before it is shown.
    qreal width = contentsRect().width() - 2 * document()->documentMargin();
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) {
        width -= verticalScrollBar()->sizeHint().width();
    }
    int count = 0;
    for (const QString& line : lines) {
        QTextLayout layout(line, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        int rows = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(std::max<qreal>(width, 1));
            ++rows;
        }
        layout.endLayout();
        count += std::max(rows, 1);
    }
    return count;
}

void TMemo::SetScrollBars(TScrollStyle style) {
    scrollBars_ = style;
    const bool vertical = style == ssVertical || style == ssBoth;
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wrap) {
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetBorderStyle(TBorderStyle style) {
    setFrameShape(style == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

} // namespace tarvand::ui
