#include "LearnerHomes.h"

#include "FolderLearnerStore.h"
#include "MachineSettings.h"
#include "ServerAddress.h"
#include "ServerClassRoster.h"
#include "ServerLearnerStore.h"

LearnerHomes LearnerHomes::choose(const QString &serverUrl, const QString &userDir)
{
    LearnerHomes homes;
    if (!serverUrl.isEmpty()) {
        const ServerAddress address = ServerAddress::parse(serverUrl);
        if (address.isValid()) {
            // What waits for a server that is away is kept on this PC, beside its learners' files.
            homes.store
                = std::make_unique<ServerLearnerStore>(address, userDir + QStringLiteral("/cola-del-servidor.json"));
            homes.roster = std::make_unique<ServerClassRoster>(address);
            return homes;
        }
        homes.problem = QStringLiteral("La dirección del servidor del aula no sirve (%1). Teclora sigue con los "
                                       "usuarios de este ordenador.")
                            .arg(address.error());
    }
    homes.store = std::make_unique<FolderLearnerStore>(userDir);
    return homes;
}

QString LearnerHomes::configuredServer()
{
    const QString forThisRun = qEnvironmentVariable("TECLORA_SERVER").trimmed();
    return forThisRun.isEmpty() ? MachineSettings().classServer() : forThisRun;
}
