#include "ExamSession.h"

#include "CatalogueState.h"
#include "Certificate.h"
#include "Clock.h"
#include "Dialogs.h"
#include "DrillHistory.h"
#include "ExamDialog.h"
#include "ExamTexts.h"
#include "ExerciseCatalogue.h"
#include "FigureTexts.h"
#include "Launcher.h"
#include "MainWindow.h"
#include "RichTextPane.h"
#include "StatsRecorder.h"
#include "TextImport.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

ExamSession *ExamSession::attach(MainWindow &window, const Platform &platform)
{
    return new ExamSession(window, platform);
}

ExamSession::ExamSession(MainWindow &window, const Platform &platform)
    : QObject(&window)
    , window(window)
    , platform(platform)
    , model(window.drill(), [&clock = platform.clock] {
        return clock.now().toMSecsSinceEpoch();
    })
{
    connect(window.controls().examButton, &QPushButton::clicked, this, &ExamSession::chooseExam);
    connect(&model, &ExamModel::countdownChanged, this, &ExamSession::showCountdown);
    connect(&model, &ExamModel::finished, this, &ExamSession::finish);
}

QList<ExamSession::Choice> ExamSession::choices() const
{
    QList<Choice> list;
    const DrillModel &drill = window.drill();
    if (!drill.text().isEmpty()) {
        list.append({drill.title(), drill.title(), drill.text(), QString()});
    }
    for (const ExamTexts::Entry &entry : ExamTexts::list(platform.appDir, window.catalogueState().language())) {
        list.append({entry.name, entry.title, QString(), entry.path});
    }
    return list;
}

void ExamSession::chooseExam()
{
    if (chooser) {
        chooser->raise();
        return;
    }
    const QList<Choice> offered = choices();
    QStringList titles;
    for (const Choice &choice : offered) {
        titles.append(choice.path.isEmpty() ? QStringLiteral("Ejercicio actual: ") + choice.name
                                            : choice.name.section(QLatin1Char('\\'), -1));
    }
    chooser = new ExamDialog(titles, lastMinutes, window.learnerSettings().examPenalty(), &window);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, this, [this, offered] {
        window.learnerSettings().setExamPenalty(chooser->penalty());
        const int index = chooser->textIndex();
        if (index >= 0 && index < offered.size()) {
            prepareText(chooser->minutes(), chooser->penalty(), offered.at(index));
        }
    });
    chooser->open();
}

bool ExamSession::prepare(int minutes, const QString &textFile)
{
    if (!textFile.isEmpty()) {
        const TextImport::Result file = TextImport::fromFile(textFile);
        if (!file.refusal.isEmpty()) {
            platform.dialogs.inform(file.refusal);
            return false;
        }
        if (!file.notice.isEmpty()) {
            platform.dialogs.inform(file.notice);
        }
        // The whole text, not cut into exercises: a test runs as long as the time allows.
        const QString text = file.exercises.join(QLatin1String("\r\n"));
        return prepareText(minutes, window.learnerSettings().examPenalty(), {file.title, file.title, text, QString()});
    }
    const QList<Choice> offered = choices();
    const auto testText = std::find_if(offered.begin(), offered.end(), [](const Choice &choice) {
        return !choice.path.isEmpty();
    });
    const Choice choice = testText != offered.end() ? *testText : offered.value(0);
    return prepareText(minutes, window.learnerSettings().examPenalty(), choice);
}

bool ExamSession::prepareText(int minutes, int penalty, const Choice &choice)
{
    const QString text = choice.path.isEmpty() ? choice.text : ExamTexts::read(choice.path);
    if (text.isEmpty()) {
        platform.dialogs.inform(QStringLiteral("No hay ningún texto para el examen: elige un ejercicio o un texto que "
                                               "se pueda leer."));
        return false;
    }
    lastMinutes = minutes;
    certificateTitle = choice.title;
    window.exerciseCatalogue().presentExercise(choice.name, text);
    return model.begin(minutes, penalty);
}

void ExamSession::showCountdown(qint64 msecsLeft)
{
    const MainWindowControls &c = window.controls();
    const ExamRules::Figures figures = model.figures();
    c.timeLabel->setText(ExamRules::countdown(msecsLeft));
    c.speedLabel->setText(FigureTexts::liveSpeed(figures.grossPerMinute));
    if (figures.keystrokes > 0) {
        showAccuracy(figures);
    }
}

void ExamSession::showAccuracy(const ExamRules::Figures &figures)
{
    window.controls().accuracyLabel->setText(
        FigureTexts::accuracy(window.interfaceTexts().UiTexts.value(InterfaceTexts::AccuracyWord), figures.accuracy));
}

void ExamSession::finish()
{
    const ExamRules::Figures figures = model.figures();
    const MainWindowControls &c = window.controls();
    c.exercisePane->setInputEnabled(false);
    c.timeLabel->setText(FigureTexts::seconds(figures.secondsUsed));
    c.speedLabel->setText(FigureTexts::finalSpeed(figures.netPerMinute));
    showAccuracy(figures);
    window.drillHistory().recordExam(model.minutes(), figures, model.title());
    ExamRecord record;
    record.finished = platform.clock.now().toString(Qt::ISODate);
    record.text = model.title();
    record.minutes = model.minutes();
    record.seconds = figures.secondsUsed;
    record.penalty = model.penalty();
    record.keystrokes = figures.keystrokes;
    record.errors = figures.errors;
    record.gross = figures.grossPerMinute;
    record.net = figures.netPerMinute;
    record.accuracy = figures.accuracy;
    window.statistics().recordExam(record);
    writeCertificate();
}

void ExamSession::writeCertificate()
{
    const QString learner = window.statistics().learner();
    const QDateTime when = platform.clock.now();
    const QString path = platform.userPath(QStringLiteral("Informes/")) + Certificate::fileName(learner, when);
    const Certificate::Content content {learner, when, model.minutes(), model.penalty(), certificateTitle,
        model.figures(), model.text(), model.reached(), model.mistakes()};
    if (!Certificate::write(path, content)) {
        platform.dialogs.inform(QStringLiteral("No se ha podido guardar el certificado del examen en ")
            + QDir::toNativeSeparators(path)
            + QStringLiteral(". Comprueba que la carpeta admite cambios y que queda espacio en el disco."));
        return;
    }
    if (!platform.launcher.open(path)) {
        platform.dialogs.inform(QStringLiteral("El certificado del examen está en ") + QDir::toNativeSeparators(path)
            + QStringLiteral(" (no hay ningún programa para abrir archivos PDF)."));
    }
}

ExamModel &ExamSession::exam()
{
    return model;
}

ExamDialog *ExamSession::dialog() const
{
    return chooser;
}
