#pragma once

#include <QHeaderView>

namespace tarvand::ui {

// The indicator column of the data-aware grid: a pointer at the current row, a bar while that row
// is edited and a star while it is a new row.
class DBGridIndicator : public QHeaderView {
    Q_OBJECT

public:
    explicit DBGridIndicator(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace tarvand::ui
