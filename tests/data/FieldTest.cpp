// Fields as the editors use them: declared sizes (also of probes), persistent and calculated
// fields, conversions and their errors, NULL against empty text, display formats.
#include "DataTestDatabase.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {
namespace {

class Fields : public ::testing::Test {
protected:
    void SetUp() override {
        db.exec(
            QStringLiteral("Create Table Amval (DaraCod varchar(10) Not Null Primary Key, DaraNam varchar(8) "
                           "Null Default 'none', Salianeh int Null, EndValue decimal(19,0) Null, "
                           "Nozooli float Null)"));
    }
    std::unique_ptr<TADOTable> table() { return db.openTable("Amval"); }
    DataTestDatabase db;
};

TEST_F(Fields, SizesKindsNamesWhateverTheirCaseAndTextsConvertToNumbersOrFailWithTheValue) {
    auto amval = table();
    EXPECT_EQ(amval->FieldByName("DARACOD")->Size(), 10);
    EXPECT_EQ(amval->FieldByName("DaraNam")->DataType(), TFieldType::ftString);
    EXPECT_EQ(amval->FieldByName("Salianeh")->Size(), 0);
    EXPECT_EQ(amval->FieldByName("Salianeh")->DataType(), TFieldType::ftInteger);
    EXPECT_EQ(amval->FieldByName("EndValue")->DataType(), TFieldType::ftFloat);
    EXPECT_EQ(amval->FieldByName("EndValue")->Size(), 0);
    EXPECT_EQ(amval->FieldByName("DaraCod"), amval->FindField("daracod"));
    EXPECT_EQ(amval->FindField("Missing"), nullptr);
    EXPECT_THROW(amval->FieldByName("Missing"), EDatabaseError);
    EXPECT_THROW(amval->FieldByIndex(99), EDatabaseError);
    // The key probe of an empty table still knows the declared size.
    auto text = db.openQuery("Select Top 1 DaraCod As sField From Amval");
    EXPECT_TRUE(text->IsEmpty());
    EXPECT_EQ(text->FieldByName("sField")->Size(), 10);
    EXPECT_EQ(db.openQuery("Select Top 1 Salianeh As sField From Amval")->FieldByName("sField")->Size(), 0);
    amval->Append();
    TField* years = amval->FieldByName("Salianeh");
    years->SetText(" 12 ");
    EXPECT_EQ(years->AsInteger(), 12);
    years->SetText("۱۳");
    EXPECT_EQ(years->AsInteger(), 13);
    try {
        years->SetText("abc");
        FAIL() << "a text was taken for an integer";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message, "'abc' is not a valid integer value");
    }
    EXPECT_EQ(years->AsInteger(), 13) << "a refused value leaves the field as it was";
    EXPECT_THROW(years->SetText("1.5"), EDatabaseError);
    EXPECT_THROW(years->SetText("99999999999"), EDatabaseError);
    years->SetText(QString());
    EXPECT_TRUE(years->IsNull());
    TField* rate = amval->FieldByName("Nozooli");
    rate->SetText("12.5");
    EXPECT_DOUBLE_EQ(rate->AsFloat(), 12.5);
    EXPECT_THROW(rate->SetText("12,5x"), EDatabaseError);
    TField* name = amval->FieldByName("DaraNam");
    name->SetAsString("0123456789");
    EXPECT_EQ(name->AsString(), "01234567") << "cut to the declared length";
    name->SetAsString("12");
    EXPECT_EQ(name->AsInteger(), 12);
    name->SetAsString("x");
    EXPECT_THROW(name->AsInteger(), EDatabaseError);
}

