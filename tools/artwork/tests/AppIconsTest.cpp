#include "AppIcons.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The icon theme finds the icon by folder and name: a wrong size in a folder shows blurred or
// not at all, and a transparent corner keeps the icon from showing as a square.
TEST(AppIcons, EverySizeLandsInItsHicolorFolderAtThatSize)
{
    QTemporaryDir icons;
    QString log;
    QTextStream stream(&log);
    ASSERT_TRUE(AppIcons::writeAll(QDir(icons.path()), stream).isEmpty());
    for (const int size : AppIcons::Sizes) {
        SCOPED_TRACE(size);
        QImageReader reader(
            icons.filePath(QStringLiteral("hicolor/%1x%1/apps/io.github.teclora.Teclora.png").arg(size)));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_GT(qAlpha(image.pixel(size / 2, size * 3 / 4)), 0);
    }
    QFile svg(icons.filePath(QStringLiteral("hicolor/scalable/apps/io.github.teclora.Teclora.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray document = svg.readAll();
    EXPECT_TRUE(document.contains("<svg"));
    EXPECT_TRUE(document.contains("viewBox=\"0 0 256 256\""));
    // Drawn from paths: no text that would depend on the fonts of whoever shows it.
    EXPECT_FALSE(document.contains("<text"));
    EXPECT_EQ(AppIcons::svg(), document);
}
