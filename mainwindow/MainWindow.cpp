#include "MainWindow.h"

#include "AnimatedPicture.h"
#include "BackgroundTiler.h"
#include "Clock.h"
#include "ControlGeometry.h"
#include "Dialogs.h"
#include "DrillFeedback.h"
#include "DrillFiguresView.h"
#include "DrillHistory.h"
#include "DrillSequencer.h"
#include "DrillSummary.h"
#include "ExerciseCatalogue.h"
#include "ExercisePaneView.h"
#include "GeneralItems.h"
#include "KeyboardChoice.h"
#include "KeyboardToggle.h"
#include "KeyboardWidget.h"
#include "LanguageFiles.h"
#include "LanguageSwitcher.h"
#include "LearnerLook.h"
#include "LearnerStore.h"
#include "MachineSettings.h"
#include "OwnTextActions.h"
#include "OwnTexts.h"
#include "RichTextPane.h"
#include "StatsRecorder.h"
#include "StatsTexts.h"
#include "ToolbarActions.h"
#include "Twips.h"
#include "TypingAnnouncer.h"
#include "UserFiles.h"
#include "WindowAccessibility.h"
#include "WindowLayout.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QWindow>

#include <cmath>

namespace
{

// Where this PC keeps a signed-in learner's settings and own texts: beside the history file the
// folders would give them, under their name as the learners' store spells it. Empty unregistered.
QString localHistoryFile(const Platform &platform, const QString &learner)
{
    return learner.isEmpty() ? QString()
                             : UserFiles::historyFile(platform.userDir, platform.learners.storedName(learner));
}

} // namespace

MainWindow::MainWindow(const Platform &platform, const QString &learner, QWidget *parent)
    : QWidget(parent)
    , platform(platform)
    , learner(learner)
    , settings(learner.isEmpty() ? LearnerSettings::forSession()
                                 : LearnerSettings::forLearner(localHistoryFile(platform, learner)))
    , c(MainWindowControls::create(this, platform.appDir))
    , keyboard(new KeyboardWidget(platform.appDir, platform.clock, logicalDpiX(), this))
{
    setWindowTitle(QStringLiteral("Teclora"));
    paneView = new ExercisePaneView(model, *c.exercisePane, *c.echoPane, this);
    feedback = new DrillFeedback(model, texts, {c.hintLine, c.nextCharLabel, c.reactionPicture, keyboard},
        platform.sound, platform.appDir, this);
    summary = new DrillSummary(model, c.hintLine, this);
    figures = new DrillFiguresView(
        model, texts, {c.rightCount, c.wrongCount, c.timeLabel, c.speedLabel, c.accuracyLabel}, this);
    exercises = new ExerciseCatalogue(catalogue, model,
        {c.languageList, c.lessonList, c.numberField, c.nextButton, c.previousButton, c.exerciseLabel, c.exercisePane,
            c.echoPane, {c.nextButton, c.previousButton, c.numberField, c.startButton, c.randomButton, c.lessonList}},
        this);
    history = new DrillHistory(model, texts, {c.echoPane, c.bestSpeed, c.averageSpeed}, platform.dialogs,
        learner.isEmpty() ? nullptr : platform.learners.history(learner), this);
    sequencer = new DrillSequencer(catalogue, model, texts,
        {c.exercisePane, c.reactionPicture, c.lineAnimation, c.waveAnimation, c.lessonList}, *exercises,
        platform.dialogs, platform.clock, this);
    languages = new LanguageSwitcher(
        catalogue, texts, *exercises, c.languageList, c.flag, platform.dialogs, platform.appDir, this);
    tools = new ToolbarActions(catalogue, texts, c.exercisePane, c.echoPane, this, platform.launcher, platform.dialogs,
        platform.userPath(QStringLiteral("actual.rtf")), this);
    keyboardToggle
        = new KeyboardToggle(keyboard, c.keyboardButton, c.workArea, c.exercisePane, c.echoPane, platform.appDir, this);
    announcer = new TypingAnnouncer(model, this, this);
    keyboardChoice = new KeyboardChoice(model, settings, platform.dialogs, platform.activeLayout,
        KeyboardMap::systemSymbolsFolder(), {keyboard, feedback, announcer, c.layoutButton}, this);
    stats
        = new StatsRecorder(model, platform.appDir, platform.learners, learner, platform.dialogs, platform.clock, this);
    look = new LearnerLook(settings, catalogue,
        {c.exercisePane, c.echoPane, keyboard, {c.reactionPicture, c.lineAnimation, c.waveAnimation}, paneView, history,
            feedback, tools},
        this);
    MainWindowControls::nameToolButton(c.progressButton, stats->texts().value(StatsTexts::ProgressButton));
    // A signed-in learner's texts are kept beside their statistics, under their name as stored.
    const QString historyFile = localHistoryFile(platform, learner);
    ownTexts = std::make_unique<OwnTexts>(historyFile.isEmpty()
            ? QString()
            : platform.userPath(QStringLiteral("Textos/") + QFileInfo(historyFile).fileName()));
    catalogue.ownTextsFolder = ownTexts->folder();
    ownTextTools = new OwnTextActions(catalogue, *exercises, *ownTexts, platform.dialogs, this, this);
    connectControls();
    connectOwnTexts();
    const QList<QWidget *> focusOrder = c.focusOrder();
    for (qsizetype i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder.at(i - 1), focusOrder.at(i));
    }
    WindowAccessibility::giveRole(this, QAccessible::Window);
    WindowAccessibility::giveRole(keyboard, QAccessible::Graphic);
    setMinimumSize(smallestSize());
    placeControls(ControlGeometry::design());
    loadContents();
}

