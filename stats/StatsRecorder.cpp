#include "StatsRecorder.h"

#include "Clock.h"
#include "Dialogs.h"
#include "LearnerStore.h"
#include "StatsStore.h"
#include "StatsTexts.h"

StatsRecorder::StatsRecorder(const DrillModel &drill, const QString &dataDir, LearnerStore &learners,
    const QString &user, Dialogs &dialogs, Clock &clock, QObject *parent)
    : QObject(parent)
    , drill(drill)
    , dialogs(dialogs)
    , clock(clock)
    , words(StatsTexts::load(dataDir))
{
    if (!user.isEmpty()) {
        learnerName = learners.storedName(user);
        database = learners.statistics(user);
        fellBack = !database || !database->usable();
    }
    if (!database || fellBack) {
        database = std::make_unique<StatsStore>(QString());
    }
    connect(&drill, &DrillModel::started, this, [this] {
        keys.clear();
    });
    connect(&drill, &DrillModel::keyJudged, this, &StatsRecorder::tally);
    connect(&drill, &DrillModel::finished, this, &StatsRecorder::recordDrill);
}

StatsRecorder::~StatsRecorder() = default;

void StatsRecorder::tally(const DrillModel::Judgement &judgement)
{
    if (judgement.verdict == DrillModel::Verdict::Right) {
        keys.right(judgement.typed);
    } else if (judgement.verdict == DrillModel::Verdict::Wrong) {
        keys.wrong(judgement.expected, judgement.typed);
    }
}

void StatsRecorder::recordDrill()
{
    DrillRecord record;
    record.finished = clock.now().toString(Qt::ISODate);
    record.exercise = drill.title();
    record.seconds = drill.elapsedSeconds();
    record.right = drill.rightCount();
    record.wrong = drill.wrongCount();
    record.speed = drill.speed();
    record.accuracy = drill.accuracy();
    record.keys = keys.keys();
    record.mistakes = keys.mistakes();
    keys.clear();
    if (!database->record(record) || fellBack) {
        tellOnce();
    }
    Q_EMIT drillRecorded();
}

void StatsRecorder::recordExam(ExamRecord exam)
{
    exam.keys = keys.keys();
    exam.mistakes = keys.mistakes();
    keys.clear();
    if (!database->recordExam(exam) || fellBack) {
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

const LearnerStatistics &StatsRecorder::store() const
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
