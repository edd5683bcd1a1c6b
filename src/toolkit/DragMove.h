#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace tarvand {

// Moves a form embedded in another control inside its parent with the mouse until the left
// button is released. Lives as a child of the form and removes itself when the button comes up.
class DragMove : public QObject {
    Q_OBJECT

public:
    // Starts a move of the form from the cursor's current position.
    static void Start(QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DragMove(QWidget* form, QPoint cursor);

    QPointer<QWidget> form_;
    QPoint startCursor_;
    QPoint startPosition_;
};

} // namespace tarvand
