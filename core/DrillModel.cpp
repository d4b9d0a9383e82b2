#include "DrillModel.h"

#include "DrillRules.h"

DrillModel::DrillModel(QObject *parent)
    : QObject(parent)
{
    secondClock.setInterval(1000);
    connect(&secondClock, &QTimer::timeout, this, &DrillModel::tick);
}

void DrillModel::setText(const QString &text, const QString &title)
{
    stop();
    text_ = text;
    title_ = title;
}

void DrillModel::stop()
{
    secondClock.stop();
    running = false;
    position_ = 1;
}

const QString &DrillModel::text() const
{
    return text_;
}

const QString &DrillModel::title() const
{
    return title_;
}

bool DrillModel::start(Pace pace)
{
    if (text_.isEmpty()) {
        return false;
    }
    running = true;
    position_ = 1;
    rightKeys = 0;
    wrongKeys = 0;
    seconds = 0;
    last = QChar();
    timed = pace == Pace::Timed;
    if (!timed) {
        secondClock.start();
    }
    Q_EMIT started();
    return true;
}

DrillModel::Judgement DrillModel::judge(QChar typed)
{
    Judgement judgement;
    if (running && position_ <= text_.size()) {
        if (lineBreakDue()) {
            judgement
                = typed == Enter ? right(typed, 2) : Judgement {Verdict::LineBreakExpected, typed, Enter, position_};
        } else if (typed == expected()) {
            judgement = right(typed, 1);
        } else if (!typed.isNull() && typed != Enter) {
            judgement = wrong(typed);
        }
    }
    Q_EMIT keyJudged(judgement);
    if (judgement.verdict == Verdict::Right && !running && !timed) {
        // The message and the move to the next exercise come once this key's handling is over.
        QMetaObject::invokeMethod(this, &DrillModel::finished, Qt::QueuedConnection);
    }
    return judgement;
}

DrillModel::Judgement DrillModel::right(QChar typed, int step)
{
    const Judgement judgement {Verdict::Right, typed, expected(), position_, errorPending};
    errorPending = false;
    last = typed;
    ++rightKeys;
    position_ += step;
    if (position_ > text_.size()) {
        finish();
    }
    return judgement;
}

DrillModel::Judgement DrillModel::wrong(QChar typed)
{
    const Judgement judgement {Verdict::Wrong, typed, expected(), position_, errorPending};
    errorPending = true;
    last = typed;
    ++wrongKeys;
    return judgement;
}

void DrillModel::finish()
{
    secondClock.stop();
    running = false;
    // The guide shows the first character again until the next drill starts.
    position_ = 1;
}

void DrillModel::tick()
{
    ++seconds;
    Q_EMIT ticked();
}

bool DrillModel::isRunning() const
{
    return running;
}

bool DrillModel::isTimed() const
{
    return timed;
}

const QTimer &DrillModel::clock() const
{
    return secondClock;
}

int DrillModel::position() const
{
    return position_;
}

QChar DrillModel::expected() const
{
    return position_ >= 1 && position_ <= text_.size() ? text_.at(position_ - 1) : QChar();
}

bool DrillModel::lineBreakDue() const
{
    return expected() == Enter;
}

qint64 DrillModel::rightCount() const
{
    return rightKeys;
}

qint64 DrillModel::wrongCount() const
{
    return wrongKeys;
}

int DrillModel::elapsedSeconds() const
{
    return seconds;
}

qint64 DrillModel::speed() const
{
    return DrillRules::keystrokesPerMinute(rightKeys, seconds);
}

qint64 DrillModel::accuracy() const
{
    return DrillRules::accuracyPercent(rightKeys, wrongKeys);
}

bool DrillModel::hasAccuracy() const
{
    return rightKeys > 0;
}

QChar DrillModel::lastTyped() const
{
    return last;
}
