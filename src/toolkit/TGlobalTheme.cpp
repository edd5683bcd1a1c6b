#include "TGlobal.h"

#include "DragMove.h"
#include "SuitePath.h"
#include "TApplication.h"
#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDBGridColumns.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "ThemeColors.h"
#include "WindowDrag.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace tarvand {

namespace {

// The controls a form owns: everything inside it except other forms embedded in it, which own
// their controls themselves.
void collectOwned(QWidget* container, QList<QWidget*>& owned) {
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || qobject_cast<ui::TForm*>(widget) != nullptr)
            continue;
        owned.append(widget);
        collectOwned(widget, owned);
    }
}

void setColor(ui::TControl* control, const QColor& color) {
    if (color.isValid())
        control->SetColor(color);
}

// Disabled controls keep the greyed text of the desktop, so that a user sees what is disabled.
void setFontColor(ui::TControl* control, const QColor& color) {
    if (!color.isValid())
        return;
    QWidget* widget = control->Widget();
    const QPalette before = widget->palette();
    control->SetFontColor(color);
    QPalette after = widget->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        after.setColor(QPalette::Disabled, colorRole, before.color(QPalette::Disabled, colorRole));
    }
    widget->setPalette(after);
}

bool isCaptionShape(const QString& name) {
    return name == QLatin1String("Close_Shape") || name == QLatin1String("Min_Shape") ||
           name == QLatin1String("Sys_Shape") || name == QLatin1String("Cond_Shape");
}

void themeEdit(QWidget* widget, const ThemeColors& theme) {
    auto* control = dynamic_cast<ui::TControl*>(widget);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (control == nullptr || edit == nullptr)
        return;
    // Borderless edits show values on the form; bordered ones take input.
    const bool bordered = edit->hasFrame();
    setColor(control, theme.color(bordered ? ThemeColors::TextABColor : ThemeColors::TextEBColor));
    setFontColor(control, theme.color(bordered ? ThemeColors::TextAFColor : ThemeColors::TextEFColor));
}

void themeGrid(ui::TDBGrid* grid, const ThemeColors& theme) {
    setColor(grid, theme.color(ThemeColors::GridTextBAColor));
    setFontColor(grid, theme.color(ThemeColors::GridTextFAColor));
    if (theme.color(ThemeColors::GridCaptionBAColor).isValid())
        grid->SetFixedColor(theme.color(ThemeColors::GridCaptionBAColor));
    if (theme.color(ThemeColors::GridCaptionFAColor).isValid())
        grid->SetTitleFontColor(theme.color(ThemeColors::GridCaptionFAColor));
    // Read-only columns stand out; the others keep the grid's colours.
    ui::TDBGridColumns* columns = grid->Columns();
    for (int index = 0; index < columns->Count(); ++index) {
        ui::TColumn* column = columns->Items(index);
        if (!column->ReadOnly())
            continue;
        column->SetColor(theme.color(ThemeColors::GridTextBRColor));
        column->SetFontColor(theme.color(ThemeColors::GridTextFRColor));
        column->Title()->SetColor(theme.color(ThemeColors::GridCaptionBRColor));
        column->Title()->SetFontColor(theme.color(ThemeColors::GridCaptionFRColor));
    }
}

void themeControl(QWidget* widget, const ThemeColors& theme) {
    auto* control = dynamic_cast<ui::TControl*>(widget);
    if (control == nullptr)
        return;
    const QString className = control->ClassName();
    if (className == QLatin1String("TPanel")) {
        if (control->Name() == QLatin1String("Caption_Panel")) {
            setColor(control, theme.color(ThemeColors::CaptionBColor));
            setFontColor(control, theme.color(ThemeColors::CaptionFColor));
        }
    } else if (className == QLatin1String("TLabel")) {
        setFontColor(control, theme.color(ThemeColors::LabelColor));
    } else if (className == QLatin1String("TEdit") || className == QLatin1String("TDBEdit")) {
        themeEdit(widget, theme);
    } else if (className == QLatin1String("TDBGrid")) {
        themeGrid(qobject_cast<ui::TDBGrid*>(widget), theme);
    } else if (className == QLatin1String("TShape")) {
        const QColor caption = theme.color(ThemeColors::CaptionBColor);
        if (isCaptionShape(control->Name()) && caption.isValid())
            qobject_cast<ui::TShape*>(widget)->SetBrushColor(caption);
    }
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

} // namespace

void TGlobal::ApplyTheme(ui::TForm* form) {
    if (form == nullptr)
        return;
    const ThemeColors theme =
        ThemeColors::Load(SuitePath::ToPlatform(AppPath + QStringLiteral("\\Data\\Options.ini")));

    GridCaptionFRColor = theme.value(ThemeColors::GridCaptionFRColor);
    GridCaptionFSColor = theme.value(ThemeColors::GridCaptionFSColor);
    setColor(form, theme.color(ThemeColors::DialogColor));
    setFontColor(form, theme.color(ThemeColors::LabelColor));
    if (ui::Application != nullptr && theme.color(ThemeColors::HintColor).isValid())
        ui::Application->SetHintColor(theme.color(ThemeColors::HintColor));

    QList<QWidget*> owned;
    collectOwned(form, owned);
    for (QWidget* widget : owned)
        themeControl(widget, theme);
}

void TGlobal::RoundWindow(const QRect& rect, ui::TForm* form) {
    if (form == nullptr)
        return;
    form->SetRoundedRegion(QRect(0, 0, rect.x() + rect.width(), rect.y() + rect.height()), 20, 40);
}

void TGlobal::ShapeForm(bool fullScreen, ui::TForm* form, ui::TShape* closeShape, ui::TShape* minShape,
                        ui::TShape* sysShape, ui::TShape* condShape, ui::TSpeedButton* closeButton,
                        ui::TSpeedButton* minButton, ui::TSpeedButton* sysButton,
                        ui::TSpeedButton* condButton) {
    if (form == nullptr)
        return;
    const QSize area = fullScreen ? screenSize() : form->size();
    RoundWindow(QRect(QPoint(0, 0), area), form);
    ApplyTheme(form);

    // Each button sits over its shape, one pixel right of the shape's left edge; each further
    // shape leaves two pixels to the button on its right.
    int rightEdge = area.width() - 10;
    const auto place = [&rightEdge](ui::TShape* shape, ui::TSpeedButton* button) {
        if (shape == nullptr)
            return;
        shape->SetLeft(rightEdge - shape->Width());
        rightEdge = shape->Left() - 2;
        if (button != nullptr) {
            button->SetLeft(shape->Left() + 1);
            rightEdge = button->Left() - 2;
        }
    };
    place(closeShape, closeButton);
    place(minShape, minButton);
    place(sysShape, sysButton);
    place(condShape, condButton);
}

void TGlobal::StartDragMove(QWidget* control) {
    if (control == nullptr)
        return;
    // A form embedded in a host control is a window of its own to the suite: it moves inside
    // its parent, not with the host's window.
    if (control->isWindow())
        ui::WindowDrag::start(control);
    else
        DragMove::Start(control);
}

} // namespace tarvand
