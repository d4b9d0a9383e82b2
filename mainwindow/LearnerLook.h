#pragma once

#include "AccessChoices.h"

#include <QList>
#include <QObject>

class AnimatedPicture;
class DrillFeedback;
class DrillHistory;
class ExercisePaneView;
class KeyboardWidget;
class LearnerSettings;
class RichTextPane;
class SettingsDialog;
class ToolbarActions;
struct CatalogueState;

// The learner's choices of contrast, type, text size, animations and sound: kept in their
// settings as soon as they are made, and shown by the window at once. What the learner never
// chose leaves the window exactly as it always looks.
class LearnerLook : public QObject
{
    Q_OBJECT

public:
    struct Parts {
        RichTextPane *exercisePane;
        RichTextPane *echoPane;
        KeyboardWidget *keyboard;
        // Move for the pleasure of the eye only: the reaction picture, the line and the wave.
        QList<AnimatedPicture *> decorations;
        ExercisePaneView *paneView;
        DrillHistory *history;
        DrillFeedback *feedback;
        ToolbarActions *tools;
    };

    // The family the panes use for the dyslexia font.
    static inline const QString DyslexiaFamily = QStringLiteral("OpenDyslexic");
    // The keyboard's frames in high contrast: as wide as the gap around each key.
    static constexpr double ThickFrameTwips = 120;

    LearnerLook(LearnerSettings &settings, CatalogueState &catalogue, const Parts &parts, QObject *parent = nullptr);

    AccessChoices choices() const;
    // Shows what the settings hold, as the window opens.
    void restore();
    // Keeps the choices in the settings, written at once, and shows them.
    void choose(const AccessChoices &choices);
    // Opens "Ajustes" over window; its changes are chosen as they are made.
    void openDialog(QWidget *window);

Q_SIGNALS:
    // The exercise text's size or type changed: the pane may need another height.
    void typeChanged();

private:
    void show(const AccessChoices &choices);
    void showContrast(bool high);
    void showFont(bool dyslexia);

    LearnerSettings &settings;
    CatalogueState &catalogue;
    Parts parts;
    // What shows now; the window as it always looks until restore() or choose().
    AccessChoices shown;
    SettingsDialog *dialog = nullptr;
};
