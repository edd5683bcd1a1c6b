#pragma once

#include "ToolkitGridFixture.h"

#include <QLibrary>
#include <QString>
#include <functional>

namespace tarvand::siblingtests {

// A sibling module loaded from the build's application folder the way the toolkit loads it: the
// suite's path mapped to this platform, the ABI checked, entries resolved by name.
class LoadedModule {
public:
    explicit LoadedModule(const QString& suitePath);
    ~LoadedModule();

    bool Loaded() const { return library_.isLoaded(); }
    QString ErrorText() const { return library_.errorString(); }
    QString FileName() const { return library_.fileName(); }
    // The entry, when the library loaded and speaks this build's ABI; null otherwise.
    template <typename Entry> Entry Resolve(const char* name) {
        return AbiMatches() ? reinterpret_cast<Entry>(library_.resolve(name)) : nullptr;
    }
    bool AbiMatches();

private:
    QLibrary library_;
};

// A grid over the demo company, shown as an editor shows it, and the means to work a modal
// dialog that a module opens: the work runs once the dialog's modal loop is running, and a
// watchdog ends any dialog that the work left open, as a failure.
class SiblingFixture : public test::ToolkitGridFixture {
protected:
    void TearDown() override;

    // The grid shows every row of the table.
    void showTable(const QString& tableName);
    // The grid shows the rows of the statement.
    void showQuery(const QString& statement);

    // Runs work on the modal dialog that call opens (failing when none opens) and then call.
    void onModal(const std::function<void(QWidget* dialog)>& work, const std::function<void()>& call);

    // Keys go where the user's keys would: the focused control of the active window.
    static void press(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void type(QWidget* dialog, const QString& text);
    // The screenshot of a dialog, into the folder that TARVAND_SIBLING_SHOTS names, if any.
    static void keepPicture(QWidget* dialog, const QString& name);
    // What the dialog's message lines (its word-wrapped labels) say.
    static QString note(QWidget* dialog);

    QString current(const char* field) const;
    int rowsOf(const QString& statement);

    data::TADOTable table_;
    data::TADOQuery query_;
};

} // namespace tarvand::siblingtests
