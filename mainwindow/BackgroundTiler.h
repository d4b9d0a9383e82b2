#pragma once

class QImage;
class QString;
class QWidget;

// Covers the typing window's background with copies of a small picture (fondo.jpg).
namespace BackgroundTiler
{

// Covers form's background with copies of tile, the first at the top-left corner, the others
// beside and below it with no gap; the copies at the right and bottom edges are cut off there.
// The tile becomes the window brush, and the form repeats it wherever it repaints, so the copies
// come back whenever the form is uncovered or resized, and the form keeps the tile only, not a
// picture of its whole size. A tile without pixels changes nothing.
void TileBitmap(QWidget &form, const QImage &tile);

// The same with the picture at picturePath; a picture that cannot be read leaves the background
// as it was.
void tileBackground(QWidget &form, const QString &picturePath);

} // namespace BackgroundTiler
