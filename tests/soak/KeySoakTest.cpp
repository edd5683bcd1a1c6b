#include "EditorFixture.h"

#include "Exception.h"
#include "Guard.h"
#include "GuardedApplication.h"
#include "TADOQuery.h"
#include "TApplication.h"
#include "TBaseEditorForm.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TPopupMenu.h"
#include "TTabSheet.h"
#include "TsqlFunctions.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <random>
#include <sqlite3.h>

using namespace tarvand;

namespace tarvand::testsupport {
namespace {

int escapedExceptions = 0;

// Every handler of ours runs its work through Guard: an exception that reaches notify() has crossed
// Qt's frames.
class SoakApplication : public ui::GuardedApplication {
public:
    using ui::GuardedApplication::GuardedApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ++escapedExceptions;
            ui::Guard::handleCurrentException();
            return false;
        }
    }
};

// Keeps the text of every exception handed to the application object, then lets the handler that
// was installed (an editor's) do its part.
struct ExceptionLog {
    std::function<void(const std::exception&)> handler;
    QStringList* texts;
    void operator()(const std::exception& error) const {
        const auto* own = dynamic_cast<const Exception*>(&error);
        texts->append(own != nullptr ? own->Message : QString::fromUtf8(error.what()));
        if (handler)
            handler(error);
    }
};

struct Tab {
    ui::TTabSheet* TInfoForm::*sheet;
    int choice;
};
const Tab Tabs[] = {{&TInfoForm::Amval_TabSheet, 0},    {&TInfoForm::Gheimat_TabSheet, 0},
                    {&TInfoForm::Sakhtar_TabSheet, 0},  {&TInfoForm::Astehlak_TabSheet, 0},
                    {&TInfoForm::Vezarat_TabSheet, 0},  {&TInfoForm::Mabadi_TabSheet, 0},
                    {&TInfoForm::VazDarae_TabSheet, 0}, {&TInfoForm::Personel_TabSheet, 0},
                    {&TInfoForm::Personel_TabSheet, 1}, {&TInfoForm::Makan_TabSheet, 0},
                    {&TInfoForm::Tafsily2_TabSheet, 0}, {&TInfoForm::Tafsily2_TabSheet, 1}};

const QString Characters = QStringLiteral("abcdefghijklmnopqrstuvwxyzابپتجچخدرزسشعفقگلمنوهیکيك"
                                          "0123456789۰۱۲۳۴۵۶۷۸۹٠١٢٣٤٥٦٧٨٩ -./");
const QStringList Keys =
    QStringLiteral("Return,Return,Return,Esc,Up,Down,Left,Right,Tab,Space,Del,Ins,Home,End,"
                   "Backspace,Ctrl+C,Ctrl+V,Ctrl+Del,Ctrl+Ins,Shift+Ins,F1,F2,F3,F4,F5,F6,F7,"
                   "F8,F9,F10,F11,F12")
        .split(u',');

// Codes as the editors store them: padded to the column's width, with blanks or with zeros (a
// zero-padded code may be left empty).
struct StoredCode {
    const char* table;
    const char* field;
    char fill;
};
const StoredCode Codes[] = {{"D_VazDarae", "VazCod", ' '},    {"D_VezArat", "VezCod", ' '},
                            {"D_Gheimat", "GheimatCod", ' '}, {"D_Makan", "MakanCod", ' '},
                            {"D_Makan", "Tafsily2", '0'},     {"D_Madeh151", "MadehCod", ' '},
                            {"D_Sakhtar", "SakhtarCod", ' '}, {"D_Mabadi", "MabadiCod", ' '},
                            {"D_Amval", "DaraCod", ' '},      {"D_Amval", "DTafsily2", '0'},
                            {"Person", "Code", ' '},          {"GrohTafsily2", "Tafsily2GrohCod", '0'},
                            {"Tafsily2", "Tafsily2", '0'}};

