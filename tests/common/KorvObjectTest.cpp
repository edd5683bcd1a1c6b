#include "Cp1256.h"
#include "EAbort.h"
#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TImageList.h"
#include "TKorvObject.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"
#include "TSelForm.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <shapefil.h>

using namespace tarvand;
using testsupport::MessageAnswers;
using testsupport::ModuleHost;
using K = TKorvObject;

namespace {

// A dBASE file read back with shapelib's reader.
struct DbfFile {
    explicit DbfFile(const QString& path) : handle(DBFOpen(QFile::encodeName(path).constData(), "rb")) {}
    ~DbfFile() {
        if (handle != nullptr)
            DBFClose(handle);
    }
    // Each field as "name type width.decimals".
    QStringList fields() const {
        QStringList result;
        for (int index = 0; index < DBFGetFieldCount(handle); ++index) {
            char name[XBASE_FLDNAME_LEN_READ + 1] = {};
            int width = 0;
            int decimals = 0;
            DBFGetFieldInfo(handle, index, name, &width, &decimals);
            result << QStringLiteral("%1 %2 %3.%4")
                          .arg(QLatin1String(name), QChar(DBFGetNativeFieldType(handle, index)))
                          .arg(width)
                          .arg(decimals);
        }
        return result;
    }
    int records() const { return DBFGetRecordCount(handle); }
    QByteArray text(int record, int field) const {
        return QByteArray(DBFReadStringAttribute(handle, record, field)).trimmed();
    }
    DBFHandle handle;
};

QByteArray headerByte(const QString& path, int offset) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.read(offset + 1).mid(offset);
}

// An editor's grid over the asset locations, its popup menu with the window's pictures, and its
// command object configured as the editors configure it.
class KorvObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        query.Name = QStringLiteral("tblMakan");
        query.SetConnection(MyDatabase->Connection());
        source.SetDataSet(&query);
        form.resize(600, 300);
        grid = new ui::TDBGrid(&form);
        grid->SetAlign(ui::alClient);
        grid->SetDataSource(&source);
        auto* menu = new ui::TPopupMenu(grid);
        menu->SetImages(new ui::TImageList(menu));
        grid->SetPopupMenu(menu);
        open(QStringLiteral("Select * From D_Makan"));
        TKorvObject::Settings settings;
        settings.Grid = grid;
        settings.Prog = QStringLiteral("D");
        settings.Item = QStringLiteral("SABT");
        settings.Form = QStringLiteral("MAKAN");
        settings.PropertyCaption = QStringLiteral("مشخصات گزارش [مكان استقرار دارايي]");
        settings.ReportTitle = QStringLiteral("گزارش مكان استقرار دارايي دوره مالي [1403]");
        settings.DependProcedure = QStringLiteral("sp_D_Depended_MakanCode");
        settings.KeyExpression = QStringLiteral("MakanCod");
        settings.KeyField = QStringLiteral("MakanCod");
        settings.TableName = QStringLiteral("D_Makan");
        commands.Configure(settings);
        commands.CreatePopupMenu();
        form.Show();
    }
    void open(const QString& statement, const QString& name = QStringLiteral("tblMakan")) {
        query.Name = name;
        query.SetSQL(statement);
        query.Open();
    }

    // Opens the popup as a right click does; returns whether it opened, and closes it again.
    bool popup() {
        const bool opened = grid->PopupMenu()->Popup(100, 100);
        if (QMenu* menu = grid->PopupMenu()->OpenMenu())
            menu->close();
        return opened;
    }

    // The commands whose enabling the rules decide, in this order: their letter where enabled, "-" where not.
    QString enabledCommands() const {
        const std::pair<K::Command, char> commandLetters[] = {
            {K::cmSearch, 's'},       {K::cmSaveColumns, 'g'},
            {K::cmSendTo, 't'},       {K::cmCopyRecord, 'c'},
            {K::cmPasteRecord, 'v'},  {K::cmDelete, 'd'},
            {K::cmFilter, 'f'},       {K::cmReportProperties, 'r'},
            {K::cmPrint, 'p'},        {K::cmAdvancedPrint, 'P'},
            {K::cmAdvancedSort, 'S'}, {K::cmBestFit, 'b'},
            {K::cmDbfDos, 'D'},       {K::cmDbfWin, 'W'}};
        QString letters;
        for (const auto& [command, letter] : commandLetters)
            letters += QLatin1Char(commands.MenuItem(command)->Enabled() ? letter : '-');
        return letters;
    }

    ModuleHost host{1, ModuleHost::Context::SetNow};
    ui::TForm form;
    data::TADOQuery query;
    data::TDataSource source;
    ui::TDBGrid* grid = nullptr;
    TKorvObject commands;
};

