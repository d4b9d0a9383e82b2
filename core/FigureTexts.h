#pragma once

#include <QString>

// How the drill's figures are written on the window and in the result line: the captions are
// read character for character by people and scripts alike, so each is written in one place.
namespace FigureTexts
{

// "123 (p/m)" while the drill runs, "123(p/m)" once it is finished.
QString liveSpeed(qint64 keystrokesPerMinute);
QString finalSpeed(qint64 keystrokesPerMinute);
// "45 s."
QString seconds(int seconds);
// "Precisión 97 %": the accuracy word of the interface language, then the figure.
QString accuracy(const QString &word, qint64 percent);

} // namespace FigureTexts
