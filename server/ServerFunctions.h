#pragma once

#include <QString>

class QSqlDatabase;

// What learners and the teacher may do on the class server: functions in the schema "teclora"
// that run with their owner's rights (SECURITY DEFINER, search_path fixed) and reach a learner's
// rows only through a session the server issued after a right clave.
namespace ServerFunctions
{

// The roles the PCs and the teacher's window log in as.
inline const QString LearnerRole = QStringLiteral("teclora_learner");
inline const QString TeacherRole = QStringLiteral("teclora_teacher");

// Creates pgcrypto when missing, creates or replaces every function of the current schema (owned
// by the connecting admin), grants each to its role (both must exist) and takes every table,
// sequence and other function from everyone else.
bool install(QSqlDatabase &database, QString *error);

} // namespace ServerFunctions
