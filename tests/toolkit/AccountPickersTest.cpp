// The account pickers over the demo chart: its hand-made accounts and the generated detail
// accounts (groups 10 and up).

#include "DemoDatabase.h"
#include "ShowModalAndThen.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"
#include "TTempGridForm.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvand;

namespace {

const QString L2 = QStringLiteral("مراكز هزينه");
const QString LP = QStringLiteral("پروژه");

using Pick = std::function<QString(TMyDatabase&)>;

struct PickerCase {
    const char* label;
    int user;
    Pick pick;
    const char* fields;     // listed per row, trimmed, "-"-joined; none: the statement is empty
    const char* listed;     // rows of the hand-made chart, "|"-joined, then "+" the generated ones
    const char* setup = ""; // where given: title|column count|field=value;… keys|order field
};

Pick tafsily(const char* mode, const char* koll, const char* moein, const char* code, const char* groups) {
    return [=](TMyDatabase& db) { return db.PickTafsily(mode, koll, moein, code, groups, 2); };
}
Pick tafsily2(const char* mode, const char* koll, const char* moein, const char* detail, const char* groups) {
    return
        [=](TMyDatabase& db) { return db.PickTafsily2(mode, koll, moein, detail, "030001", L2, groups, 2); };
}
Pick project(const char* koll, const char* moein, const char* groups, const char* detail,
             const char* detail2) {
    return [=](TMyDatabase& db) {
        return db.PickProject("P", koll, moein, "01001", LP, groups, 2, detail, detail2);
    };
}

const PickerCase cases[] = {
    {"general", 1, [](TMyDatabase& db) { return db.PickKoll(" 31"); }, "Koll", "5|11|12|13|31|81|90",
     "انتخاب حساب كل|7|Koll= 31|Koll"},
    {"general, user 2", 2, [](TMyDatabase& db) { return db.PickKoll("1'"); }, "Koll", "11|12|13|31|81"},
    {"general, user without rights", 3, [](TMyDatabase& db) { return db.PickKoll(" 11"); }, "Koll", ""},
    {"subsidiary, user 2", 2, [](TMyDatabase& db) { return db.PickMoein(" 11", "  2", L2, LP); },
     "Koll,Moein",
     "11-1|11-2|11-3|11-4|11-5|11-6|12-2|12-3|12-4|12-5|12-6|13-1|13-2|31-1|31-2|81-1|81-2|81-3",
     "انتخاب حساب معين|15|Koll= 11;Moein=  2|IDX"},
    {"detail-2 groups, user 2", 2, [](TMyDatabase& db) { return db.PickTafsily2Group("02", L2); },
     "Tafsily2GrohCod", "01|02", "انتخاب گروه مراكز هزينه|2|Tafsily2GrohCod=02|Tafsily2GrohCod"},
    {"detail, unrestricted", 1, tafsily("T", "  5", "  1", "03002", ""), "Tafsily",
     "01001|01002|01003|01004|02001|02002|03001|03002|04001|+3000",
     "انتخاب حساب تفصيلي|6|Tafsily=03002|Tafsily"},
    {"detail, user 2", 2, tafsily("T", "  5", "  1", "", ""), "Tafsily",
     "01001|01002|01003|01004|03001|03002|+2685"},
    {"detail, groups and singles", 1, tafsily("T", " 11", "  4", "", "01"), "Tafsily",
     "01001|01002|01003|01004|03001|03002"},
    {"detail, singles only", 1, tafsily("T", " 31", "  2", "", ""), "Tafsily", "02001"},
    {"detail, groups only", 1, tafsily("T", " 31", "  1", "", "01,02,03"), "Tafsily",
     "01001|01002|01003|01004|02001|02002|03001|03002"},
    {"detail-2 of the subsidiary", 1, tafsily2("T2", " 11", "  6", "", "01,02"), "Tafsily2",
     "010001|010002|010003|020001|020002|020003|030001",
     "انتخاب حساب مراكز هزينه|6|Tafsily2=030001|Tafsily2"},
    {"detail-2, the detail's own list", 1, tafsily2("T2", " 11", "  6", "02001", "01,02"), "Tafsily2",
     "010001|030001|030002|030003|030004"},
    {"detail-2, user 2", 2, tafsily2("T2", " 11", "  5", "", ""), "Tafsily2",
     "010001|010002|010003|020001|020002|020003"},
    {"detail-2, quotes", 1, tafsily2("T2", " 11", "  5", "0'1", "01'"), "Tafsily2", "010001|010002|010003"},
    {"projects of the subsidiary", 1, project(" 13", "  2", "02", "", ""), "ProjectCod", "01002|02001|02002",
     "انتخاب پروژه|6|ProjectCod=01001|ProjectCod"},
    {"projects, the detail's own list", 1, project(" 81", "  1", "01,02", "02001", ""), "ProjectCod",
     "01001"},
    {"projects, the detail-2's own list first", 1, project(" 81", "  1", "01,02", "02001", "010001"),
     "ProjectCod", "01002|02001|02002"},
    {"projects, user 2", 2, project("  5", "  1", "", "-1", ""), "ProjectCod", "01001|01002"},
    {"chains with detail", 1, tafsily("K&M&T", " 31", "  1", "01003", ""), "Koll,Moein,Tafsily",
     "11-4-03001|31-1-01001|31-1-01003|31-1-02002|31-2-02001|81-2-02002",
     "انتخاب حساب تفصيلي|10|Koll= 31;Moein=  1;Tafsily=01003|Koll"},
    {"chains with detail, user 2", 2, tafsily("K&M&T", "", "", "", ""), "Koll,Moein,Tafsily",
     "11-4-03001|31-1-01001|31-1-01003"},
    {"detail and detail-2 pairs, user 2", 2, tafsily2("T&T2", "", "", "02002", ""), "Tafsily,Tafsily2",
     "-010001|-010001|-010002|02002-020001",
     "انتخاب حساب تفصيلي و مراكز هزينه|5|Tafsily=02002;Tafsily2=030001|IDX"},
    {"chains with detail-2, user 2", 2, tafsily2("K&M&T2", " 81", "  1", "", ""), "Koll,Moein,Tafsily2",
     "11-3-010001|12-3-010001|81-1-010001|81-1-010002|81-2-020001"},
    {"whole chains, user 2", 2, tafsily2("K&M&T&T2", " 81", "  1", "", ""), "Koll,Moein,Tafsily,Tafsily2",
     "11-3--010001|12-3--010001|31-1-01001-|31-1-01003-|31-1-02002-|81-1--010001|81-1--010002|81-2-02002-"
     "020001",
     "انتخاب حساب مراكز هزينه|12|Koll= 81;Moein=  1;Tafsily=;Tafsily2=030001|IDX"},
    {"unknown detail mode", 1, tafsily("T2", " 11", "  4", "", ""), nullptr, ""},
    {"unknown project mode", 1,
     [](TMyDatabase& db) { return db.PickProject("p", " 13", "  1", "", LP, "", 2, "", ""); }, nullptr, ""},
};

class AccountPickersTest : public ::testing::Test {
protected:
    AccountPickersTest() : connection_(database_.open()) {
        global_.SessionTag = QStringLiteral("U1_");
        myDatabase_.SetListPicker(&picker_);
    }