// What the editors check before a row is written, as statements counting the rows that break it.
struct Rule {
    const char* label;
    const char* count;
};
const Rule Rules[] = {
    {"depreciation method listed",
     "Select Count(*) From D_Madeh151 Where IsNull(Sharh, '') Not In ('مستقيم', 'نزولي', 'ندارد')"},
    {"no depreciation has no rate",
     "Select Count(*) From D_Madeh151 Where Sharh = 'ندارد' And (Nozooli <> 0 Or Salianeh <> 0)"},
    {"straight line has years only",
     "Select Count(*) From D_Madeh151 Where Sharh = 'مستقيم' And (IsNull(Salianeh, 0) = 0 Or Nozooli <> 0)"},
    {"declining has a rate only",
     "Select Count(*) From D_Madeh151 Where Sharh = 'نزولي' And (IsNull(Nozooli, 0) = 0 Or Salianeh <> 0)"},
    {"characteristic complete",
     "Select Count(*) From D_Sakhtar Where LTrim(IsNull(SakhtarNam, '')) = '' Or SakhtarLen Is Null Or "
     "IsNull(SakhtarType, '') Not In ('رشته', 'كاركتر', 'عدد صحيح', 'عدد اعشاري')"},
    {"location account registered",
     "Select Count(*) From D_Makan Where IsNull(Tafsily2, '') Not In (Select Tafsily2 From Tafsily2)"},
    {"names present",
     "Select (Select Count(*) From D_VazDarae Where LTrim(IsNull(VazNam, '')) = '') + (Select Count(*) From "
     "D_VezArat Where LTrim(IsNull(VezNam, '')) = '') + (Select Count(*) From D_Gheimat Where "
     "LTrim(IsNull(GheimatNam, '')) = '') + (Select Count(*) From D_Makan Where LTrim(IsNull(MakanNam, '')) "
     "= "
     "'') + (Select Count(*) From D_Madeh151 Where LTrim(IsNull(MadehNam, '')) = '')"},
    {"person complete",
     "Select Count(*) From Person Where LTrim(IsNull(Name, '')) = '' Or LTrim(IsNull(Family, '')) = '' Or "
     "Vahd Is Null"},
    {"plates unique", "Select Count(*) From (Select LTrim(RTrim(PelakNew)) As P From D_Amval Where "
                      "LTrim(RTrim(PelakNew)) <> '' "
                      "Group By LTrim(RTrim(PelakNew)) Having Count(*) > 1) As X"}};

const QRegularExpression UserErrors(
    QStringLiteral("^Violation of PRIMARY KEY constraint|is not a valid (integer|floating point)? ?value"));

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class KeySoakTest : public EditorFixture, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override {
        ui::Application->OnException = nullptr;
        EditorFixture::TearDown();
    }

    unsigned below(unsigned bound) { return unsigned(rng() % bound); }
    ui::TDBGrid* grid() const { return editor->Grid(); }

    QString step() {
        const unsigned roll = below(100);
        if (roll < 2) {
            const Tab& tab = Tabs[below(std::size(Tabs))];
            editor = show(InfoForm->*tab.sheet, tab.choice);
            return QStringLiteral("tab %1/%2").arg((InfoForm->*tab.sheet)->objectName()).arg(tab.choice);
        }
        if (roll < 5 && grid()->isVisible())
            return popupCommand();
        if (roll < 11 && grid()->isVisible())
            return click(roll < 6);
        if (roll < 55) {
            const QString text = Characters.at(below(Characters.size()));
            type(text);
            return QStringLiteral("type ") + text;
        }
        const QString name = Keys.at(below(Keys.size()));
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        if (keyTarget() == nullptr)
            grid()->setFocus();
        press(key.key(), key.keyboardModifiers());
        return QStringLiteral("key ") + name;
    }

    QString click(bool title) {
        QHeaderView* header = grid()->horizontalHeader();
        const int column = header->logicalIndex(below(qMax(1, header->count())));
        if (title) {
            const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            return QStringLiteral("title %1").arg(column);
        }
        const int rows = grid()->model()->rowCount();
        const QRect cell = grid()->visualRect(grid()->model()->index(rows > 0 ? below(rows) : 0, column));
        const QPoint at = cell.isValid() ? cell.center() : QPoint(5, 5);
        if (below(3) == 0)
            QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return QStringLiteral("click %1,%2").arg(at.x()).arg(at.y());
    }

    // Opens the grid's popup as a right click does and runs one of its enabled commands.
    QString popupCommand() {
        const QPoint at(10, 10);
        QContextMenuEvent opening(QContextMenuEvent::Mouse, at, grid()->mapToGlobal(at));
        QApplication::sendEvent(grid(), &opening);
        QPointer<QMenu> menu = grid()->PopupMenu()->OpenMenu();
        if (menu == nullptr)
            return QStringLiteral("popup refused");
        QList<QAction*> commands;
        std::function<void(QMenu*)> collect = [&](QMenu* from) {
            for (QAction* action : from->actions())
                if (action->menu() != nullptr)
                    collect(action->menu());
                else if (action->isEnabled() && !action->isSeparator())
                    commands << action;
        };
        collect(menu);
        menu->hide();
        QString text = QStringLiteral("popup none");
        if (!commands.isEmpty()) {
            QAction* command = commands.at(below(commands.size()));
            text = QStringLiteral("popup ") + command->text();
            command->trigger();
        }
        if (menu != nullptr)
            menu->close();
        return text;
    }

    QString integrity() const {
        sqlite3* db = nullptr;
        QString result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_open_v2(host->Session().DatabasePath().toUtf8().constData(), &db, SQLITE_OPEN_READONLY,
                            nullptr) == SQLITE_OK &&
            (sql::TsqlFunctions::registerAll(db), true) &&
            sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return result;
    }

    void checkStore(const std::string& where) {
        EXPECT_EQ(integrity(), QStringLiteral("ok")) << where;
        for (const StoredCode& code : Codes) {
            data::TADOQuery query;
            query.SetConnection(host->Session().MyDatabase()->Connection());
            query.SetSQL(QStringLiteral("Select %1 From %2")
                             .arg(QLatin1String(code.field), QLatin1String(code.table)));
            query.Open();
            data::TField* field = query.FieldByIndex(0);
            for (query.First(); !query.Eof(); query.Next()) {
                const QString value = field->AsString();
                if (code.fill == '0' && value.trimmed().isEmpty())
                    continue;
                const QString stored = TGlobal::PadChar(value, QLatin1Char(code.fill), field->Size());
                if (value != stored) {
                    EXPECT_EQ(value, stored) << code.table << '.' << code.field << ' ' << where;
                    break;
                }
            }
        }
        for (const Rule& rule : Rules)
            EXPECT_EQ(column(QString::fromUtf8(rule.count)), QStringList{QStringLiteral("0")})
                << rule.label << ' ' << where;
    }

    std::mt19937 rng;
};

