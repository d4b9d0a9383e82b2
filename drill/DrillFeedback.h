#pragma once

#include "DrillModel.h"
#include "InterfaceTexts.h"
#include "KeyboardMap.h"

#include <QObject>

#include <array>

class AnimatedPicture;
class KeyFrames;
class QLabel;
class SoundPlayer;

// What the learner sees and hears around the text after each key: the hint line, the next
// character in large type with its key framed on the drawn keyboard, the reaction picture and
// the sounds.
class DrillFeedback : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        QLabel *hintLine;
        QLabel *nextCharLabel;
        AnimatedPicture *reactionPicture;
        // May be null: nothing is framed then.
        KeyFrames *keyFrames;
    };

    DrillFeedback(const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets, SoundPlayer &sound,
        const QString &appDir, QObject *parent = nullptr);

    // The keyboard the guide frames keys on; the Spain keyboard until told. map must outlive
    // this object or the next call.
    // The hints that name a key's place are worded for layout.
    void setKeyboard(const KeyboardMap &map, KeyboardMap::Layout layout);
    // The learner may keep the drill silent.
    void setSoundOn(bool on);
    // Whether Shift was held with the last key: with the character typed, it tells Caps Lock apart.
    void setShiftHeld(bool held);

private:
    void onStarted();
    void onKeyJudged(const DrillModel::Judgement &judgement);
    void showNextCharacter();
    // Frames the keys of the next character: its dead key and its key in blue, Shift and AltGr in
    // green when either needs them.
    void guide(QChar character);
    void clearHint();
    // The language file's hint, or on the Latin American keyboard its own wording of a hint
    // that names where a key is.
    QString hintText(int hint) const;
    void play(const QString &relativePath);

    const DrillModel &model;
    const InterfaceTexts &texts;
    Widgets widgets;
    SoundPlayer &sound;
    QString appDir;
    bool soundOn = true;
    const KeyboardMap *keyboard;
    KeyboardMap::Layout layout = KeyboardMap::Layout::Spain;
    // The frames lit last (-1 for none), to be put out when others are lit.
    std::array<int, 2> litFrames = {-1, KeyboardKeys::NoKeyFrame};
    bool shiftHeld = false;
};
