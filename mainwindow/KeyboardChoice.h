#pragma once

#include "DrillModel.h"
#include "KeyboardMap.h"
#include "LearnerSettings.h"

#include <QObject>

#include <array>

class ActiveLayout;
class Dialogs;
class DrillFeedback;
class KeyboardWidget;
class QPushButton;
class TypingAnnouncer;

// Which of the two Spanish keyboards the learner types on, Spain's or Latin America's: drawn,
// guided and kept in the learner's settings. A learner who never chose is asked once whether the
// system's is theirs; the tool bar switches; and a drill whose wrong keys are what the other
// keyboard gives at the framed keys earns the offer to switch.
class KeyboardChoice : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        KeyboardWidget *keyboard;
        DrillFeedback *feedback;
        TypingAnnouncer *announcer;
        QPushButton *button; // switches to the other keyboard
    };

    // system may be null: nothing is detected then, and nobody is asked. symbolsFolder holds the
    // system's layout files.
    KeyboardChoice(const DrillModel &model, LearnerSettings &settings, Dialogs &dialogs, const ActiveLayout *system,
        const QString &symbolsFolder, const Widgets &widgets, QObject *parent = nullptr);

    // The keyboard the settings keep.
    void restore();
    // For a learner who never chose: the system's keyboard is offered, and the answer kept.
    void offerDetected();
    void switchLayout();
    KeyboardMap::Layout layout() const;

    // Wrong keys in one drill that the other keyboard explains before the switch is offered.
    static constexpr int OtherKeyboardKeysToOffer = 3;

private:
    void show(KeyboardMap::Layout layout);
    void choose(KeyboardMap::Layout layout);
    void onKeyJudged(const DrillModel::Judgement &judgement);
    void offerSwitch();
    const KeyboardMap &map(KeyboardMap::Layout layout) const;

    const DrillModel &model;
    LearnerSettings &settings;
    Dialogs &dialogs;
    const ActiveLayout *system;
    Widgets widgets;
    // Spain's and Latin America's, read once: switching should not read the files again.
    std::array<KeyboardMap, 2> maps;
    KeyboardMap::Layout current = KeyboardMap::Layout::Spain;
    int otherKeyboardKeys = 0;
    bool switchOffered = false;
};
