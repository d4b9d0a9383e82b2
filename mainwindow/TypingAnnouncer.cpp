#include "TypingAnnouncer.h"

#include "KeyboardKeys.h"
#include "SpokenKeys.h"
#include "WindowAccessibility.h"

#include <QAccessible>
#include <QLabel>

TypingAnnouncer::TypingAnnouncer(const DrillModel &model, QWidget *window, QObject *parent)
    : QObject(parent)
    , model(model)
    , notice(new QLabel(window))
{
    notice->hide();
    notice->setTextFormat(Qt::PlainText);
    notice->setAccessibleDescription(QStringLiteral("siguiente tecla"));
    WindowAccessibility::giveRole(notice, QAccessible::Notification);
    connect(&model, &DrillModel::started, this, [this] {
        announceNext(false);
    });
    connect(&model, &DrillModel::keyJudged, this, &TypingAnnouncer::onKeyJudged);
}

void TypingAnnouncer::setKeyboard(const KeyboardMap &map)
{
    keyboard = &map;
}

int TypingAnnouncer::fingerFor(QChar character) const
{
    const KeyboardMap::Stroke stroke = keyboard->guideFor(character).key;
    return stroke.isKey() ? KeyboardKeys::fingerOf(stroke.key) : SpokenKeys::NoFinger;
}

QString TypingAnnouncer::lastAnnouncement() const
{
    return notice->text();
}

void TypingAnnouncer::onKeyJudged(const DrillModel::Judgement &judgement)
{
    switch (judgement.verdict) {
    case DrillModel::Verdict::Right:
        announceNext(false);
        break;
    case DrillModel::Verdict::Wrong:
    case DrillModel::Verdict::LineBreakExpected:
        announceNext(true);
        break;
    case DrillModel::Verdict::Ignored:
        break;
    }
}

void TypingAnnouncer::announceNext(bool afterWrongKey)
{
    const QChar next = model.expected();
    // The last key of the drill leaves nothing to type; the drill's end speaks for itself.
    if (!model.isRunning() || next.isNull()) {
        return;
    }
    announce(SpokenKeys::afterKey(afterWrongKey, next, fingerFor(next)));
}

void TypingAnnouncer::announce(const QString &words)
{
    notice->setText(words);
    // In the notification role the label is a plain widget to assistive technology, which reads
    // its accessible name, not its text.
    notice->setAccessibleName(words);
    // Shown again, though it stays hidden on the screen: the event is what makes Orca speak.
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