// An export through the command object, named after the dataset, whose copy dialog `answer` ends.
class DbfExportTest : public KorvObjectTest {
protected:
    void exportWith(TKorvObject::Command command, const std::function<void(TSelForm&)>& answer) {
        QTimer::singleShot(0, [answer] {
            ASSERT_NE(SelForm, nullptr);
            ASSERT_TRUE(SelForm->IsModal());
            answer(*SelForm);
        });
        commands.MenuItem(command)->Click();
    }
    static void cancel(TSelForm& dialog) { dialog.CancelBitBtn->click(); }
    QString exported(const QString& name) const { return QDir(Global->AppPath).filePath(name); }
};

} // namespace

// The cell items are there but hidden. Building again replaces the items and reuses the pictures
// of the send-to entries.
TEST_F(KorvObjectTest, BuildsTheMenuWithHiddenCellItemsAndPicturedSendToEntries) {
    commands.CreatePopupMenu();
    for (int tag = K::cmHelp; tag <= K::cmSendToHtml; tag += tag == K::cmDbfWin ? 3 : 1) {
        const ui::TMenuItem* item = commands.MenuItem(static_cast<K::Command>(tag));
        ASSERT_NE(item, nullptr) << tag;
        EXPECT_EQ(item->Visible(), tag != K::cmCopyCell && tag != K::cmPasteCell) << tag;
        if (tag >= K::cmSendToClipboard)
            EXPECT_EQ(item->ImageIndex(), tag - K::cmSendToClipboard) << tag;
    }
    EXPECT_EQ(grid->PopupMenu()->Items()->Count(), 18);
    EXPECT_EQ(commands.MenuItem(K::cmSendTo)->Count(), 4);
    EXPECT_EQ(grid->PopupMenu()->Images()->Count(), 4);
}

// The rules of enabling, for the rows the grid holds, the kind of grid, the user's rights (read
// again on every opening) and the row memory.
TEST_F(KorvObjectTest, ItemsAreEnabledForTheRowsTheKindOfGridTheRightsAndTheRowMemory) {
    const struct {
        const char* codes;
        const char* item;
        const char* rights;
        const char* rowMemory;
        const char* enabled;
    } cases[] = {
        {"'none'", "SABT", "COPY=YES;PRINT=YES;", "", "--------------"},
        {"'  1'", "SABT", "COPY=YES;PRINT=YES;", "", "-gtc-dfrp--bDW"},
        {"'  1', '  2'", "SABT", "COPY=YES;PRINT=YES;", "", "sgtc-dfrp--bDW"},
        {"'  1', '  2'", "SABT", "COPY=YES;PRINT=YES;", "  9\tانبار", "sgtcvdfrp--bDW"},
        {"'  1', '  2'", "REPORT", "COPY=YES;PRINT=YES;", "", "sgtc-dfrpPSbDW"},
        {"'  1', '  2'", "REPORT", "COPY=YES;PRINT=NO;", "", "sgtc-dfr--SbDW"},
        {"'  1', '  2'", "SABT", "COPY=NO;PRINT=YES;", "", "sg-c-dfrp--b--"},
    };
    for (const auto& row : cases) {
        host.Exec(QStringLiteral("Update UserSdc Set KORVASH = '%1' Where UserId = '1'")
                      .arg(QLatin1String(row.rights)));
        TKorvObject::Settings settings = commands.Configuration();
        settings.Item = QLatin1String(row.item);
        commands.Configure(settings);
        commands.CreatePopupMenu();
        commands.RowMemory = QString::fromUtf8(row.rowMemory);
        open(QStringLiteral("Select * From D_Makan Where MakanCod In (%1)").arg(QLatin1String(row.codes)));
        ASSERT_TRUE(popup());
        EXPECT_EQ(enabledCommands(), QLatin1String(row.enabled))
            << row.codes << ' ' << row.item << ' ' << row.rights;
        EXPECT_TRUE(commands.MenuItem(K::cmHelp)->Enabled());
    }
    // A grid without a table has no filter.
    TKorvObject::Settings settings = commands.Configuration();
    EXPECT_TRUE(commands.MenuItem(K::cmFilter)->Visible());
    settings.TableName = QStringLiteral("  ");
    commands.Configure(settings);
    commands.CreatePopupMenu();
    ASSERT_TRUE(popup());
    EXPECT_FALSE(commands.MenuItem(K::cmFilter)->Visible());
    Global->GridMenusAllowed = false;
    EXPECT_FALSE(popup());
    Global->GridMenusAllowed = true;
    EXPECT_TRUE(popup());
    query.Close();
    EXPECT_FALSE(popup());
    EXPECT_THROW(commands.PopupMenuPopup(grid->PopupMenu()), EAbort);
}

