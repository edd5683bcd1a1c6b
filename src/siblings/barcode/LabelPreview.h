#pragma once

#include <QWidget>

namespace tarvand::siblings {

class LabelSheet;

// One page of the sheet as it will print: white paper with a shadow, the label outlines faint,
// scaled to fit the widget.
class LabelPreview : public QWidget {
    Q_OBJECT

public:
    explicit LabelPreview(QWidget* parent = nullptr);

    void SetSheet(const LabelSheet* sheet, int page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LabelSheet* sheet_ = nullptr;
    int page_ = 0;
};

} // namespace tarvand::siblings
