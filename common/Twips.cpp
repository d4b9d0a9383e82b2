#include "Twips.h"

namespace Twips
{

int toPixels(double twips, double dpi)
{
    return qRound(twips * dpi / PerInch);
}

QPoint toPixels(const QPointF &twips, double dpi)
{
    return {toPixels(twips.x(), dpi), toPixels(twips.y(), dpi)};
}

QSize toPixels(const QSizeF &twips, double dpi)
{
    return {toPixels(twips.width(), dpi), toPixels(twips.height(), dpi)};
}

QRect toPixels(const QRectF &twips, double dpi)
{
    return {toPixels(twips.topLeft(), dpi), toPixels(twips.size(), dpi)};
}

QSizeF fromPixels(const QSize &pixels, double dpi)
{
    return {pixels.width() * PerInch / dpi, pixels.height() * PerInch / dpi};
}

} // namespace Twips
