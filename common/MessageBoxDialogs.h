#pragma once

#include "Dialogs.h"

class QWidget;

class MessageBoxDialogs : public Dialogs
{
public:
    // The window the boxes are modal to; may change as windows come and go.
    void setParentWindow(QWidget *window);

    void inform(const QString &text) override;
    void informOver(QWidget *window, const QString &text) override;
    bool askYesNo(const QString &text) override;

private:
    QWidget *parentWindow = nullptr;
};
