#pragma once

#include "ModuleHost.h"
#include "ResultTable.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tarvand {
class TBaseEditorForm;
namespace ui {
class TTabSheet;
}
namespace host {
class TTempGridForm;
}
} // namespace tarvand

namespace tarvand::testsupport {

// Answers the host's message dialog and list picker as they come up, as a user would, and keeps
// what the dialog said.
class DialogAnswerer : public QObject {
public:
    DialogAnswerer(ModuleHost& host);

    QStringList messages;
    // Modal results to give the next questions (6 Yes, 7 No); an error is always acknowledged.
    QList<int> answers;
    // What the user does in the picker; it is left with Cancel when empty.
    std::function<void(host::TTempGridForm&)> pick;
    int pickerShown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answerMessage();
    ModuleHost& host_;
};

// A host over a fresh demo company with the module's window shown, one tab chosen and the keys
// going to its editor's grid.
class EditorFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the module for the user; the window shows its first tab. onServer keeps the company
    // on the test run's PostgreSQL server.
    void start(int userId = 1, bool onServer = false);
    // Shows the tab (a combined tab with the choice of its list) and gives its editor's grid the
    // keys; returns the editor.
    TBaseEditorForm* show(ui::TTabSheet* sheet, int choice = 0);

    // Keys go where the user's keys go: the focused control of the host's window, which is
    // active again once a dialog has closed, as a window manager makes it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    // The first column of a statement's rows on the company database.
    QStringList column(const QString& statement) const;
    // The grid's text of a cell of the current row.
    QString current(int column) const;

    QWidget* keyTarget();
    // In every picker the clerk chooses the row holding the wanted codes (by key field), or leaves.
    void pickWanted();

    QMap<QString, QString> wanted;

    std::unique_ptr<ModuleHost> host;
    std::unique_ptr<DialogAnswerer> dialogs;
    TBaseEditorForm* editor = nullptr;
};

} // namespace tarvand::testsupport
