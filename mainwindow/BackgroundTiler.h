#pragma once

#include <QImage>

class QString;
class QWidget;

// Covers the typing window's background with copies of a small picture (fondo.jpg).
namespace BackgroundTiler
{

// The area covered with copies of tile, the first at the top-left corner, the others beside and
// below it with no gap; the copies at the right and bottom edges are cut off there. A tile or an
// area without pixels gives a null image: there is nothing to draw.
QImage TileBitmap(const QImage &tile, const QSize &area);

// Gives widget a background of the picture at picturePath tiled over its present size, as its
// window brush, so that it comes back whenever the widget is uncovered. A picture that cannot
// be read leaves the background as it was.
void tileBackground(QWidget &widget, const QString &picturePath);

} // namespace BackgroundTiler
