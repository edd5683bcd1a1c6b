// What a post or delete sends to the database: parameterised statements on the base table, keyed
// by the primary key or by all values read, writing only what changed.
#include "DataTestDatabase.h"
#include "SelectSource.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

class Writing : public ::testing::Test {
protected:
    QString scalar(const QString& statement) { return db.scalar(statement); }
    DataTestDatabase db;
};

TEST_F(Writing, UpdateWritesOnlyTheChangedColumnsFindingTheRowByItsOldKeyAndDeleteOnlyTheCurrentRow) {
    db.createCodedTable({"1", "2", "3"});
    auto table = db.openTable("Makan");
    // Another user changes the rate after the row was read; our edit of the name must not undo it.
    db.exec("Update Makan Set Rate = 9 Where Code = '1'");
    table->Edit();
    table->FieldByName("Name")->SetAsString("it's new");
    table->FieldByName("Code")->SetAsString("  7");
    table->Post();
    EXPECT_EQ(scalar("Select Name From Makan Where Code = '  7'"), "it's new");
    EXPECT_EQ(scalar("Select Rate From Makan Where Code = '  7'"), "9");
    EXPECT_EQ(scalar("Select Count(*) From Makan"), "3");
    table->Next();
    table->Delete();
    EXPECT_EQ(scalar("Select Count(*) From Makan Where Code = '2'"), "0");
    EXPECT_EQ(scalar("Select Count(*) From Makan"), "2");
}

TEST_F(Writing, IdentityValuesAndDefaultsOfUnsetColumnsAreReadBackAndIdentitiesNeverWritten) {
    db.exec(QStringLiteral("Create Table Sakhtar (SakhtarCod varchar(3) Not Null, SakhtarRaj int Not Null, "
                           "IDX Int Identity(1, 1) Not Null, Constraint PK_Sakhtar Primary Key (SakhtarCod, "
                           "SakhtarRaj))"));
    auto table = db.openTable("Sakhtar");
    TField* idx = table->FieldByName("IDX");
    EXPECT_EQ(idx->DataType(), TFieldType::ftAutoInc);
    EXPECT_TRUE(idx->ReadOnly());
    for (int raj = 1; raj <= 2; ++raj) {
        table->Append();
        table->FieldByName("SakhtarCod")->SetAsString("1");
        table->FieldByName("SakhtarRaj")->SetAsInteger(raj);
        table->Post();
        EXPECT_EQ(idx->AsInteger(), raj);
    }
    table->Edit();
    table->FieldByName("SakhtarRaj")->SetAsInteger(5);
    table->Post();
    EXPECT_EQ(scalar("Select IDX From Sakhtar Where SakhtarRaj = 5"), "2");
    db.exec(QStringLiteral("Create Table D (Code varchar(3) Not Null Primary Key, Name varchar(20) Default "
                           "'unnamed', Rate int Default 3)"));
    auto d = db.openTable("D");
    d->Append();
    d->FieldByName("Code")->SetAsString("1");
    d->FieldByName("Rate")->SetAsInteger(0);
    d->Post();
    EXPECT_EQ(scalar("Select Name From D"), "unnamed");
    EXPECT_EQ(scalar("Select Rate From D"), "0");
    // The row shows what was stored, and so a later change of a defaulted column finds it.
    EXPECT_EQ(d->FieldByName("Name")->AsString(), "unnamed");
    d->Edit();
    d->FieldByName("Name")->SetAsString("named");
    d->Post();
    EXPECT_EQ(scalar("Select Name From D"), "named");
}

TEST_F(Writing, WithoutAKeyARowIsFoundByAllItsValuesAndDuplicatesCannotBeChanged) {
    db.exec("Create Table Depart (Code_field int Null, Desk varchar(20) Null)");
    db.exec("Insert Into Depart Values (1, 'a')");
    db.exec("Insert Into Depart Values (1, Null)");
    db.exec("Insert Into Depart Values (2, 'same')");
    db.exec("Insert Into Depart Values (2, 'same')");
    auto query = db.openQuery("Select * From Depart");
    query->Next();
    query->Edit();
    query->FieldByName("Desk")->SetAsString("b");
    query->Post();
    EXPECT_EQ(scalar("Select Count(*) From Depart Where Desk = 'b'"), "1");
    EXPECT_EQ(scalar("Select Count(*) From Depart Where Desk = 'a'"), "1");
    query->First();
    query->Delete();
    EXPECT_EQ(scalar("Select Count(*) From Depart Where Code_field = 1"), "1");
    query->Last();
    query->Edit();
    query->FieldByName("Desk")->SetAsString("changed");
    try {
        query->Post();
        FAIL() << "one of two identical rows was changed";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message,
                  QStringLiteral("Row cannot be located for updating. Some values may have been "
                                 "changed since it was last read."));
    }
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    query->Cancel();
    EXPECT_THROW(query->Delete(), EDatabaseError);
    EXPECT_EQ(scalar("Select Count(*) From Depart Where Desk = 'same'"), "2");
    EXPECT_EQ(query->RecordCount(), 3);
}

