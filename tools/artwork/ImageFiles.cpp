#include "ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace
{

constexpr int JpegQuality = 90;

QByteArray encode(QImage image, const char *format, int quality)
{
    // The resolution would otherwise follow the screen of whoever runs the generator, and it
    // is written into both formats.
    constexpr int DotsPerMetreAt96Dpi = 3780;
    image.setDotsPerMeterX(DotsPerMetreAt96Dpi);
    image.setDotsPerMeterY(DotsPerMetreAt96Dpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

namespace ImageFiles
{

QByteArray png(const QImage &image)
{
    // PNG is lossless; the quality only trades time for size, and smaller files are worth it.
    return encode(image, "png", 0);
}

QByteArray jpeg(const QImage &image)
{
    return encode(image.convertToFormat(QImage::Format_RGB32), "jpeg", JpegQuality);
}

bool save(const QString &path, const QByteArray &content)
{
    if (content.isEmpty() || !QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

} // namespace ImageFiles