TEST_P(KeySoakTest, RandomKeysClicksAndCommandsOnEveryTabKeepTheCompanyDataSound) {
    const int seed = fromEnvironment("TARVAND_SOAK_SEED", GetParam());
    const int events = fromEnvironment("TARVAND_SOAK_EVENTS", 3000);
    rng.seed(unsigned(seed));
    start();
    editor = show(InfoForm->Amval_TabSheet);
    ASSERT_NE(editor, nullptr);
    QStringList reported;
    dialogs->pick = [this](host::TTempGridForm& picker) {
        if (picker.quTemp->Active() && picker.quTemp->RecordCount() > 0) {
            picker.quTemp->First();
            picker.quTemp->MoveBy(int(below(picker.quTemp->RecordCount())));
        }
        QTest::mouseClick(below(4) == 0 ? picker.BtnCancel : picker.BtnOk, Qt::LeftButton);
        // OK on an empty list leaves the picker up; the user leaves it then.
        if (picker.ModalResult() == ui::mrNone)
            QTest::mouseClick(picker.BtnCancel, Qt::LeftButton);
    };
    // Any other modal window or popup is closed as soon as it waits for the user.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != &host->DlgMsg() && modal != &host->TempGridForm())
            modal->close();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    closer.start(0);

    QStringList recent;
    const auto where = [&](int index) {
        return QStringLiteral("seed %1 event %2 after: %3")
            .arg(seed)
            .arg(index)
            .arg(recent.join(u'|'))
            .toStdString();
    };
    checkStore(where(0));
    qsizetype seen = 0;
    for (int index = 1; index <= events && !HasFailure(); ++index) {
        if (ui::Application->OnException.target<ExceptionLog>() == nullptr)
            ui::Application->OnException = ExceptionLog{ui::Application->OnException, &reported};
        dialogs->answers = {below(2) == 0 ? 6 : 7};
        recent << step();
        if (recent.size() > 12)
            recent.removeFirst();
        QCoreApplication::processEvents();
        ASSERT_EQ(escapedExceptions, 0) << where(index);
        // Only what a user's input causes may reach the application's handler.
        for (; seen < reported.size(); ++seen)
            ASSERT_TRUE(UserErrors.match(reported.at(seen)).hasMatch())
                << reported.at(seen).toStdString() << ' ' << where(index);
        if (index % 500 == 0 || index == events) {
            ProcessDeferredDeletes();
            checkStore(where(index));
        }
    }
    std::cout << "soak seed " << seed << ": " << events << " events, " << dialogs->messages.size()
              << " messages, " << dialogs->pickerShown << " pickers, " << reported.size()
              << " input errors\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeySoakTest, ::testing::Values(1403, 2, 3));

} // namespace
} // namespace tarvand::testsupport

// The screen the suite's users work on (full HD), right to left, under the counting application.
int main(int argc, char** argv) {
    QTemporaryFile screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                          "logicalDpi": 96, "logicalDpiY": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    tarvand::testsupport::SoakApplication application(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    return RUN_ALL_TESTS();
}
