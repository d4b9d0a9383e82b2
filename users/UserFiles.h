#pragma once

#include <QString>

// Where a learner's files live in the learners' home.
namespace UserFiles
{

// The history file of user in "Usuarios": the name as stored when a file of that name exists in
// another letter case, so "ana" reads and writes the history of "Ana". Empty for an empty or
// unsafe name (one that could leave the folder or is no valid file name).
QString historyFile(const QString &userDir, const QString &user);

} // namespace UserFiles
