#pragma once

#include "LabFigures.h"
#include "LabShape.h"
#include "ServerAddress.h"

#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <vector>

class PostgresServer;
struct PcTally;
struct SwitchOn;

// One lab played against a fresh database of server: set up as the lab's administrator would
// (the schema, the learners, the crowd's long histories), then every PC a thread of its own with
// a real store and queue, and at the end the server's rows counted against what the PCs sent.
class LabRun
{
public:
    LabRun(PostgresServer &server, const LabShape &shape);

    // Why the lab could not be set up; empty when it was.
    QString problem() const
    {
        return why;
    }

    LabFigures play();

private:
    using Clock = std::chrono::steady_clock;

    QString prepareDatabase();
    // What the administrator runs on the lab's database; its error, empty when it ran.
    QString seed(const QString &statement, const QVariantList &values);

    // A learner of the lab: signs in as the PC comes on, then finishes a drill every interval of
    // the session.
    void practise(int pc, SwitchOn &switchOn, PcTally &tally) const;
    // A learner of the crowd: the sign-in window shows the list as the PC comes on; halfway
    // through the session they all sign in and the typing window loads their long history.
    void arrive(int pc, SwitchOn &switchOn, PcTally &tally) const;
    void countRows(const std::vector<PcTally> &tallies, LabFigures &figures);
    void openHistoryAlone(LabFigures &figures) const;

    // From the session's start to the crowd's arrival: halfway through.
    Clock::duration crowdDelay() const;
    // The learner at PC pc, and where that PC keeps its queue.
    QString learnerName(int pc) const;
    QString queuePath(int pc) const;

    PostgresServer &server;
    LabShape shape;
    QString database;
    ServerAddress learnerAddress;
    QTemporaryDir pcs;
    int historyPieces = 0;
    QString why;
};
