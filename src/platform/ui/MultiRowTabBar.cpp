#include "MultiRowTabBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>

namespace tarvand::ui {

MultiRowTabBar::MultiRowTabBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    // Not Fixed: a fixed height would cap the bar at one row whatever heightForWidth says.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum, QSizePolicy::TabWidget);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void MultiRowTabBar::insertTab(int index, const QString& text, const QIcon& icon) {
    index = qBound(0, index, count());
    tabs_.insert(index, Tab{text, icon, QRect()});
    if (current_ >= index)
        ++current_;
    relayout();
    if (current_ < 0) {
        current_ = 0;
        emit currentChanged(current_);
    }
}

void MultiRowTabBar::removeTab(int index) {
    if (index < 0 || index >= count())
        return;
    tabs_.removeAt(index);
    const int before = current_;
    if (current_ > index || current_ >= count())
        --current_;
    relayout();
    if (before == index || current_ != before)
        emit currentChanged(current_);
}

QString MultiRowTabBar::tabText(int index) const {
    return index >= 0 && index < count() ? tabs_.at(index).text : QString();
}

void MultiRowTabBar::setTabText(int index, const QString& text) {
    if (index >= 0 && index < count() && tabs_.at(index).text != text) {
        tabs_[index].text = text;
        relayout();
    }
}

void MultiRowTabBar::setTabIcon(int index, const QIcon& icon) {
    if (index >= 0 && index < count()) {
        tabs_[index].icon = icon;
        relayout();
    }
}

void MultiRowTabBar::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    relayout();
    emit currentChanged(index);
}

QRect MultiRowTabBar::tabRect(int index) const {
    return index >= 0 && index < count() ? tabs_.at(index).rect : QRect();
}

int MultiRowTabBar::tabAt(const QPoint& position) const {
    for (int index = 0; index < count(); ++index) {
        if (tabs_.at(index).rect.contains(position))
            return index;
    }
    return -1;
}

int MultiRowTabBar::rowCount() const {
    return int(arrange(width(), nullptr).size());
}

int MultiRowTabBar::tabHeight() const {
    int height = 0;
    for (int index = 0; index < count(); ++index)
        height = qMax(height, tabSize(index).height());
    return height;
}

QSize MultiRowTabBar::tabSize(int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = tabs_.at(index).text;
    option.icon = tabs_.at(index).icon;
    const int iconSide = style()->pixelMetric(QStyle::PM_TabBarIconSize, nullptr, this);
    option.iconSize = QSize(iconSide, iconSide);
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    int contentWidth = fontMetrics().horizontalAdvance(option.text);
    int contentHeight = fontMetrics().height();
    if (!option.icon.isNull()) {
        contentWidth += iconSide + 4;
        contentHeight = qMax(contentHeight, iconSide);
    }
    const QSize raw(contentWidth + hframe, contentHeight + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, raw, this);
}

QList<QPair<int, int>> MultiRowTabBar::arrange(int width, QList<QRect>* rects) const {
    QList<QPair<int, int>> rows;
    QList<int> widths;
    for (int index = 0; index < count(); ++index)
        widths.append(tabSize(index).width());
    int rowStart = 0;
    int used = 0;
    for (int index = 0; index < count(); ++index) {
        if (index > rowStart && used + widths.at(index) > width) {
            rows.append({rowStart, index - 1});
            rowStart = index;
            used = 0;
        }
        used += widths.at(index);
    }
    if (count() > 0)
        rows.append({rowStart, count() - 1});
    if (rects == nullptr)
        return rows;

    rects->clear();
    const int height = tabHeight();
    // The row of the current tab sits next to the page, the others keep their turn above it.
    int currentRow = int(rows.size()) - 1;
    for (int row = 0; row < rows.size(); ++row) {
        if (current_ >= rows.at(row).first && current_ <= rows.at(row).second)
            currentRow = row;
    }
    const int rowCount = int(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const int line = (row - currentRow + rowCount - 1) % rowCount;
        const auto [first, last] = rows.at(row);
        int rowWidth = 0;
        for (int index = first; index <= last; ++index)
            rowWidth += widths.at(index);
        // Several rows fill the width, sharing the slack between their tabs, as such bars do.
        const int slack = rows.size() > 1 ? qMax(0, width - rowWidth) : 0;
        const int tabsInRow = last - first + 1;
        int x = 0;
        for (int index = first; index <= last; ++index) {
            const int position = index - first;
            const int extra = slack * (position + 1) / tabsInRow - slack * position / tabsInRow;
            const QRect logical(x, line * height, widths.at(index) + extra, height);
            rects->append(
                QStyle::visualRect(layoutDirection(), QRect(0, 0, width, height * rows.size()), logical));
            x += logical.width();
        }
    }
    return rows;
}

