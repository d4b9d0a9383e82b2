#pragma once

#include <QObject>

class Launcher;
class QWidget;
class RichTextPane;
struct CatalogueState;

// The tool-bar buttons that act on the two panes and on the window.
class ToolbarActions : public QObject
{
    Q_OBJECT

public:
    ToolbarActions(CatalogueState &catalogue, RichTextPane *exercisePane, RichTextPane *echoPane, QWidget *window,
        Launcher &launcher, const QString &appDir, QObject *parent = nullptr);

    // Saves the history pane as actual.rtf and opens it in the desktop's editor; a failure of
    // either is silent.
    void ExportReport();
    void ToggleHistoryPane();
    // 36, 38, 40, then 10, 12 ... 40 and round again.
    void CycleTextSize();
    void MinimiseWindow();

private:
    CatalogueState &catalogue;
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
    QWidget *window;
    Launcher &launcher;
    QString appDir;
};
