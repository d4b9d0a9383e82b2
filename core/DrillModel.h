#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// One drill: the text to type, where the learner is in it, the counts, the seconds and the
// figures made of them. It judges every key and says so with one signal; the windows only show
// what it says. The end of a drill is a signal of its own, sent once the last key's handling is
// over, so that whatever follows it (a message box, the next exercise) never runs inside a key.
//
// Positions are 1-based, and a line break counts as two (CR LF), as in the text itself.
class DrillModel : public QObject
{
    Q_OBJECT

public:
    enum class Verdict {
        Right, // the expected character, or Enter at a line break
        Wrong, // any other character
        LineBreakExpected, // a line break is due and another key came: nothing counts
        Ignored, // no drill is running, or nothing is left to type
    };
    Q_ENUM(Verdict)

    struct Judgement {
        Verdict verdict = Verdict::Ignored;
        QChar typed;
        QChar expected;
        // Where the judged character stands in the text.
        int position = 0;
        // A wrong key was typed at this position before this right one.
        bool afterError = false;
    };

    // What judge() takes for the Enter key.
    static constexpr QChar Enter = QChar(u'\r');

    // Who keeps the drill's time and says that it is over: the drill itself, or a timed test that
    // counts down on a clock of its own and ends the drill when its time is up.
    enum class Pace { Own, Timed };

    explicit DrillModel(QObject *parent = nullptr);

    // A new exercise to type next; a drill that was running ends unfinished.
    void setText(const QString &text, const QString &title);
    const QString &text() const;
    // The exercise's name in the history and the statistics, "Castellano\01 Fila central\4".
    const QString &title() const;

    // Ends a drill under way unfinished; its text stays, to be typed again from the start.
    void stop();
    // Starts a drill on the text from its first character; false when there is nothing to type.
    // A timed drill neither ticks nor sends finished(): its test does both.
    bool start(Pace pace = Pace::Own);
    // Judges one key: a character, Enter, or a null character for a key that types none.
    Judgement judge(QChar typed);
    // One second of the drill's clock; the clock calls it while a drill runs.
    void tick();

    bool isRunning() const;
    bool isTimed() const;
    // The drill's clock: ticks every second while a drill runs.
    const QTimer &clock() const;
    // The next character to type; after a finished drill, the text's first character again.
    int position() const;
    QChar expected() const;
    bool lineBreakDue() const;
    qint64 rightCount() const;
    qint64 wrongCount() const;
    int elapsedSeconds() const;
    // Keystrokes per minute, of the right keys only.
    qint64 speed() const;
    // Each wrong key cancels one right key, relative to the right keys; meaningful once a key
    // was right.
    qint64 accuracy() const;
    bool hasAccuracy() const;
    // The last key judged right or wrong.
    QChar lastTyped() const;

Q_SIGNALS:
    void started();
    void keyJudged(const DrillModel::Judgement &judgement);
    void ticked();
    // The last character was typed right; sent after that key was handled.
    void finished();

private:
    Judgement right(QChar typed, int step);
    Judgement wrong(QChar typed);
    void finish();

    QString text_;
    QString title_;
    int position_ = 1;
    bool running = false;
    bool timed = false;
    bool errorPending = false;
    qint64 rightKeys = 0;
    qint64 wrongKeys = 0;
    int seconds = 0;
    QChar last;
    QTimer secondClock;
};
