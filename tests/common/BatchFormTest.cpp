#include "HostContext.h"
#include "ModuleHost.h"
#include "PictureFolder.h"
#include "ResultTable.h"
#include "TADOConnection.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TFrmBatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::MessageAnswers;
using testsupport::ResultTable;

namespace {

class BatchFormTest : public ::testing::Test {
protected:
    // Runs the register's command; `typing` fills the form as a clerk does, then OK is pressed.
    // Answers whether the form stayed open, with what its boxes then held ("from|to|years|date").
    bool run(const std::function<void(TFrmBatch&)>& typing, QString* kept = nullptr) {
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            TFrmBatch& form = *FrmBatch;
            QApplication::setActiveWindow(&form);
            typing(form);
            QTest::mouseClick(form.BtnOk, Qt::LeftButton);
            // A form that closes itself has ended its modal loop with a result.
            stayedOpen = form.ModalResult() == ui::mrNone;
            if (kept != nullptr)
                *kept = QStringList{form.tFromCode->Text(), form.tToCode->Text(), form.tYears->Text(),
                                    form.tbDate->Text()}
                            .join(QLatin1Char('|'));
            if (stayedOpen)
                form.Close();
        });
        TFrmBatch::Execute();
        return stayedOpen;
    }
    static void type(ui::TEdit* edit, const QString& text) {
        edit->setFocus();
        // Persian letters arrive with their code point as the key, as keyboards send them.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
    }
    static void fill(TFrmBatch& form, const QString& from, const QString& to, const QString& name = QString(),
                     int method = 0, const QString& value = QStringLiteral("5"),
                     const QString& date = QStringLiteral("1403/01/15")) {
        type(form.tFromCode, from);
        type(form.tToCode, to);
        type(form.tName, name);
        form.cRavesh->setFocus();
        for (int step = 0; step < method; ++step)
            QTest::keyClick(form.cRavesh, Qt::Key_Down);
        type(method == 1 ? form.tNerkh : form.tYears, method == 2 ? QString() : value);
        type(form.tbDate, date);
    }
    // The assets of the register, which starts empty.
    ResultTable rows() const {
        return ResultTable::read(
            host.Session().Connection()->Backend(),
            QStringLiteral("Select DaraCod, DaraNam, RaveshEst, Nozooli, Salianeh, BahreDate "
                           "From D_Amval Order By DaraCod"));
    }
    static QString row(const ResultTable& table, int index) {
        QStringList cells;
        for (const QVariant& cell : table.rows[index])
            cells << cell.toString();
        return cells.join(QLatin1Char('|'));
    }

    void SetUp() override { host.Exec(QStringLiteral("Delete From D_Amval")); }

    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
};

// A clerk brings in three desks typed on a Persian keyboard, then tries the same range again.
TEST_F(BatchFormTest, ARangeIsCreatedOnceAndAnOverlapIsRefusedKeepingTheInput) {
    MessageAnswers answers(host.DlgMsg(), {1});
    EXPECT_FALSE(run(
        [](TFrmBatch& f) { fill(f, QStringLiteral("۱"), QStringLiteral("3"), QStringLiteral(" میز ")); }));
    const ResultTable created = rows();
    ASSERT_EQ(created.rowCount(), 3);
    EXPECT_EQ(row(created, 0), QStringLiteral("         1|ميز1|مستقيم|0|5|1403/01/15"));
    EXPECT_EQ(row(created, 2), QStringLiteral("         3|ميز3|مستقيم|0|5|1403/01/15"));

    QString kept;
    EXPECT_TRUE(run([](TFrmBatch& f) { fill(f, QStringLiteral("3"), QStringLiteral("4")); }, &kept));
    EXPECT_EQ(kept, QStringLiteral("3|4|5|1403/01/15"));
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_EQ(answers.Messages()[0].text,
              QStringLiteral("محدوده معرفي شده با كد دارايي هاي موجود تداخل دارد"));
    EXPECT_EQ(answers.Messages()[0].kind, QStringLiteral("1E"));
    EXPECT_EQ(rows().rowCount(), 3);
}

