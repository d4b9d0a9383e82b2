#include "DrillHistory.h"

#include "Dialogs.h"
#include "DrillColours.h"
#include "InterfaceTexts.h"
#include "ResultLine.h"
#include "RichTextPane.h"

#include <QPushButton>

DrillHistory::DrillHistory(const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets,
    Dialogs &dialogs, std::unique_ptr<LearnerHistory> history, QObject *parent)
    : QObject(parent)
    , model(model)
    , texts(texts)
    , widgets(widgets)
    , dialogs(dialogs)
    , history(std::move(history))
{
    connect(&model, &DrillModel::started, this, &DrillHistory::discardUnfinishedEcho);
    connect(&model, &DrillModel::keyJudged, this, &DrillHistory::echo);
    connect(&model, &DrillModel::finished, this, &DrillHistory::recordResult);
}

DrillHistory::~DrillHistory() = default;

void DrillHistory::echo(const DrillModel::Judgement &judgement)
{
    if (judgement.verdict != DrillModel::Verdict::Right) {
        return;
    }
    RichTextPane &pane = *widgets.echoPane;
    const RichTextPane::Batch changes(pane);
    pane.setSelStart(pane.length());
    if (judgement.typed != DrillModel::Enter) {
        pane.setSelBold(true);
        pane.setSelColor(judgement.afterError ? palette.rightAfterError : palette.right);
    }
    pane.replaceSelection(QString(judgement.typed));
    echoLength += judgement.typed == DrillModel::Enter ? 2 : 1;
}

void DrillHistory::discardUnfinishedEcho()
{
    RichTextPane &pane = *widgets.echoPane;
    if (echoLength > 0) {
        pane.setSelStart(pane.length() - echoLength);
        pane.setSelLength(echoLength);
        pane.replaceSelection(QString());
        echoLength = 0;
    }
}

void DrillHistory::recordResult()
{
    const qint64 speed = model.speed();
    if (speed > best) {
        best = static_cast<double>(speed);
        widgets.bestSpeed->setText(QString::number(speed) + QStringLiteral(" +"));
    }
    ++drillCount;
    speedSum += speed;
    widgets.averageSpeed->setText(QString::number(averageSpeed()) + QStringLiteral(" M"));

    RichTextPane &pane = *widgets.echoPane;
    const int start = pane.length() - echoLength;
    pane.setSelStart(pane.length());
    pane.setSelColor(DrillColours::Untyped);
    append(ResultLine::compose({speed, model.elapsedSeconds(), model.wrongCount(), model.rightCount(), model.title(),
               texts.UiTexts.value(InterfaceTexts::AccuracyWord), model.accuracy()})
        + QStringLiteral("\n"));
    keepFrom(start);
}

void DrillHistory::recordExam(int minutes, const ExamRules::Figures &figures, const QString &title)
{
    RichTextPane &pane = *widgets.echoPane;
    const int start = pane.length() - echoLength;
    pane.setSelStart(pane.length());
    pane.setSelColor(DrillColours::Untyped);
    // On a line of its own below the echo of the test.
    append(QStringLiteral("\n")
        + ExamRules::resultLine(minutes, figures, texts.UiTexts.value(InterfaceTexts::AccuracyWord), title)
        + QStringLiteral("\n"));
    keepFrom(start);
}

void DrillHistory::keepFrom(int start)
{
    if (history && !history->append(widgets.echoPane->rtf(start))) {
        dialogs.inform(texts.UiTexts.value(InterfaceTexts::SaveFailed));
    }
}

void DrillHistory::append(const QString &text)
{
    RichTextPane &pane = *widgets.echoPane;
    pane.setSelStart(pane.length());
    pane.replaceSelection(text);
    echoLength = 0;
}

void DrillHistory::load(const QString &today)
{
    RichTextPane &pane = *widgets.echoPane;
    pane.setText(QString());
    const LearnerHistory::Loaded loaded = history ? history->load() : LearnerHistory::Loaded {};
    for (const QByteArray &document : loaded.documents) {
        pane.appendRtf(document);
    }
    // A history that is there but cannot be read stays as it is, and the learner hears at once,
    // not only at the exit, that today's results cannot go into it: as soon as the window is up,
    // so that the message stands over it.
    unreadHistoryKept = loaded.unreadableKept;
    if (unreadHistoryKept) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                dialogs.inform(texts.notice(InterfaceTexts::HistoryNotLoaded));
            },
            Qt::QueuedConnection);
    }
    const int start = pane.length();
    append(QStringLiteral("\n") + today + QStringLiteral("\n"));
    keepFrom(start);
}

bool DrillHistory::save()
{
    if (!history || (!unreadHistoryKept && history->save(widgets.echoPane->rtf()))) {
        return true;
    }
    dialogs.inform(texts.UiTexts.value(InterfaceTexts::SaveFailed));
    return false;
}

void DrillHistory::saveAndExit()
{
    if (save() && dialogs.askYesNo(texts.UiTexts.value(InterfaceTexts::ExitQuestion))) {
        Q_EMIT exitRequested();
    }
}

void DrillHistory::setPalette(const DrillPalette &colours)
{
    palette = colours;
}

double DrillHistory::bestSpeed() const
{
    return best;
}

qint64 DrillHistory::averageSpeed() const
{
    return drillCount > 0 ? speedSum / drillCount : 0;
}
