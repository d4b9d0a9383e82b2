#include "ServerFunctions.h"

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace ServerFunctions
{

namespace
{

// What the placeholders of the statements below stand for. Every function carries @definer@ or
// @internal@, whose @path@ becomes the schemas it may name: its own and pgcrypto's, then pg_temp
// last, so nobody's objects stand in for the ones it means.
const QList<QPair<QString, QString>> Expansions = {
    {QStringLiteral("@definer@"), QStringLiteral("SECURITY DEFINER SET search_path = @path@")},
    {QStringLiteral("@internal@"), QStringLiteral("SET search_path = @path@")},
    // The rows the statistics read, as the learner's and the teacher's functions give them.
    {QStringLiteral("@drill_row@"),
        QStringLiteral("finished text, exercise text, seconds integer, speed bigint, right_keys bigint,"
                       " wrong_keys bigint, accuracy bigint")},
    {QStringLiteral("@key_row@"), QStringLiteral("code integer, right_count bigint, wrong_count bigint")},
    {QStringLiteral("@mistake_row@"), QStringLiteral("expected integer, typed integer, kind integer, times bigint")},
    {QStringLiteral("@exam_row@"),
        QStringLiteral("finished text, text text, minutes integer, seconds integer, penalty integer,"
                       " keystrokes bigint, errors bigint, gross bigint, net bigint, accuracy bigint")},
};

// Owner-only helpers, called by the functions below.
const QStringList InternalFunctions = {
    // A turn at the heavy work of kind p_kind (7301 a sign-in, 7302 opening a history), held to
    // the end of the calling statement's transaction. Two of each kind run at once and the rest
    // wait in line, so that a class signing in together leaves the cores to the drills being kept
    // meanwhile, which take no turn, instead of sharing them out among two hundred sign-ins. A
    // turn held for longer than the wait allows (a PC gone in the middle of its history) is not
    // waited for: the work goes ahead without one.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.take_turn(p_kind integer) RETURNS void
        LANGUAGE plpgsql @internal@ SET lock_timeout = '5s' AS $$
        DECLARE
            v_turns constant integer := 2;
        BEGIN
            FOR v_turn IN 0..v_turns - 1 LOOP
                IF pg_try_advisory_xact_lock(p_kind, v_turn) THEN
                    RETURN;
                END IF;
            END LOOP;
            PERFORM pg_advisory_xact_lock(p_kind, floor(random() * v_turns)::integer);
        EXCEPTION WHEN lock_not_available THEN
            NULL;
        END $$)"),
    // A clave's salted bcrypt hash. Four digits are ten thousand claves: whoever held the hashes
    // would try them all at any cost, so what guards a clave is that no one reaches the hashes and
    // the wait after five wrong ones. The lowest cost keeps a lab's sign-ins quick when a whole
    // class signs in at once (about 1 ms each here, against 4 ms at pgcrypto's default).
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.clave_hash(p_clave text) RETURNS text
        LANGUAGE sql @internal@ AS $$ SELECT crypt(p_clave, gen_salt('bf', 4)) $$)"),
    // A new learner called p_name with the clave p_clave: their id; null when the name is taken
    // in any letter case.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.new_learner(p_name text, p_clave text) RETURNS bigint
        LANGUAGE sql @internal@ AS $$
        INSERT INTO learners (name, clave_hash) VALUES (p_name, clave_hash(p_clave))
            ON CONFLICT ((lower(name))) DO NOTHING RETURNING id $$)"),
    // The learner whose session token is p_token; null for no session.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.session_learner(p_token text) RETURNS bigint
        LANGUAGE sql STABLE @internal@ AS $$ SELECT learner FROM sessions WHERE token = p_token $$)"),
    // A new session of learner p_learner: its token.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.new_session(p_learner bigint) RETURNS text
        LANGUAGE sql @internal@ AS $$
        INSERT INTO sessions (token, learner) VALUES (encode(gen_random_bytes(32), 'hex'), p_learner)
        RETURNING token $$)"),
    // The learner called p_name, in any letter case, when p_token is a teacher's session.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.teacher_learner(p_token text, p_name text) RETURNS bigint
        LANGUAGE sql STABLE @internal@ AS $$
        SELECT id FROM learners WHERE lower(name) = lower(p_name)
            AND EXISTS (SELECT 1 FROM teacher_sessions WHERE token = p_token) $$)"),
    // Adds keys [{c, r, w}] and mistakes [{e, t, k, n}] to the learner's running totals.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.add_to_totals(p_learner bigint, p_keys jsonb, p_mistakes jsonb)
        RETURNS void LANGUAGE sql @internal@ AS $$
        INSERT INTO key_totals AS t (learner, code, right_count, wrong_count)
            SELECT p_learner, k.c, sum(k.r), sum(k.w)
            FROM jsonb_to_recordset(p_keys) AS k(c integer, r bigint, w bigint) GROUP BY k.c
            ON CONFLICT (learner, code) DO UPDATE SET right_count = t.right_count + excluded.right_count,
                wrong_count = t.wrong_count + excluded.wrong_count;
        INSERT INTO mistake_totals AS t (learner, expected, typed, kind, times)
            SELECT p_learner, m.e, m.t, max(m.k), sum(m.n)
            FROM jsonb_to_recordset(p_mistakes) AS m(e integer, t integer, k integer, n bigint) GROUP BY m.e, m.t
            ON CONFLICT (learner, expected, typed) DO UPDATE SET kind = excluded.kind,
                times = t.times + excluded.times $$)"),
    // A learner's drills, keys, mistakes and tests as the statistics read them, in finishing order.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.drills_of(p_learner bigint)
        RETURNS TABLE (@drill_row@) LANGUAGE sql STABLE @internal@ AS $$
        SELECT d.finished, d.exercise, d.seconds, d.speed, d.right_keys, d.wrong_keys, d.accuracy
        FROM drills d WHERE d.learner = p_learner ORDER BY d.finished, d.id $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.key_totals_of(p_learner bigint)
        RETURNS TABLE (@key_row@) LANGUAGE sql STABLE @internal@ AS $$
        SELECT t.code, t.right_count, t.wrong_count FROM key_totals t WHERE t.learner = p_learner
        ORDER BY t.code $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.mistake_totals_of(p_learner bigint)
        RETURNS TABLE (@mistake_row@) LANGUAGE sql STABLE @internal@ AS $$
        SELECT t.expected, t.typed, t.kind, t.times FROM mistake_totals t WHERE t.learner = p_learner
        ORDER BY t.expected, t.typed $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.exams_of(p_learner bigint)
        RETURNS TABLE (@exam_row@) LANGUAGE sql STABLE @internal@ AS $$
        SELECT e.finished, e.text, e.minutes, e.seconds, e.penalty, e.keystrokes, e.errors, e.gross, e.net,
            e.accuracy
        FROM exams e WHERE e.learner = p_learner ORDER BY e.finished, e.id $$)"),
    // The set-up's: the teacher's password, hashed; whether one is set.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.set_teacher_password(p_password text) RETURNS void
        LANGUAGE sql @internal@ AS $$
        INSERT INTO teacher (password_hash) VALUES (crypt(p_password, gen_salt('bf')))
        ON CONFLICT (only_row) DO UPDATE SET password_hash = excluded.password_hash $$)"),
    // The import's: a learner of a PC's folders with the history as one piece, the drills (whose
    // keys the folders do not keep), the totals and the tests; false when the name is taken.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.import_learner(p_name text, p_clave text, p_history bytea,
            p_history_finished timestamptz, p_drills jsonb, p_key_totals jsonb, p_mistake_totals jsonb, p_exams jsonb)
        RETURNS boolean LANGUAGE plpgsql @internal@ AS $$
        DECLARE
            v_learner bigint := new_learner(p_name, p_clave);
        BEGIN
            IF v_learner IS NULL THEN
                RETURN false;
            END IF;
            IF length(p_history) > 0 THEN
                INSERT INTO history_pieces (learner, piece_id, finished, body)
                    VALUES (v_learner, gen_random_uuid(), p_history_finished, p_history);
            END IF;
            INSERT INTO drills (learner, drill_id, finished, exercise, seconds, speed, right_keys, wrong_keys, accuracy)
                SELECT v_learner, gen_random_uuid(), d.finished, d.exercise, d.seconds, d.speed, d.right_keys,
                    d.wrong_keys, d.accuracy
                FROM jsonb_to_recordset(p_drills) AS d(finished text, exercise text, seconds integer, speed bigint,
                    right_keys bigint, wrong_keys bigint, accuracy bigint);
            INSERT INTO exams (learner, exam_id, finished, text, minutes, seconds, penalty, keystrokes, errors, gross,
                    net, accuracy)
                SELECT v_learner, gen_random_uuid(), e.finished, e.text, e.minutes, e.seconds, e.penalty, e.keystrokes,
                    e.errors, e.gross, e.net, e.accuracy
                FROM jsonb_to_recordset(p_exams) AS e(finished text, text text, minutes integer, seconds integer,
                    penalty integer, keystrokes bigint, errors bigint, gross bigint, net bigint, accuracy bigint);
            PERFORM add_to_totals(v_learner, p_key_totals, p_mistake_totals);
            RETURN true;
        END $$)"),
};

