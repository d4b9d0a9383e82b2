#include "DrillHistory.h"

#include "AnimatedPicture.h"
#include "Dialogs.h"
#include "DrillEngine.h"
#include "DrillRules.h"
#include "DrillState.h"
#include "InterfaceTexts.h"
#include "ResultLine.h"
#include "RichTextPane.h"
#include "SafeFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

DrillHistory::DrillHistory(DrillState &drill, const InterfaceTexts &texts, const HistoryWidgets &widgets,
    QTimer &statisticsTimer, Dialogs &dialogs, const QString &historyFile, QObject *parent)
    : QObject(parent)
    , drill(drill)
    , texts(texts)
    , widgets(widgets)
    , statisticsTimer(statisticsTimer)
    , dialogs(dialogs)
    , historyFile(historyFile)
{
}

void DrillHistory::FinishDrill()
{
    statisticsTimer.stop();
    const qint64 speed = DrillRules::leadingNumber(widgets.speedLabel->text());
    if (speed > BestSpeed) {
        BestSpeed = static_cast<double>(speed);
        widgets.bestSpeed->setText(QString::number(speed) + QStringLiteral(" +"));
    }
    ++DrillCount;
    SpeedSum += speed;
    widgets.averageSpeed->setText(QString::number(SpeedSum / DrillCount) + QStringLiteral(" M"));
    widgets.reactionPicture->hide();
    widgets.lineAnimation->hide();
    widgets.waveAnimation->show();

    dialogs.inform(texts.HintTexts.value(InterfaceTexts::DrillEnd));

    widgets.exercisePane->setInputEnabled(false);
    drill.TargetPos = 0;
    widgets.exercisePane->setSelStart(1);

    const QString line
        = ResultLine::compose({widgets.speedLabel->text(), widgets.timeLabel->text(), widgets.wrongCount->text(),
            widgets.rightCount->text(), widgets.exerciseLabel->text(), widgets.accuracyLabel->text()});
    RichTextPane &echo = *widgets.echoPane;
    // The drill's echo ends just before EchoPos - 1 + 1: the result line follows it at once.
    echo.setSelStart(drill.EchoPos);
    echo.setSelColor(DrillEngine::Black);
    echo.replaceSelection(line);
    echo.replaceSelection(QStringLiteral("\n"));
    // The key's handling moves EchoPos on by one once this returns, to the start of the new line,
    // which is where the next drill's echo begins.
    drill.EchoPos = echo.selStart();
    EchoMark = drill.EchoPos + 1;
    Q_EMIT drillRecorded();
}

void DrillHistory::DiscardEcho()
{
    drill.TargetPos = 1;
    const int echoLength = drill.EchoPos - EchoMark;
    drill.EchoPos = EchoMark;
    RichTextPane &echo = *widgets.echoPane;
    echo.setSelStart(drill.EchoPos - 1);
    echo.setSelLength(echoLength);
    echo.replaceSelection(QString());
    drill.DrillDone = false;
}

void DrillHistory::LoadUserHistory(const QString &today)
{
    RichTextPane &echo = *widgets.echoPane;
    // A missing or unreadable history starts an empty one. One that is there but unreadable (too
    // large, a folder, a FIFO, a link out of the folder) stays as it is, and the learner hears
    // at once, not only at the exit, that today's results cannot go into it: as soon as the
    // window is up, so that the message stands over it.
    if (!echo.loadFile(historyFile)) {
        echo.setText(QString());
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
    echo.setSelStart(echo.length());
    echo.replaceSelection(QStringLiteral("\n") + today + QStringLiteral("\n"));
    drill.EchoPos = echo.selStart() + 1;
    EchoMark = drill.EchoPos;
}

bool DrillHistory::saveHistory()
{
    if (historyFile.isEmpty() || (!unreadHistoryKept && widgets.echoPane->saveFile(historyFile))) {
        return true;
    }
    dialogs.inform(texts.UiTexts.value(InterfaceTexts::SaveFailed));
    return false;
}

void DrillHistory::SaveAndExit()
{
    if (saveHistory() && dialogs.askYesNo(texts.UiTexts.value(InterfaceTexts::ExitQuestion))) {
        Q_EMIT exitRequested();
    }
}
