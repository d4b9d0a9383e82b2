#pragma once

#include <QString>

class QTextStream;

// What "teclora --init-server ADMIN_URL" does on the class server, with no display: connects as
// the administrator, creates or migrates the schema, creates the two roles when they are missing,
// sets the teacher's password read from in (an empty answer keeps the one set before), and writes
// on out the line the PCs' configuration takes, "servidor=postgresql://teclora_learner:...".
// Run again it migrates and changes nothing else, and writes the same line. Prompts and errors go
// to err, in Spanish. Answers the program's exit status: 0 when done.
int runInitServer(const QString &adminUrl, QTextStream &in, QTextStream &out, QTextStream &err);
