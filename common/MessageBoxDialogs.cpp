#include "MessageBoxDialogs.h"

#include <QMessageBox>

namespace
{
const QString Title = QStringLiteral("Teclora");
}

void MessageBoxDialogs::setParentWindow(QWidget *window)
{
    parentWindow = window;
}

void MessageBoxDialogs::inform(const QString &text)
{
    informOver(parentWindow, text);
}

void MessageBoxDialogs::informOver(QWidget *window, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, window);
    box.exec();
}

bool MessageBoxDialogs::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No, parentWindow);
    return box.exec() == QMessageBox::Yes;
}