TEST_F(Fields, PersistentFieldsExposeOnlyTheirColumnsWithTheirOwnSize) {
    db.exec("Insert Into Amval (DaraCod, DaraNam) Values ('1', 'abcdefgh')");
    auto table = db.table("Amval");
    TADOTable& amval = *table;
    TField* name = amval.AddField("DaraNam", TFieldType::ftString, 3);
    amval.AddField("DaraCod", TFieldType::ftString);
    amval.Open();
    EXPECT_EQ(amval.FieldCount(), 2);
    EXPECT_EQ(amval.FieldByIndex(0), name);
    EXPECT_EQ(amval.FindField("Salianeh"), nullptr);
    EXPECT_EQ(amval.FieldByName("DaraCod")->Size(), 10);
    auto probe = db.openQuery("Select Top 1 * From Amval");
    name->SetSize(probe->FieldByName("DaraNam")->Size());
    EXPECT_EQ(name->Size(), 8);
    EXPECT_THROW(amval.AddField("Salianeh", TFieldType::ftInteger), EDatabaseError);
    amval.Close();
    EXPECT_EQ(amval.FieldCount(), 2) << "persistent fields outlive Close";
    amval.AddField("Nothing", TFieldType::ftString, 5);
    EXPECT_THROW(amval.Open(), EDatabaseError) << "a persistent field without a column fails the open";
    EXPECT_FALSE(amval.Active());
}

TEST_F(Fields, CalculatedFieldsAreComputedForEveryRecordShown) {
    db.exec("Insert Into Amval (DaraCod, Salianeh) Values ('1', 2)");
    db.exec("Insert Into Amval (DaraCod, Salianeh) Values ('2', 5)");
    auto table = db.table("Amval");
    TADOTable& amval = *table;
    TField* twice = amval.AddCalcField("Twice", TFieldType::ftInteger);
    QList<TDataSetState> states;
    amval.OnCalcFields = [&](TDataSet* dataSet) {
        states.append(dataSet->State());
        twice->SetAsInteger(dataSet->FieldByName("Salianeh")->AsInteger() * 2);
    };
    amval.Open();
    EXPECT_EQ(amval.FieldCount(), 6);
    EXPECT_EQ(twice->AsInteger(), 4);
    EXPECT_EQ(amval.ValueAt(1, twice->Index()).toInt(), 10);
    EXPECT_EQ(amval.RecNo(), 1) << "computing another row does not move";
    EXPECT_EQ(twice->AsInteger(), 4);
    amval.Edit();
    amval.FieldByName("Salianeh")->SetAsInteger(7);
    EXPECT_EQ(twice->AsInteger(), 14);
    amval.Post();
    EXPECT_EQ(db.scalar("Select Count(*) From Amval Where Salianeh = 7"), "1");
    for (const TDataSetState state : states) {
        EXPECT_EQ(state, TDataSetState::dsCalcFields);
    }
    EXPECT_EQ(amval.State(), TDataSetState::dsBrowse);
    EXPECT_THROW(amval.SetSort("Twice"), EDatabaseError);
}

TEST_F(Fields, CalculatedValueSetWhileEditingLastsUntilTheRecordIsRefreshed) {
    db.exec("Insert Into Amval (DaraCod) Values ('1')");
    auto table = db.table("Amval");
    TADOTable& amval = *table;
    TField* others = amval.AddCalcField("OTHERTAHVILCODE", TFieldType::ftString, 50);
    amval.Open();
    amval.Edit();
    others->SetAsString("12,15");
    EXPECT_EQ(others->AsString(), "12,15");
    EXPECT_EQ(amval.ValueAt(0, others->Index()).toString(), "12,15");
    amval.Post();
    EXPECT_TRUE(others->IsNull());
}

