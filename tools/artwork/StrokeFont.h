#pragma once

#include <QPainterPath>
#include <QStringView>

// Capital letters drawn as single strokes. The artwork carries its own letters so that it comes
// out the same on every machine, whatever fonts are installed.
namespace StrokeFont
{

// The centre lines of the text, its capitals capHeight tall and its middle at centre.
// Characters without a shape leave a gap. Stroke it with a round pen about capHeight / 6 wide.
QPainterPath textPath(QStringView text, QPointF centre, qreal capHeight);

} // namespace StrokeFont
