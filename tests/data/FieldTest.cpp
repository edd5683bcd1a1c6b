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
    std::unique_ptr<TADOTable> table() { return db.openTable(QStringLiteral("Amval")); }

    DataTestDatabase db;
};

TEST_F(Fields, SizesAreDeclaredLengthsAndZeroForNumbers) {
    auto amval = table();
    EXPECT_EQ(amval->FieldByName(QStringLiteral("DaraCod"))->Size(), 10);
    EXPECT_EQ(amval->FieldByName(QStringLiteral("DaraNam"))->DataType(), TFieldType::ftString);
    EXPECT_EQ(amval->FieldByName(QStringLiteral("Salianeh"))->Size(), 0);
    EXPECT_EQ(amval->FieldByName(QStringLiteral("Salianeh"))->DataType(), TFieldType::ftInteger);
    EXPECT_EQ(amval->FieldByName(QStringLiteral("EndValue"))->DataType(), TFieldType::ftFloat);
    EXPECT_EQ(amval->FieldByName(QStringLiteral("EndValue"))->Size(), 0);
}

TEST_F(Fields, KeyProbeReportsSizesOnAnEmptyTable) {
    auto text = db.openQuery(QStringLiteral("Select Top 1 DaraCod As sField From Amval"));
    EXPECT_TRUE(text->IsEmpty());
    EXPECT_EQ(text->FieldByName(QStringLiteral("sField"))->Size(), 10);
    auto number = db.openQuery(QStringLiteral("Select Top 1 Salianeh As sField From Amval"));
    EXPECT_EQ(number->FieldByName(QStringLiteral("sField"))->Size(), 0);
}

TEST_F(Fields, NamesAreFoundWhateverTheirCase) {
    auto amval = table();
    EXPECT_EQ(amval->FieldByName(QStringLiteral("DARACOD")), amval->FindField(QStringLiteral("daracod")));
    EXPECT_EQ(amval->FindField(QStringLiteral("Missing")), nullptr);
    EXPECT_THROW(amval->FieldByName(QStringLiteral("Missing")), EDatabaseError);
    EXPECT_THROW(amval->FieldByIndex(99), EDatabaseError);
}

TEST_F(Fields, PersistentFieldsExposeOnlyTheirColumnsWithTheirOwnSize) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, DaraNam) Values ('1', 'abcdefgh')"));
    TADOTable amval;
    amval.SetConnection(&db.connection());
    amval.SetTableName(QStringLiteral("Amval"));
    TField* name = amval.AddField(QStringLiteral("DaraNam"), TFieldType::ftString, 3);
    amval.AddField(QStringLiteral("DaraCod"), TFieldType::ftString);
    amval.Open();
    EXPECT_EQ(amval.FieldCount(), 2);
    EXPECT_EQ(amval.FieldByIndex(0), name);
    EXPECT_EQ(amval.FindField(QStringLiteral("Salianeh")), nullptr);
    EXPECT_EQ(amval.FieldByName(QStringLiteral("DaraCod"))->Size(), 10);
    auto probe = db.openQuery(QStringLiteral("Select Top 1 * From Amval"));
    name->SetSize(probe->FieldByName(QStringLiteral("DaraNam"))->Size());
    EXPECT_EQ(name->Size(), 8);
    EXPECT_THROW(amval.AddField(QStringLiteral("Salianeh"), TFieldType::ftInteger), EDatabaseError);
    amval.Close();
    EXPECT_EQ(amval.FieldCount(), 2) << "persistent fields outlive Close";
}

TEST_F(Fields, PersistentFieldWithoutAColumnFailsTheOpen) {
    TADOTable amval;
    amval.SetConnection(&db.connection());
    amval.SetTableName(QStringLiteral("Amval"));
    amval.AddField(QStringLiteral("Nothing"), TFieldType::ftString, 5);
    EXPECT_THROW(amval.Open(), EDatabaseError);
    EXPECT_FALSE(amval.Active());
}

