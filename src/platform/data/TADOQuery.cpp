#include "TADOQuery.h"

#include "SelectSource.h"
#include "SqlBackend.h"

namespace tarvand::data {

void TADOQuery::SetSQL(const QString& text) {
    Close();
    sql_ = text;
}

void TADOQuery::AddSQL(const QString& line) {
    Close();
    sql_ = sql_.isEmpty() ? line : sql_ + u'\n' + line;
}

qint64 TADOQuery::ExecSQL() {
    return Backend().execute(CommandText());
}

QString TADOQuery::UpdateTable() const {
    return SelectSource::updatableTable(sql_);
}

QString TADOQuery::CommandText() const {
    if (sql_.trimmed().isEmpty()) {
        throw EDatabaseError(QStringLiteral("Missing SQL property"));
    }
    return sql_;
}

} // namespace tarvand::data
