#pragma once

#include "UiTypes.h"

class QKeyEvent;

namespace tarvand::ui {

class TDBGrid;

// What the data-aware grid does with a key, pressed in the grid or in its cell editor: first
// OnKeyDown, then the grid's own keys (arrows, Enter, Esc, Insert, Tab), then, for a character,
// OnKeyPress and typing into the cell.
class DBGridKeyboard {
public:
    explicit DBGridKeyboard(TDBGrid* grid) : grid_(grid) {}

    // True when the key was used up; false leaves it to the cell editor or the grid's parents.
    bool handle(QKeyEvent* event, bool inEditor);

private:
    bool navigate(int key, TShiftState shift, bool inEditor);
    void typeCharacter(QChar character, const QKeyEvent* original);
    bool escape();
    void moveRows(int distance);
    void moveDown();
    void insertRecord();
    void stepColumn(int step, bool wrapToNextRow);

    TDBGrid* grid_;
};

} // namespace tarvand::ui
