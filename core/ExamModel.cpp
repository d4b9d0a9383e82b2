#include "ExamModel.h"

#include <algorithm>

ExamModel::ExamModel(DrillModel &drill, std::function<qint64()> now, QObject *parent)
    : QObject(parent)
    , drill(drill)
    , now(std::move(now))
{
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(PollMs);
    connect(&poll, &QTimer::timeout, this, &ExamModel::onTick);
    connect(&drill, &DrillModel::keyJudged, this, &ExamModel::onKeyJudged);
    connect(&drill, &DrillModel::started, this, [this] {
        if (!starting && (state_ == State::Ready || state_ == State::Running)) {
            abandon();
        }
    });
}

bool ExamModel::begin(int minutes, int penalty)
{
    if (!ExamRules::isDuration(minutes) || drill.text().isEmpty()) {
        return false;
    }
    minutes_ = minutes;
    penalty_ = std::max(0, penalty);
    text_ = drill.text();
    title_ = drill.title();
    used = 0;
    rightKeys = 0;
    mistakes_.clear();
    reached_ = 1;
    poll.stop();
    state_ = State::Ready;
    starting = true;
    drill.start(DrillModel::Pace::Timed);
    starting = false;
    Q_EMIT countdownChanged(msecsLeft());
    return true;
}

void ExamModel::onKeyJudged(const DrillModel::Judgement &judgement)
{
    const bool counts
        = judgement.verdict == DrillModel::Verdict::Right || judgement.verdict == DrillModel::Verdict::Wrong;
    if (!counts || (state_ != State::Ready && state_ != State::Running)) {
        return;
    }
    if (state_ == State::Ready) {
        state_ = State::Running;
        startedAt = now();
        poll.start(PollMs);
    } else if (elapsed() >= minutes_ * 60'000) {
        // Time ran out between two looks at the clock: this key came too late.
        finish(minutes_ * 60'000);
        return;
    }
    if (judgement.verdict == DrillModel::Verdict::Wrong) {
        mistakes_.append({judgement.position, judgement.typed});
        return;
    }
    ++rightKeys;
    reached_ = judgement.position + (judgement.typed == DrillModel::Enter ? 2 : 1);
    if (!drill.isRunning()) {
        finish(elapsed());
    }
}

void ExamModel::onTick()
{
    if (state_ != State::Running) {
        return;
    }
    // Another exercise was chosen meanwhile: the drill no longer types this test.
    if (drill.text() != text_) {
        abandon();
        return;
    }
    const qint64 left = msecsLeft();
    Q_EMIT countdownChanged(left);
    if (left <= 0) {
        finish(minutes_ * 60'000);
    } else {
        // The last look comes when time is up, not up to a poll later: a key in between would be
        // shown in the drill's counters, though the test does not count it.
        poll.start(static_cast<int>(std::min<qint64>(left, PollMs)));
    }
}

qint64 ExamModel::elapsed() const
{
    return now() - startedAt;
}

void ExamModel::finish(qint64 msecsUsed)
{
    poll.stop();
    used = msecsUsed;
    state_ = State::Over;
    // No key is judged once the test is over; the drill had stopped already if the text was done.
    drill.stop();
    QMetaObject::invokeMethod(this, &ExamModel::finished, Qt::QueuedConnection);
}

void ExamModel::abandon()
{
    poll.stop();
    state_ = State::Idle;
    Q_EMIT abandoned();
}

ExamModel::State ExamModel::state() const
{
    return state_;
}

int ExamModel::minutes() const
{
    return minutes_;
}

int ExamModel::penalty() const
{
    return penalty_;
}

qint64 ExamModel::msecsLeft() const
{
    const qint64 limit = qint64(minutes_) * 60'000;
    switch (state_) {
    case State::Running:
        return std::max<qint64>(0, limit - elapsed());
    case State::Over:
        return limit - used;
    case State::Idle:
    case State::Ready:
        break;
    }
    return limit;
}

const QTimer &ExamModel::countdownTimer() const
{
    return poll;
}

const QString &ExamModel::text() const
{
    return text_;
}

const QString &ExamModel::title() const
{
    return title_;
}

ExamRules::Figures ExamModel::figures() const
{
    const qint64 errors = mistakes_.size();
    const qint64 msecs = state_ == State::Running ? elapsed() : used;
    return ExamRules::figures(rightKeys + errors, errors, msecs, penalty_);
}

const QList<ExamModel::Mistake> &ExamModel::mistakes() const
{
    return mistakes_;
}

int ExamModel::reached() const
{
    return reached_;
}
