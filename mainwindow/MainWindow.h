#pragma once

#include "CatalogueState.h"
#include "DrillModel.h"
#include "InterfaceTexts.h"
#include "LearnerSettings.h"
#include "MainWindowControls.h"
#include "Platform.h"

#include <QWidget>

#include <memory>

class DrillFeedback;
class DrillFiguresView;
class ExercisePaneView;
class DrillHistory;
class DrillSequencer;
class DrillSummary;
class ExerciseCatalogue;
class KeyboardChoice;
class KeyboardToggle;
class KeyboardWidget;
struct ControlGeometry;
class LanguageSwitcher;
class LearnerLook;
class StatsRecorder;
class ToolbarActions;
class OwnTextActions;
class OwnTexts;
class TypingAnnouncer;

// The typing window. It builds the controls, hands each part of the drill the controls and state
// it works on, and wires the controls' events to them.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // learner is empty for a learner who works unregistered. The window comes up with the
    // catalogue, the interface texts and the learner's history loaded, laid out on its screen.
    MainWindow(const Platform &platform, const QString &learner, QWidget *parent = nullptr);
    ~MainWindow() override;

    const MainWindowControls &controls() const;
    DrillModel &drill();
    CatalogueState &catalogueState();
    DrillSequencer &drillSequencer();
    DrillHistory &drillHistory();
    KeyboardWidget &keyboardWidget();
    ExerciseCatalogue &exerciseCatalogue();
    StatsRecorder &statistics();
    LearnerLook &learnerLook();
    TypingAnnouncer &typingAnnouncer();
    LearnerSettings &learnerSettings();
    const InterfaceTexts &interfaceTexts() const;
    OwnTextActions &ownTextActions();
    // Adds the text file at path to "Mis textos" and shows it, as "Abrir texto" does.
    void openOwnText(const QString &path);

Q_SIGNALS:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeControls(const ControlGeometry &geometry);
    // Fits the workspace to the window's inner area and covers it with the background tile; run
    // on every resize and screen change.
    void layOutWindow();
    void placeRestoredWindow();
    // The smallest inner size in which the layout keeps every control inside the window.
    QSize smallestSize() const;
    // Two whole lines of the exercise at its current text size, with the pane's frame and margins,
    // in twips: the exercise pane never gets less.
    float exercisePaneLeastHeight() const;
    void connectControls();
    void connectOwnTexts();
    // The random button stays pressed, and says so, while exercises come in random order.
    void showRandomOrder();
    void loadContents();
    // Back where the learner left: language, lesson, exercise, text size, order, keyboard, and
    // the window where it stood on this machine.
    void restoreSettings();
    void saveSettings();

    Platform platform;
    QString learner;
    DrillModel model;
    LearnerSettings settings;
    CatalogueState catalogue;
    InterfaceTexts texts;
    MainWindowControls c;
    KeyboardWidget *keyboard;
    ExercisePaneView *paneView;
    DrillFeedback *feedback;
    DrillSummary *summary;
    DrillFiguresView *figures;
    ExerciseCatalogue *exercises;
    DrillHistory *history;
    DrillSequencer *sequencer;
    LanguageSwitcher *languages;
    ToolbarActions *tools;
    KeyboardToggle *keyboardToggle;
    KeyboardChoice *keyboardChoice;
    StatsRecorder *stats;
    LearnerLook *look;
    TypingAnnouncer *announcer;
    std::unique_ptr<OwnTexts> ownTexts;
    OwnTextActions *ownTextTools;
    // The learner confirmed leaving through the exit button: the history is saved already.
    bool leaving = false;
    bool screenWatched = false;
    bool layoutOffered = false;
};
