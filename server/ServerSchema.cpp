#include "ServerSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace ServerSchema
{

namespace
{

const QStringList Version1 = {
    QStringLiteral("CREATE SCHEMA IF NOT EXISTS teclora"),
    QStringLiteral("CREATE TABLE teclora.schema_version (version integer NOT NULL)"),
    QStringLiteral("INSERT INTO teclora.schema_version VALUES (0)"),
    // Names are unique whatever their letter case, and kept as typed.
    QStringLiteral(R"(CREATE TABLE teclora.learners (
        id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
        name text NOT NULL CHECK (name <> '' AND length(name) <= 64),
        clave_hash text NOT NULL,
        registered timestamptz NOT NULL DEFAULT now()))"),
    QStringLiteral("CREATE UNIQUE INDEX learners_name_key ON teclora.learners (lower(name))"),
    QStringLiteral(R"(CREATE TABLE teclora.sessions (
        token text PRIMARY KEY,
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        created timestamptz NOT NULL DEFAULT now()))"),
    // piece_id is made by the PC, so a piece sent again after a lost answer is kept once.
    QStringLiteral(R"(CREATE TABLE teclora.history_pieces (
        id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        piece_id uuid NOT NULL,
        finished timestamptz NOT NULL,
        body bytea NOT NULL,
        UNIQUE (learner, piece_id)))"),
    QStringLiteral("CREATE INDEX history_pieces_order ON teclora.history_pieces (learner, finished, id)"),
    QStringLiteral(R"(CREATE TABLE teclora.drills (
        id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        drill_id uuid NOT NULL,
        finished text NOT NULL,
        exercise text NOT NULL,
        seconds integer NOT NULL,
        speed bigint NOT NULL,
        right_keys bigint NOT NULL,
        wrong_keys bigint NOT NULL,
        accuracy bigint NOT NULL,
        UNIQUE (learner, drill_id)))"),
    QStringLiteral("CREATE INDEX drills_order ON teclora.drills (learner, finished, id)"),
    // A character is kept as its code.
    QStringLiteral(R"(CREATE TABLE teclora.drill_keys (
        drill bigint NOT NULL REFERENCES teclora.drills ON DELETE CASCADE,
        code integer NOT NULL,
        right_count bigint NOT NULL,
        wrong_count bigint NOT NULL,
        PRIMARY KEY (drill, code)))"),
    QStringLiteral(R"(CREATE TABLE teclora.drill_mistakes (
        drill bigint NOT NULL REFERENCES teclora.drills ON DELETE CASCADE,
        expected integer NOT NULL,
        typed integer NOT NULL,
        kind integer NOT NULL,
        times bigint NOT NULL,
        PRIMARY KEY (drill, expected, typed)))"),
    // The totals are what the progress window reads: summing every drill on each opening would be
    // too slow.
    QStringLiteral(R"(CREATE TABLE teclora.key_totals (
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        code integer NOT NULL,
        right_count bigint NOT NULL,
        wrong_count bigint NOT NULL,
        PRIMARY KEY (learner, code)))"),
    QStringLiteral(R"(CREATE TABLE teclora.mistake_totals (
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        expected integer NOT NULL,
        typed integer NOT NULL,
        kind integer NOT NULL,
        times bigint NOT NULL,
        PRIMARY KEY (learner, expected, typed)))"),
    QStringLiteral(R"(CREATE TABLE teclora.teacher (
        only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row),
        password_hash text NOT NULL))"),
    QStringLiteral(R"(CREATE TABLE teclora.teacher_sessions (
        token text PRIMARY KEY,
        created timestamptz NOT NULL DEFAULT now()))"),
    // The learner role's password, kept so that the set-up run again prints the same line.
    QStringLiteral(R"(CREATE TABLE teclora.lab (
        only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row),
        learner_password text NOT NULL))"),
};

const QStringList Version2 = {
    QStringLiteral(R"(ALTER TABLE teclora.learners
        ADD COLUMN wrong_in_row integer NOT NULL DEFAULT 0,
        ADD COLUMN wait_until timestamptz)"),
    QStringLiteral(R"(CREATE TABLE teclora.exams (
        id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
        learner bigint NOT NULL REFERENCES teclora.learners ON DELETE CASCADE,
        exam_id uuid NOT NULL,
        finished text NOT NULL,
        text text NOT NULL,
        minutes integer NOT NULL,
        seconds integer NOT NULL,
        penalty integer NOT NULL,
        keystrokes bigint NOT NULL,
        errors bigint NOT NULL,
        gross bigint NOT NULL,
        net bigint NOT NULL,
        accuracy bigint NOT NULL,
        UNIQUE (learner, exam_id)))"),
    QStringLiteral("CREATE INDEX exams_order ON teclora.exams (learner, finished, id)"),
};

// The wrong claves since a name's last right one survive the waits, so that the teacher sees
// someone walking through the claves.
const QStringList Version3 = {
    QStringLiteral("ALTER TABLE teclora.learners ADD COLUMN wrong_since_right integer NOT NULL DEFAULT 0"),
};

const QStringList &migrationTo(int version)
{
    static const QStringList *const steps[] = {&Version1, &Version2, &Version3};
    return *steps[version - 1];
}

// 0 for a database that has never seen the set-up.
int versionOf(QSqlDatabase &database, bool *ok)
{
    QSqlQuery query(database);
    *ok = query.exec(QStringLiteral("SELECT to_regclass('teclora.schema_version') IS NOT NULL")) && query.next();
    if (!*ok || !query.value(0).toBool()) {
        return 0;
    }
    *ok = query.exec(QStringLiteral("SELECT version FROM teclora.schema_version")) && query.next();
    return *ok ? query.value(0).toInt() : 0;
}

bool migrate(QSqlDatabase &database, int version, QString *error)
{
    if (!database.transaction()) {
        *error = database.lastError().text();
        return false;
    }
    QSqlQuery query(database);
    QStringList statements = migrationTo(version);
    statements.append(QStringLiteral("UPDATE teclora.schema_version SET version = %1").arg(version));
    for (const QString &statement : std::as_const(statements)) {
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            database.rollback();
            return false;
        }
    }
    if (!database.commit()) {
        *error = database.lastError().text();
        return false;
    }
    return true;
}

} // namespace

Outcome migrate(QSqlDatabase &database, QString *error, int target)
{
    bool ok = false;
    const int version = versionOf(database, &ok);
    if (!ok) {
        *error = database.lastError().text();
        return Outcome::Failed;
    }
    if (version > CurrentVersion) {
        return Outcome::Newer;
    }
    for (int next = version + 1; next <= target; ++next) {
        if (!migrate(database, next, error)) {
            return Outcome::Failed;
        }
    }
    return Outcome::Ready;
}

} // namespace ServerSchema
