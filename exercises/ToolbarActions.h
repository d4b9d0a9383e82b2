#pragma once

#include <QObject>

class Dialogs;
class Launcher;
class QWidget;
class RichTextPane;
struct CatalogueState;
struct InterfaceTexts;

// The tool-bar buttons that act on the two panes and on the window.
class ToolbarActions : public QObject
{
    Q_OBJECT

public:
    // reportFile is actual.rtf in the learners' home.
    ToolbarActions(CatalogueState &catalogue, const InterfaceTexts &texts, RichTextPane *exercisePane,
        RichTextPane *echoPane, QWidget *window, Launcher &launcher, Dialogs &dialogs, const QString &reportFile,
        QObject *parent = nullptr);

    // Saves the history pane as the report and opens it in the desktop's editor. A report that
    // could not be saved is not opened (the editor would show an older one as if it were new);
    // either failure is told in one message.
    void exportReport();
    void toggleHistoryPane();
    // 36, 38, 40, then 10, 12 ... 40 and round again; a larger size from the settings goes round too.
    void cycleTextSize();
    // The exercise text in points, from now on.
    void setTextSize(int points);
    void minimiseWindow();

private:
    CatalogueState &catalogue;
    const InterfaceTexts &texts;
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
    QWidget *window;
    Launcher &launcher;
    Dialogs &dialogs;
    QString reportFile;
};
