#include "Cp1256.h"
#include "HostContext.h"
#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TKorvObject.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TSelForm.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <shapefil.h>

using namespace tarvand;
using testsupport::MessageAnswers;
using testsupport::ModuleHost;

namespace {

struct FieldInfo {
    QString name;
    char type;
    int width;
    int decimals;
    bool operator==(const FieldInfo&) const = default;
};

void PrintTo(const FieldInfo& field, std::ostream* out) {
    *out << field.name.toStdString() << ' ' << field.type << ' ' << field.width << '.' << field.decimals;
}

// A dBASE file read back with shapelib's reader.
struct DbfFile {
    explicit DbfFile(const QString& path) : handle(DBFOpen(QFile::encodeName(path).constData(), "rb")) {}
    ~DbfFile() {
        if (handle != nullptr)
            DBFClose(handle);
    }
    QList<FieldInfo> fields() const {
        QList<FieldInfo> result;
        for (int index = 0; index < DBFGetFieldCount(handle); ++index) {
            char name[XBASE_FLDNAME_LEN_READ + 1] = {};
            int width = 0;
            int decimals = 0;
            DBFGetFieldInfo(handle, index, name, &width, &decimals);
            result.append({QString::fromLatin1(name), DBFGetNativeFieldType(handle, index), width, decimals});
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

// An editor's grid over a query named as the editors name their datasets, with its command object.
class DbfExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        query.SetConnection(MyDatabase->Connection());
        source.SetDataSet(&query);
        grid = new ui::TDBGrid(&form);
        grid->SetDataSource(&source);
        TKorvObject::Settings settings;
        settings.Grid = grid;
        settings.Prog = QStringLiteral("D");
        settings.Item = QStringLiteral("SABT");
        commands.Configure(settings);
        commands.CreatePopupMenu();
    }

    void open(const QString& name, const QString& statement) {
        query.Name = name;
        query.SetSQL(statement);
        query.Open();
    }

    // Runs an export whose copy dialog `answer` ends.
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

    ModuleHost host{1, ModuleHost::Context::SetNow};
    ui::TForm form;
    data::TADOQuery query;
    data::TDataSource source;
    ui::TDBGrid* grid = nullptr;
    TKorvObject commands;
};

} // namespace

TEST_F(DbfExportTest, WindowsTextKeepsCodePage1256AndTheFieldsOfTheDataset) {
    open(QStringLiteral("tblPersonelList"),
         QStringLiteral(
             "Select Code, Name, Family, Vahd From Person Where Code In ('  101', '  102', '  103') "
             "Order By Code"));
    exportWith(TKorvObject::cmDbfWin, cancel);

    const QString path = exported(QStringLiteral("tblPerso.DBF"));
    ASSERT_TRUE(QFile::exists(path)) << "named after the first 8 characters of the dataset's name";
    EXPECT_EQ(headerByte(path, 0), QByteArray("\x03")) << "dBASE III / FoxPro 2 without memo";
    EXPECT_EQ(headerByte(path, 29), QByteArray("\x7E")) << "the Arabic Windows language driver";
    DbfFile dbf(path);
    ASSERT_NE(dbf.handle, nullptr);
    EXPECT_EQ(dbf.fields(), QList<FieldInfo>({{QStringLiteral("Code"), 'C', 5, 0},
                                              {QStringLiteral("Name"), 'C', 50, 0},
                                              {QStringLiteral("Family"), 'C', 50, 0},
                                              {QStringLiteral("Vahd"), 'N', 11, 0}}));
    ASSERT_EQ(dbf.records(), query.RecordCount());
    EXPECT_EQ(dbf.text(0, 0), QByteArray("101"));
    EXPECT_EQ(dbf.text(0, 1), Cp1256::encode(QStringLiteral("علي")));
    EXPECT_EQ(dbf.text(2, 2), Cp1256::encode(QStringLiteral("كريمي")));
    EXPECT_EQ(DBFReadIntegerAttribute(dbf.handle, 1, 3), 2);
    // The grid comes back to where it was.
    EXPECT_EQ(query.RecNo(), 1);
}

TEST_F(DbfExportTest, DosTextIsConvertedAndNumbersStayNumbers) {
    open(QStringLiteral("quMadeh151"), QStringLiteral("Select * From D_Madeh151 Order By MadehCod"));
    query.SetRecNo(3);
    exportWith(TKorvObject::cmDbfDos, cancel);

    const QString path = exported(QStringLiteral("quMadeh1.DBF"));
    EXPECT_EQ(headerByte(path, 29), QByteArray(1, '\0')) << "no language driver names the DOS code page";
    DbfFile dbf(path);
    ASSERT_NE(dbf.handle, nullptr);
    EXPECT_EQ(dbf.fields(), QList<FieldInfo>({{QStringLiteral("MadehCod"), 'C', 3, 0},
                                              {QStringLiteral("MadehNam"), 'C', 150, 0},
                                              {QStringLiteral("Sharh"), 'C', 6, 0},
                                              {QStringLiteral("Nozooli"), 'F', 20, 4},
                                              {QStringLiteral("Salianeh"), 'N', 11, 0}}));
    ASSERT_EQ(dbf.records(), query.RecordCount());
    // "نزولي": ن initial, ز final, و alone, ل initial, ي final; written from the left end.
    EXPECT_EQ(dbf.text(0, 2), QByteArray("\xFC\xF3\xF8\xA5\xF7"));
    // "مستقيم": initial, four medial forms, final.
    EXPECT_EQ(dbf.text(1, 2), QByteArray("\xF4\xFE\xEC\x97\xA8\xF5"));
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf.handle, 0, 3), 8.0);
    EXPECT_EQ(DBFReadIntegerAttribute(dbf.handle, 1, 4), 10);
    EXPECT_EQ(query.RecNo(), 3);
}