TEST_F(Fields, CalculatedFieldsAreComputedForEveryRecordShown) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, Salianeh) Values ('1', 2)"));
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, Salianeh) Values ('2', 5)"));
    TADOTable amval;
    amval.SetConnection(&db.connection());
    amval.SetTableName(QStringLiteral("Amval"));
    TField* twice = amval.AddCalcField(QStringLiteral("Twice"), TFieldType::ftInteger);
    QList<TDataSetState> states;
    amval.OnCalcFields = [&](TDataSet* dataSet) {
        states.append(dataSet->State());
        twice->SetAsInteger(dataSet->FieldByName(QStringLiteral("Salianeh"))->AsInteger() * 2);
    };
    amval.Open();
    EXPECT_EQ(amval.FieldCount(), 6);
    EXPECT_EQ(twice->AsInteger(), 4);
    EXPECT_EQ(amval.ValueAt(1, twice->Index()).toInt(), 10);
    EXPECT_EQ(amval.RecNo(), 1) << "computing another row does not move";
    EXPECT_EQ(twice->AsInteger(), 4);
    amval.Edit();
    amval.FieldByName(QStringLiteral("Salianeh"))->SetAsInteger(7);
    EXPECT_EQ(twice->AsInteger(), 14);
    amval.Post();
    EXPECT_EQ(db.scalar(QStringLiteral("Select Count(*) From Amval Where Salianeh = 7")),
              QStringLiteral("1"));
    for (const TDataSetState state : states) {
        EXPECT_EQ(state, TDataSetState::dsCalcFields);
    }
    EXPECT_EQ(amval.State(), TDataSetState::dsBrowse);
    EXPECT_THROW(amval.SetSort(QStringLiteral("Twice")), EDatabaseError);
}

TEST_F(Fields, CalculatedValueSetWhileEditingLastsUntilTheRecordIsRefreshed) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod) Values ('1')"));
    TADOTable amval;
    amval.SetConnection(&db.connection());
    amval.SetTableName(QStringLiteral("Amval"));
    TField* others = amval.AddCalcField(QStringLiteral("OTHERTAHVILCODE"), TFieldType::ftString, 50);
    amval.Open();
    amval.Edit();
    others->SetAsString(QStringLiteral("12,15"));
    EXPECT_EQ(others->AsString(), QStringLiteral("12,15"));
    EXPECT_EQ(amval.ValueAt(0, others->Index()).toString(), QStringLiteral("12,15"));
    amval.Post();
    EXPECT_TRUE(others->IsNull());
}

TEST_F(Fields, TextsConvertToNumbersOrFailWithTheValueInTheMessage) {
    auto amval = table();
    amval->Append();
    TField* years = amval->FieldByName(QStringLiteral("Salianeh"));
    years->SetText(QStringLiteral(" 12 "));
    EXPECT_EQ(years->AsInteger(), 12);
    years->SetText(QString::fromUtf8("۱۳"));
    EXPECT_EQ(years->AsInteger(), 13);
    try {
        years->SetText(QStringLiteral("abc"));
        FAIL() << "a text was taken for an integer";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message, QStringLiteral("'abc' is not a valid integer value"));
    }
    EXPECT_EQ(years->AsInteger(), 13) << "a refused value leaves the field as it was";
    EXPECT_THROW(years->SetText(QStringLiteral("1.5")), EDatabaseError);
    EXPECT_THROW(years->SetText(QStringLiteral("99999999999")), EDatabaseError);
    years->SetText(QString());
    EXPECT_TRUE(years->IsNull());
    TField* rate = amval->FieldByName(QStringLiteral("Nozooli"));
    rate->SetText(QStringLiteral("12.5"));
    EXPECT_DOUBLE_EQ(rate->AsFloat(), 12.5);
    EXPECT_THROW(rate->SetText(QStringLiteral("12,5x")), EDatabaseError);
    TField* name = amval->FieldByName(QStringLiteral("DaraNam"));
    name->SetAsString(QStringLiteral("0123456789"));
    EXPECT_EQ(name->AsString(), QStringLiteral("01234567")) << "cut to the declared length";
    name->SetAsString(QStringLiteral("12"));
    EXPECT_EQ(name->AsInteger(), 12);
    name->SetAsString(QStringLiteral("x"));
    EXPECT_THROW(name->AsInteger(), EDatabaseError);
}

TEST_F(Fields, NullAndEmptyTextStayApart) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, DaraNam) Values ('1', '')"));
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, DaraNam) Values ('2', Null)"));
    auto amval = table();
    TField* name = amval->FieldByName(QStringLiteral("DaraNam"));
    EXPECT_FALSE(name->IsNull());
    EXPECT_EQ(name->AsString(), QString());
    amval->Next();
    EXPECT_TRUE(name->IsNull());
    EXPECT_EQ(name->AsString(), QString());
    EXPECT_EQ(amval->FieldByName(QStringLiteral("EndValue"))->AsFloat(), 0.0);
    amval->Edit();
    name->SetAsString(QString());
    amval->Post();
    amval->First();
    amval->Edit();
    name->Clear();
    amval->Post();
    EXPECT_EQ(db.scalar(QStringLiteral("Select Count(*) From Amval Where DaraNam = ''")),
              QStringLiteral("1"));
    EXPECT_EQ(db.scalar(QStringLiteral("Select DaraCod From Amval Where DaraNam = ''")), QStringLiteral("2"));
    EXPECT_EQ(db.scalar(QStringLiteral("Select DaraCod From Amval Where DaraNam Is Null")),
              QStringLiteral("1"));
}

