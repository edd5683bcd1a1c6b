// What data-aware controls hear from a dataset, directly or through a data source.
#include "DataTestDatabase.h"
#include "EAbort.h"
#include "TDataLink.h"
#include "TDataSource.h"

#include <functional>

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

using enum TDataEvent;

// A data link that writes down every notification, and may act on one (as a grid writes its pending
// cell text on deUpdateRecord).
class RecordingLink : public TDataLink {
public:
    void DataEvent(TDataSet* dataSet, TDataEvent event, long long info) override {
        events.append(event);
        if (onEvent) {
            onEvent(dataSet, event, info);
        }
    }
    void DataSetDestroyed(TDataSet*) override { destroyed = true; }
    QList<TDataEvent> events;
    bool destroyed = false;
    std::function<void(TDataSet*, TDataEvent, long long)> onEvent;
};

class DataLinks : public ::testing::Test {
protected:
    void SetUp() override {
        db.createCodedTable({"1", "2"});
        table = db.openTable("Makan");
        source.SetDataSet(table.get());
        source.AddLink(&link);
        link.events.clear();
    }
    DataTestDatabase db;
    std::unique_ptr<TADOTable> table;
    RecordingLink link; // outlives the source, which tells its links when it goes
    TDataSource source;
};

TEST_F(DataLinks, EditsScrollsOpenAndCloseAreHeardInOrder) {
    table->Edit();
    table->FieldByName("Name")->SetAsString("x");
    table->Post();
    EXPECT_EQ(link.events,
              QList<TDataEvent>({deCheckBrowseMode, deUpdateState, deRecordChange, deFieldChange,
                                 deUpdateRecord, deCheckBrowseMode, deUpdateState, deDataSetChange}));
    // Scrolls carry the distance.
    QList<long long> distances;
    link.onEvent = [&](TDataSet*, TDataEvent event, long long info) {
        if (event == deDataSetScroll) {
            distances.append(info);
        }
    };
    table->Next();
    table->Next();
    table->Prior();
    EXPECT_EQ(distances, QList<long long>({1, 0, -1}));
    link.onEvent = nullptr;
    link.events.clear();
    table->Close();
    table->Open();
    EXPECT_EQ(link.events, QList<TDataEvent>({deUpdateState, deActiveChange, deUpdateState, deActiveChange}));
}

TEST_F(DataLinks, PendingCellTextIsWrittenBeforeThePostAndTheDataSourceReportsStateAndDataChanges) {
    link.onEvent = [](TDataSet* dataSet, TDataEvent event, long long) {
        if (event == deUpdateRecord) {
            dataSet->FieldByName("Name")->SetText("from the grid");
        }
    };
    QString seenByBeforePost;
    table->BeforePost = [&](TDataSet* dataSet) {
        seenByBeforePost = dataSet->FieldByName("Name")->AsString();
    };
    table->Edit();
    table->Next();
    EXPECT_EQ(seenByBeforePost, "from the grid");
    EXPECT_EQ(db.scalar("Select Name From Makan Where Code = '1'"), "from the grid");
    int stateChanges = 0;
    QList<TField*> dataChanges;
    source.OnStateChange = [&](TDataSource*) { ++stateChanges; };
    source.OnDataChange = [&](TDataSource*, TField* field) { dataChanges.append(field); };
    table->Edit();
    TField* name = table->FieldByName("Name");
    name->SetAsString("y");
    table->Cancel();
    EXPECT_EQ(stateChanges, 2);
    EXPECT_EQ(dataChanges, QList<TField*>({nullptr, name, nullptr}));
    source.SetEnabled(false);
    table->Next();
    EXPECT_EQ(dataChanges.size(), 3);
}

TEST_F(DataLinks, DisabledControlsHearOneChangeAtTheEndAndASwitchedOrLostDataSetNoLonger) {
    table->DisableControls();
    table->DisableControls();
    for (table->First(); !table->Eof(); table->Next()) {
        table->FieldByName("Code")->AsString();
    }
    table->EnableControls();
    EXPECT_TRUE(link.events.isEmpty());
    EXPECT_TRUE(table->ControlsDisabled());
    table->EnableControls();
    EXPECT_FALSE(table->ControlsDisabled());
    EXPECT_EQ(link.events, QList<TDataEvent>({deDataSetChange}));
    auto other = db.openTable("Makan");
    source.SetDataSet(other.get());
    link.events.clear();
    table->Next();
    EXPECT_TRUE(link.events.isEmpty()) << "the old dataset no longer reaches the controls";
    other.reset();
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_TRUE(link.destroyed);
}

} // namespace
} // namespace tarvand::data::test
