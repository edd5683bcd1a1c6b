#pragma once

#include "DataTypes.h"
#include "TBaseEditorForm.h"
#include "ui_TDepartForm.h"

namespace tarvand {

class EDatabaseError;
namespace data {
class TADOQuery;
class TDataSet;
} // namespace data

// The company's organisational units, shared with payroll: edited over a query, codes stored as
// typed, hints in the editor's own status line, and the column layout and grid commands kept
// under payroll's program code.
class TDepartForm : public TBaseEditorForm, public Ui_DepartForm {
    Q_OBJECT

public:
    TDepartForm();
    ~TDepartForm() override;

    data::TADOQuery* quDepart;

    // Every exception raised while this editor owns the handler is dropped: a duplicate code
    // has been told by the post-error handler already.
    void AppException(QObject* Sender, const std::exception& E) override;
    void qu_PostError(data::TDataSet* DataSet, EDatabaseError& E, data::TDataAction& Action);

protected:
    void ShowHint(const QString& hint) override;
    TKorvObject::Settings CommandSettings() const override;
};

} // namespace tarvand
