#include "EditorFixture.h"

#include "HostContext.h"
#include "HostSession.h"
#include "TADOQuery.h"
#include "TBaseEditorForm.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TDBGrid.h"
#include "TDlgMsg.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TMemo.h"
#include "TMyDatabase.h"
#include "TPageControl.h"
#include "TTabSheet.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

namespace tarvand::testsupport {

DialogAnswerer::DialogAnswerer(ModuleHost& host) : host_(host) {
    host_.DlgMsg().installEventFilter(this);
    host_.TempGridForm().installEventFilter(this);
}

bool DialogAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show)
        return false;
    if (watched == &host_.DlgMsg()) {
        messages << host_.DlgMsg().Memo1->Text();
        QTimer::singleShot(0, this, [this] { answerMessage(); });
    } else if (watched == &host_.TempGridForm()) {
        ++pickerShown;
        QTimer::singleShot(0, this, [this] {
            host::TTempGridForm& picker = host_.TempGridForm();
            if (pick)
                pick(picker);
            else
                QTest::mouseClick(picker.BtnCancel, Qt::LeftButton);
        });
    }
    return false;
}

void DialogAnswerer::answerMessage() {
    host::TDlgMsg& dialog = host_.DlgMsg();
    if (dialog.BBtnYes->isVisible()) {
        const int answer = answers.isEmpty() ? 7 : answers.takeFirst();
        QTest::mouseClick(answer == 6 ? dialog.BBtnYes : dialog.BBtnNo, Qt::LeftButton);
    } else {
        QTest::mouseClick(dialog.BBtnOK1, Qt::LeftButton);
    }
}

void EditorFixture::TearDown() {
    dialogs.reset();
    host.reset();
}

void EditorFixture::start(int userId, bool onServer) {
    host = std::make_unique<ModuleHost>(userId, ModuleHost::Context::ByEntry, onServer);
    dialogs = std::make_unique<DialogAnswerer>(*host);
    host->Ostavan();
}

TBaseEditorForm* EditorFixture::show(ui::TTabSheet* sheet, int choice) {
    InfoForm->Info_PageControl->SetActivePage(sheet);
    editor = nullptr;
    if (sheet == InfoForm->Personel_TabSheet) {
        InfoForm->cmbPersonel->SetItemIndex(choice);
        InfoForm->cmbPersonelChange();
        // Both of the tab's editors stay in its panel once made; the one chosen is on top.
        editor = qobject_cast<TBaseEditorForm*>(
            InfoForm->Editor(choice == 1 ? TInfoForm::PersonelEditor : TInfoForm::DepartEditor));
    }
    QApplication::setActiveWindow(&host->MainForm());
    if (sheet == InfoForm->Tafsily2_TabSheet) {
        InfoForm->cmbTafsily2->SetItemIndex(choice);
        InfoForm->cmbTafsily2Change();
        editor = qobject_cast<TBaseEditorForm*>(
            InfoForm->Editor(choice == 0 ? TInfoForm::GrohTafsily2Editor : TInfoForm::Tafsily2Editor));
    } else if (sheet != InfoForm->Personel_TabSheet) {
        for (int slot = 0; slot < TInfoForm::EditorCount; ++slot) {
            auto* form =
                qobject_cast<TBaseEditorForm*>(InfoForm->Editor(static_cast<TInfoForm::EditorSlot>(slot)));
            if (form != nullptr && sheet->isAncestorOf(form) && form->isVisible())
                editor = form;
        }
    }
    if (editor != nullptr)
        editor->Grid()->setFocus();
    return editor;
}

QWidget* EditorFixture::keyTarget() {
    if (QApplication::activeWindow() != &host->MainForm())
        QApplication::setActiveWindow(&host->MainForm());
    return QApplication::focusWidget();
}

void EditorFixture::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(keyTarget(), key, modifiers);
}

void EditorFixture::type(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(keyTarget(), QString(c));
        } else {
            // Persian letters arrive with their code point as the key, as keyboards send them.
            QTest::sendKeyEvent(QTest::Click, keyTarget(), Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
        }
    }
}

void EditorFixture::pickWanted() {
    dialogs->pick = [this](host::TTempGridForm& picker) {
        QStringList fields;
        QVariantList values;
        for (const QString& key : picker.KeyFields)
            if (!key.isEmpty() && wanted.contains(key)) {
                fields << key;
                values << wanted.value(key);
            }
        const QVariant keys = values.size() == 1 ? values.first() : QVariant(values);
        const bool found = !fields.isEmpty() && picker.quTemp->Locate(fields.join(u';'), keys);
        QTest::mouseClick(found ? picker.BtnOk : picker.BtnCancel, Qt::LeftButton);
    };
}

QStringList EditorFixture::column(const QString& statement) const {
    data::TADOQuery query;
    query.SetConnection(host->Session().MyDatabase()->Connection());
    query.SetSQL(statement);
    query.Open();
    QStringList values;
    for (query.First(); !query.Eof(); query.Next())
        values << query.FieldByIndex(0)->AsString();
    return values;
}

QString EditorFixture::current(int column) const {
    data::TField* field = editor->Grid()->Columns()->Items(column)->Field();
    return field != nullptr ? field->AsString() : QString();
}

} // namespace tarvand::testsupport