// The learner role's functions.
const QStringList LearnerFunctions = {
    // The learners' names as stored, in alphabetical order.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.learner_names() RETURNS SETOF text
        LANGUAGE sql STABLE @definer@ AS $$ SELECT name FROM learners ORDER BY lower(name), name $$)"),
    // Registers p_name with p_clave and the history's first piece: a session token, null when
    // the name is taken in any letter case.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.register_learner(p_name text, p_clave text,
            p_piece_id uuid, p_first_piece bytea) RETURNS text
        LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v_learner bigint := new_learner(p_name, p_clave);
        BEGIN
            IF v_learner IS NULL THEN
                RETURN NULL;
            END IF;
            INSERT INTO history_pieces (learner, piece_id, finished, body)
                VALUES (v_learner, p_piece_id, now(), p_first_piece);
            RETURN new_session(v_learner);
        END $$)"),
    // Checks p_clave: outcome 'accepted' with a session token, 'unknown', 'wrong', or 'waiting'
    // with the seconds left. Five wrong claves in a row make the name wait 60 s.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.sign_in(p_name text, p_clave text,
            OUT outcome text, OUT session text, OUT wait_seconds integer, OUT stored_name text)
        LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v learners%ROWTYPE;
        BEGIN
            PERFORM take_turn(7301);
            wait_seconds := 0;
            SELECT * INTO v FROM learners WHERE lower(name) = lower(p_name) FOR UPDATE;
            IF NOT FOUND THEN
                outcome := 'unknown';
                RETURN;
            END IF;
            stored_name := v.name;
            IF v.wait_until > clock_timestamp() THEN
                outcome := 'waiting';
                wait_seconds := ceil(extract(epoch FROM v.wait_until - clock_timestamp()))::integer;
            ELSIF v.clave_hash = crypt(p_clave, v.clave_hash) THEN
                UPDATE learners SET wrong_in_row = 0, wrong_since_right = 0, wait_until = NULL WHERE id = v.id;
                outcome := 'accepted';
                session := new_session(v.id);
            ELSIF v.wrong_in_row + 1 >= 5 THEN
                UPDATE learners SET wrong_in_row = 0, wrong_since_right = wrong_since_right + 1,
                    wait_until = clock_timestamp() + interval '60 seconds' WHERE id = v.id;
                outcome := 'waiting';
                wait_seconds := 60;
            ELSE
                UPDATE learners SET wrong_in_row = wrong_in_row + 1, wrong_since_right = wrong_since_right + 1
                    WHERE id = v.id;
                outcome := 'wrong';
            END IF;
        END $$)"),
    // Keeps a history piece finished at p_finished; a piece id kept before changes nothing.
    // False when p_token is no session.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.append_history(p_token text, p_piece_id uuid,
            p_finished timestamptz, p_body bytea) RETURNS boolean
        LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v_learner bigint := session_learner(p_token);
        BEGIN
            IF v_learner IS NULL THEN
                RETURN false;
            END IF;
            INSERT INTO history_pieces (learner, piece_id, finished, body)
                VALUES (v_learner, p_piece_id, p_finished, p_body) ON CONFLICT DO NOTHING;
            RETURN true;
        END $$)"),
    // The session's learner's history pieces, in finishing order.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.my_history(p_token text) RETURNS SETOF bytea
        LANGUAGE plpgsql @definer@ AS $$
        BEGIN
            PERFORM take_turn(7302);
            RETURN QUERY SELECT body FROM history_pieces WHERE learner = session_learner(p_token)
                ORDER BY finished, id;
        END $$)"),
    // Keeps a drill {finished, exercise, seconds, speed, right_keys, wrong_keys, accuracy, keys,
    // mistakes} and adds it to the totals; a drill id kept before changes nothing. False when
    // p_token is no session.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.record_drill(p_token text, p_drill_id uuid, p_drill jsonb)
        RETURNS boolean LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v_learner bigint := session_learner(p_token);
            v_drill bigint;
        BEGIN
            IF v_learner IS NULL THEN
                RETURN false;
            END IF;
            INSERT INTO drills (learner, drill_id, finished, exercise, seconds, speed, right_keys, wrong_keys, accuracy)
                SELECT v_learner, p_drill_id, d.finished, d.exercise, d.seconds, d.speed, d.right_keys,
                    d.wrong_keys, d.accuracy
                FROM jsonb_to_record(p_drill) AS d(finished text, exercise text, seconds integer, speed bigint,
                    right_keys bigint, wrong_keys bigint, accuracy bigint)
                ON CONFLICT (learner, drill_id) DO NOTHING RETURNING id INTO v_drill;
            IF v_drill IS NULL THEN
                RETURN true;
            END IF;
            INSERT INTO drill_keys (drill, code, right_count, wrong_count)
                SELECT v_drill, k.c, sum(k.r), sum(k.w)
                FROM jsonb_to_recordset(p_drill->'keys') AS k(c integer, r bigint, w bigint) GROUP BY k.c;
            INSERT INTO drill_mistakes (drill, expected, typed, kind, times)
                SELECT v_drill, m.e, m.t, max(m.k), sum(m.n)
                FROM jsonb_to_recordset(p_drill->'mistakes') AS m(e integer, t integer, k integer, n bigint)
                GROUP BY m.e, m.t;
            PERFORM add_to_totals(v_learner, p_drill->'keys', p_drill->'mistakes');
            RETURN true;
        END $$)"),
    // Keeps a timed test {finished, text, minutes, seconds, penalty, keystrokes, errors, gross, net,
    // accuracy, keys, mistakes}, its keys added to the totals; likewise once per id.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.record_exam(p_token text, p_exam_id uuid, p_exam jsonb)
        RETURNS boolean LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v_learner bigint := session_learner(p_token);
            v_exam bigint;
        BEGIN
            IF v_learner IS NULL THEN
                RETURN false;
            END IF;
            INSERT INTO exams (learner, exam_id, finished, text, minutes, seconds, penalty, keystrokes, errors,
                    gross, net, accuracy)
                SELECT v_learner, p_exam_id, e.finished, e.text, e.minutes, e.seconds, e.penalty, e.keystrokes,
                    e.errors, e.gross, e.net, e.accuracy
                FROM jsonb_to_record(p_exam) AS e(finished text, text text, minutes integer, seconds integer,
                    penalty integer, keystrokes bigint, errors bigint, gross bigint, net bigint, accuracy bigint)
                ON CONFLICT (learner, exam_id) DO NOTHING RETURNING id INTO v_exam;
            IF v_exam IS NOT NULL THEN
                PERFORM add_to_totals(v_learner, p_exam->'keys', p_exam->'mistakes');
            END IF;
            RETURN true;
        END $$)"),
    // The session's learner's drills, key totals, mistake totals and tests.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.my_drills(p_token text)
        RETURNS TABLE (@drill_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM drills_of(session_learner(p_token)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.my_key_totals(p_token text)
        RETURNS TABLE (@key_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM key_totals_of(session_learner(p_token)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.my_mistake_totals(p_token text)
        RETURNS TABLE (@mistake_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM mistake_totals_of(session_learner(p_token)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.my_exams(p_token text)
        RETURNS TABLE (@exam_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM exams_of(session_learner(p_token)) $$)"),
};

// The teacher role's functions.
const QStringList TeacherFunctions = {
    // A teacher's session token for the right password; null for a wrong one.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.teacher_sign_in(p_password text) RETURNS text
        LANGUAGE sql @definer@ AS $$
        INSERT INTO teacher_sessions (token)
            SELECT encode(gen_random_bytes(32), 'hex') FROM teacher
            WHERE password_hash = crypt(p_password, password_hash)
        RETURNING token $$)"),
    // The learners' names with the wrong claves typed for each since their last right one, for a
    // teacher's session only.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.class_learners(p_token text)
        RETURNS TABLE (name text, wrong_claves integer) LANGUAGE sql STABLE @definer@ AS $$
        SELECT name, wrong_since_right FROM learners
        WHERE EXISTS (SELECT 1 FROM teacher_sessions WHERE token = p_token)
        ORDER BY lower(name) $$)"),
    // One learner's drills, key totals, mistake totals and tests, for the progress window.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.class_drills(p_token text, p_name text)
        RETURNS TABLE (@drill_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM drills_of(teacher_learner(p_token, p_name)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.class_key_totals(p_token text, p_name text)
        RETURNS TABLE (@key_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM key_totals_of(teacher_learner(p_token, p_name)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.class_mistake_totals(p_token text, p_name text)
        RETURNS TABLE (@mistake_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM mistake_totals_of(teacher_learner(p_token, p_name)) $$)"),
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.class_exams(p_token text, p_name text)
        RETURNS TABLE (@exam_row@) LANGUAGE sql STABLE @definer@ AS $$
        SELECT * FROM exams_of(teacher_learner(p_token, p_name)) $$)"),
    // Gives the learner a new clave, ends the wait and every session on other PCs; false for an
    // unknown name or no teacher's session.
    QStringLiteral(R"(CREATE OR REPLACE FUNCTION teclora.reset_clave(p_token text, p_name text, p_clave text)
        RETURNS boolean LANGUAGE plpgsql @definer@ AS $$
        DECLARE
            v_learner bigint := teacher_learner(p_token, p_name);
        BEGIN
            IF v_learner IS NULL THEN
                RETURN false;
            END IF;
            UPDATE learners SET clave_hash = clave_hash(p_clave), wrong_in_row = 0,
                wrong_since_right = 0, wait_until = NULL WHERE id = v_learner;
            DELETE FROM sessions WHERE learner = v_learner;
            RETURN true;
        END $$)"),
};

// The function a statement creates, by name and input arguments, as GRANT names it.
QString signatureOf(const QString &statement)
{
    static const QString prefix = QStringLiteral("CREATE OR REPLACE FUNCTION ");
    const qsizetype start = statement.indexOf(prefix) + prefix.size();
    const qsizetype paren = statement.indexOf(QLatin1Char('('), start);
    const qsizetype close = statement.indexOf(QLatin1Char(')'), paren);
    // OUT parameters are no part of the signature.
    QStringList inputs = statement.mid(paren + 1, close - paren - 1).split(QLatin1Char(','));
    inputs.removeIf([](const QString &argument) {
        return argument.trimmed().startsWith(QLatin1String("OUT "));
    });
    return statement.mid(start, paren - start) + QLatin1Char('(') + inputs.join(QLatin1Char(',')) + QLatin1Char(')');
}

bool run(QSqlQuery &query, const QString &statement, QString *error)
{
    if (query.exec(statement)) {
        return true;
    }
    *error = query.lastError().text();
    return false;
}

} // namespace

bool install(QSqlDatabase &database, QString *error)
{
    if (!database.transaction()) {
        *error = database.lastError().text();
        return false;
    }
    QSqlQuery query(database);
    const auto fail = [&database] {
        database.rollback();
        return false;
    };
    // pgcrypto may already be installed by the administrator, in a schema of their choosing.
    if (!run(query, QStringLiteral("CREATE EXTENSION IF NOT EXISTS pgcrypto SCHEMA teclora"), error)
        || !run(query,
            QStringLiteral("SELECT quote_ident(n.nspname) FROM pg_extension e"
                           " JOIN pg_namespace n ON n.oid = e.extnamespace WHERE e.extname = 'pgcrypto'"),
            error)
        || !query.next()) {
        return fail();
    }
    const QString cryptoSchema = query.value(0).toString();
    const QString path = cryptoSchema == u"teclora"
        ? QStringLiteral("teclora, pg_temp")
        : QStringLiteral("teclora, ") + cryptoSchema + QStringLiteral(", pg_temp");
    // The bodies are checked at creation with the session's search_path.
    if (!run(query, QStringLiteral("SET LOCAL search_path = ") + path, error)) {
        return fail();
    }
    const auto expanded = [&path](QString statement) {
        for (const auto &[token, text] : Expansions) {
            statement.replace(token, text);
        }
        return statement.replace(QStringLiteral("@path@"), path);
    };
    QStringList statements = {
        QStringLiteral("REVOKE ALL ON SCHEMA teclora FROM PUBLIC"),
        QStringLiteral("REVOKE ALL ON ALL TABLES IN SCHEMA teclora FROM PUBLIC, teclora_learner, teclora_teacher"),
        QStringLiteral("REVOKE ALL ON ALL SEQUENCES IN SCHEMA teclora FROM PUBLIC, teclora_learner, teclora_teacher"),
        QStringLiteral("GRANT USAGE ON SCHEMA teclora TO teclora_learner, teclora_teacher"),
        // The functions of an earlier set-up go first, pgcrypto's excepted: one this version no
        // longer has must not stay callable, and one whose answer changed cannot be replaced.
        QStringLiteral(R"(DO $$ DECLARE f regprocedure; BEGIN
            FOR f IN SELECT p.oid::regprocedure FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
                WHERE n.nspname = 'teclora'
                    AND NOT EXISTS (SELECT 1 FROM pg_depend d WHERE d.objid = p.oid AND d.deptype = 'e')
            LOOP EXECUTE 'DROP FUNCTION ' || f; END LOOP; END $$)"),
    };
    for (const QString &function : InternalFunctions + LearnerFunctions + TeacherFunctions) {
        statements.append(expanded(function));
    }
    // Every function, pgcrypto's included, is first taken from everyone; then each role gets its own.
    statements.append(
        QStringLiteral("REVOKE ALL ON ALL FUNCTIONS IN SCHEMA teclora FROM PUBLIC, teclora_learner, teclora_teacher"));
    for (const QString &function : LearnerFunctions) {
        statements.append(
            QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO teclora_learner").arg(signatureOf(expanded(function))));
    }
    for (const QString &function : TeacherFunctions) {
        statements.append(
            QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO teclora_teacher").arg(signatureOf(expanded(function))));
    }
    for (const QString &statement : std::as_const(statements)) {
        if (!run(query, statement, error)) {
            return fail();
        }
    }
    if (!database.commit()) {
        *error = database.lastError().text();
        return false;
    }
    return true;
}

} // namespace ServerFunctions
