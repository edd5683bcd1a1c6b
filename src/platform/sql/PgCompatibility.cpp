#include "PgCompatibility.h"

#include "PgConnection.h"

namespace tarvand::sql {

namespace {

// Bumped whenever the objects below change, so that databases set up before are brought up to date.
constexpr const char* marker = "tsql_compatibility_2";

// "dbo.X", "[X]", "tempdb..#X" → x, as the server folds an unquoted table name.
constexpr const char* plainName = "regexp_replace(lower($1), '^.*\\.|[][]', '', 'g')";

const char* const objects[] = {
    "CREATE COLLATION IF NOT EXISTS tsql (provider = icu, locale = 'und-u-ks-level2', deterministic = false)",
    "CREATE OR REPLACE FUNCTION tsql_concat(text, text) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "'SELECT $1 || $2'",
    "DO $$ BEGIN CREATE OPERATOR + (LEFTARG = text, RIGHTARG = text, FUNCTION = tsql_concat); "
    "EXCEPTION WHEN duplicate_function THEN NULL; END $$",
    "CREATE OR REPLACE FUNCTION isnull(anyelement, anyelement) RETURNS anyelement LANGUAGE sql IMMUTABLE AS "
    "'SELECT coalesce($1, $2)'",
    "CREATE OR REPLACE FUNCTION len(text) RETURNS integer LANGUAGE sql IMMUTABLE AS 'SELECT "
    "length(rtrim($1))'",
    "CREATE OR REPLACE FUNCTION charindex(text, text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT strpos(lower($2), lower($1))'",
    "CREATE OR REPLACE FUNCTION charindex(text, text, integer) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT CASE WHEN $3 <= 1 THEN strpos(lower($2), lower($1)) WHEN strpos(lower(substr($2, $3)), "
    "lower($1)) = 0 THEN 0 ELSE strpos(lower(substr($2, $3)), lower($1)) + $3 - 1 END'",
    "CREATE OR REPLACE FUNCTION replicate(text, integer) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "'SELECT repeat($1, $2)'",
    "CREATE OR REPLACE FUNCTION space(integer) RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT repeat('' '', "
    "$1)'",
    "CREATE OR REPLACE FUNCTION getdate() RETURNS timestamp LANGUAGE sql STABLE AS 'SELECT localtimestamp'",
};

} // namespace

void PgCompatibility::install(PgConnection& connection) {
    if (!connection.scalar("SELECT to_regproc($1::text)", {QString::fromLatin1(marker)}).isEmpty()) {
        return;
    }
    // Connections opening together wait for the first one to finish.
    connection.run("BEGIN");
    try {
        connection.run("SELECT pg_advisory_xact_lock(7001)");
        if (connection.scalar("SELECT to_regproc($1::text)", {QString::fromLatin1(marker)}).isEmpty()) {
            for (const char* sql : objects) {
                connection.run(sql);
            }
            const QByteArray name = QByteArray(plainName);
            connection.run(
                "CREATE OR REPLACE FUNCTION object_id(text) RETURNS integer LANGUAGE sql STABLE AS "
                "$f$SELECT to_regclass(" +
                name + ")::oid::bigint::integer$f$");
            connection.run(
                "CREATE OR REPLACE FUNCTION col_length(text, text) RETURNS integer LANGUAGE sql STABLE AS "
                "$f$SELECT CASE WHEN a.atttypmod > 4 THEN a.atttypmod - 4 ELSE a.attlen::integer END FROM "
                "pg_catalog.pg_attribute a WHERE a.attrelid = to_regclass(" +
                name + ") AND a.attname = lower($2) AND NOT a.attisdropped$f$");
            connection.run(
                "CREATE OR REPLACE VIEW sysobjects AS SELECT c.relname::varchar(128) COLLATE tsql AS name, "
                "(CASE c.relkind WHEN 'v' THEN 'V' ELSE 'U' END)::varchar(2) AS xtype, (CASE c.relkind WHEN "
                "'v' THEN 'V' ELSE 'U' END)::varchar(2) AS type, c.oid::bigint::integer AS id FROM "
                "pg_catalog.pg_class c WHERE c.relkind IN ('r', 'p', 'v') AND "
                "pg_catalog.pg_table_is_visible(c.oid) AND c.relname <> 'sysobjects' AND c.relname <> "
                "'sysindexes' UNION ALL SELECT k.conname::varchar(128) COLLATE tsql, (CASE k.contype WHEN "
                "'p' THEN 'PK' ELSE 'UQ' END)::varchar(2), (CASE k.contype WHEN 'p' THEN 'K' ELSE 'UQ' "
                "END)::varchar(2), k.oid::bigint::integer FROM pg_catalog.pg_constraint k WHERE k.contype "
                "IN ('p', 'u') AND pg_catalog.pg_table_is_visible(k.conrelid)");
            connection.run(
                "CREATE OR REPLACE VIEW sysindexes AS SELECT i.relname::varchar(128) COLLATE tsql AS name, "
                "t.relname::varchar(128) COLLATE tsql AS tablename, t.oid::bigint::integer AS id FROM "
                "pg_catalog.pg_index x JOIN pg_catalog.pg_class i ON i.oid = x.indexrelid JOIN "
                "pg_catalog.pg_class t ON t.oid = x.indrelid WHERE pg_catalog.pg_table_is_visible(t.oid)");
            connection.run(QByteArray("CREATE FUNCTION ") + marker +
                           "() RETURNS integer LANGUAGE sql IMMUTABLE AS 'SELECT 1'");
        }
        connection.run("COMMIT");
    } catch (...) {
        connection.run("ROLLBACK");
        throw;
    }
}

} // namespace tarvand::sql