// Deleting a code in use is refused, a free one is asked about and deleted on Yes only, a new row is
// cancelled without asking.
TEST_F(KorvObjectTest, DeleteRefusesACodeInUseAndAsksBeforeDeletingAFreeOne) {
    int tagSeenByBeforeDelete = -1;
    query.BeforeDelete = [&](data::TDataSet* dataset) { tagSeenByBeforeDelete = dataset->Tag; };
    const struct {
        const char* code;
        int answer;
        const char* message;
        const char* kind;
        int rowsLeft;
    } deletes[] = {{"  3", ui::mrOk, "گردش دارد.", "1E", 9},
                   {"  9", ui::mrNo, "آيا حذف شود؟", "3Q", 9},
                   {"  9", ui::mrYes, "آيا حذف شود؟", "3Q", 8}};
    for (const auto& row : deletes) {
        ASSERT_TRUE(query.Locate(QStringLiteral("MakanCod"), QLatin1String(row.code)));
        MessageAnswers answers(host.DlgMsg(), {row.answer});
        commands.MenuItem(K::cmDelete)->Click();
        ASSERT_EQ(answers.Messages().size(), 1);
        EXPECT_EQ(answers.Messages()[0].text, QString::fromUtf8(row.message));
        EXPECT_EQ(answers.Messages()[0].kind, QLatin1String(row.kind));
        EXPECT_EQ(query.RecordCount(), row.rowsLeft);
        EXPECT_TRUE(row.answer != ui::mrOk || query.Tag == 0) << "a refused delete leaves no mark";
    }
    EXPECT_EQ(tagSeenByBeforeDelete, 10);
    EXPECT_TRUE(MyDatabase
                    ->LookupValue(QStringLiteral("MakanCod"), QStringLiteral("  9"),
                                  QStringLiteral("MakanCod"), QStringLiteral("D_Makan"))
                    .isEmpty());

    query.Append();
    query.FieldByName(QStringLiteral("MakanCod"))->SetAsString(QStringLiteral(" 10"));
    MessageAnswers none(host.DlgMsg(), {});
    commands.DeleteRow();
    EXPECT_EQ(query.State(), data::TDataSetState::dsBrowse);
    EXPECT_EQ(query.RecordCount(), 8);
}

TEST_F(KorvObjectTest, KeyExpressionJoinsDisplayTextsWithUnderscores) {
    // A procedure that reports only the characteristic row 2 of code 1 as used.
    host.Exec(QStringLiteral("Create Procedure sp_Test_Depended_Sakhtar @Code Varchar(20) As "
                             "Select Case When @Code = '  1_2' Then 1 Else 0 End As UsedCount"));
    query.Name = QStringLiteral("tblSakhtar");
    open(QStringLiteral("Select * From D_Sakhtar"));
    TKorvObject::Settings settings = commands.Configuration();
    settings.DependProcedure = QStringLiteral("sp_Test_Depended_Sakhtar");
    settings.KeyExpression = QStringLiteral("SakhtarCod+'_'+SakhtarRaj");
    commands.Configure(settings);
    commands.CreatePopupMenu();

    for (const auto& [row, answer, rowsLeft] : {std::tuple{2, ui::mrOk, 0}, std::tuple{3, ui::mrYes, -1}}) {
        const int before = query.RecordCount();
        ASSERT_TRUE(
            query.Locate(QStringLiteral("SakhtarCod;SakhtarRaj"), QVariantList{QStringLiteral("  1"), row}));
        EXPECT_EQ(commands.KeyValue(query), QStringLiteral("  1_%1").arg(row));
        MessageAnswers answers(host.DlgMsg(), {answer});
        commands.DeleteRow();
        EXPECT_EQ(answers.Messages()[0].text,
                  answer == ui::mrOk ? QStringLiteral("گردش دارد.") : QStringLiteral("آيا حذف شود؟"));
        EXPECT_EQ(query.RecordCount(), before + rowsLeft);
    }
}

