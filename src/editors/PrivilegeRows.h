#pragma once

#include <QString>

namespace tarvand {

// The user-privilege rows of one coded table (UserPrivilege, TableName in upper case), kept in
// step with its codes by the editor that writes them: a new code is granted to its creator, or to
// every user when the company says so; a changed code takes its grants along; a deleted code loses
// them. Each change is one statement, run after the row itself was written.
class PrivilegeRows {
public:
    explicit PrivilegeRows(QString tableName);

    // After a post: oldCode is the code the row had when it became current, empty for a new row.
    void Posted(const QString& code, const QString& oldCode) const;
    void Deleted(const QString& code) const;

private:
    QString tableName_;
};

} // namespace tarvand
