#pragma once

#include <QObject>

class KeyboardWidget;
class QFrame;
class QPushButton;
class RichTextPane;

// The tool-bar button that hides the drawn keyboard, giving its room to the two text panes, and
// shows it again.
class KeyboardToggle : public QObject
{
    Q_OBJECT

public:
    KeyboardToggle(KeyboardWidget *keyboard, QPushButton *button, QFrame *workArea, RichTextPane *exercisePane,
        RichTextPane *echoPane, const QString &appDir, QObject *parent = nullptr);

    // The panes' height while the keyboard shows, in pixels, as the layout placed them; called
    // after every layout.
    void setTextPaneHeight(int pixels);
    void toggleKeyboard();

private:
    void setPaneHeight(int pixels);
    int hiddenPaneHeight() const;

    KeyboardWidget *keyboard;
    QPushButton *button;
    QFrame *workArea;
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
    QString appDir;
    int textPaneHeight = 0;
};
