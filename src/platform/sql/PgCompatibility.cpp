#include "PgCompatibility.h"

#include "PgConnection.h"

namespace tarvand::sql {

namespace {

// Bumped whenever the objects below change, so that databases set up before are brought up to date.
constexpr const char* marker = "tsql_compatibility_6";

// The types of varchar(n) columns are named this and n.
constexpr const char* characterPrefix = "tsql_varchar_";

// "dbo.X", "[X]", "tempdb..#X" → x, as the server folds an unquoted table name (under "C": a name read
// from a column of the tsql collation allows no regular expression).
constexpr const char* plainName = "regexp_replace(lower($1 COLLATE \"C\"), '^.*\\.|[][]', '', 'g')";

const char* const objects[] = {
    "CREATE COLLATION IF NOT EXISTS tsql (provider = icu, locale = 'und-u-ks-level2', deterministic = false)",
    // A character value as text with its trailing blanks: bpchar's own cast to text drops them.
    "CREATE OR REPLACE FUNCTION tsql_text(bpchar) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS "
    "'SELECT textin(bpcharout($1))'",
    "CREATE OR REPLACE FUNCTION tsql_text(text) RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT $1'",
    "CREATE OR REPLACE FUNCTION tsql_text(anyelement) RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT "
    "$1::text'",
    "CREATE OR REPLACE FUNCTION tsql_concat(text, text) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "'SELECT $1 || $2'",
    "CREATE OR REPLACE FUNCTION tsql_concat(bpchar, bpchar) RETURNS bpchar LANGUAGE sql IMMUTABLE AS "
    "'SELECT (tsql_text($1) || tsql_text($2))::bpchar'",
    "CREATE OR REPLACE FUNCTION tsql_concat(bpchar, text) RETURNS bpchar LANGUAGE sql IMMUTABLE AS "
    "'SELECT (tsql_text($1) || $2)::bpchar'",
    "CREATE OR REPLACE FUNCTION tsql_concat(text, bpchar) RETURNS bpchar LANGUAGE sql IMMUTABLE AS "
    "'SELECT ($1 || tsql_text($2))::bpchar'",
    "DO $$ BEGIN CREATE OPERATOR + (LEFTARG = text, RIGHTARG = text, FUNCTION = tsql_concat); "
    "EXCEPTION WHEN duplicate_function THEN NULL; END $$",
    "DO $$ BEGIN CREATE OPERATOR + (LEFTARG = bpchar, RIGHTARG = bpchar, FUNCTION = tsql_concat); "
    "CREATE OPERATOR + (LEFTARG = bpchar, RIGHTARG = text, FUNCTION = tsql_concat); "
    "CREATE OPERATOR + (LEFTARG = text, RIGHTARG = bpchar, FUNCTION = tsql_concat); "
    "EXCEPTION WHEN duplicate_function THEN NULL; END $$",
    // The declared type of a column: a tsql_varchar_n domain is the varchar(n) it stands for.
    "CREATE OR REPLACE FUNCTION tsql_type(oid, integer) RETURNS text LANGUAGE sql STABLE AS "
    "$f$SELECT CASE WHEN t.typname ~ '^tsql_varchar_[0-9]+$' "
    "THEN 'character varying(' || substr(t.typname, 14) || ')' "
    "WHEN $1 = 'bpchar'::regtype AND $2 < 0 THEN 'character varying' "
    "ELSE pg_catalog.format_type($1, $2) END FROM pg_catalog.pg_type t WHERE t.oid = $1$f$",
    // Replace finds the search text without regard to case, every character of it taken literally.
    "CREATE OR REPLACE FUNCTION tsql_replace(text, text, text) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "$f$SELECT CASE WHEN length($2) = 0 THEN $1 ELSE regexp_replace($1 COLLATE \"C\", "
    "regexp_replace($2 COLLATE \"C\", '([.^$*+?(){}|\\[\\]\\\\])', '\\\\\\1', 'g'), "
    "replace($3 COLLATE \"C\", '\\', '\\\\'), 'gi') END$f$",
    "CREATE OR REPLACE FUNCTION isnull(anyelement, anyelement) RETURNS anyelement LANGUAGE sql IMMUTABLE AS "
    "'SELECT coalesce($1, $2)'",
    "CREATE OR REPLACE FUNCTION len(text) RETURNS integer LANGUAGE sql IMMUTABLE AS 'SELECT "
    "length(rtrim($1))'",
    // Searches run under "C": the tsql collation allows no substring search or pattern matching.
    "CREATE OR REPLACE FUNCTION charindex(text, text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT strpos(lower($2 COLLATE \"C\"), lower($1 COLLATE \"C\"))'",
    "CREATE OR REPLACE FUNCTION charindex(text, text, integer) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT CASE WHEN $3 <= 1 THEN charindex($1, $2) WHEN charindex($1, substr($2, $3)) = 0 THEN 0 "
    "ELSE charindex($1, substr($2, $3)) + $3 - 1 END'",
    // A character value compared with a number converts to the number's type, as on SQL Server.
    "CREATE OR REPLACE FUNCTION tsql_number(text, text) RETURNS numeric LANGUAGE plpgsql IMMUTABLE AS "
    "$f$BEGIN "
    "RETURN CASE WHEN $2 = 'int' THEN trim($1)::integer ELSE trim($1)::numeric END; EXCEPTION WHEN "
    "invalid_text_representation OR numeric_value_out_of_range THEN RAISE EXCEPTION 'Conversion failed when "
    "converting the varchar value ''%'' to data type %.', $1, $2; END$f$",
    "CREATE OR REPLACE FUNCTION tsql_number(double precision, text) RETURNS double precision LANGUAGE sql "
    "IMMUTABLE AS 'SELECT $1'",
    // Cast(x As Int): a number is truncated, a character value must hold a whole number.
    "CREATE OR REPLACE FUNCTION tsql_int(text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT tsql_number($1, ''int'')::integer'",
    "CREATE OR REPLACE FUNCTION tsql_int(double precision) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT trunc($1)::integer'",
    // '+' between a character value and an integer converts the character value.
    "CREATE OR REPLACE FUNCTION tsql_add(text, integer) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT tsql_int($1) + $2'",
    "CREATE OR REPLACE FUNCTION tsql_add(integer, text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "'SELECT $1 + tsql_int($2)'",
    "DO $$ BEGIN CREATE OPERATOR + (LEFTARG = text, RIGHTARG = integer, FUNCTION = tsql_add); "
    "CREATE OPERATOR + (LEFTARG = integer, RIGHTARG = text, FUNCTION = tsql_add); "
    "EXCEPTION WHEN duplicate_function THEN NULL; END $$",
    // A Like pattern ('%', '_', [sets], [^sets], a character after the escape taken literally) as an
    // anchored regular expression.
    "CREATE OR REPLACE FUNCTION tsql_regex(pattern text, escape text) RETURNS text LANGUAGE plpgsql "
    "IMMUTABLE AS $f$DECLARE r text COLLATE \"C\" := ''; c text COLLATE \"C\"; i integer := 1; "
    "inset boolean := false; "
    "BEGIN WHILE i <= length(pattern) LOOP c := substr(pattern, i, 1); "
    "IF inset THEN IF c = ']' THEN inset := false; r := r || c; ELSIF c = '\\' THEN r := r || '\\\\'; "
    "ELSE r := r || c; END IF; "
    "ELSIF c = escape COLLATE \"C\" AND i < length(pattern) THEN i := i + 1; c := substr(pattern, i, 1); "
    "r := r || CASE WHEN strpos('.^$*+?(){}|\\[]', c) > 0 THEN '\\' ELSE '' END || c; "
    "ELSIF c = '%' THEN r := r || '.*'; ELSIF c = '_' THEN r := r || '.'; "
    "ELSIF c = '[' THEN inset := true; r := r || c; "
    "ELSIF strpos('.^$*+?(){}|\\]', c) > 0 THEN r := r || '\\' || c; ELSE r := r || c; END IF; "
    "i := i + 1; END LOOP; RETURN '^' || r || '$'; END$f$",
    "CREATE OR REPLACE FUNCTION tsql_like(text, text, text) RETURNS boolean LANGUAGE sql IMMUTABLE AS "
    "'SELECT $1 COLLATE \"C\" ~* tsql_regex($2, $3)'",
    "CREATE OR REPLACE FUNCTION tsql_like(text, text) RETURNS boolean LANGUAGE sql IMMUTABLE AS "
    "'SELECT tsql_like($1, $2, '''')'",
    // PatIndex: the first position where the pattern after a leading '%' matches; 1 or 0 without one.
    "CREATE OR REPLACE FUNCTION patindex(text, text) RETURNS integer LANGUAGE sql IMMUTABLE AS "
    "$f$SELECT CASE WHEN $1 IS NULL OR $2 IS NULL THEN NULL WHEN left($1, 1) <> '%' THEN "
    "(CASE WHEN tsql_like($2, $1) THEN 1 ELSE 0 END) ELSE coalesce(length((regexp_match($2 COLLATE \"C\", "
    "'^(.*?)' || substr(tsql_regex(substr($1, 2), ''), 2), 'i'))[1]) + 1, 0) END$f$",
    // Taken over by its form with an escape character.
    "DROP FUNCTION IF EXISTS tsql_regex(text)",
    // @@Identity: the last identity value this connection generated; NULL before the first.
    "CREATE OR REPLACE FUNCTION tsql_identity() RETURNS bigint LANGUAGE plpgsql VOLATILE AS $f$BEGIN "
    "RETURN lastval(); EXCEPTION WHEN object_not_in_prerequisite_state THEN RETURN NULL; END$f$",
    // Stored procedures by lower-case name, with their Create Procedure text, run by TsqlRunner.
    "CREATE TABLE IF NOT EXISTS tsql_procedure (name varchar(128) PRIMARY KEY, definition text NOT NULL)",
    "CREATE OR REPLACE FUNCTION replicate(text, integer) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "'SELECT repeat($1, $2)'",
    "CREATE OR REPLACE FUNCTION space(integer) RETURNS text LANGUAGE sql IMMUTABLE AS 'SELECT repeat('' '', "
    "$1)'",
    "CREATE OR REPLACE FUNCTION getdate() RETURNS timestamp LANGUAGE sql STABLE AS 'SELECT localtimestamp'",
    // A table's or column's name as the module wrote it: the first line of its comment when that is
    // the stored (folded) name in another case, else the stored name.
    "CREATE OR REPLACE FUNCTION tsql_name(name, text) RETURNS text LANGUAGE sql IMMUTABLE AS "
    "$f$SELECT CASE WHEN lower(split_part($2, E'\\n', 1)) = $1::text THEN split_part($2, E'\\n', 1) ELSE "
    "$1::text END$f$",
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
            // Trailing blanks count neither in comparisons nor in the length (bpchar), stored values
            // keep them (no length modifier); the length is a named check that PgErrors reads as
            // truncation.
            connection.run(
                QByteArray("CREATE OR REPLACE FUNCTION tsql_character_type(n integer) RETURNS void "
                           "LANGUAGE plpgsql AS $f$BEGIN EXECUTE format('CREATE DOMAIN ") +
                characterPrefix + "%s AS bpchar COLLATE tsql CONSTRAINT " + lengthConstraint() +
                " CHECK (length(VALUE) <= %s)', n, n); EXCEPTION WHEN duplicate_object OR "
                "unique_violation THEN NULL; END$f$");
            // Databases made before: their varchar columns under tsql take these types (but for
            // those a view reads, which the server does not let change).
            connection.run(
                "DO $$ DECLARE r record; BEGIN FOR r IN SELECT a.attrelid::regclass AS t, "
                "quote_ident(a.attname) AS c, a.atttypmod - 4 AS n FROM pg_catalog.pg_attribute a "
                "JOIN pg_catalog.pg_class k ON k.oid = a.attrelid WHERE k.relkind = 'r' AND "
                "k.relpersistence = 'p' AND a.attnum > 0 AND NOT a.attisdropped AND a.atttypid = "
                "'varchar'::regtype AND a.atttypmod > 4 AND a.attcollation = (SELECT oid FROM "
                "pg_catalog.pg_collation WHERE collname = 'tsql' LIMIT 1) LOOP PERFORM "
                "tsql_character_type(r.n); BEGIN EXECUTE format('ALTER TABLE %s ALTER COLUMN %s TYPE " +
                QByteArray(characterPrefix) +
                "%s', r.t, r.c, r.n); EXCEPTION WHEN feature_not_supported THEN NULL; END; END LOOP; "
                "END $$");
            const QByteArray name = QByteArray(plainName);
            connection.run(
                "CREATE OR REPLACE FUNCTION object_id(text) RETURNS integer LANGUAGE sql STABLE AS "
                "$f$SELECT to_regclass(" +
                name + ")::oid::bigint::integer$f$");
            connection.run(
                "CREATE OR REPLACE FUNCTION col_length(text, text) RETURNS integer LANGUAGE sql STABLE AS "
                "$f$SELECT CASE WHEN a.atttypid = 'numeric'::regtype THEN "
                "(CASE WHEN (a.atttypmod - 4) >> 16 <= 9 THEN 5 WHEN (a.atttypmod - 4) >> 16 <= 19 THEN 9 "
                "WHEN (a.atttypmod - 4) >> 16 <= 28 THEN 13 ELSE 17 END) "
                "WHEN t.typname ~ '^tsql_varchar_[0-9]+$' OR a.atttypmod > 4 THEN "
                "(CASE WHEN t.typname ~ '^tsql_varchar_[0-9]+$' THEN substr(t.typname, 14)::integer "
                "ELSE a.atttypmod - 4 END) * "
                "(CASE WHEN split_part(pg_catalog.col_description(a.attrelid, a.attnum), E'\\n', 2) "
                "ILIKE 'n%' THEN 2 ELSE 1 END) "
                "WHEN a.attlen > 0 THEN a.attlen::integer ELSE 16 END "
                "FROM pg_catalog.pg_attribute a JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
                "WHERE a.attrelid = to_regclass(" +
                name + ") AND a.attname = lower($2 COLLATE \"C\") AND NOT a.attisdropped$f$");
            connection.run(
                "CREATE OR REPLACE VIEW sysobjects AS SELECT tsql_name(c.relname, "
                "pg_catalog.obj_description(c.oid, 'pg_class'))::varchar(128) COLLATE tsql AS name, "
                "(CASE c.relkind WHEN 'v' THEN 'V' ELSE 'U' END)::varchar(2) AS xtype, (CASE c.relkind WHEN "
                "'v' THEN 'V' ELSE 'U' END)::varchar(2) AS type, c.oid::bigint::integer AS id FROM "
                "pg_catalog.pg_class c WHERE c.relkind IN ('r', 'p', 'v') AND "
                "pg_catalog.pg_table_is_visible(c.oid) AND c.relname <> 'sysobjects' AND c.relname <> "
                "'sysindexes' AND c.relnamespace <> 'pg_catalog'::regnamespace AND c.relname NOT LIKE "
                "'tsql!_%' "
                "ESCAPE '!' UNION ALL SELECT k.conname::varchar(128) COLLATE tsql, (CASE k.contype WHEN "
                "'p' THEN 'PK' ELSE 'UQ' END)::varchar(2), (CASE k.contype WHEN 'p' THEN 'K' ELSE 'UQ' "
                "END)::varchar(2), k.oid::bigint::integer FROM pg_catalog.pg_constraint k WHERE k.contype "
                "IN ('p', 'u') AND pg_catalog.pg_table_is_visible(k.conrelid)");
            connection.run(
                "CREATE OR REPLACE VIEW sysindexes AS SELECT i.relname::varchar(128) COLLATE tsql AS name, "
                "tsql_name(t.relname, pg_catalog.obj_description(t.oid, 'pg_class'))::varchar(128) "
                "COLLATE tsql AS tablename, t.oid::bigint::integer AS id FROM "
                "pg_catalog.pg_index x JOIN pg_catalog.pg_class i ON i.oid = x.indexrelid JOIN "
                "pg_catalog.pg_class t ON t.oid = x.indrelid WHERE pg_catalog.pg_table_is_visible(t.oid) AND "
                "t.relnamespace <> 'pg_catalog'::regnamespace");
            connection.run(QByteArray("CREATE FUNCTION ") + marker +
                           "() RETURNS integer LANGUAGE sql IMMUTABLE AS 'SELECT 1'");
        }
        connection.run("COMMIT");
    } catch (...) {
        connection.run("ROLLBACK");
        throw;
    }
}

QString PgCompatibility::characterType(int length) {
    return QString::fromLatin1(characterPrefix) + QString::number(length);
}

void PgCompatibility::createCharacterType(PgConnection& connection, int length) {
    connection.run("SELECT tsql_character_type($1)", {length});
}

} // namespace tarvand::sql
