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

TEST_F(Writing, UpdateWritesOnlyTheChangedColumns) {
    db.createCodedTable({QStringLiteral("1")});
    auto table = db.openTable(QStringLiteral("Makan"));
    // Another user changes the rate after the row was read; our edit of the name must not undo it.
    db.exec(QStringLiteral("Update Makan Set Rate = 9 Where Code = '1'"));
    table->Edit();
    table->FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("it's new"));
    table->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select Name From Makan Where Code = '1'")), QStringLiteral("it's new"));
    EXPECT_EQ(scalar(QStringLiteral("Select Rate From Makan Where Code = '1'")), QStringLiteral("9"));
}

TEST_F(Writing, ChangingTheKeyFindsTheRowByItsOldKey) {
    db.createCodedTable({QStringLiteral("1"), QStringLiteral("2")});
    auto table = db.openTable(QStringLiteral("Makan"));
    table->Edit();
    table->FieldByName(QStringLiteral("Code"))->SetAsString(QStringLiteral("  7"));
    table->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select Name From Makan Where Code = '  7'")), QStringLiteral("name 1"));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Makan")), QStringLiteral("2"));
}

TEST_F(Writing, InsertLeavesUnsetColumnsToTheirDefaults) {
    db.exec(QStringLiteral("Create Table D (Code varchar(3) Not Null Primary Key, Name varchar(20) Default "
                           "'unnamed', Rate int Default 3)"));
    auto table = db.openTable(QStringLiteral("D"));
    table->Append();
    table->FieldByName(QStringLiteral("Code"))->SetAsString(QStringLiteral("1"));
    table->FieldByName(QStringLiteral("Rate"))->SetAsInteger(0);
    table->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select Name From D")), QStringLiteral("unnamed"));
    EXPECT_EQ(scalar(QStringLiteral("Select Rate From D")), QStringLiteral("0"));
}

TEST_F(Writing, IdentityValuesAreReadBackAndNeverWritten) {
    db.exec(QStringLiteral("Create Table Sakhtar (SakhtarCod varchar(3) Not Null, SakhtarRaj int Not Null, "
                           "IDX Int Identity(1, 1) Not Null, Constraint PK_Sakhtar Primary Key (SakhtarCod, "
                           "SakhtarRaj))"));
    auto table = db.openTable(QStringLiteral("Sakhtar"));
    TField* idx = table->FieldByName(QStringLiteral("IDX"));
    EXPECT_EQ(idx->DataType(), TFieldType::ftAutoInc);
    EXPECT_TRUE(idx->ReadOnly());
    for (int raj = 1; raj <= 2; ++raj) {
        table->Append();
        table->FieldByName(QStringLiteral("SakhtarCod"))->SetAsString(QStringLiteral("1"));
        table->FieldByName(QStringLiteral("SakhtarRaj"))->SetAsInteger(raj);
        table->Post();
        EXPECT_EQ(idx->AsInteger(), raj);
    }
    table->Edit();
    table->FieldByName(QStringLiteral("SakhtarRaj"))->SetAsInteger(5);
    table->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select IDX From Sakhtar Where SakhtarRaj = 5")), QStringLiteral("2"));
}

TEST_F(Writing, DeleteRemovesExactlyTheCurrentRow) {
    db.createCodedTable({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    auto table = db.openTable(QStringLiteral("Makan"));
    table->Next();
    table->Delete();
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Makan Where Code = '2'")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Makan")), QStringLiteral("2"));
}

TEST_F(Writing, WithoutAKeyARowIsFoundByAllItsValues) {
    db.exec(QStringLiteral("Create Table Depart (Code_field int Null, Desk varchar(20) Null)"));
    db.exec(QStringLiteral("Insert Into Depart Values (1, 'a')"));
    db.exec(QStringLiteral("Insert Into Depart Values (1, Null)"));
    auto query = db.openQuery(QStringLiteral("Select * From Depart"));
    query->Next();
    query->Edit();
    query->FieldByName(QStringLiteral("Desk"))->SetAsString(QStringLiteral("b"));
    query->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Depart Where Desk = 'b'")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Depart Where Desk = 'a'")), QStringLiteral("1"));
    query->First();
    query->Delete();
    EXPECT_EQ(scalar(QStringLiteral("Select Desk From Depart")), QStringLiteral("b"));
}

