#pragma once

#include <QString>

class QTextStream;

// What "teclora --import-folder DIR ADMIN_URL [--apply]" does: brings the learners of a PC's
// folders (DIR holding "Usuarios", "Claves" and "Estadisticas") to the class server, each with
// their clave (hashed by the server), their history file as one piece, their drills, totals and
// timed tests. A name already on the server is a conflict: listed and skipped. Without apply it
// only lists what it would do; nothing on the PC is ever changed. The list goes to out, errors to
// err, in Spanish. Answers the program's exit status: 0 when every learner listed could be done.
int runImportFolder(const QString &dir, const QString &adminUrl, bool apply, QTextStream &out, QTextStream &err);
