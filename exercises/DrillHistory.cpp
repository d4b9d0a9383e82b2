#include "DrillHistory.h"

#include "Dialogs.h"
#include "DrillColours.h"
#include "InterfaceTexts.h"
#include "ResultLine.h"
#include "RichTextPane.h"
#include "SafeFile.h"

#include <QPushButton>

DrillHistory::DrillHistory(const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets,
    Dialogs &dialogs, const QString &historyFile, QObject *parent)
    : QObject(parent)
    , model(model)
    , texts(texts)
    , widgets(widgets)
    , dialogs(dialogs)
    , historyFile(historyFile)
{
    connect(&model, &DrillModel::started, this, &DrillHistory::discardUnfinishedEcho);
    connect(&model, &DrillModel::keyJudged, this, &DrillHistory::echo);
    connect(&model, &DrillModel::finished, this, &DrillHistory::recordResult);
}

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
    pane.setSelStart(pane.length());
    pane.setSelColor(DrillColours::Untyped);
    append(ResultLine::compose({speed, model.elapsedSeconds(), model.wrongCount(), model.rightCount(), model.title(),
               texts.UiTexts.value(InterfaceTexts::AccuracyWord), model.accuracy()})
        + QStringLiteral("\n"));
}

void DrillHistory::recordExam(int minutes, const ExamRules::Figures &figures, const QString &title)
{
    RichTextPane &pane = *widgets.echoPane;
    pane.setSelStart(pane.length());
    pane.setSelColor(DrillColours::Untyped);
    // On a line of its own below the echo of the test.
    append(QStringLiteral("\n")
        + ExamRules::resultLine(minutes, figures, texts.UiTexts.value(InterfaceTexts::AccuracyWord), title)
        + QStringLiteral("\n"));
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
    // A missing or unreadable history starts an empty one. One that is there but unreadable (too
    // large, a folder, a FIFO, a link out of the folder) stays as it is, and the learner hears
    // at once, not only at the exit, that today's results cannot go into it: as soon as the
    // window is up, so that the message stands over it.
    if (!pane.loadFile(historyFile)) {
        pane.setText(QString());
        unreadHistoryKept = SafeFile::isTaken(historyFile);
        if (unreadHistoryKept) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    dialogs.inform(texts.notice(InterfaceTexts::HistoryNotLoaded));
                },
                Qt::QueuedConnection);
        }
    }
    append(QStringLiteral("\n") + today + QStringLiteral("\n"));
}

bool DrillHistory::save()
{
    if (historyFile.isEmpty() || (!unreadHistoryKept && widgets.echoPane->saveFile(historyFile))) {
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
