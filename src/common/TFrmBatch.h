#pragma once

#include "TForm.h"
#include "ui_TFrmBatch.h"

#include <memory>

namespace tarvand {

namespace data {
class TADOQuery;
}

// Creates a run of assets in one step: one record of D_Amval for every whole number from the
// first code to the last, all with the same depreciation method, rate or period and date put into
// use, named by a fixed name and the number. The register opens it modally (Execute). The inserts
// run in one transaction of the shared connection, committed at the end or wherever the run
// stops; a long run shows its progress and may be cancelled, keeping what it inserted.
class TFrmBatch : public ui::TForm, public Ui_FrmBatch {
    Q_OBJECT

public:
    explicit TFrmBatch(QWidget* parent = nullptr);
    ~TFrmBatch() override;

    // The register's command: creates the form into FrmBatch when there is none, shows it
    // modally, frees it and clears FrmBatch.
    static void Execute(QWidget* parent = nullptr);

    data::TADOQuery* quTemp;

    // Runs longer than this many codes show their progress.
    static constexpr int ProgressThreshold = 300;

private:
    void cRaveshChange(QObject* Sender);
    void BtnOkClick(QObject* Sender);
    void FormClose(QObject* Sender, ui::TCloseAction& Action);
    void editKeyPress(QObject* Sender, QChar& Key);

    bool checkInput();
    // False when the range overlaps existing codes (the form stays open); throws when a bound is
    // not a number or the database fails.
    bool createRecords();
    void insertRange(double first, double last, int codeLength);

    std::unique_ptr<data::TADOQuery> workQuery_;
};

} // namespace tarvand
