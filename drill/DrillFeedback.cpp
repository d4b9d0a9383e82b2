#include "DrillFeedback.h"

#include "AnimatedPicture.h"
#include "DrillRules.h"
#include "KeyFrames.h"
#include "SoundPlayer.h"

#include <QHash>
#include <QLabel>

#include <algorithm>

namespace
{

const QColor FrameWhite(255, 255, 255);
const QColor FrameBlue(0, 0, 255);
const QColor FrameGreen(0, 255, 0);

} // namespace

DrillFeedback::DrillFeedback(const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets,
    SoundPlayer &sound, const QString &appDir, QObject *parent)
    : QObject(parent)
    , model(model)
    , texts(texts)
    , widgets(widgets)
    , sound(sound)
    , appDir(appDir)
    , keyboard(&KeyboardMap::builtInSpain())
{
    connect(&model, &DrillModel::started, this, &DrillFeedback::onStarted);
    connect(&model, &DrillModel::keyJudged, this, &DrillFeedback::onKeyJudged);
    connect(&model, &DrillModel::finished, this, [this] {
        play(QStringLiteral("fin.wav"));
    });
}

void DrillFeedback::setKeyboard(const KeyboardMap &map, KeyboardMap::Layout newLayout)
{
    keyboard = &map;
    layout = newLayout;
    if (model.isRunning()) {
        guide(model.expected());
    }
}

void DrillFeedback::setShiftHeld(bool held)
{
    shiftHeld = held;
}

void DrillFeedback::onStarted()
{
    // The hint of the drill before, maybe in another language, does not stay for this one.
    clearHint();
    widgets.nextCharLabel->show();
    showNextCharacter();
}

void DrillFeedback::onKeyJudged(const DrillModel::Judgement &judgement)
{
    switch (judgement.verdict) {
    case DrillModel::Verdict::Right:
        if (judgement.typed != DrillModel::Enter) {
            clearHint();
            widgets.reactionPicture->play(appDir + QStringLiteral("/gifs/si.gif"));
        }
        break;
    case DrillModel::Verdict::Wrong:
        play(QStringLiteral("fallo.wav"));
        widgets.reactionPicture->play(appDir + QStringLiteral("/gifs/no.gif"));
        // A capital for a small letter, or the reverse, is Caps Lock's doing more often than the
        // learner's: say so rather than explain the case.
        widgets.hintLine->setText(DrillRules::capsLockOn(judgement.expected, judgement.typed, shiftHeld)
                ? QStringLiteral("Tienes activado Bloq Mayús")
                : hintText(DrillRules::hintFor(judgement.expected, judgement.typed)));
        break;
    case DrillModel::Verdict::LineBreakExpected:
        play(QStringLiteral("fallo.wav"));
        return;
    case DrillModel::Verdict::Ignored:
        clearHint();
        return;
    }
    showNextCharacter();
    if (!model.isRunning()) {
        // The drill is over: the guide keeps the text's first key framed until the next one.
        widgets.nextCharLabel->hide();
    }
}

void DrillFeedback::showNextCharacter()
{
    const QChar next = model.expected();
    if (next == QLatin1Char(' ')) {
        widgets.nextCharLabel->setText(texts.UiTexts.value(InterfaceTexts::SpaceKeyName));
    } else if (next == DrillModel::Enter) {
        widgets.nextCharLabel->setText(texts.UiTexts.value(InterfaceTexts::EnterKeyName));
    } else {
        widgets.nextCharLabel->setText(next.isNull() ? QString() : QString(next));
    }
    guide(next);
}

void DrillFeedback::guide(QChar character)
{
    if (character.isNull() || !widgets.keyFrames) {
        return;
    }
    const KeyboardMap::Guide keys = keyboard->guideFor(character);
    const std::array<int, 2> frames = {keys.deadKey.isKey() ? KeyboardKeys::frameOf(keys.deadKey.key) : -1,
        keys.key.isKey() ? KeyboardKeys::frameOf(keys.key.key) : KeyboardKeys::NoKeyFrame};
    for (const int frame : litFrames) {
        if (std::find(frames.begin(), frames.end(), frame) == frames.end()) {
            widgets.keyFrames->setFrameColour(frame, FrameWhite);
        }
    }
    // The modifiers first: the key lit last is the one the keyboard describes, with them.
    const bool shift = keys.deadKey.needsShift() || keys.key.needsShift();
    const bool altGr = keys.deadKey.needsAltGr() || keys.key.needsAltGr();
    widgets.keyFrames->setFrameColour(KeyboardKeys::frameOf(KeyboardKeys::ShiftKey), shift ? FrameGreen : FrameWhite);
    widgets.keyFrames->setFrameColour(KeyboardKeys::frameOf(KeyboardKeys::AltGrKey), altGr ? FrameGreen : FrameWhite);
    for (const int frame : frames) {
        widgets.keyFrames->setFrameColour(frame, FrameBlue);
    }
    litFrames = frames;
}

QString DrillFeedback::hintText(int hint) const
{
    // The language files place the keys of Spain's keyboard; these are the Latin American places.
    static const QHash<int, QString> latinAmerican = {
        {1, QStringLiteral("Lleva tilde: pulsa la tecla ´ (a la derecha de la P), suéltala y pulsa la vocal.")},
        {2,
            QStringLiteral("Acento grave: pulsa Alt Gr y la tecla } (a la izquierda de Intro), suelta y pulsa la "
                           "vocal.")},
        {4,
            QStringLiteral("Lleva diéresis: pulsa Mayús y la tecla ´ (a la derecha de la P; sale ¨), suelta y pulsa "
                           "la vocal.")},
    };
    if (layout == KeyboardMap::Layout::LatinAmerica && latinAmerican.contains(hint)) {
        return latinAmerican.value(hint);
    }
    return texts.HintTexts.value(hint);
}

void DrillFeedback::clearHint()
{
    // Clearing a label repaints it even when it is empty already; most keys find it empty.
    if (!widgets.hintLine->text().isEmpty()) {
        widgets.hintLine->clear();
    }
}

void DrillFeedback::setSoundOn(bool on)
{
    soundOn = on;
}

void DrillFeedback::play(const QString &relativePath)
{
    if (!soundOn) {
        return;
    }
    sound.play(appDir + QLatin1Char('/') + relativePath);
}
