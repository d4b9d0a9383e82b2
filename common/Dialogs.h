#pragma once

#include <QString>

class QWidget;

// The program's message boxes, all titled "Teclora".
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An OK message; returns when the learner has closed it.
    virtual void inform(const QString &text) = 0;
    // An OK message that belongs to window rather than to the window in front: a box over
    // another window would bring that one forward and take the keys with it when it closes.
    virtual void informOver(QWidget *window, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
};
