#include "KeyboardChoice.h"

#include "ActiveLayout.h"
#include "Dialogs.h"
#include "DrillFeedback.h"
#include "KeyboardWidget.h"
#include "MainWindowControls.h"
#include "TypingAnnouncer.h"

#include <QPushButton>

namespace
{

using Layout = KeyboardMap::Layout;

Layout other(Layout layout)
{
    return layout == Layout::Spain ? Layout::LatinAmerica : Layout::Spain;
}

QString nameOf(Layout layout)
{
    return layout == Layout::Spain ? QStringLiteral("España") : QStringLiteral("Latinoamérica");
}

Layout fromSettings(LearnerSettings::KeyboardLayout layout)
{
    return layout == LearnerSettings::KeyboardLayout::Espana ? Layout::Spain : Layout::LatinAmerica;
}

LearnerSettings::KeyboardLayout toSettings(Layout layout)
{
    return layout == Layout::Spain ? LearnerSettings::KeyboardLayout::Espana
                                   : LearnerSettings::KeyboardLayout::Latinoamerica;
}

} // namespace

KeyboardChoice::KeyboardChoice(const DrillModel &model, LearnerSettings &settings, Dialogs &dialogs,
    const ActiveLayout *system, const QString &symbolsFolder, const Widgets &widgets, QObject *parent)
    : QObject(parent)
    , model(model)
    , settings(settings)
    , dialogs(dialogs)
    , system(system)
    , widgets(widgets)
{
    Layout latinAmerica = Layout::LatinAmerica;
    maps[int(Layout::Spain)] = KeyboardMap::load(Layout::Spain, symbolsFolder);
    maps[int(Layout::LatinAmerica)] = KeyboardMap::load(Layout::LatinAmerica, symbolsFolder, &latinAmerica);
    // Without the Latin American keyboard there is nothing to switch to.
    widgets.button->setEnabled(latinAmerica == Layout::LatinAmerica);
    connect(widgets.button, &QPushButton::clicked, this, &KeyboardChoice::switchLayout);
    connect(&model, &DrillModel::started, this, [this] {
        otherKeyboardKeys = 0;
    });
    connect(&model, &DrillModel::keyJudged, this, &KeyboardChoice::onKeyJudged);
    show(current);
}

void KeyboardChoice::restore()
{
    show(fromSettings(settings.keyboardLayout()));
}

void KeyboardChoice::offerDetected()
{
    if (!system || settings.keyboardLayoutChosen() || !widgets.button->isEnabled()) {
        return;
    }
    const Layout detected = system->activeLayout();
    const bool yes = dialogs.askYesNo(QStringLiteral("Tu sistema escribe con el teclado de %1. ¿Es ese tu teclado? "
                                                     "(Si no lo es, usaremos el de %2.)")
                                          .arg(nameOf(detected), nameOf(other(detected))));
    choose(yes ? detected : other(detected));
}

void KeyboardChoice::switchLayout()
{
    if (widgets.button->isEnabled()) {
        choose(other(current));
    }
}

KeyboardMap::Layout KeyboardChoice::layout() const
{
    return current;
}

void KeyboardChoice::choose(Layout layout)
{
    settings.setKeyboardLayout(toSettings(layout));
    show(layout);
}

void KeyboardChoice::show(Layout layout)
{
    current = layout;
    otherKeyboardKeys = 0;
    widgets.keyboard->setKeyboard(map(layout), layout);
    widgets.feedback->setKeyboard(map(layout), layout);
    widgets.announcer->setKeyboard(map(layout));
    MainWindowControls::nameToolButton(
        widgets.button, QStringLiteral("Teclado %1: cambiar a %2").arg(nameOf(layout), nameOf(other(layout))));
}

const KeyboardMap &KeyboardChoice::map(Layout layout) const
{
    return maps[int(layout)];
}

void KeyboardChoice::onKeyJudged(const DrillModel::Judgement &judgement)
{
    if (judgement.verdict != DrillModel::Verdict::Wrong || switchOffered || !widgets.button->isEnabled()) {
        return;
    }
    // The key the guide framed gives, on the other keyboard, what was typed: the learner's hands
    // are on the other keyboard.
    const KeyboardMap::Guide framed = map(current).guideFor(judgement.expected);
    const KeyboardMap &otherMap = map(other(current));
    if (otherMap.typedBy(framed.key) == judgement.typed || otherMap.typedBy(framed.deadKey) == judgement.typed) {
        ++otherKeyboardKeys;
    }
    if (otherKeyboardKeys >= OtherKeyboardKeysToOffer) {
        switchOffered = true;
        // Asked once the key is handled, not in the middle of judging it.
        QMetaObject::invokeMethod(this, &KeyboardChoice::offerSwitch, Qt::QueuedConnection);
    }
}

void KeyboardChoice::offerSwitch()
{
    const Layout theirs = other(current);
    if (dialogs.askYesNo(QStringLiteral("Las teclas que pulsas dan lo que el teclado de %1 da en las teclas "
                                        "recuadradas. ¿Cambiamos al teclado de %1?")
                             .arg(nameOf(theirs)))) {
        choose(theirs);
    }
}
