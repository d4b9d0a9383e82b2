#pragma once

#include <QString>

namespace LearnerStatsFile
{

// The statistics database of user: "Estadisticas/<stored name>.sqlite" beside "Usuarios", where
// the stored name is the one the learner's history file has (so "ana" and "Ana" share one).
// Empty for an unregistered learner and for a name that is no safe file name.
QString path(const QString &userDir, const QString &user);

} // namespace LearnerStatsFile
