#pragma once

#include <QString>

class QSqlDatabase;

// The class server's tables, in the schema "teclora", numbered in teclora.schema_version. A new
// database is made as version 1 and then migrated like any old one, so the migrations are the
// only road to the current layout. The tables are reached by no one but their owner: learners and
// the teacher call functions that check their session first.
namespace ServerSchema
{

// 1: learners with hashed claves, sessions, history pieces, drills with their keys and mistakes,
//    running totals, the teacher's password and the lab's learner password.
// 2: the wait after wrong claves in a row, and the timed tests.
// 3: the wrong claves since the last right one, for the teacher.
constexpr int CurrentVersion = 3;

enum class Outcome {
    Ready, // at the target version, migrated if it was older
    Newer, // made by a later Teclora: left untouched
    Failed, // it could not be read or migrated; error says why
};

// Brings the schema of the admin's database to version target, one step per transaction, so a
// step cut short leaves the previous version whole. Only the tests stop short of CurrentVersion.
Outcome migrate(QSqlDatabase &database, QString *error, int target = CurrentVersion);

} // namespace ServerSchema
