#include "KeyboardToggle.h"

#include "KeyboardWidget.h"
#include "RichTextPane.h"
#include "Twips.h"

#include <QFrame>
#include <QIcon>
#include <QPushButton>

#include <algorithm>

namespace
{
// Room kept free under the panes when the keyboard is hidden.
constexpr double MarginTwips = 600;
} // namespace

KeyboardToggle::KeyboardToggle(KeyboardWidget *keyboard, QPushButton *button, QFrame *workArea,
    RichTextPane *exercisePane, RichTextPane *echoPane, const QString &appDir, QObject *parent)
    : QObject(parent)
    , keyboard(keyboard)
    , button(button)
    , workArea(workArea)
    , exercisePane(exercisePane)
    , echoPane(echoPane)
    , appDir(appDir)
{
}

void KeyboardToggle::setTextPaneHeight(int pixels)
{
    textPaneHeight = pixels;
    // Laid out again while the keyboard is hidden, the panes keep the keyboard's room.
    if (keyboard->isHidden()) {
        setPaneHeight(hiddenPaneHeight());
    }
}

int KeyboardToggle::hiddenPaneHeight() const
{
    return workArea->height() - Twips::toPixels(MarginTwips, keyboard->logicalDpiY());
}

void KeyboardToggle::setPaneHeight(int pixels)
{
    for (RichTextPane *pane : {exercisePane, echoPane}) {
        pane->resize(pane->width(), std::max(pixels, 1));
    }
}

void KeyboardToggle::toggleKeyboard()
{
    const bool hide = !keyboard->isHidden();
    keyboard->setHidden(hide);
    if (hide) {
        setPaneHeight(hiddenPaneHeight());
    } else {
        setPaneHeight(textPaneHeight);
    }
    const QString picture = hide ? QStringLiteral("sinteclado") : QStringLiteral("teclado");
    button->setIcon(QIcon(appDir + QStringLiteral("/imagenes/botones/") + picture + QStringLiteral(".png")));
}
