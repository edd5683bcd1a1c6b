#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace tarvand::ui {

class TColumn;

// The title cell of a grid column: caption and colours. Without a caption of its own the title
// shows the field's display label.
class TColumnTitle : public QObject {
    Q_OBJECT

public:
    explicit TColumnTitle(TColumn* column);

    TColumn* Column() const { return column_; }
    QString Caption() const;
    void SetCaption(const QString& caption);
    bool HasCaption() const { return hasCaption_; }
    // Invalid colours leave the grid's title colours.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    bool Bold() const { return bold_; }
    void SetBold(bool bold);

signals:
    void changed();

private:
    TColumn* column_;
    QString caption_;
    bool hasCaption_ = false;
    QColor color_;
    QColor fontColor_;
    bool bold_ = false;
};

} // namespace tarvand::ui
