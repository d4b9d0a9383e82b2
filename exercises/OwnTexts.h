#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

// The exercises of a learner's own texts, kept as the course keeps its lessons: 1.txt, 2.txt ...
// in Windows-1252 with CR LF, numbered without gaps so next and previous walk them in order.
class OwnTexts
{
public:
    // folder is where a signed-in learner's texts last across runs; empty for a learner who works
    // unregistered, whose texts go to a folder of this session's that is gone with it.
    explicit OwnTexts(const QString &folder);
    ~OwnTexts();

    QString folder() const;
    int count() const;
    // Stores exercises after the last one; the number of the first, or 0 when one could not be
    // written (none is kept then).
    int add(const QStringList &exercises);
    // Takes exercise number out; those after it move down one. False when it could not be.
    bool remove(int number);

private:
    QString fileOf(int number) const;

    std::unique_ptr<QTemporaryDir> session;
    QString where;
};