    // The listed rows: hand-made ones as "|"-joined fields, generated detail accounts counted.
    QString listing(const QString& statement, const QString& fields) {
        data::TADOQuery query;
        query.SetConnection(&connection_);
        query.SetSQL(statement);
        query.Open();
        QStringList rows;
        int generated = 0;
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (const QString& field : fields.split(QLatin1Char(',')))
                values << query.FieldByName(field)->AsString().trimmed();
            const data::TField* detail = query.FindField(QStringLiteral("Tafsily"));
            detail != nullptr && detail->AsString() >= QLatin1String("10") ? void(++generated)
                                                                           : rows.append(values.join('-'));
        }
        return rows.join(QLatin1Char('|')) +
               (generated > 0 ? QStringLiteral("|+%1").arg(generated) : QString());
    }

    QString setup() const {
        QStringList keys;
        for (int index = 0; index < ListPickerSetup::KeyCount; ++index)
            if (!picker_.KeyFields[index].isEmpty())
                keys << picker_.KeyFields[index] + QLatin1Char('=') + picker_.KeyValues[index];
        return QStringList{picker_.Title, QString::number(picker_.ColumnCount), keys.join(QLatin1Char(';')),
                           picker_.OrderField}
            .join(QLatin1Char('|'));
    }

    // Every picker makes a table of its own: the clock moves on a hundredth of a second a call.
    QTime now_{9, 30};
    TMyDate date_{[this] { return now_ = now_.addMSecs(10); }};
    testsupport::DemoDatabase database_;
    data::TADOConnection connection_;
    TGlobal global_;
    TMyDatabase myDatabase_{&connection_, &global_, &date_};
    host::TTempGridForm picker_{&myDatabase_};
};

} // namespace

TEST_F(AccountPickersTest, EachPickerListsWhatTheUserMayPostWithTheAccountsGiven) {
    for (const PickerCase& c : cases) {
        SCOPED_TRACE(c.label);
        global_.UserId = c.user;
        const QString table = picker_.TableName;
        const QString statement = c.pick(myDatabase_);
        if (c.fields == nullptr) {
            EXPECT_TRUE(statement.isEmpty());
            EXPECT_EQ(picker_.TableName, table) << "the picker keeps the previous list";
            continue;
        }
        EXPECT_TRUE(picker_.TableName.startsWith(QStringLiteral("##U1_")) && picker_.TableName != table);
        EXPECT_TRUE(
            statement.startsWith(QStringLiteral("Select * From ") + picker_.TableName + QLatin1Char(' ')));
        EXPECT_EQ(listing(statement, QLatin1String(c.fields)), QString::fromUtf8(c.listed));
        if (*c.setup != 0)
            EXPECT_EQ(setup(), QString::fromUtf8(c.setup));
    }
}

// The list as a clerk sees it: the picker form starts on the chain given and Enter chooses it; the
// form drops the table when it closes.
TEST_F(AccountPickersTest, TheHostsPickerShowsTheListAndEnterChoosesTheChainItStartsOn) {
    global_.UserId = 1;
    const QString statement = myDatabase_.PickTafsily("K&M&T", " 31", "  1", "02002", "", 2);
    ASSERT_TRUE(myDatabase_.ExecSql(statement));
    picker_.quTemp->SetSQL(statement);
    const int result = testsupport::ShowModalAndThen(picker_, [this] {
        QApplication::setActiveWindow(&picker_);
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &picker_,
                        Qt::Key_Return);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(picker_.Caption(), QStringLiteral("انتخاب حساب تفصيلي"));
    EXPECT_EQ(picker_.quTemp->FieldByName(QStringLiteral("TNamHesab"))->AsString(),
              QStringLiteral("شركت تاسيسات نيرو گستر"));
    EXPECT_FALSE(myDatabase_.ExecSql(statement)) << "the table is gone";
}
