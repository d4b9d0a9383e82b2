#pragma once

#include <QString>

// The program's message boxes, all titled "Teclora".
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An OK message; returns when the learner has closed it.
    virtual void inform(const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
};