TEST_F(Writing, DuplicateRowsWithoutAKeyCannotBeChanged) {
    db.exec(QStringLiteral("Create Table Depart (Code_field int Null, Desk varchar(20) Null)"));
    db.exec(QStringLiteral("Insert Into Depart Values (1, 'same')"));
    db.exec(QStringLiteral("Insert Into Depart Values (1, 'same')"));
    auto query = db.openQuery(QStringLiteral("Select * From Depart"));
    query->Edit();
    query->FieldByName(QStringLiteral("Desk"))->SetAsString(QStringLiteral("changed"));
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
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Depart Where Desk = 'same'")), QStringLiteral("2"));
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_F(Writing, RowChangedByAnotherUserIsNotOverwritten) {
    db.createCodedTable({QStringLiteral("1")});
    auto table = db.openTable(QStringLiteral("Makan"));
    db.exec(QStringLiteral("Delete From Makan"));
    table->Edit();
    table->FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("x"));
    EXPECT_THROW(table->Post(), EDatabaseError);
    EXPECT_EQ(scalar(QStringLiteral("Select Count(*) From Makan")), QStringLiteral("0"));
}

TEST_F(Writing, QueryOverOneTableWritesToIt) {
    db.createCodedTable({QStringLiteral("1"), QStringLiteral("2")});
    auto query =
        db.openQuery(QStringLiteral("Select * From Makan Where Code In (Select Code From Makan Where "
                                    "Code > '1') "));
    EXPECT_EQ(query->UpdateTable(), QStringLiteral("Makan"));
    query->Edit();
    query->FieldByName(QStringLiteral("Rate"))->SetAsInteger(4);
    query->Post();
    EXPECT_EQ(scalar(QStringLiteral("Select Rate From Makan Where Code = '2'")), QStringLiteral("4"));
}

TEST_F(Writing, QueriesOnTemporaryTablesAreEditable) {
    db.createCodedTable({QStringLiteral("1"), QStringLiteral("2")});
    db.exec(QStringLiteral("Select ' ' As sSelect, Code, Name Into ##Pick1 From Makan"));
    auto query = db.openQuery(QStringLiteral("Select * From ##Pick1 Order By Code "));
    EXPECT_EQ(query->UpdateTable(), QStringLiteral("##Pick1"));
    query->Last();
    query->Edit();
    query->FieldByName(QStringLiteral("sSelect"))->SetAsString(QString::fromUtf8("ض"));
    query->Post();
    EXPECT_EQ(scalar(QString::fromUtf8("Select Code From ##Pick1 Where sSelect = 'ض' ")),
              QStringLiteral("2"));
}

TEST_F(Writing, UpdateTableOfQueries) {
    EXPECT_EQ(SelectSource::updatableTable(QStringLiteral("Select * From Person ")),
              QStringLiteral("Person"));
    EXPECT_EQ(SelectSource::updatableTable(QStringLiteral("select p.* from [Person] p where p.Code='1'")),
              QStringLiteral("[Person]"));
    EXPECT_EQ(SelectSource::updatableTable(QStringLiteral("Select * From db..Tafsily2 Order By Tafsily2")),
              QStringLiteral("db..Tafsily2"));
    EXPECT_EQ(SelectSource::updatableTable(QStringLiteral("Select Name From T Where Name = ' join x, y '")),
              QStringLiteral("T"));
    for (const char* readOnly : {"Select a.x From A a Join B b On a.x = b.x", "Select * From A, B",
                                 "Select Distinct x From A", "Select x, Count(*) From A Group By x",
                                 "Select * From (Select * From A) t", "Select x Into ##T From A", "Select 1",
                                 "Update A Set x = 1", "Select x From A Union Select x From B"}) {
        EXPECT_TRUE(SelectSource::updatableTable(QLatin1String(readOnly)).isEmpty()) << readOnly;
    }
}

TEST_F(Writing, RequeryFindsTheCurrentRecordByItsKey) {
    db.createCodedTable({QStringLiteral("2"), QStringLiteral("3")});
    auto table = db.openTable(QStringLiteral("Makan"));
    table->SetSort(QStringLiteral("Code"));
    table->Last();
    db.exec(QStringLiteral("Insert Into Makan (Code) Values ('1')"));
    db.exec(QStringLiteral("Update Makan Set Name = 'renamed' Where Code = '3'"));
    table->Requery();
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name"))->AsString(), QStringLiteral("renamed"));
}

TEST_F(Writing, RequeryWithoutAKeyKeepsTheRecordNumber) {
    db.exec(QStringLiteral("Create Table Pick (sSelect varchar(1), Code varchar(5))"));
    db.exec(QStringLiteral("Insert Into Pick Values (' ', '1')"));
    db.exec(QStringLiteral("Insert Into Pick Values (' ', '2')"));
    auto query = db.openQuery(QStringLiteral("Select * From Pick Order By Code "));
    query->Last();
    db.exec(QString::fromUtf8("Update Pick Set sSelect = 'ض'"));
    query->Requery();
    EXPECT_EQ(query->RecNo(), 2);
    EXPECT_EQ(query->FieldByName(QStringLiteral("sSelect"))->AsString(), QString::fromUtf8("ض"));
}

} // namespace
} // namespace tarvand::data::test
