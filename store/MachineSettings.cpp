#include "MachineSettings.h"

MachineSettings::MachineSettings()
    : storage(QStringLiteral("Teclora"), QStringLiteral("Teclora"))
{
}