QSize MainWindow::smallestSize() const
{
    return Twips::toPixels(
        WindowLayout::minimumInnerSize(ControlGeometry::design(), exercisePaneLeastHeight()), logicalDpiX());
}

float MainWindow::exercisePaneLeastHeight() const
{
    QFont text = c.exercisePane->document()->defaultFont();
    text.setPointSizeF(catalogue.fontSize);
    const QFontMetricsF metrics(text, c.exercisePane);
    const double chrome = 2 * (c.exercisePane->frameWidth() + c.exercisePane->document()->documentMargin());
    const int pixels = static_cast<int>(std::ceil(2 * metrics.lineSpacing() + chrome));
    return static_cast<float>(Twips::fromPixels(QSize(0, pixels), logicalDpiY()).height());
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls()
{
    // A key wakes the decorative line that rests while nobody types.
    connect(&model, &DrillModel::keyJudged, c.lineAnimation, &AnimatedPicture::wake);
    connect(history, &DrillHistory::exitRequested, this, [this] {
        leaving = true;
        saveSettings();
        Q_EMIT exitRequested();
    });
    connect(sequencer, &DrillSequencer::lessonFinished, summary, [this](const QString &nextLesson) {
        summary->showNotice(QStringLiteral("Lección terminada: pasamos a ") + nextLesson);
    });
    // Only a capital that came without Shift, or a small letter with it, tells Caps Lock is on.
    connect(c.exercisePane, &RichTextPane::keyDown, feedback, [this](int &, Qt::KeyboardModifiers modifiers) {
        feedback->setShiftHeld(modifiers.testFlag(Qt::ShiftModifier));
    });
    connect(c.startButton, &QPushButton::clicked, sequencer, &DrillSequencer::startDrill);
    connect(c.randomButton, &QPushButton::clicked, sequencer, &DrillSequencer::pickRandomExercise);
    // Random order is switched by these buttons' own handlers; the button shows it once they are done.
    for (QPushButton *button : {c.randomButton, c.nextButton, c.previousButton}) {
        connect(button, &QPushButton::clicked, this, &MainWindow::showRandomOrder, Qt::QueuedConnection);
    }
    connect(c.historyButton, &QPushButton::clicked, tools, &ToolbarActions::toggleHistoryPane);
    connect(c.textSizeButton, &QPushButton::clicked, tools, &ToolbarActions::cycleTextSize);
    // Larger text needs a higher pane for its two lines, which may take room from the keyboard.
    connect(c.textSizeButton, &QPushButton::clicked, this, &MainWindow::layOutWindow);
    connect(c.reportButton, &QPushButton::clicked, tools, &ToolbarActions::exportReport);
    connect(c.keyboardButton, &QPushButton::clicked, keyboardToggle, &KeyboardToggle::toggleKeyboard);
    connect(c.minimiseButton, &QPushButton::clicked, tools, &ToolbarActions::minimiseWindow);
    connect(c.exitButton, &QPushButton::clicked, history, &DrillHistory::saveAndExit);
    connect(c.settingsButton, &QPushButton::clicked, look, [this] {
        look->openDialog(this);
    });
    connect(look, &LearnerLook::typeChanged, this, &MainWindow::layOutWindow);
}

void MainWindow::connectOwnTexts()
{
    connect(c.openTextButton, &QPushButton::clicked, ownTextTools, &OwnTextActions::chooseFile);
    auto *paste = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
    connect(paste, &QShortcut::activated, ownTextTools, &OwnTextActions::pasteClipboard);
    connect(ownTextTools, &OwnTextActions::added, this, [this](const QString &message) {
        summary->showNotice(message);
        // Space or Enter starts the text's first drill.
        c.startButton->setFocus();
    });
    // Removing is offered on the lesson list too, where "Mis textos" is; whether it applies is
    // known once the list's own handlers have loaded the lesson.
    c.lessonList->setContextMenuPolicy(Qt::ActionsContextMenu);
    c.lessonList->addAction(ownTextTools->removeAction());
    connect(c.lessonList, &QListWidget::currentRowChanged, ownTextTools, &OwnTextActions::followLesson,
        Qt::QueuedConnection);
    connect(c.languageList, &QComboBox::currentIndexChanged, ownTextTools, &OwnTextActions::followLesson,
        Qt::QueuedConnection);
}

void MainWindow::openOwnText(const QString &path)
{
    ownTextTools->addFile(path);
}

void MainWindow::showRandomOrder()
{
    c.randomButton->setChecked(catalogue.randomOrder);
    c.randomButton->setAccessibleDescription(
        catalogue.randomOrder ? QStringLiteral("orden al azar activado") : QStringLiteral("orden al azar desactivado"));
}

void MainWindow::placeControls(const ControlGeometry &g)
{
    static const ControlGeometry design = ControlGeometry::design();
    const double dpi = logicalDpiX();
    const auto place = [dpi](QWidget *widget, const QRectF &twips) {
        widget->setGeometry(Twips::toPixels(twips, dpi));
    };
    place(c.workArea, g.workArea);
    place(c.exercisePane, g.exercisePane);
    place(c.echoPane, g.echoPane);
    place(c.nextButton, g.firstToolButton);
    place(c.rightCount, g.rightCount);
    place(c.wrongCount, g.wrongCount);
    place(c.bestSpeed, g.bestSpeed);
    place(c.averageSpeed, g.averageSpeed);
    for (std::size_t i = 0; i < c.counterCaptions.size(); ++i) {
        place(c.counterCaptions[i], g.counterCaptions[i]);
    }
    place(c.languageList, g.languageList);
    place(c.lessonList, g.lessonList);
    place(c.hintLine, g.hintLine);
    place(c.nextCharLabel, g.nextCharLabel);
    place(c.accuracyLabel, g.accuracyLabel);
    place(c.lineAnimation, g.lineAnimation);
    place(c.waveAnimation, g.waveAnimation);
    place(c.flag, g.flag);
    place(c.numberField, g.exerciseNumber);
    place(c.previousButton, g.previousExerciseButton);
    place(c.startButton, g.startButton);
    place(c.progressButton, g.progressButton);
    place(c.historyButton, g.historyButton);
    place(c.textSizeButton, g.textSizeButton);
    place(c.speedLabel, g.speedLabel);
    place(c.timeLabel, g.timeLabel);
    place(c.randomButton, g.randomButton);
    place(c.reportButton, g.reportButton);
    place(c.keyboardButton, g.keyboardButton);
    place(c.minimiseButton, g.minimiseButton);
    place(c.exitButton, g.exitButton);
    place(c.exerciseLabel, g.exerciseLabel);
    // Its type is as tall as its place allows: as drawn on the tool bar, smaller under the hint line.
    QFont exerciseFont = c.exerciseLabel->font();
    exerciseFont.setPointSizeF(MainWindowControls::ExerciseLabelPoints
        * std::min(1.0, g.exerciseLabel.height() / design.exerciseLabel.height()));
    c.exerciseLabel->setFont(exerciseFont);
    place(c.reactionPicture, g.reactionPicture);
    place(c.settingsButton, g.settingsButton);
    place(c.examButton, g.examButton);
    place(c.openTextButton, g.openTextButton);
    place(c.layoutButton, g.layoutButton);
    // Drawn smaller where the layout gave it less than its own size.
    keyboard->setScale(g.keyboard.width() / design.keyboard.width());
    keyboard->move(Twips::toPixels(g.keyboard.topLeft(), dpi));
    // The work area's frame is drawn behind everything placed on it.
    c.workArea->lower();
    for (QWidget *control : c.toolBar()) {
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            button->setIconSize(button->size() * 3 / 4);
        }
    }
}

