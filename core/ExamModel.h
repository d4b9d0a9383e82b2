#pragma once

#include "DrillModel.h"
#include "ExamRules.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// A timed test on the drill's text. The drill judges every key as in any drill; the test keeps
// its own clock, which starts at the first key and counts down, and its own counts, so that a
// key that comes once time is up counts for nothing even before the countdown has noticed. The
// test ends when its time is up or the text is done, whichever comes first.
class ExamModel : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle, // no test
        Ready, // the drill waits for the first key
        Running, // the clock runs
        Over, // the result stands until the next test
    };
    Q_ENUM(State)

    // A wrong key and where it was typed, 1-based as the drill counts positions.
    struct Mistake {
        int position = 0;
        QChar typed;
    };

    // How often the countdown looks at the clock: the time shown never lags by more.
    static constexpr int PollMs = 200;

    // now gives a time in milliseconds that only goes forward; the program hands in the clock's.
    ExamModel(DrillModel &drill, std::function<qint64()> now, QObject *parent = nullptr);

    // Starts a test of minutes on the drill's text; false, leaving everything as it was, for a
    // duration not on offer or a drill without text.
    bool begin(int minutes, int penalty);
    // Looks at the clock: says the time left, and ends the test once it is up. Called by the
    // countdown timer; tests call it after moving their clock.
    void onTick();

    State state() const;
    int minutes() const;
    int penalty() const;
    qint64 msecsLeft() const;
    const QTimer &countdownTimer() const;
    // The text as it stood when the test began: the drill's may change once it is over.
    const QString &text() const;
    const QString &title() const;
    // The figures so far while it runs, the result once it is over.
    ExamRules::Figures figures() const;
    const QList<Mistake> &mistakes() const;
    // The first position not typed right: one past the text once it is done.
    int reached() const;

Q_SIGNALS:
    void countdownChanged(qint64 msecsLeft);
    // The test is over; sent once the key or the tick that ended it has been handled.
    void finished();
    // The drill was started anew or given another text before the test was over.
    void abandoned();

private:
    void onKeyJudged(const DrillModel::Judgement &judgement);
    qint64 elapsed() const;
    void finish(qint64 msecsUsed);
    void abandon();

    DrillModel &drill;
    std::function<qint64()> now;
    QTimer poll;
    State state_ = State::Idle;
    int minutes_ = 0;
    int penalty_ = 0;
    QString text_;
    QString title_;
    qint64 startedAt = 0;
    qint64 used = 0;
    qint64 rightKeys = 0;
    QList<Mistake> mistakes_;
    int reached_ = 1;
    // begin() starts the drill itself; any other start abandons the test.
    bool starting = false;
};
