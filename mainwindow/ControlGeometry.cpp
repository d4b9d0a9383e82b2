#include "ControlGeometry.h"

#include "KeyboardLayout.h"

ControlGeometry ControlGeometry::design()
{
    ControlGeometry g;
    g.workArea = {120, 4800, 855, 255};
    // The keyboard with its number row and AltGr, larger than the letters-only drawing it grew from.
    g.keyboard = QRectF(QPointF(1920, 3600), QSizeF(KeyboardLayout::Size));
    g.exercisePane = {2280, 960, 4695, 2415};
    g.echoPane = {7200, 1320, 1935, 1335};
    g.firstToolButton = {2280, 120, 735, 735};
    g.rightCount = {8640, 3000, 855, 855};
    g.wrongCount = {9480, 3000, 855, 855};
    g.bestSpeed = {8640, 3960, 855, 855};
    g.averageSpeed = {9480, 3960, 855, 855};
    // A combo box is as tall as its font makes it; 315 is what one line of the default font takes.
    g.languageList = {120, 960, 2055, 315};
    g.lessonList = {120, 1440, 2055, 2760};
    g.hintLine = {2280, 4680, 6615, 495};
    g.nextCharLabel = {9000, 1200, 1455, 975};
    g.accuracyLabel = {9120, 8280, 3255, 615};
    g.lineAnimation = {2280, 840, 6015, 255};
    g.waveAnimation = {1920, 4440, 4215, 495};

    g.flag = {600, 120, 1215, 855};
    g.exerciseNumber = {3120, 240, 975, 495};
    g.previousExerciseButton = {4200, 120, 735, 735};
    g.startButton = {5040, 120, 735, 735};
    g.progressButton = {5835, 120, 735, 735};
    g.historyButton = {6600, 120, 735, 735};
    g.textSizeButton = {7440, 120, 735, 735};
    g.speedLabel = {8280, 120, 1455, 495};
    g.timeLabel = {8280, 480, 1455, 495};
    g.randomButton = {9480, 120, 735, 735};
    g.reportButton = {10200, 120, 735, 735};
    g.keyboardButton = {11040, 120, 735, 735};
    g.minimiseButton = {11760, 120, 735, 735};
    g.exitButton = {12480, 120, 735, 735};
    g.exerciseLabel = {120, 4320, 5055, 495};
    g.reactionPicture = {13320, 120, 735, 735};
    // The buttons added after the reaction picture, side by side as the exit button's group.
    g.openTextButton = {14175, 120, 735, 735};
    g.examButton = {14910, 120, 735, 735};
    g.layoutButton = {15645, 120, 735, 735};
    g.settingsButton = {16380, 120, 735, 735};
    g.placeCounterCaptions();
    return g;
}

std::array<QRectF *, 20> ControlGeometry::toolBarRow()
{
    return {&flag, &firstToolButton, &exerciseNumber, &previousExerciseButton, &startButton, &progressButton,
        &historyButton, &textSizeButton, &speedLabel, &timeLabel, &randomButton, &reportButton, &keyboardButton,
        &minimiseButton, &exitButton, &reactionPicture, &openTextButton, &examButton, &layoutButton, &settingsButton};
}

void ControlGeometry::placeCounterCaptions()
{
    // The strip below the counters is 330 twips down to the window's edge: a line of 7-point type.
    constexpr double Gap = 15;
    constexpr double CaptionHeight = 240;
    const std::array<const QRectF *, 4> counters = {&rightCount, &wrongCount, &bestSpeed, &averageSpeed};
    for (std::size_t i = 0; i < counters.size(); ++i) {
        const QRectF &counter = *counters[i];
        counterCaptions[i] = QRectF(counter.left(), counter.bottom() + Gap, counter.width(), CaptionHeight);
    }
}
