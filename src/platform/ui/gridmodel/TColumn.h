#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace tarvand::data {
class TField;
}

namespace tarvand::ui {

class TColumnTitle;
class TDBGridColumns;

// One column of a data-aware grid: the field it shows, its title, width in pixels, visibility,
// colours and whether it may be edited. ImeName is free text the grid itself never reads; the
// toolkit keeps column options in it.
class TColumn : public QObject {
    Q_OBJECT

public:
    explicit TColumn(TDBGridColumns* collection);
    ~TColumn() override;

    TDBGridColumns* Collection() const { return collection_; }

    QString FieldName() const { return fieldName_; }
    void SetFieldName(const QString& name);
    // The field of that name in the grid's dataset; null when the dataset is closed or lacks it.
    data::TField* Field() const;

    TColumnTitle* Title() const { return title_; }

    // Pixels; -1 until set, when the grid sizes the column from its field.
    int Width() const { return width_; }
    void SetWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Invalid colours leave the grid's colours.
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    // Qt alignment of the cells; 0 aligns numbers to the trailing edge and text to the leading one.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    QString ImeName() const { return imeName_; }
    void SetImeName(const QString& text) { imeName_ = text; }

    // Position among the grid's columns; setting it moves the column.
    int Index() const;
    void SetIndex(int index);

signals:
    // Anything the grid shows of the column changed.
    void changed();

private:
    TDBGridColumns* collection_;
    TColumnTitle* title_;
    QString fieldName_;
    int width_ = -1;
    bool visible_ = true;
    bool readOnly_ = false;
    QColor color_;
    QColor fontColor_;
    Qt::Alignment alignment_;
    QString imeName_;
};

} // namespace tarvand::ui