TEST_F(Fields, DisplayFormatsGroupThousandsAndFixDecimals) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, EndValue, Nozooli) Values ('1', 1234567, 2.5)"));
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, EndValue, Nozooli) Values ('2', -1500, 0)"));
    auto amval = table();
    TField* value = amval->FieldByName(QStringLiteral("EndValue"));
    TField* rate = amval->FieldByName(QStringLiteral("Nozooli"));
    value->SetDisplayFormat(QStringLiteral("###,###,###,###,0"));
    rate->SetDisplayFormat(QStringLiteral("0.00"));
    EXPECT_EQ(value->DisplayText(), QStringLiteral("1,234,567"));
    EXPECT_EQ(value->Text(), QStringLiteral("1234567"));
    EXPECT_EQ(rate->DisplayText(), QStringLiteral("2.50"));
    EXPECT_EQ(amval->DisplayTextAt(1, value->Index()), QStringLiteral("-1,500"));
    EXPECT_EQ(amval->DisplayTextAt(1, rate->Index()), QStringLiteral("0.00"));
    value->SetDisplayFormat(QStringLiteral("#,##0.##;(#,##0);'zero'"));
    EXPECT_EQ(amval->DisplayTextAt(1, value->Index()), QStringLiteral("(1,500)"));
    rate->SetDisplayFormat(QStringLiteral("#,##0.##;(#,##0);'zero'"));
    EXPECT_EQ(amval->DisplayTextAt(1, rate->Index()), QStringLiteral("zero"));
    EXPECT_EQ(rate->DisplayText(), QStringLiteral("2.5"));
}

TEST_F(Fields, ValuesSurviveTheRoundTripThroughTheRowStore) {
    const QString longName = QString::fromUtf8("نام بسيار بلند دارايي با بيش از سي و يك حرف");
    db.exec(QStringLiteral("Create Table Wide (Id int, Big int, Neg int, Txt varchar(200), Amount float)"));
    db.exec(QStringLiteral("Insert Into Wide Values (1, 9007199254740993, -64, '%1', -0.1)").arg(longName));
    auto wide = db.openTable(QStringLiteral("Wide"));
    EXPECT_EQ(wide->FieldByName(QStringLiteral("Big"))->AsLargeInt(), Q_INT64_C(9007199254740993));
    EXPECT_EQ(wide->FieldByName(QStringLiteral("Neg"))->AsInteger(), -64);
    EXPECT_EQ(wide->FieldByName(QStringLiteral("Txt"))->AsString(), longName);
    EXPECT_DOUBLE_EQ(wide->FieldByName(QStringLiteral("Amount"))->AsFloat(), -0.1);
}

TEST_F(Fields, OldValueAndOnChange) {
    db.exec(QStringLiteral("Insert Into Amval (DaraCod, DaraNam) Values ('1', 'old')"));
    auto amval = table();
    TField* name = amval->FieldByName(QStringLiteral("DaraNam"));
    QStringList changes;
    name->OnChange = [&](TField* field) { changes.append(field->AsString()); };
    amval->Edit();
    name->SetAsString(QStringLiteral("new"));
    EXPECT_EQ(name->OldValue().toString(), QStringLiteral("old"));
    EXPECT_EQ(changes, QStringList({QStringLiteral("new")}));
    amval->Append();
    EXPECT_FALSE(name->OldValue().isValid());
}

TEST_F(Fields, ReadOnlyFieldsRefuseValues) {
    auto query = db.openQuery(QStringLiteral("Select DaraCod, DaraNam + 'x' As Shown From Amval"));
    EXPECT_TRUE(query->FieldByName(QStringLiteral("Shown"))->ReadOnly());
    EXPECT_FALSE(query->FieldByName(QStringLiteral("DaraCod"))->ReadOnly());
    query->Append();
    EXPECT_THROW(query->FieldByName(QStringLiteral("Shown"))->SetAsString(QStringLiteral("y")),
                 EDatabaseError);
}

} // namespace
} // namespace tarvand::data::test
