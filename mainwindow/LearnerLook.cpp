#include "LearnerLook.h"

#include "AnimatedPicture.h"
#include "CatalogueState.h"
#include "DrillFeedback.h"
#include "DrillHistory.h"
#include "DrillPalette.h"
#include "ExercisePaneView.h"
#include "KeyboardWidget.h"
#include "LearnerSettings.h"
#include "RichTextPane.h"
#include "SettingsDialog.h"
#include "ToolbarActions.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

// The panes' type as the program draws them without the dyslexia font.
const QString UsualFamily = QStringLiteral("Arial");

// The family for the dyslexia font, or the usual one, with the reason on standard error, where the
// font is not installed.
QString dyslexiaFamily()
{
    if (QFontDatabase::families().contains(LearnerLook::DyslexiaFamily)) {
        return LearnerLook::DyslexiaFamily;
    }
    qWarning("The font %s is not installed (Debian package fonts-opendyslexic): the panes keep their usual type",
        qPrintable(LearnerLook::DyslexiaFamily));
    return UsualFamily;
}

// Every character of the pane, and what it takes in later, in family; the history's characters
// read from its file name a family of their own.
void setFamily(RichTextPane &pane, const QString &family)
{
    QTextDocument &document = *pane.document();
    QFont font = document.defaultFont();
    font.setFamilies({family});
    document.setDefaultFont(font);
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontFamilies({family});
    all.mergeCharFormat(format);
}

} // namespace

LearnerLook::LearnerLook(LearnerSettings &settings, CatalogueState &catalogue, const Parts &parts, QObject *parent)
    : QObject(parent)
    , settings(settings)
    , catalogue(catalogue)
    , parts(parts)
{
    shown.textSize = catalogue.fontSize;
}

AccessChoices LearnerLook::choices() const
{
    return {settings.highContrast(), settings.dyslexiaFont(), catalogue.fontSize, settings.animationsOff(),
        !settings.soundOn()};
}

void LearnerLook::restore()
{
    // The text size was restored with the learner's place in the course.
    shown.textSize = catalogue.fontSize;
    show(choices());
}

void LearnerLook::choose(const AccessChoices &choices)
{
    settings.setHighContrast(choices.highContrast);
    settings.setDyslexiaFont(choices.dyslexiaFont);
    settings.setTextSize(choices.textSize);
    settings.setAnimationsOff(choices.animationsOff);
    settings.setSoundOn(!choices.soundOff);
    settings.sync();
    show(choices);
}

void LearnerLook::openDialog(QWidget *window)
{
    if (dialog == nullptr) {
        dialog = new SettingsDialog(choices(), window);
        connect(dialog, &SettingsDialog::choicesChanged, this, &LearnerLook::choose);
        connect(dialog, &QDialog::finished, this, [this] {
            dialog->deleteLater();
            dialog = nullptr;
        });
    }
    dialog->open();
}

void LearnerLook::show(const AccessChoices &choices)
{
    if (choices.highContrast != shown.highContrast) {
        showContrast(choices.highContrast);
    }
    if (choices.dyslexiaFont != shown.dyslexiaFont) {
        showFont(choices.dyslexiaFont);
    }
    if (choices.animationsOff != shown.animationsOff) {
        for (AnimatedPicture *picture : parts.decorations) {
            picture->setStill(choices.animationsOff);
        }
    }
    parts.feedback->setSoundOn(!choices.soundOff);
    const bool resized = choices.textSize != shown.textSize;
    shown = choices;
    if (resized) {
        parts.tools->setTextSize(choices.textSize);
        Q_EMIT typeChanged();
    }
}

void LearnerLook::showContrast(bool high)
{
    const DrillPalette colours = high ? DrillPalette::highContrast() : DrillPalette::standard();
    parts.paneView->setPalette(colours);
    parts.history->setPalette(colours);
    for (RichTextPane *pane : {parts.exercisePane, parts.echoPane}) {
        if (high) {
            QPalette page = pane->palette();
            page.setColor(QPalette::Base, colours.page);
            page.setColor(QPalette::Text, colours.untyped);
            pane->setPalette(page);
        } else {
            // Back to the palette it inherits, as before the learner chose.
            pane->setPalette(QPalette());
        }
    }
    parts.keyboard->setFrameBorderTwips(high ? ThickFrameTwips : KeyboardWidget::FrameBorderTwips);
}

void LearnerLook::showFont(bool dyslexia)
{
    const QString family = dyslexia ? dyslexiaFamily() : UsualFamily;
    for (RichTextPane *pane : {parts.exercisePane, parts.echoPane}) {
        setFamily(*pane, family);
    }
    // Another type is another height for the pane's two lines.
    Q_EMIT typeChanged();
}