TEST_F(DbfExportTest, LongAndRepeatedNamesAreCutToTenCharactersAndKeptApart) {
    open(QStringLiteral("qu"), QStringLiteral("Select SakhtarNam As AccountCodeOne, SakhtarType As "
                                              "AccountCodeTwo, IDX From D_Sakhtar Where 1 = 0"));
    exportWith(TKorvObject::cmDbfWin, cancel);
    DbfFile dbf(exported(QStringLiteral("qu.DBF")));
    ASSERT_NE(dbf.handle, nullptr);
    const QList<FieldInfo> fields = dbf.fields();
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].name, QStringLiteral("AccountCod"));
    EXPECT_EQ(fields[1].name, QStringLiteral("AccountCo1"));
    // An identity column is neither an integer nor a small-integer field: it becomes text.
    EXPECT_EQ(fields[2], (FieldInfo{QStringLiteral("IDX"), 'C', 250, 0}));
    EXPECT_EQ(dbf.records(), 0);
}

TEST_F(DbfExportTest, OkCopiesTheFileToTheChosenFolderUnderTheTypedName) {
    open(QStringLiteral("tblMakan"), QStringLiteral("Select * From D_Makan"));
    QTemporaryDir target;
    {
        MessageAnswers answers(host.DlgMsg(), {ui::mrOk});
        exportWith(TKorvObject::cmDbfWin, [&target](TSelForm& dialog) {
            EXPECT_EQ(dialog.FlopyEdit->Text(), QStringLiteral("tblMakan.DBF"));
            dialog.SetDirectory(target.path());
            dialog.OkBitBtn->click();
        });
        ASSERT_EQ(answers.Messages().size(), 1);
        EXPECT_EQ(answers.Messages()[0].text, QStringLiteral("کپي فايلها با موفقيت انجام شد "));
        EXPECT_EQ(answers.Messages()[0].kind, QStringLiteral("1I"));
        EXPECT_EQ(answers.Messages()[0].title, QStringLiteral(" "));
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

TEST_F(DbfExportTest, ExportingAgainReplacesTheFile) {
    open(QStringLiteral("tblMakan"), QStringLiteral("Select * From D_Makan"));
    exportWith(TKorvObject::cmDbfWin, cancel);
    open(QStringLiteral("tblMakan"), QStringLiteral("Select * From D_Makan Where MakanCod = '  1'"));
    exportWith(TKorvObject::cmDbfWin, cancel);
    EXPECT_EQ(DbfFile(exported(QStringLiteral("tblMakan.DBF"))).records(), 1);
    EXPECT_EQ(QDir(Global->AppPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("tblMakan.DBF")})
        << "nothing of the work is left behind";
}

TEST_F(DbfExportTest, ACommonDbaseReaderOpensTheFile) {
    const QString dbview = QStandardPaths::findExecutable(QStringLiteral("dbview"));
    if (dbview.isEmpty())
        GTEST_SKIP() << "dbview is not installed";
    open(QStringLiteral("quMadeh151"), QStringLiteral("Select * From D_Madeh151 Order By MadehCod"));
    exportWith(TKorvObject::cmDbfWin, cancel);
    QProcess reader;
    reader.start(dbview,
                 {QStringLiteral("-b"), QStringLiteral("-t"), exported(QStringLiteral("quMadeh1.DBF"))});
    ASSERT_TRUE(reader.waitForFinished(10000));
    EXPECT_EQ(reader.exitCode(), 0);
    const QList<QByteArray> lines = reader.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), query.RecordCount());
    EXPECT_TRUE(lines[0].startsWith("1:" + Cp1256::encode(QStringLiteral("ساختمانهاي اسكلت بتني و فلزي")) +
                                    ":" + Cp1256::encode(QStringLiteral("نزولي")) + ":"))
        << lines[0].toStdString();
}
