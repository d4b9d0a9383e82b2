#include "BackgroundTiler.h"

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace BackgroundTiler
{

void TileBitmap(QWidget &form, const QImage &tile)
{
    if (tile.isNull()) {
        return;
    }
    QPalette palette = form.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(tile)));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

void tileBackground(QWidget &form, const QString &picturePath)
{
    TileBitmap(form, QImage(picturePath));
}

} // namespace BackgroundTiler
