#include "TGlobal.h"

#include "TDBGrid.h"
#include "TDataSet.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tarvand {

QString TGlobal::CopyRecord(ui::TDBGrid* grid) {
    if (grid == nullptr)
        return {};
    QString buffer;
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        if (const data::TField* field = columns->Items(i)->Field())
            buffer += field->FieldName() + QLatin1Char('=') + field->Text() + QLatin1Char('\t');
    return buffer;
}

void TGlobal::PasteRecord(data::TDataSet* dataset, ui::TDBGrid* grid, const QString& buffer) {
    if (dataset == nullptr || grid == nullptr || !dataset->Active())
        return;
    dataset->Edit();
    ui::TDBGridColumns* columns = grid->Columns();
    qsizetype at = 0;
    for (int i = 0; i < columns->Count() && at < buffer.size(); ++i) {
        if (columns->Items(i)->Field() == nullptr)
            continue;
        const qsizetype equals = buffer.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            return;
        qsizetype tab = buffer.indexOf(QLatin1Char('\t'), equals + 1);
        if (tab < 0)
            tab = buffer.size();
        const QString name = buffer.mid(at, equals - at);
        const QString value = buffer.mid(equals + 1, tab - equals - 1);
        at = tab + 1;
        // Identity values belong to the database.
        data::TField* field = dataset->FindField(name);
        if (field != nullptr && field->DataType() != data::TFieldType::ftAutoInc)
            field->SetText(value);
    }
}

void TGlobal::CopyCell(ui::TDBGrid* grid) {
    if (grid == nullptr)
        return;
    const data::TField* field = grid->SelectedField();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (field != nullptr && clipboard != nullptr)
        clipboard->setText(field->Text());
}

void TGlobal::PasteCell(ui::TDBGrid* grid) {
    if (grid == nullptr)
        return;
    data::TField* field = grid->SelectedField();
    data::TDataSet* dataset = grid->DataSet();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool editable = !grid->ReadOnly() && grid->Options().testFlag(ui::dgEditing);
    if (field == nullptr || dataset == nullptr || clipboard == nullptr || field->ReadOnly() || !editable)
        return;
    dataset->Edit();
    field->SetText(clipboard->text());
}

} // namespace tarvand
