#include "ToolbarActions.h"

#include "CatalogueState.h"
#include "Launcher.h"
#include "RichTextPane.h"

ToolbarActions::ToolbarActions(CatalogueState &catalogue, RichTextPane *exercisePane, RichTextPane *echoPane,
    QWidget *window, Launcher &launcher, const QString &appDir, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , exercisePane(exercisePane)
    , echoPane(echoPane)
    , window(window)
    , launcher(launcher)
    , appDir(appDir)
{
}

void ToolbarActions::ExportReport()
{
    const QString report = appDir + QStringLiteral("/actual.rtf");
    echoPane->saveFile(report);
    launcher.open(report);
}

void ToolbarActions::ToggleHistoryPane()
{
    echoPane->setHidden(!echoPane->isHidden());
}

void ToolbarActions::CycleTextSize()
{
    catalogue.ExerciseFontSize += 2;
    if (catalogue.ExerciseFontSize == 42) {
        catalogue.ExerciseFontSize = 10;
    }
    exercisePane->setSelStart(0);
    exercisePane->setSelLength(exercisePane->length());
    exercisePane->setSelFontSize(catalogue.ExerciseFontSize);
    exercisePane->setSelStart(0);
}

void ToolbarActions::MinimiseWindow()
{
    window->showMinimized();
}
