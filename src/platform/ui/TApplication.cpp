#include "TApplication.h"

#include "EAbort.h"
#include "Exception.h"
#include "TForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QToolTip>

namespace tarvand::ui {

TApplication* Application = nullptr;

TApplication::TApplication(QObject* parent) : QObject(parent), hintColor_(Qt::yellow) {
    if (Application == nullptr) {
        Application = this;
    }
}

TApplication::~TApplication() {
    while (!forms_.isEmpty()) {
        QPointer<QWidget> form = forms_.takeLast();
        if (auto* vclForm = qobject_cast<TForm*>(form.data())) {
            vclForm->Free();
        } else {
            delete form.data();
        }
    }
    if (Application == this) {
        Application = nullptr;
    }
}

void TApplication::HandleException(const std::exception& error) {
    if (dynamic_cast<const EAbort*>(&error) != nullptr) {
        return;
    }
    if (OnException) {
        // A copy: the handler may install another one while it runs.
        const auto handler = OnException;
        handler(error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    const QString message = own != nullptr ? own->Message : QString::fromUtf8(error.what());
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok);
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

void TApplication::InsertForm(QWidget* form) {
    forms_.removeAll(nullptr);
    if (form != nullptr && !forms_.contains(form)) {
        forms_.append(form);
    }
}

QList<QWidget*> TApplication::Forms() const {
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& form : forms_) {
        if (form) {
            alive.append(form.data());
        }
    }
    return alive;
}

void TApplication::SetHintColor(const QColor& color) {
    hintColor_ = color;
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, color);
    QToolTip::setPalette(palette);
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents();
}

} // namespace tarvand::ui