void MultiRowTabBar::relayout() {
    QList<QRect> rects;
    const int rows = int(arrange(qMax(1, width()), &rects).size());
    for (int index = 0; index < count(); ++index)
        tabs_[index].rect = rects.at(index);
    rows_ = rows;
    updateGeometry();
    update();
}

QSize MultiRowTabBar::sizeHint() const {
    int width = 0;
    for (int index = 0; index < count(); ++index)
        width += tabSize(index).width();
    return QSize(width, qMax(1, rows_) * tabHeight());
}

QSize MultiRowTabBar::minimumSizeHint() const {
    int width = 0;
    for (int index = 0; index < count(); ++index)
        width = qMax(width, tabSize(index).width());
    return QSize(width, tabHeight());
}

int MultiRowTabBar::heightForWidth(int width) const {
    return int(arrange(width, nullptr).size()) * tabHeight();
}

void MultiRowTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QList<QPair<int, int>> rows = arrange(width(), nullptr);
    // The current tab is drawn last so that its raised edge lies over its neighbours.
    QList<int> order;
    for (int index = 0; index < count(); ++index) {
        if (index != current_)
            order.append(index);
    }
    if (current_ >= 0)
        order.append(current_);
    for (const int index : order) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        option.rect = tabs_.at(index).rect;
        option.text = tabs_.at(index).text;
        option.icon = tabs_.at(index).icon;
        const int iconSide = style()->pixelMetric(QStyle::PM_TabBarIconSize, nullptr, this);
        option.iconSize = QSize(iconSide, iconSide);
        option.state &= ~QStyle::State_HasFocus;
        if (index == current_) {
            option.state |= QStyle::State_Selected;
            if (hasFocus())
                option.state |= QStyle::State_HasFocus;
        }
        for (const auto& [first, last] : rows) {
            if (index < first || index > last)
                continue;
            option.position = first == last    ? QStyleOptionTab::OnlyOneTab
                              : index == first ? QStyleOptionTab::Beginning
                              : index == last  ? QStyleOptionTab::End
                                               : QStyleOptionTab::Middle;
        }
        // A style may draw the current tab beyond its rectangle to join it to the page; only the
        // page side allows that, or it would cover the row below.
        painter.setClipRect(index == current_ ? option.rect.adjusted(0, 0, 0, height()) : option.rect);
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    }
}

void MultiRowTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    activate(tabAt(event->position().toPoint()));
}

void MultiRowTabBar::keyPressEvent(QKeyEvent* event) {
    // Left and Right follow the screen: in a right-to-left bar the next tab is on the left.
    const bool reversed = layoutDirection() == Qt::RightToLeft;
    switch (event->key()) {
    case Qt::Key_Left:
        activate(current_ + (reversed ? 1 : -1));
        break;
    case Qt::Key_Right:
        activate(current_ + (reversed ? -1 : 1));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MultiRowTabBar::activate(int index) {
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    emit tabActivated(index);
}

void MultiRowTabBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void MultiRowTabBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LayoutDirectionChange)
        relayout();
}

} // namespace tarvand::ui
