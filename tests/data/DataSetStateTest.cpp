// The record state machine as the editors drive it: refusals by EAbort keep the row as typed,
// PostError decides what a failed write becomes, a cancelled insertion leaves no current record.
#include "DataTestDatabase.h"
#include "EAbort.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

using State = TDataSetState;

class DataSetState : public ::testing::Test {
protected:
    void SetUp() override {
        db.createCodedTable({"1", "2", "3"});
        table = db.openTable("Makan");
    }
    QString stored(const QString& code) {
        return db.scalar(QStringLiteral("Select Name From Makan Where Code = '%1'").arg(code));
    }
    DataTestDatabase db;
    std::unique_ptr<TADOTable> table;
};

TEST_F(DataSetState, RefusedPostKeepsTypedValuesAndTheCursorAndWritesNothing) {
    table->BeforePost = [](TDataSet*) { Abort(); };
    table->Edit();
    table->FieldByName("Name")->SetAsString("typed");
    EXPECT_THROW(table->Post(), EAbort);
    EXPECT_EQ(table->State(), State::dsEdit);
    EXPECT_EQ(table->FieldByName("Name")->AsString(), "typed");
    EXPECT_TRUE(table->Modified());
    EXPECT_EQ(stored("1"), "name 1");
    table->Cancel();
    table->Append();
    table->FieldByName("Code")->SetAsString("9");
    const int recNo = table->RecNo();
    EXPECT_THROW(table->Prior(), EAbort);
    EXPECT_EQ(table->State(), State::dsInsert);
    EXPECT_EQ(table->RecNo(), recNo);
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "9");
    EXPECT_EQ(table->RecordCount(), 4);
}

TEST_F(DataSetState, BeforePostMayCancelAndAbortRestoringTheRow) {
    table->BeforePost = [](TDataSet* dataSet) {
        dataSet->Edit(); // already editing: nothing happens
        dataSet->Cancel();
        Abort();
    };
    table->Edit();
    table->FieldByName("Code")->SetAsString("7");
    EXPECT_THROW(table->Post(), EAbort);
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "1");
}

TEST_F(DataSetState, DeleteGoesThroughOnlyWithTheCommandTag) {
    table->BeforeDelete = [](TDataSet* dataSet) {
        if (dataSet->Tag != 10) {
            Abort();
        }
    };
    table->AfterDelete = [](TDataSet* dataSet) { dataSet->Tag = 11; };
    EXPECT_THROW(table->Delete(), EAbort);
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(db.scalar("Select Count(*) From Makan"), "3");
    table->Tag = 10;
    table->Delete();
    EXPECT_EQ(table->Tag, 11);
    EXPECT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(db.scalar("Select Count(*) From Makan"), "2");
}

TEST_F(DataSetState, PostErrorFailPassesTheServerMessageOnAndAbortIsSilent) {
    table->Append();
    table->FieldByName("Code")->SetAsString("3");
    try {
        table->Post();
        FAIL() << "a duplicate key was accepted";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message.toUpper().contains("VIOLATION OF PRIMARY KEY CONSTRAINT"))
            << qPrintable(error.Message);
    }
    EXPECT_EQ(table->State(), State::dsInsert);
    TDataAction seen = TDataAction::daRetry;
    QString message;
    table->OnPostError = [&](TDataSet*, EDatabaseError& error, TDataAction& action) {
        seen = action;
        message = error.Message;
        action = TDataAction::daAbort;
    };
    table->FieldByName("Code")->SetAsString("2");
    table->FieldByName("Name")->SetAsString("again");
    EXPECT_THROW(table->Post(), EAbort);
    EXPECT_EQ(seen, TDataAction::daFail);
    EXPECT_TRUE(message.contains("PRIMARY KEY", Qt::CaseInsensitive)) << qPrintable(message);
    EXPECT_EQ(table->State(), State::dsInsert);
    EXPECT_EQ(table->FieldByName("Name")->AsString(), "again");
}

TEST_F(DataSetState, PostErrorRetryWritesTheCorrectedRowAndTagIsLeftAloneByEveryOperation) {
    int calls = 0;
    table->OnPostError = [&](TDataSet* dataSet, EDatabaseError&, TDataAction& action) {
        ++calls;
        dataSet->FieldByName("Code")->SetAsString("8");
        action = TDataAction::daRetry;
    };
    table->Append();
    table->FieldByName("Code")->SetAsString("1");
    table->Post();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_EQ(db.scalar("Select Count(*) From Makan Where Code = '8'"), "1");
    table->Tag = 42;
    table->Edit();
    table->FieldByName("Name")->SetAsString("a");
    table->Post();
    table->Append();
    table->Cancel();
    table->SetSort("Name DESC");
    table->Requery();
    table->Last();
    table->Delete();
    table->Close();
    table->Open();
    EXPECT_EQ(table->Tag, 42);
}