void MainWindow::layOutWindow()
{
    const double dpi = logicalDpiX();
    // The contents get the window less its frame and title bar, whatever the desktop draws: the
    // layout works from that size, so nothing falls off the bottom of a maximised window.
    const WindowLayout::Placement placement = WindowLayout::layOutWindow(
        Twips::fromPixels(size(), dpi), ControlGeometry::design(), exercisePaneLeastHeight());
    setMinimumSize(smallestSize());
    placeControls(placement.geometry);
    keyboardToggle->setTextPaneHeight(Twips::toPixels(placement.textPaneHeight, dpi));
    BackgroundTiler::tileBackground(*this, platform.path(QStringLiteral("fondo.jpg")));
}

void MainWindow::placeRestoredWindow()
{
    // Restored from maximised, the window takes most of the free screen, centred on it.
    const QRect free = screen()->availableGeometry();
    QRect restored(QPoint(), (free.size() * 4 / 5).expandedTo(minimumSize()));
    restored.moveCenter(free.center());
    setGeometry(restored);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutWindow();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Moved to a screen of another density, the window is laid out again for its twips.
    if (!screenWatched && windowHandle()) {
        screenWatched = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::layOutWindow);
    }
    // Asked once the window is up, so the question has a window to stand over.
    if (!layoutOffered) {
        layoutOffered = true;
        QMetaObject::invokeMethod(keyboardChoice, &KeyboardChoice::offerDetected, Qt::QueuedConnection);
    }
}

