#include "TFrmBatch.h"

#include "BatchStatements.h"
#include "Exception.h"
#include "Guard.h"
#include "HostContext.h"
#include "ShowMsg.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TField.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"

#include <QPointer>
#include <QProgressDialog>
#include <cmath>

namespace tarvand {

namespace {

const QString ErrorKind = QStringLiteral("1ER");

void refuse(const QString& message) {
    ShowMsg(message, QString(), ErrorKind);
}

// A bound as a number; the run ends on one that is not.
double boundOf(const ui::TEdit* edit) {
    bool ok = false;
    const double value = edit->Text().trimmed().toDouble(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid floating point value").arg(edit->Text()));
    return value;
}

// Keeps what a run inserted however it ends: commits the transaction it began when it goes.
class KeptTransaction {
public:
    explicit KeptTransaction(data::TADOConnection* connection)
        : connection_(connection->InTransaction() ? nullptr : connection) {
        if (connection_ != nullptr)
            connection_->BeginTrans();
    }
    ~KeptTransaction() {
        if (connection_ == nullptr)
            return;
        try {
            connection_->CommitTrans();
        } catch (const Exception&) {
            // A commit that fails has nothing left to keep; the form closes as after any failure.
        }
    }
    KeptTransaction(const KeptTransaction&) = delete;
    KeptTransaction& operator=(const KeptTransaction&) = delete;

private:
    data::TADOConnection* connection_;
};

} // namespace

TFrmBatch::TFrmBatch(QWidget* parent)
    : ui::TForm(parent), quTemp(nullptr), workQuery_(std::make_unique<data::TADOQuery>()) {
    setupUi(this);
    SetName(QStringLiteral("FrmBatch"));
    quTemp = workQuery_.get();
    SetBorderStyle(ui::bsSingle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SetCaption(windowTitle());
    setWindowModality(Qt::ApplicationModal);

    cRavesh->OnChange = [this](QObject* sender) { cRaveshChange(sender); };
    BtnOk->OnClick = [this](QObject* sender) { BtnOkClick(sender); };
    OnClose = [this](QObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
    for (ui::TEdit* edit : {tFromCode, tToCode, tName, tNerkh, tYears, tbDate})
        edit->OnKeyPress = [this](QObject* sender, QChar& key) { editKeyPress(sender, key); };
    BtnOk->setDefault(true);

    cRavesh->SetItemIndex(0);
    cRaveshChange(cRavesh);
}

TFrmBatch::~TFrmBatch() = default;

void TFrmBatch::Execute(QWidget* parent) {
    if (FrmBatch == nullptr)
        FrmBatch = new TFrmBatch(parent);
    const QPointer<TFrmBatch> form = FrmBatch;
    form->ShowModal();
    // The close action has released it already when it was closed; otherwise it goes now.
    delete form.data();
    FrmBatch = nullptr;
}

void TFrmBatch::cRaveshChange(QObject*) {
    const QString method = cRavesh->Text();
    tYears->SetEnabled(method == BatchStatements::Straight);
    tNerkh->SetEnabled(method == BatchStatements::Declining);
}

void TFrmBatch::editKeyPress(QObject*, QChar& Key) {
    // Persian keyboards type their own digits and yeh and kaf; codes and names are stored with ours.
    if (Global != nullptr)
        Key = Global->NormalizeKey(Key);
}

void TFrmBatch::FormClose(QObject*, ui::TCloseAction& Action) {
    Action = ui::caFree;
    if (FrmBatch == this)
        FrmBatch = nullptr;
}

bool TFrmBatch::checkInput() {
    if (tFromCode->Text().trimmed().isEmpty()) {
        refuse(QStringLiteral("بازه ابتدايي تعريف نشده است"));
        return false;
    }
    if (tToCode->Text().trimmed().isEmpty()) {
        refuse(QStringLiteral("بازه انتهايي تعريف نشده است"));
        return false;
    }
    const QString method = cRavesh->Text();
    if (method == BatchStatements::Straight && tYears->Text().trimmed().isEmpty()) {
        refuse(QStringLiteral("مقدار استهلاك به سال تعريف نشده است"));
        return false;
    }
    if (method == BatchStatements::Declining && tNerkh->Text().trimmed().isEmpty()) {
        refuse(QStringLiteral("نرخ استهلاك نزولي تعريف نشده است"));
        return false;
    }
    if (method == BatchStatements::NoMethod) {
        tNerkh->SetText(QStringLiteral("0"));
        tYears->SetText(QStringLiteral("0"));
    }
    const QString date = tbDate->Text().trimmed();
    if (date.isEmpty()) {
        refuse(QStringLiteral("تاريخ بهره برداري بايد وارد شود."));
        return false;
    }
    if (MyDate != nullptr && !MyDate->IsValidDate(date)) {
        refuse(QStringLiteral("تاريخ بهره برداري اشكال دارد"));
        return false;
    }
    return true;
}

void TFrmBatch::BtnOkClick(QObject*) {
    if (!checkInput())
        return;
    try {
        if (!createRecords())
            return;
    } catch (const Exception&) {
        // The run ends where it failed; what it inserted stays, and the form closes.
    }
    Close();
}

bool TFrmBatch::createRecords() {
    quTemp->SetConnection(MyDatabase->Connection());
    const double first = boundOf(tFromCode);
    const double last = boundOf(tToCode);

    quTemp->SetSQL(BatchStatements::CodeLengthQuery());
    quTemp->Open();
    const int codeLength = quTemp->FieldByName(QStringLiteral("LenDaraCod"))->AsInteger();
    quTemp->Close();

    quTemp->SetSQL(BatchStatements::OverlapQuery(BatchStatements::FormatCode(first, codeLength),
                                                 BatchStatements::FormatCode(last, codeLength)));
    quTemp->Open();
    const bool overlaps = !quTemp->IsEmpty();
    quTemp->Close();
    if (overlaps) {
        refuse(QStringLiteral("محدوده معرفي شده با كد دارايي هاي موجود تداخل دارد"));
        return false;
    }
    insertRange(first, last, codeLength);
    return true;
}

void TFrmBatch::insertRange(double first, double last, int codeLength) {
    const BatchStatements::Shared shared{tName->Text().trimmed(), cRavesh->Text(), tNerkh->Text(),
                                         tYears->Text(), tbDate->Text()};
    const double count = last >= first ? std::floor(last - first) + 1 : 0;
    std::unique_ptr<QProgressDialog> progress;
    if (count > ProgressThreshold) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("ثبت داراييها ..."),
                                                     QStringLiteral("انصراف"), 0, 1000, this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setLayoutDirection(Qt::RightToLeft);
        progress->setMinimumDuration(0);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
        progress->setValue(0);
        progress->show();
    }

    KeptTransaction transaction(MyDatabase->Connection());
    double done = 0;
    for (double n = first; n <= last; n += 1, done += 1) {
        // A few hundred statements between looks at the dialog keep it live without slowing the run.
        if (progress && std::fmod(done, 64) == 0) {
            progress->setValue(int(done * 1000 / count));
            if (progress->wasCanceled())
                return;
        }
        MyDatabase->ExecSql(BatchStatements::InsertStatement(n, codeLength, shared));
    }
}

} // namespace tarvand