TEST_F(Fields, NullAndEmptyTextStayApart) {
    db.exec("Insert Into Amval (DaraCod, DaraNam) Values ('1', '')");
    db.exec("Insert Into Amval (DaraCod, DaraNam) Values ('2', Null)");
    auto amval = table();
    TField* name = amval->FieldByName("DaraNam");
    EXPECT_FALSE(name->IsNull());
    EXPECT_EQ(name->AsString(), QString());
    amval->Next();
    EXPECT_TRUE(name->IsNull());
    EXPECT_EQ(name->AsString(), QString());
    EXPECT_EQ(amval->FieldByName("EndValue")->AsFloat(), 0.0);
    amval->Edit();
    name->SetAsString(QString());
    amval->Post();
    amval->First();
    amval->Edit();
    name->Clear();
    amval->Post();
    EXPECT_EQ(db.scalar("Select Count(*) From Amval Where DaraNam = ''"), "1");
    EXPECT_EQ(db.scalar("Select DaraCod From Amval Where DaraNam = ''"), "2");
    EXPECT_EQ(db.scalar("Select DaraCod From Amval Where DaraNam Is Null"), "1");
}

TEST_F(Fields, DisplayFormatsGroupThousandsAndFixDecimalsAndValuesSurviveTheRowStore) {
    db.exec("Insert Into Amval (DaraCod, EndValue, Nozooli) Values ('1', 1234567, 2.5)");
    db.exec("Insert Into Amval (DaraCod, EndValue, Nozooli) Values ('2', -1500, 0)");
    auto amval = table();
    TField* value = amval->FieldByName("EndValue");
    TField* rate = amval->FieldByName("Nozooli");
    value->SetDisplayFormat("###,###,###,###,0");
    rate->SetDisplayFormat("0.00");
    EXPECT_EQ(value->DisplayText(), "1,234,567");
    EXPECT_EQ(value->Text(), "1234567");
    EXPECT_EQ(rate->DisplayText(), "2.50");
    EXPECT_EQ(amval->DisplayTextAt(1, value->Index()), "-1,500");
    EXPECT_EQ(amval->DisplayTextAt(1, rate->Index()), "0.00");
    value->SetDisplayFormat("#,##0.##;(#,##0);'zero'");
    EXPECT_EQ(amval->DisplayTextAt(1, value->Index()), "(1,500)");
    rate->SetDisplayFormat("#,##0.##;(#,##0);'zero'");
    EXPECT_EQ(amval->DisplayTextAt(1, rate->Index()), "zero");
    EXPECT_EQ(rate->DisplayText(), "2.5");
    const QString longName = "نام بسيار بلند دارايي با بيش از سي و يك حرف";
    db.exec("Create Table Wide (Id int, Big int, Neg int, Txt varchar(200), Amount float)");
    db.exec(QStringLiteral("Insert Into Wide Values (1, 9007199254740993, -64, '%1', -0.1)").arg(longName));
    auto wide = db.openTable("Wide");
    EXPECT_EQ(wide->FieldByName("Big")->AsLargeInt(), Q_INT64_C(9007199254740993));
    EXPECT_EQ(wide->FieldByName("Neg")->AsInteger(), -64);
    EXPECT_EQ(wide->FieldByName("Txt")->AsString(), longName);
    EXPECT_DOUBLE_EQ(wide->FieldByName("Amount")->AsFloat(), -0.1);
}

TEST_F(Fields, OldValueOnChangeAndReadOnlyFields) {
    db.exec("Insert Into Amval (DaraCod, DaraNam) Values ('1', 'old')");
    auto amval = table();
    TField* name = amval->FieldByName("DaraNam");
    QStringList changes;
    name->OnChange = [&](TField* field) { changes.append(field->AsString()); };
    amval->Edit();
    name->SetAsString("new");
    EXPECT_EQ(name->OldValue().toString(), "old");
    EXPECT_EQ(changes, QStringList({"new"}));
    amval->Append();
    EXPECT_FALSE(name->OldValue().isValid());
    auto query = db.openQuery("Select DaraCod, DaraNam + 'x' As Shown From Amval");
    EXPECT_TRUE(query->FieldByName("Shown")->ReadOnly());
    EXPECT_FALSE(query->FieldByName("DaraCod")->ReadOnly());
    query->Append();
    EXPECT_THROW(query->FieldByName("Shown")->SetAsString("y"), EDatabaseError);
}

} // namespace
} // namespace tarvand::data::test
