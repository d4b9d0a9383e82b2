#pragma once

#include "DrillModel.h"
#include "KeyboardMap.h"

#include <QObject>

class QLabel;
class QWidget;

// Tells a screen reader, while the learner types, the next character and the finger that types it
// after every key, and "fallo" first after a wrong one, without the focus leaving the exercise
// pane.
//
// The words go out as a notification: a hidden label in the notification role that is reported
// shown again with its new text. Orca speaks a notification that shows, whatever has the focus,
// and it reads the text from the label itself, so it needs nothing the AT-SPI bridge of this Qt
// leaves out of its events (a changed description reaches Orca without the new text).
class TypingAnnouncer : public QObject
{
    Q_OBJECT

public:
    TypingAnnouncer(const DrillModel &model, QWidget *window, QObject *parent = nullptr);

    // The keyboard whose fingers are named; the Spain keyboard until told. map must outlive this
    // object or the next call.
    void setKeyboard(const KeyboardMap &map);

    // What was said last.
    QString lastAnnouncement() const;

private:
    void onKeyJudged(const DrillModel::Judgement &judgement);
    void announceNext(bool afterWrongKey);
    void announce(const QString &words);

    // The finger of the key that types character on the keyboard, or SpokenKeys::NoFinger.
    int fingerFor(QChar character) const;

    const DrillModel &model;
    const KeyboardMap *keyboard = &KeyboardMap::builtInSpain();
    QLabel *notice;
};