TEST_F(BatchFormTest, EachMissingOrWrongFieldIsNamedAndNothingIsWritten) {
    struct Case {
        const char* from;
        const char* to;
        int method;
        const char* value;
        const char* date;
        const char* message;
    };
    const Case cases[] = {
        {" ", "3", 0, "5", "1403/01/15", "بازه ابتدايي تعريف نشده است"},
        {"1", "", 0, "5", "1403/01/15", "بازه انتهايي تعريف نشده است"},
        {"1", "3", 0, " ", "1403/01/15", "مقدار استهلاك به سال تعريف نشده است"},
        {"1", "3", 1, "", "1403/01/15", "نرخ استهلاك نزولي تعريف نشده است"},
        {"1", "3", 2, "", "", "تاريخ بهره برداري بايد وارد شود."},
        {"1", "3", 0, "5", "1403/13/01", "تاريخ بهره برداري اشكال دارد"},
    };
    for (const Case& c : cases) {
        MessageAnswers answers(host.DlgMsg(), {1});
        QString kept;
        EXPECT_TRUE(run(
            [&](TFrmBatch& f) {
                fill(f, QString::fromUtf8(c.from), QString::fromUtf8(c.to), QString(), c.method,
                     QString::fromUtf8(c.value), QString::fromUtf8(c.date));
            },
            &kept))
            << c.message;
        ASSERT_EQ(answers.Messages().size(), 1) << c.message;
        EXPECT_EQ(answers.Messages()[0].text, QString::fromUtf8(c.message));
        EXPECT_TRUE(kept.startsWith(QString::fromUtf8(c.from) + QLatin1Char('|') + QString::fromUtf8(c.to)) &&
                    kept.endsWith(QLatin1Char('|') + QString::fromUtf8(c.date)))
            << c.message;
    }
    EXPECT_EQ(rows().rowCount(), 0);
}

// Without a method the boxes read 0; without a name each asset is named by its code; a quote in the
// name is kept; a bound that is not a number or a reversed range closes the form having written
// nothing.
TEST_F(BatchFormTest, NoMethodNoNameQuotesAndBadBounds) {
    MessageAnswers none(host.DlgMsg(), {});
    QString kept;
    EXPECT_FALSE(
        run([](TFrmBatch& f) { fill(f, QStringLiteral("7"), QStringLiteral("8"), QString(), 2); }, &kept));
    EXPECT_EQ(kept, QStringLiteral("7|8|0|1403/01/15"));
    run([](TFrmBatch& f) { fill(f, QStringLiteral("20"), QStringLiteral("20"), QStringLiteral("O'Neil")); });
    EXPECT_FALSE(run([](TFrmBatch& f) { fill(f, QStringLiteral("3x"), QStringLiteral("5")); }));
    EXPECT_FALSE(run([](TFrmBatch& f) { fill(f, QStringLiteral("40"), QStringLiteral("30")); }));
    // Codes wider than the column are cut to it: the second insert repeats the first code and is skipped.
    run([](TFrmBatch& f) { fill(f, QStringLiteral("12345678901"), QStringLiteral("12345678902")); });
    const ResultTable created = rows();
    ASSERT_EQ(created.rowCount(), 4);
    EXPECT_EQ(row(created, 3), QStringLiteral("1234567890|1234567890|مستقيم|0|5|1403/01/15"));
    EXPECT_EQ(row(created, 0), QStringLiteral("         7|         7|ندارد|0|0|1403/01/15"));
    EXPECT_EQ(row(created, 2), QStringLiteral("        20|O'Neil20|مستقيم|0|5|1403/01/15"));
    EXPECT_TRUE(none.Messages().isEmpty());
}

// A long run shows its progress; cancelling keeps the rows inserted so far, committed.
TEST_F(BatchFormTest, CancellingALongRunKeepsWhatWasInserted) {
    MessageAnswers none(host.DlgMsg(), {});
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window);
                progress && progress->isVisible() && rows().rowCount() > 0) {
                for (auto* button : progress->findChildren<QAbstractButton*>())
                    QTest::mouseClick(button, Qt::LeftButton);
                watcher.stop();
            }
    });
    watcher.start();
    run([](TFrmBatch& f) { fill(f, QStringLiteral("1"), QStringLiteral("5000")); });
    const auto reopened = host.Session().Connection()->InTransaction();
    const qsizetype kept = rows().rowCount();
    EXPECT_FALSE(reopened);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 5000);
}

TEST_F(BatchFormTest, Picture) {
    TFrmBatch form;
    form.tFromCode->SetText(QStringLiteral("1"));
    form.tToCode->SetText(QStringLiteral("250"));
    form.tName->SetText(QStringLiteral("صندلي گردان"));
    form.tYears->SetText(QStringLiteral("5"));
    form.tbDate->SetText(QStringLiteral("1403/01/15"));
    form.show();
    QTemporaryDir fallback;
    EXPECT_TRUE(form.grab().save(
        QDir(testsupport::PictureFolder::Path(fallback)).filePath(QStringLiteral("batch-form.png"))));
}

} // namespace
