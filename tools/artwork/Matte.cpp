#include "Matte.h"

namespace Matte
{

QImage flatten(const QImage &drawing, const QColor &matte, const QColor &ground)
{
    QImage result = drawing.convertToFormat(QImage::Format_ARGB32);
    const QRgb groundPixel = ground.rgba();
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha < 128) {
                line[x] = groundPixel;
                continue;
            }
            const auto over = [alpha](int top, int below) {
                return (top * alpha + below * (255 - alpha) + 127) / 255;
            };
            line[x] = qRgb(
                over(qRed(pixel), matte.red()), over(qGreen(pixel), matte.green()), over(qBlue(pixel), matte.blue()));
        }
    }
    return result;
}

} // namespace Matte
