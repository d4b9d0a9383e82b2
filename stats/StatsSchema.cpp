#include "StatsSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace StatsSchema
{

namespace
{

const QStringList Version1 = {
    QStringLiteral("CREATE TABLE drills (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, exercise TEXT NOT NULL,"
                   " seconds INTEGER NOT NULL, speed INTEGER NOT NULL, right_keys INTEGER NOT NULL,"
                   " wrong_keys INTEGER NOT NULL, accuracy INTEGER NOT NULL)"),
    QStringLiteral("CREATE TABLE drill_keys (drill INTEGER NOT NULL REFERENCES drills(id), character INTEGER NOT NULL,"
                   " right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL, PRIMARY KEY (drill, character))"),
};

const QStringList Version2 = {
    QStringLiteral("CREATE TABLE drill_mistakes (drill INTEGER NOT NULL REFERENCES drills(id),"
                   " expected INTEGER NOT NULL, typed INTEGER NOT NULL, kind INTEGER NOT NULL,"
                   " times INTEGER NOT NULL, PRIMARY KEY (drill, expected, typed))"),
    // The totals are what the progress window reads; summing ten thousand drills on every
    // opening would be too slow.
    QStringLiteral("CREATE TABLE key_totals (character INTEGER PRIMARY KEY, right_count INTEGER NOT NULL,"
                   " wrong_count INTEGER NOT NULL)"),
    QStringLiteral("INSERT INTO key_totals SELECT character, SUM(right_count), SUM(wrong_count) FROM drill_keys"
                   " GROUP BY character"),
    QStringLiteral("CREATE TABLE mistake_totals (expected INTEGER NOT NULL, typed INTEGER NOT NULL,"
                   " kind INTEGER NOT NULL, times INTEGER NOT NULL, PRIMARY KEY (expected, typed))"),
};

const QStringList Version3 = {
    QStringLiteral("CREATE TABLE exams (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, text TEXT NOT NULL,"
                   " minutes INTEGER NOT NULL, seconds INTEGER NOT NULL, penalty INTEGER NOT NULL,"
                   " keystrokes INTEGER NOT NULL, errors INTEGER NOT NULL, gross INTEGER NOT NULL,"
                   " net INTEGER NOT NULL, accuracy INTEGER NOT NULL)"),
};

// The columns the program reads and writes, table by table. A file that says it is at the current
// version but lacks one (edited by hand, or made by another program) would take drills it
// cannot give back.
const QStringList CurrentColumns = {
    QStringLiteral("id, finished, exercise, seconds, speed, right_keys, wrong_keys, accuracy FROM drills"),
    QStringLiteral("drill, character, right_count, wrong_count FROM drill_keys"),
    QStringLiteral("drill, expected, typed, kind, times FROM drill_mistakes"),
    QStringLiteral("character, right_count, wrong_count FROM key_totals"),
    QStringLiteral("expected, typed, kind, times FROM mistake_totals"),
    QStringLiteral(
        "id, finished, text, minutes, seconds, penalty, keystrokes, errors, gross, net, accuracy FROM exams"),
};

// The tables the progress window reads. A damaged one answers some queries and not others: a
// drill written into it might not be read back, and writing could damage it further. The
// per-drill tables, by far the largest, are only ever written, and checking them would slow the
// opening of the typing window several times over.
const QStringList TablesReadBack = {
    QStringLiteral("drills"), QStringLiteral("key_totals"), QStringLiteral("mistake_totals"), QStringLiteral("exams")};

bool readable(QSqlDatabase &database)
{
    QSqlQuery query(database);
    const auto answers = [&query](const QString &columns) {
        return query.exec(QStringLiteral("SELECT ") + columns + QStringLiteral(" LIMIT 0"));
    };
    const auto whole = [&query](const QString &table) {
        return query.exec(QStringLiteral("PRAGMA quick_check(%1)").arg(table)) && query.next()
            && query.value(0).toString() == QLatin1String("ok");
    };
    return std::all_of(CurrentColumns.begin(), CurrentColumns.end(), answers)
        && std::all_of(TablesReadBack.begin(), TablesReadBack.end(), whole);
}

// The statements that bring version n - 1 to version n.
const QStringList &migrationTo(int version)
{
    static const QStringList *const steps[] = {&Version1, &Version2, &Version3};
    return *steps[version - 1];
}

int versionOf(QSqlDatabase &database, bool *ok)
{
    QSqlQuery query(database);
    *ok = query.exec(QStringLiteral("PRAGMA user_version")) && query.next();
    return *ok ? query.value(0).toInt() : 0;
}

// One step in one transaction: a migration cut short leaves the previous version whole.
bool migrate(QSqlDatabase &database, int version)
{
    if (!database.transaction()) {
        return false;
    }
    QSqlQuery query(database);
    for (const QString &statement : migrationTo(version)) {
        if (!query.exec(statement)) {
            database.rollback();
            return false;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version))) {
        database.rollback();
        return false;
    }
    return database.commit();
}

} // namespace

Outcome prepare(QSqlDatabase &database)
{
    bool ok = false;
    const int version = versionOf(database, &ok);
    if (!ok || version < 0) {
        return Outcome::Unusable;
    }
    if (version > CurrentVersion) {
        return Outcome::Newer;
    }
    for (int next = version + 1; next <= CurrentVersion; ++next) {
        if (!migrate(database, next)) {
            return Outcome::Unusable;
        }
    }
    return readable(database) ? Outcome::Ready : Outcome::Unusable;
}

} // namespace StatsSchema