TEST_F(DataSetState, CancelledInsertLeavesNoRecordThenCancelUpdatesAndLast) {
    int recNoInAfterCancel = 0;
    table->AfterCancel = [&](TDataSet* dataSet) {
        recNoInAfterCancel = dataSet->RecNo();
        if (dataSet->RecNo() == -1) {
            auto* ado = static_cast<TCustomADODataSet*>(dataSet);
            ado->CancelUpdates();
            ado->Last();
        }
    };
    table->Next();
    table->Insert();
    EXPECT_EQ(table->RecordCount(), 4);
    EXPECT_EQ(table->RecNo(), 2);
    table->FieldByName("Code")->SetAsString("5");
    table->Cancel();
    EXPECT_EQ(recNoInAfterCancel, -1);
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "3");
}

TEST_F(DataSetState, InsertPutsTheRowBeforeTheCurrentOneAndACancelledOneLeavesNoCurrentRecord) {
    table->Next();
    table->Insert();
    table->Cancel();
    EXPECT_EQ(table->RecNo(), -1);
    EXPECT_TRUE(table->FieldByName("Code")->IsNull());
    table->Next();
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "2");
    table->Last();
    table->Insert();
    table->FieldByName("Code")->SetAsString("25");
    table->Post();
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->ValueAt(3, 0).toString(), "3");
    EXPECT_EQ(db.scalar("Select Count(*) From Makan"), "4");
}

TEST_F(DataSetState, CancelOfAnEditRestoresTheStoredValuesAndLeavingAModifiedRowPostsIt) {
    table->Last();
    table->Edit();
    table->FieldByName("Name")->SetAsString("changed");
    table->Cancel();
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->FieldByName("Name")->AsString(), "name 3");
    table->First();
    table->Edit();
    table->FieldByName("Name")->SetAsString("moved on");
    table->Next();
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(stored("1"), "moved on");
}

TEST_F(DataSetState, AppendScrollsToANewRowThatLeavingOrDeletingCancels) {
    int newRecords = 0;
    int scrolls = 0;
    table->OnNewRecord = [&](TDataSet* dataSet) {
        ++newRecords;
        dataSet->FieldByName("Rate")->SetAsInteger(5);
    };
    table->AfterScroll = [&](TDataSet* dataSet) {
        ++scrolls;
        EXPECT_TRUE(dataSet->FieldByName("Code")->AsString().isEmpty());
    };
    table->Append();
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(table->RecNo(), table->RecordCount());
    EXPECT_FALSE(table->Modified());
    EXPECT_EQ(table->FieldByName("Rate")->AsInteger(), 5);
    table->AfterScroll = nullptr;
    table->Prior();
    EXPECT_EQ(newRecords, 1);
    EXPECT_EQ(table->RecordCount(), 3);
    table->Append();
    table->Delete();
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_EQ(table->RecordCount(), 3);
    EXPECT_EQ(db.scalar("Select Count(*) From Makan"), "3");
}

TEST_F(DataSetState, DeleteMovesToTheNextRowOrThePreviousAtTheEnd) {
    table->Next();
    table->Delete();
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "3");
    table->Delete();
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(table->FieldByName("Code")->AsString(), "1");
    table->Delete();
    EXPECT_EQ(table->RecNo(), -1);
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_THROW(table->Delete(), EDatabaseError);
    table->Edit();
    EXPECT_EQ(table->State(), State::dsInsert) << "editing an empty dataset inserts";
    EXPECT_EQ(table->RecordCount(), 1);
}

TEST_F(DataSetState, EditingOutsideEditOrRefusedByBeforeEditOrOfAReadOnlyQueryFails) {
    EXPECT_THROW(table->FieldByName("Name")->SetAsString("x"), EDatabaseError);
    EXPECT_THROW(table->Post(), EDatabaseError);
    table->Cancel(); // nothing to cancel: no error
    table->BeforeEdit = [](TDataSet*) { Abort(); };
    EXPECT_THROW(table->Edit(), EAbort);
    EXPECT_EQ(table->State(), State::dsBrowse);
    EXPECT_THROW(table->FieldByName("Name")->SetAsString("x"), EDatabaseError);
    auto query = db.openQuery("Select a.Code, b.Name From Makan a, Makan b Where a.Code = b.Code");
    EXPECT_TRUE(query->UpdateTable().isEmpty());
    EXPECT_THROW(query->Edit(), EDatabaseError);
    EXPECT_THROW(query->Append(), EDatabaseError);
    EXPECT_EQ(query->State(), State::dsBrowse);
}

} // namespace
} // namespace tarvand::data::test
