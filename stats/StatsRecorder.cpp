#include "StatsRecorder.h"

#include "Clock.h"
#include "Dialogs.h"
#include "DrillEngine.h"
#include "DrillRules.h"
#include "DrillState.h"
#include "LearnerStatsFile.h"
#include "StatsTexts.h"
#include "VirtualKeys.h"

#include <QFileInfo>

namespace
{

const QString LineBreak = QStringLiteral("\r");

} // namespace

StatsRecorder::StatsRecorder(const DrillState &drill, const DrillEngine &engine, const QString &dataDir,
    const QString &userDir, const QString &user, Dialogs &dialogs, Clock &clock, QObject *parent)
    : QObject(parent)
    , drill(drill)
    , engine(engine)
    , dialogs(dialogs)
    , clock(clock)
    , words(StatsTexts::load(dataDir))
{
    const QString file = user.isEmpty() ? QString() : LearnerStatsFile::path(userDir, user);
    learnerName = QFileInfo(file).completeBaseName();
    database = std::make_unique<StatsStore>(file);
    fellBack = !user.isEmpty() && (file.isEmpty() || database->state() != StatsSchema::Outcome::Ready);
    if (fellBack) {
        database = std::make_unique<StatsStore>(QString());
    }
}

StatsRecorder::~StatsRecorder() = default;

void StatsRecorder::startTallyIfNewDrill()
{
    // The counters start at zero with every drill: a key judged then is the drill's first.
    if (engine.rightKeys() == 0 && engine.wrongKeys() == 0) {
        tally.clear();
    }
}

void StatsRecorder::tallyKeyPress(QChar typed)
{
    const QString expected = drill.expected();
    // Nothing to type, or a line break due: the drill does not judge this key.
    if (expected.isEmpty() || expected == LineBreak || drill.DrillDone) {
        return;
    }
    startTallyIfNewDrill();
    if (expected.front() == typed) {
        tally.right(typed);
    } else {
        tally.wrong(expected.front(), typed);
    }
}

void StatsRecorder::tallyKeyDown(int keyCode)
{
    if (keyCode == VirtualKeys::Enter && drill.expected() == LineBreak && !drill.DrillDone) {
        startTallyIfNewDrill();
        tally.right(LineBreak.front());
    }
}

void StatsRecorder::recordDrill(const QString &exercise)
{
    DrillRecord record;
    record.finished = clock.now().toString(Qt::ISODate);
    record.exercise = exercise;
    record.seconds = drill.ElapsedSeconds;
    record.right = engine.rightKeys();
    record.wrong = engine.wrongKeys();
    record.speed = DrillRules::keystrokesPerMinute(record.right, record.seconds);
    record.accuracy = DrillRules::accuracyPercent(record.right, record.wrong);
    record.keys = tally.keys();
    record.mistakes = tally.mistakes();
    tally.clear();
    if (!database->record(record) || fellBack) {
        tellOnce();
    }
    Q_EMIT drillRecorded();
}

void StatsRecorder::tellOnce()
{
    if (!told) {
        told = true;
        dialogs.inform(words.value(StatsTexts::StatsUnavailable));
    }
}

const StatsStore &StatsRecorder::store() const
{
    return *database;
}

const QStringList &StatsRecorder::texts() const
{
    return words;
}

QString StatsRecorder::learner() const
{
    return learnerName;
}
