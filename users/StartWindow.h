#pragma once

#include "Platform.h"

#include <QTimer>
#include <QWidget>

class AnimatedPicture;
class QLabel;

// The first window: the title, the cover picture and a small animation that slides once across
// the top. A click on the picture or the free background, or Enter, asks for the sign-in window;
// a line over the cover says so.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    // The window centred, and its parts on their way: they are built as soon as the window is on
    // its way to the screen (see the constructor), so that they never hold its first map back.
    explicit StartWindow(const Platform &platform, QWidget *parent = nullptr);

    // Moves the animation one step to the right, until it is out of sight.
    void advanceSlide();

Q_SIGNALS:
    void signInRequested();
    // The learner closed the window: the program ends.
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Enter or the space bar does what a click does, for a learner without a mouse.
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildParts();
    void buildEnterPrompt();
    QRect twipsToPixels(double left, double top, double width, double height) const;

    Platform platform;
    // The parts, built by buildParts. The product title; clicking it does nothing.
    QLabel *title = nullptr;
    // The cover picture; clicking it asks for the sign-in window.
    QLabel *picture = nullptr;
    // Over a corner of the cover, tells that Enter opens the sign-in window too.
    QLabel *enterPrompt = nullptr;
    // The animation that slides to the right; clicking it does nothing.
    AnimatedPicture *slide = nullptr;
    QTimer slideTimer;
    // Where the animation has slid to, in twips.
    int slideLeft = 0;
};
