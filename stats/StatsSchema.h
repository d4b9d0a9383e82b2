#pragma once

class QSqlDatabase;

// The layout of a learner's statistics database, numbered in SQLite's user_version. A new
// database is made as version 1 and then migrated like any old one, so the migrations are the
// only road to the current layout.
namespace StatsSchema
{

// 1: the drills and, per drill, each expected character's right and wrong keystrokes.
// 2: adds what was typed instead (with the kind of error) and running totals per character.
// 3: adds the timed tests, kept apart from the drills.
constexpr int CurrentVersion = 3;

enum class Outcome {
    Ready, // at the current version, migrated if it was older
    Newer, // written by a later Teclora: left untouched
    Unusable, // not a database, damaged, or it could not be read or migrated
};

Outcome prepare(QSqlDatabase &database);

} // namespace StatsSchema
