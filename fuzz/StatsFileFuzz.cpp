#include "FuzzSupport.h"
#include "KeyErrorRates.h"
#include "ProgressFigures.h"
#include "StatsStore.h"
#include "WeakKeys.h"

#include <QFile>
#include <QTemporaryDir>

namespace
{

QString databasePath()
{
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("Ana.sqlite"));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DrillRecord aDrill()
{
    DrillRecord drill;
    drill.finished = QStringLiteral("2026-12-06T09:15:00");
    drill.exercise = QStringLiteral("Castellano\\01 Fila central\\1");
    drill.seconds = 60;
    drill.speed = 120;
    drill.right = 110;
    drill.wrong = 10;
    drill.accuracy = 91;
    drill.keys = {{u'a', 60, 4}, {u'ñ', 50, 6}};
    drill.mistakes = {{u'ñ', u'l', 6, 6}};
    return drill;
}

} // namespace

// A learner's statistics file as a damaged disk, another program or a hand edit may leave it:
// the program opens it, shows the learner's progress from it and records a drill in it. None of
// that may crash or overflow, a database written by a later program stays untouched, and a
// drill recorded is read back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzSupport::ensureGuiApplication();
    const QString path = databasePath();
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
    const QByteArray input = FuzzSupport::bytes(data, size).toByteArray();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size()) {
            FuzzSupport::fail("the input could not be written to a file");
        }
    }

    StatsStore store(path);
    const QList<DrillRecord> drills = store.drills();
    const QList<KeyCount> totals = store.keyTotals();
    ProgressFigures::overall(drills);
    ProgressFigures::lessons(drills);
    ProgressFigures::keysWithMostErrors(totals, store.mistakeTotals(), 10);
    WeakKeys::choose(totals);
    KeyErrorRates::perKey(totals);

    if (store.state() == StatsSchema::Outcome::Newer) {
        if (store.record(aDrill()) || contents(path) != input) {
            FuzzSupport::fail("a database of a later program was changed");
        }
    } else if (store.record(aDrill())) {
        if (store.state() != StatsSchema::Outcome::Ready) {
            FuzzSupport::fail("a database that is not ready took a drill");
        }
        if (store.drills().size() != drills.size() + 1) {
            FuzzSupport::fail("a recorded drill was not read back");
        }
    }
    return 0;
}
