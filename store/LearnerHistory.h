#pragma once

#include <QByteArray>
#include <QList>

// One learner's history: RTF documents shown one after the other in the echo pane. A folder keeps
// it as one file written at the exit; a server keeps every finished drill's piece as it comes.
class LearnerHistory
{
public:
    virtual ~LearnerHistory() = default;

    struct Loaded {
        // In the order they were written; none for a learner with no history yet.
        QList<QByteArray> documents;
        // The history is there but could not be read: writing this run's shorter one over it
        // would lose it.
        bool unreadableKept = false;
    };
    virtual Loaded load() = 0;

    // A part of the history that just came to be (the date line of a session, a drill's echo
    // with its result line); false when it could not be kept.
    virtual bool append(const QByteArray &piece) = 0;
    // The whole history as the pane holds it at the exit; false when it could not be kept.
    virtual bool save(const QByteArray &whole) = 0;
};
