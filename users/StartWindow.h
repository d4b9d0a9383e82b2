#pragma once

#include "Platform.h"

#include <QTimer>
#include <QWidget>

class AnimatedPicture;
class QLabel;

// The first window: the title, the cover picture and a small animation that slides once across
// the top. A click on the picture or the free background, or Enter, asks for the sign-in window.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(const Platform &platform, QWidget *parent = nullptr);

    // Centres the window and has the title, the cover and the sliding animation built as soon as
    // the window is on its way to the screen.
    void Form_Load();
    void Timer1_Timer();

    // Where the animation has slid to, in twips.
    int SlideLeft = 0;

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
    QRect twipsToPixels(double left, double top, double width, double height) const;

    Platform platform;
    // The three parts, built by buildParts. The product title; clicking it does nothing.
    QLabel *title = nullptr;
    // The cover picture; clicking it asks for the sign-in window.
    QLabel *picture = nullptr;
    // The animation that slides to the right; clicking it does nothing.
    AnimatedPicture *slide = nullptr;
    QTimer Timer1;
};
