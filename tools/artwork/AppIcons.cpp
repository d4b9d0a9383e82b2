#include "AppIcons.h"

#include "Canvas.h"
#include "CoverPainter.h"
#include "ImageFiles.h"

#include <QBuffer>
#include <QSvgGenerator>

namespace
{

QImage pngIcon(int size)
{
    return Canvas::draw(QSize(size, size), Qt::transparent, [size](QPainter &painter) {
        // Redrawn at each size rather than shrunk from the largest, so small icons stay crisp.
        const qreal scale = qreal(size) / CoverPainter::AppIconSize;
        painter.scale(scale, scale);
        CoverPainter::paintAppIcon(painter);
    });
}

} // namespace

namespace AppIcons
{

QByteArray svg()
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(CoverPainter::AppIconSize, CoverPainter::AppIconSize));
    generator.setViewBox(QRect(0, 0, CoverPainter::AppIconSize, CoverPainter::AppIconSize));
    generator.setTitle(QStringLiteral("Teclora"));
    generator.setDescription(QStringLiteral("Teclora: una tecla con la Ñ"));
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    CoverPainter::paintAppIcon(painter);
    painter.end();
    return buffer.data();
}

QStringList writeAll(const QDir &iconDir, QTextStream &log)
{
    QStringList failed;
    const auto write = [&](const QString &path, const QByteArray &content) {
        if (ImageFiles::save(iconDir.filePath(path), content)) {
            log << path << u' ' << content.size() << Qt::endl;
        } else {
            failed.append(path);
        }
    };
    for (const int size : Sizes) {
        write(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(IconName), ImageFiles::png(pngIcon(size)));
    }
    write(QStringLiteral("hicolor/scalable/apps/%1.svg").arg(IconName), svg());
    return failed;
}

} // namespace AppIcons
