#pragma once

#include "TBaseEditorForm.h"
#include "ui_TMakanForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The places where assets stand, each tied to a detail-2 account whose name shows under the grid.
// The account is chosen in the host's list picker (Enter or a double click on its column) and must
// exist before a row is written.
class TMakanForm : public TBaseEditorForm, public Ui_MakanForm {
    Q_OBJECT

public:
    TMakanForm();
    ~TMakanForm() override;

    data::TADOTable* tblMakan;

    int PickCode(int Column) override;

protected:
    void PrepareExtra() override;
    void PadExtra() override;
    bool CheckExtra() override;
    void ScrollExtra() override;
    QString HintLine(const QString& field) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString detail2Name();
    void placeNameBox();
};

} // namespace tarvand