void MainWindow::loadContents()
{
    catalogue.exerciseRoot = platform.appDir + QStringLiteral("/Ejercicios");
    // The general texts are read first, so that a message about a missing language file at
    // start-up has its words.
    texts.UiTexts = LanguageFiles::generalItems(platform.appDir, GeneralItems::ExitQuestion, InterfaceTexts::UiCount);
    texts.NoticeTexts
        = LanguageFiles::generalItems(platform.appDir, GeneralItems::ReportNotSaved, InterfaceTexts::NoticeCount);
    exercises->fillLanguageList();
    languages->applyLanguage();
    if (!learner.isEmpty()) {
        // Its words are read only if a server ever goes away: the folders never call it.
        platform.learners.setAwayNotice([&dialogs = platform.dialogs, appDir = platform.appDir] {
            dialogs.inform(GeneralItems::text(LanguageFiles::generalItems(appDir, 0, GeneralItems::ItemCount),
                GeneralItems::ServerAwayDuringSession));
        });
        history->load(platform.clock.shortDate());
        setWindowTitle(windowTitle() + QStringLiteral("    *** ") + learner + QStringLiteral(" ***"));
    }
    restoreSettings();
    layOutWindow();
    c.lineAnimation->play(platform.path(QStringLiteral("gifs/linea.gif")));
    c.waveAnimation->play(platform.path(QStringLiteral("gifs/laola.gif")));
    languages->showFlag();
    c.accuracyLabel->setText(texts.UiTexts.value(InterfaceTexts::AccuracyWord));
    // Space or Enter starts the first drill at once; Tab leads everywhere else.
    c.startButton->setFocus();
}

void MainWindow::restoreSettings()
{
    exercises->restorePlaces(settings);
    const int language = int(catalogue.languages.indexOf(settings.language()));
    if (language > 0) {
        c.languageList->setCurrentIndex(language);
        languages->onLanguageChosen(language);
    }
    const int lesson = int(catalogue.lessons.indexOf(settings.lesson()));
    if (lesson >= 0 && lesson != c.lessonList->currentRow()) {
        c.lessonList->setCurrentRow(lesson);
    } else if (lesson >= 0) {
        exercises->selectLesson(lesson);
    }
    showRandomOrder();
    if (!settings.keyboardShown()) {
        keyboardToggle->toggleKeyboard();
    }
    look->restore();
    keyboardChoice->restore();
    if (!restoreGeometry(MachineSettings().windowGeometry())) {
        placeRestoredWindow();
    }
}

void MainWindow::saveSettings()
{
    exercises->savePlaces(settings);
    settings.setKeyboardShown(!keyboard->isHidden());
    settings.sync();
    MachineSettings machine;
    machine.setWindowGeometry(saveGeometry());
    machine.sync();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Leaving by the window's frame keeps the history too; if it cannot be saved the learner is
    // told and may still stay.
    if (leaving || history->save() || platform.dialogs.askYesNo(texts.UiTexts.value(InterfaceTexts::ExitQuestion))) {
        if (!leaving) {
            saveSettings();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

const MainWindowControls &MainWindow::controls() const
{
    return c;
}

DrillModel &MainWindow::drill()
{
    return model;
}

CatalogueState &MainWindow::catalogueState()
{
    return catalogue;
}

DrillSequencer &MainWindow::drillSequencer()
{
    return *sequencer;
}

DrillHistory &MainWindow::drillHistory()
{
    return *history;
}

KeyboardWidget &MainWindow::keyboardWidget()
{
    return *keyboard;
}

ExerciseCatalogue &MainWindow::exerciseCatalogue()
{
    return *exercises;
}

StatsRecorder &MainWindow::statistics()
{
    return *stats;
}

LearnerLook &MainWindow::learnerLook()
{
    return *look;
}

TypingAnnouncer &MainWindow::typingAnnouncer()
{
    return *announcer;
}

LearnerSettings &MainWindow::learnerSettings()
{
    return settings;
}

const InterfaceTexts &MainWindow::interfaceTexts() const
{
    return texts;
}

OwnTextActions &MainWindow::ownTextActions()
{
    return *ownTextTools;
}
