#include "ToolbarActions.h"

#include "CatalogueState.h"
#include "Dialogs.h"
#include "InterfaceTexts.h"
#include "Launcher.h"
#include "RichTextPane.h"

#include <QDir>
#include <QFileInfo>

ToolbarActions::ToolbarActions(CatalogueState &catalogue, const InterfaceTexts &texts, RichTextPane *exercisePane,
    RichTextPane *echoPane, QWidget *window, Launcher &launcher, Dialogs &dialogs, const QString &reportFile,
    QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , texts(texts)
    , exercisePane(exercisePane)
    , echoPane(echoPane)
    , window(window)
    , launcher(launcher)
    , dialogs(dialogs)
    , reportFile(reportFile)
{
}

void ToolbarActions::exportReport()
{
    if (!echoPane->saveFile(reportFile)) {
        dialogs.inform(texts.notice(InterfaceTexts::ReportNotSaved));
    } else if (!launcher.open(reportFile)) {
        // The report is there all the same, for whatever program the learner has.
        dialogs.inform(texts.notice(InterfaceTexts::EditorNotStarted) + u'\n'
            + QDir::toNativeSeparators(QFileInfo(reportFile).absoluteFilePath()));
    }
}

void ToolbarActions::toggleHistoryPane()
{
    echoPane->setHidden(!echoPane->isHidden());
}

void ToolbarActions::cycleTextSize()
{
    setTextSize(catalogue.fontSize >= 40 ? 10 : catalogue.fontSize + 2);
}

void ToolbarActions::setTextSize(int points)
{
    catalogue.fontSize = points;
    exercisePane->setSelStart(0);
    exercisePane->setSelLength(exercisePane->length());
    exercisePane->setSelFontSize(catalogue.fontSize);
    exercisePane->setSelStart(0);
}

void ToolbarActions::minimiseWindow()
{
    window->showMinimized();
}