TEST_F(DbfExportTest, WindowsTextKeepsCodePage1256AndTheFieldsOfTheDataset) {
    open(QStringLiteral(
             "Select Code, Name, Family, Vahd From Person Where Code In ('  101', '  102', '  103') "
             "Order By Code"),
         QStringLiteral("tblPersonelList"));
    exportWith(TKorvObject::cmDbfWin, cancel);

    const QString path = exported(QStringLiteral("tblPerso.DBF"));
    ASSERT_TRUE(QFile::exists(path)) << "named after the first 8 characters of the dataset's name";
    EXPECT_EQ(headerByte(path, 0), QByteArray("\x03")) << "dBASE III / FoxPro 2 without memo";
    EXPECT_EQ(headerByte(path, 29), QByteArray("\x7E")) << "the Arabic Windows language driver";
    DbfFile dbf(path);
    ASSERT_NE(dbf.handle, nullptr);
    EXPECT_EQ(dbf.fields(), QStringList({"Code C 5.0", "Name C 50.0", "Family C 50.0", "Vahd N 11.0"}));
    ASSERT_EQ(dbf.records(), query.RecordCount());
    EXPECT_EQ(dbf.text(0, 0), QByteArray("101"));
    EXPECT_EQ(dbf.text(0, 1), Cp1256::encode(QStringLiteral("علي")));
    EXPECT_EQ(dbf.text(2, 2), Cp1256::encode(QStringLiteral("كريمي")));
    EXPECT_EQ(DBFReadIntegerAttribute(dbf.handle, 1, 3), 2);
    // The grid comes back to where it was.
    EXPECT_EQ(query.RecNo(), 1);

    // Long and repeated names are cut to ten characters and kept apart; an identity column is
    // neither an integer nor a small-integer field: it becomes text.
    open(QStringLiteral(
             "Select SakhtarNam As AccountCodeOne, SakhtarType As AccountCodeTwo, IDX From D_Sakhtar"),
         QStringLiteral("qu"));
    exportWith(TKorvObject::cmDbfWin, cancel);
    const QStringList fields = DbfFile(exported(QStringLiteral("qu.DBF"))).fields();
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].section(QLatin1Char(' '), 0, 0) + fields[1].section(QLatin1Char(' '), 0, 0),
              QStringLiteral("AccountCodAccountCo1"));
    EXPECT_EQ(fields[2], QStringLiteral("IDX C 250.0"));
}

TEST_F(DbfExportTest, DosTextIsConvertedAndNumbersStayNumbers) {
    open(QStringLiteral("Select * From D_Madeh151 Order By MadehCod"), QStringLiteral("quMadeh151"));
    query.SetRecNo(3);
    exportWith(TKorvObject::cmDbfDos, cancel);

    const QString path = exported(QStringLiteral("quMadeh1.DBF"));
    EXPECT_EQ(headerByte(path, 29), QByteArray(1, '\0')) << "no language driver names the DOS code page";
    DbfFile dbf(path);
    ASSERT_NE(dbf.handle, nullptr);
    EXPECT_EQ(dbf.fields(), QStringList({"MadehCod C 3.0", "MadehNam C 150.0", "Sharh C 6.0",
                                         "Nozooli F 20.4", "Salianeh N 11.0"}));
    ASSERT_EQ(dbf.records(), query.RecordCount());
    // "نزولي": ن initial, ز final, و alone, ل initial, ي final; written from the left end.
    EXPECT_EQ(dbf.text(0, 2), QByteArray("\xFC\xF3\xF8\xA5\xF7"));
    // "مستقيم": initial, four medial forms, final.
    EXPECT_EQ(dbf.text(1, 2), QByteArray("\xF4\xFE\xEC\x97\xA8\xF5"));
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf.handle, 0, 3), 8.0);
    EXPECT_EQ(DBFReadIntegerAttribute(dbf.handle, 1, 4), 10);
    EXPECT_EQ(query.RecNo(), 3);

    // Exporting again replaces the file and leaves nothing else of the work behind.
    exportWith(TKorvObject::cmDbfWin, cancel);
    EXPECT_EQ(QDir(Global->AppPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"quMadeh1.DBF"});
    EXPECT_EQ(headerByte(path, 29), QByteArray("\x7E"));
}

TEST_F(DbfExportTest, OkCopiesTheFileToTheChosenFolderUnderTheTypedName) {
    open(QStringLiteral("Select * From D_Makan"));
    QTemporaryDir target;
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrOk});
        exportWith(TKorvObject::cmDbfWin, [&target](TSelForm& dialog) {
            EXPECT_EQ(dialog.FlopyEdit->Text(), QStringLiteral("tblMakan.DBF"));
            dialog.SetDirectory(target.path());
            dialog.OkBitBtn->click();
        });
        EXPECT_EQ(answers.Messages().size(), 1);
    }
    ASSERT_TRUE(QFile::exists(target.filePath(QStringLiteral("tblMakan.DBF"))));
    EXPECT_EQ(DbfFile(target.filePath(QStringLiteral("tblMakan.DBF"))).records(), 9);

    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrOk});
        exportWith(TKorvObject::cmDbfDos, [](TSelForm& dialog) {
            dialog.FlopyEdit->SetText(QStringLiteral("  MAKANDOS.DBF "));
            dialog.OkBitBtn->click();
        });
    }
    EXPECT_TRUE(QFile::exists(target.filePath(QStringLiteral("MAKANDOS.DBF")))) << "the folder chosen last";
}
