#include "BackgroundTiler.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace BackgroundTiler
{

namespace
{

// Whole scanlines are copied: the first band of rows from the tile's rows, every row below it
// from the row one tile height above. On a 4K area this is as fast as QPainter::drawTiledPixmap
// (both are bound by memory), takes one thread instead of several, and needs no QPixmap, so the
// function stays pure and runs without an application object.
QImage tiled(const QImage &tile, const QSize &area)
{
    QImage image(area, tile.format());
    if (image.isNull()) {
        return {};
    }
    const qsizetype pixelBytes = tile.depth() / 8;
    const int bandHeight = std::min(tile.height(), area.height());
    for (int y = 0; y < bandHeight; ++y) {
        uchar *row = image.scanLine(y);
        const uchar *tileRow = tile.constScanLine(y);
        for (int x = 0; x < area.width(); x += tile.width()) {
            const int copied = std::min(tile.width(), area.width() - x);
            std::memcpy(row + x * pixelBytes, tileRow, copied * pixelBytes);
        }
    }
    const qsizetype rowBytes = area.width() * pixelBytes;
    for (int y = bandHeight; y < area.height(); ++y) {
        std::memcpy(image.scanLine(y), image.constScanLine(y - tile.height()), rowBytes);
    }
    return image;
}

} // namespace

QImage TileBitmap(const QImage &tile, const QSize &area)
{
    if (tile.isNull() || area.isEmpty()) {
        return {};
    }
    const QImage::Format format = tile.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return tiled(tile.convertToFormat(format), area);
}

void tileBackground(QWidget &widget, const QString &picturePath)
{
    const QImage background = TileBitmap(QImage(picturePath), widget.size());
    if (background.isNull()) {
        return;
    }
    QPalette palette = widget.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(background)));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace BackgroundTiler