TEST_F(Writing, RowChangedByAnotherUserIsNotOverwrittenAndOnlySimpleQueriesHaveAnUpdateTable) {
    db.createCodedTable({"1"});
    auto table = db.openTable("Makan");
    db.exec("Delete From Makan");
    table->Edit();
    table->FieldByName("Name")->SetAsString("x");
    EXPECT_THROW(table->Post(), EDatabaseError);
    EXPECT_EQ(scalar("Select Count(*) From Makan"), "0");
    EXPECT_EQ(SelectSource::updatableTable("Select * From Person "), "Person");
    EXPECT_EQ(SelectSource::updatableTable("select p.* from [Person] p where p.Code='1'"), "[Person]");
    EXPECT_EQ(SelectSource::updatableTable("Select * From db..Tafsily2 Order By Tafsily2"), "db..Tafsily2");
    EXPECT_EQ(SelectSource::updatableTable("Select Name From T Where Name = ' join x, y '"), "T");
    for (const char* readOnly : {"Select a.x From A a Join B b On a.x = b.x", "Select * From A, B",
                                 "Select Distinct x From A", "Select x, Count(*) From A Group By x",
                                 "Select * From (Select * From A) t", "Select x Into ##T From A", "Select 1",
                                 "Update A Set x = 1", "Select x From A Union Select x From B"}) {
        EXPECT_TRUE(SelectSource::updatableTable(QLatin1String(readOnly)).isEmpty()) << readOnly;
    }
}

TEST_F(Writing, QueriesOverOneTableOrATemporaryTableWriteToIt) {
    db.createCodedTable({"1", "2"});
    auto query =
        db.openQuery(QStringLiteral("Select * From Makan Where Code In (Select Code From Makan Where "
                                    "Code > '1') "));
    EXPECT_EQ(query->UpdateTable(), "Makan");
    query->Edit();
    query->FieldByName("Rate")->SetAsInteger(4);
    query->Post();
    EXPECT_EQ(scalar("Select Rate From Makan Where Code = '2'"), "4");
    db.exec("Select ' ' As sSelect, Code, Name Into ##Pick1 From Makan");
    query = db.openQuery("Select * From ##Pick1 Order By Code ");
    EXPECT_EQ(query->UpdateTable(), "##Pick1");
    query->Last();
    query->Edit();
    query->FieldByName("sSelect")->SetAsString("ض");
    query->Post();
    EXPECT_EQ(scalar("Select Code From ##Pick1 Where sSelect = 'ض' "), "2");
}

// With a key Requery finds the current record again; without one it keeps the record number.
TEST_F(Writing, RequeryFindsTheCurrentRecordByItsKeyOrKeepsItsNumber) {
    db.createCodedTable({"2", "3"});
    auto table = db.openTable("Makan");
    table->SetSort("Code");
    table->Last();
    db.exec("Insert Into Makan (Code) Values ('1')");
    db.exec("Update Makan Set Name = 'renamed' Where Code = '3'");
    table->Requery();
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->FieldByName("Name")->AsString(), "renamed");
    db.exec("Create Table Pick (sSelect varchar(1), Code varchar(5))");
    db.exec("Insert Into Pick Values (' ', '1')");
    db.exec("Insert Into Pick Values (' ', '2')");
    auto query = db.openQuery("Select * From Pick Order By Code ");
    query->Last();
    db.exec("Update Pick Set sSelect = 'ض'");
    query->Requery();
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_EQ(query->FieldByName("sSelect")->AsString(), "ض");
}

} // namespace
} // namespace tarvand::data::test
