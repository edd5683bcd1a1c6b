#pragma once

#include "TsqlSelect.h"

namespace tarvand::sql {

struct TsqlStatement;
using TsqlStatementPtr = std::unique_ptr<TsqlStatement>;

// A named (or unnamed) primary key or unique constraint.
struct TsqlKeyDef {
    QString name;
    bool primaryKey = true;
    QStringList columns;
};

// A column of Create Table, or the new definition of Alter Column.
struct TsqlColumnDef {
    QString name;
    QString type; // as written, e.g. "varchar(10)"
    bool notNull = false;
    bool nullWritten = false; // Null said explicitly, which a primary key refuses
    bool identity = false;
    qint64 identitySeed = 1;
    TsqlExprPtr defaultValue;
    QString collation;
    std::vector<TsqlKeyDef> inlineKeys; // Primary Key / Unique written on the column itself
};

// A parsed T-SQL statement. The fields a kind uses are listed beside it.
struct TsqlStatement {
    enum class Kind {
        Select,          // select (with into for Select … Into)
        Insert,          // table, columns, rows (Values) or select
        Update,          // table, assignments, where
        Delete,          // table, where
        CreateTable,     // table, columnDefs, keys
        CreateIndex,     // name, table, columns, unique, ignoreDupKey
        DropTable,       // tables, ifExists
        DropIndex,       // table, name
        AlterColumn,     // table, columnDefs[0]
        AddConstraint,   // table, keys[0]
        AddColumns,      // table, columnDefs, keys (of the new columns)
        DropConstraint,  // table, name
        CreateProcedure, // name, parameters, body, text (the whole definition); replace for Alter
        DropProcedure,   // names
        Call,            // name, arguments (argumentNames for @p = value)
        ExecString,      // expr
        If,              // expr, body[0], body[1] (else, optional)
        While,           // expr, body[0]
        Block,           // body
        Declare,         // parameters (name, type, default as initial value)
        SetVariable,     // name, expr
        Return,          // expr (optional; a procedure's return value, which callers do not read)
        Truncate,        // table
        Transaction,     // text: BEGIN IMMEDIATE, COMMIT or ROLLBACK
        Nothing,         // session options (Set NoCount On, …) and Print, which have no effect here
    };

    explicit TsqlStatement(Kind k) : kind(k) {}

    Kind kind;
    QString name;
    QString text;
    TsqlName table;
    std::vector<TsqlName> tables;
    QStringList names;
    QStringList columns;
    std::vector<std::vector<TsqlExprPtr>> rows;
    std::shared_ptr<TsqlSelect> select;
    std::vector<std::pair<QString, TsqlExprPtr>> assignments;
    TsqlExprPtr where;
    TsqlExprPtr expr;
    std::vector<TsqlColumnDef> columnDefs;
    std::vector<TsqlKeyDef> keys;
    std::vector<TsqlColumnDef> parameters;
    std::vector<TsqlExprPtr> arguments;
    QStringList argumentNames;
    std::vector<TsqlStatementPtr> body;
    bool unique = false;
    bool ignoreDupKey = false;
    bool ifExists = false;
    bool replace = false;

    // Filled by the compiler: the SQLite text of the statement's query or data change (for If,
    // While, Set and Exec(…) the SELECT that evaluates its expression), the initialisers
    // of Declare, and the databases the text names as db..table.
    QString sqlite;
    QStringList sqliteParts;
    QStringList databases;
};

} // namespace tarvand::sql
