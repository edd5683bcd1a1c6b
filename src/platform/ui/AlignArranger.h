#pragma once

#include "UiTypes.h"

#include <QObject>

class QWidget;

namespace tarvand::ui {

// Places the aligned children of one container (top and bottom strips, left and right columns,
// one client area), as the form library's parents do; lives as a child of the container and
// re-arranges on every resize of it and on every show, hide or move of an aligned child.
class AlignArranger : public QObject {
    Q_OBJECT

public:
    // The arranger of container, made on first use.
    static AlignArranger* of(QWidget* container);
    // Records the alignment of a control and arranges its container.
    static void setAlign(QWidget* control, TAlign align);
    static TAlign alignOf(const QWidget* control);

    void arrange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit AlignArranger(QWidget* container);
    QWidget* container_;
    bool arranging_ = false;
};

} // namespace tarvand::ui
