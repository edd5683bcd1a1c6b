#include "SiblingFixture.h"

#include "SiblingEntries.h"
#include "SuitePath.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace tarvand::siblingtests {

namespace {

constexpr int watchdogMilliseconds = 20000;

QWidget* keyTarget(QWidget* dialog) {
    QApplication::setActiveWindow(dialog->window());
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && dialog->window()->isAncestorOf(focus) ? focus : dialog;
}

} // namespace

LoadedModule::LoadedModule(const QString& suitePath)
    : library_(SuitePath::ToPlatform(QStringLiteral(TARVAND_APP_FOLDER) + suitePath)) {
    library_.load();
}

bool LoadedModule::AbiMatches() {
    const auto abi = reinterpret_cast<sibling::AbiEntry>(library_.resolve("TarvandSiblingAbi"));
    return abi != nullptr && abi() == SiblingAbiVersion;
}

LoadedModule::~LoadedModule() {
    if (library_.isLoaded())
        library_.unload();
}

void SiblingFixture::TearDown() {
    ToolkitGridFixture::TearDown();
    source.SetDataSet(nullptr);
}

// The grid as an editor shows it: its columns from the dataset's fields.
void SiblingFixture::showTable(const QString& tableName) {
    table_.SetConnection(&connection);
    table_.SetTableName(tableName);
    table_.Open();
    showGrid(&table_, {});
    form->resize(720, 420);
}

void SiblingFixture::showQuery(const QString& statement) {
    query_.SetConnection(&connection);
    query_.SetSQL(statement);
    query_.Open();
    showGrid(&query_, {});
    form->resize(720, 420);
}

void SiblingFixture::onModal(const std::function<void(QWidget*)>& work, const std::function<void()>& call) {
    QObject context;
    bool seen = false;
    QTimer::singleShot(0, &context, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr)
            return;
        seen = true;
        work(dialog);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &context, [] {
        ADD_FAILURE() << "a dialog stayed open";
        while (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    watchdog.start(watchdogMilliseconds);
    call();
    EXPECT_TRUE(seen) << "no dialog was shown";
}

void SiblingFixture::press(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(keyTarget(dialog), key, modifiers);
}

void SiblingFixture::type(QWidget* dialog, const QString& text) {
    // QTest types Latin-1 only; Persian letters arrive as the keyboard sends them, as text.
    QWidget* target = keyTarget(dialog);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : 0, Qt::NoModifier,
                        QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void SiblingFixture::keepPicture(QWidget* dialog, const QString& name) {
    const QString folder = qEnvironmentVariable("TARVAND_SIBLING_SHOTS");
    if (!folder.isEmpty())
        dialog->window()->grab().save(QDir(folder).filePath(name + ".png"));
}

QString SiblingFixture::current(const char* field) const {
    return grid->DataSet()->FieldByName(QLatin1String(field))->AsString();
}

int SiblingFixture::rowsOf(const QString& statement) {
    data::TADOQuery query;
    query.SetConnection(&connection);
    query.SetSQL(statement);
    query.Open();
    return query.RecordCount();
}

QString SiblingFixture::note(QWidget* dialog) {
    QString text;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && label->wordWrap())
            text += label->text();
    }
    return text;
}

} // namespace tarvand::siblingtests
