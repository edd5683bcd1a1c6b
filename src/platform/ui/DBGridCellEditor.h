#pragma once

#include <QLineEdit>

namespace tarvand::ui {

// The text box in which a grid cell is typed. The grid has offered every key to its OnKeyDown
// before the box sees it, so the keys the box does not use end here: passed on to the grid, as a
// plain line edit would, they would reach OnKeyDown a second time.
class DBGridCellEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit DBGridCellEditor(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvand::ui
