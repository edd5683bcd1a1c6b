// ReportProperty.dll: the report's title, row count and columns.
#include "SiblingEntries.h"
#include "SiblingFixture.h"

#include <QLabel>
#include <QTableWidget>

namespace tarvand::siblingtests {
namespace {

using ReportPropertyModule = SiblingFixture;

TEST_F(ReportPropertyModule, ShowsTitleRowCountAndEveryColumnAndEnterCloses) {
    LoadedModule module("\\DLLs\\GlobalForms\\ReportProperty.dll");
    const auto show = module.Resolve<sibling::RepPropertyEntry>("RepPropertyForm_Show");
    ASSERT_NE(show, nullptr) << module.ErrorText().toStdString();
    showTable("D_Makan");
    table_.FieldByName("Tafsily2")->SetVisible(false);
    const QString nothing = "NoThing";
    const QString title = "مشخصات گزارش [مكان استقرار دارايي]";
    onModal(
        [&](QWidget* dialog) {
            keepPicture(dialog, "ReportProperty");
            EXPECT_EQ(dialog->findChild<QLabel*>("Title")->text(), title);
            EXPECT_EQ(dialog->findChild<QLabel*>("RecordCount")->text(), "9");
            auto* columns = dialog->findChild<QTableWidget*>("Columns");
            ASSERT_NE(columns, nullptr);
            ASSERT_EQ(columns->rowCount(), 3);
            EXPECT_EQ(columns->item(0, 1)->text(), "MakanCod");
            EXPECT_EQ(columns->item(0, 2)->text(), "متن");
            EXPECT_EQ(columns->item(1, 3)->text(), "100");
            EXPECT_EQ(columns->item(2, 4)->text(), "خير");
            EXPECT_EQ(columns->item(0, 4)->text(), "بلي");
            press(dialog, Qt::Key_Return);
        },
        // Returning at all means Enter closed the dialog: the watchdog fails a dialog left open.
        [&] { show(&nothing, &title, &table_); });
}

} // namespace
} // namespace tarvand::siblingtests
