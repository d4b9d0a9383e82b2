#pragma once

#include "CatalogueState.h"
#include "DrillState.h"
#include "InterfaceTexts.h"
#include "MainWindowControls.h"
#include "Platform.h"

#include <QWidget>

class DrillEngine;
class DrillHistory;
class DrillSequencer;
class ExerciseCatalogue;
class KeyboardToggle;
class KeyboardWidget;
struct ControlGeometry;
class LanguageSwitcher;
class StatsRecorder;
class ToolbarActions;

// The typing window. It builds the controls, hands each part of the drill the controls and state
// it works on, and wires the controls' events to them.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // currentUser is empty for a learner who works unregistered.
    MainWindow(const Platform &platform, const QString &currentUser, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: catalogue, interface texts, the learner's history, layout and background.
    void Form_Load();

    const MainWindowControls &controls() const;
    DrillState &drillState();
    CatalogueState &catalogueState();
    DrillEngine &drillEngine();
    DrillSequencer &drillSequencer();
    DrillHistory &drillHistory();
    KeyboardWidget &keyboardWidget();
    ExerciseCatalogue &exerciseCatalogue();
    StatsRecorder &statistics();

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
    void LayoutWindow();
    void placeRestoredWindow();
    // The smallest inner size in which the layout keeps every control inside the window.
    QSize smallestSize() const;
    void connectControls();

    Platform platform;
    QString currentUser;
    DrillState drill;
    CatalogueState catalogue;
    InterfaceTexts texts;
    MainWindowControls c;
    KeyboardWidget *keyboard;
    DrillEngine *engine;
    ExerciseCatalogue *exercises;
    DrillHistory *history;
    DrillSequencer *sequencer;
    LanguageSwitcher *languages;
    ToolbarActions *tools;
    KeyboardToggle *keyboardToggle;
    StatsRecorder *stats;
    // The learner confirmed leaving through the exit button: the history is saved already.
    bool leaving = false;
    bool screenWatched = false;
};
