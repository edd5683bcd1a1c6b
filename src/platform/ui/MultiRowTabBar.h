#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

namespace tarvand::ui {

// A tab bar that wraps its tabs onto as many rows as the width needs instead of scrolling them, so
// that every caption stays readable. Rows are filled from the leading edge (the right in a
// right-to-left window) and, when there is more than one, stretched to the full width; the row of
// the current tab moves next to the page, as in the suite's own tabbed windows.
class MultiRowTabBar : public QWidget {
    Q_OBJECT

public:
    explicit MultiRowTabBar(QWidget* parent = nullptr);

    int count() const { return int(tabs_.size()); }
    void insertTab(int index, const QString& text, const QIcon& icon);
    void removeTab(int index);
    QString tabText(int index) const;
    void setTabText(int index, const QString& text);
    void setTabIcon(int index, const QIcon& icon);

    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);

    // Where a tab is drawn, in the bar's coordinates; empty for an index out of range.
    QRect tabRect(int index) const;
    int tabAt(const QPoint& position) const;
    int rowCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // The current tab changed, by the user or in code.
    void currentChanged(int index);
    // The user chose a tab with the mouse or the keyboard.
    void tabActivated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Tab {
        QString text;
        QIcon icon;
        QRect rect;
    };

    QSize tabSize(int index) const;
    int tabHeight() const;
    // Places every tab for the width; returns the rows as index ranges [first, last].
    QList<QPair<int, int>> arrange(int width, QList<QRect>* rects) const;
    void relayout();
    void activate(int index);

    QList<Tab> tabs_;
    int current_ = -1;
    int rows_ = 0; // rows at the current width
};

} // namespace tarvand::ui
