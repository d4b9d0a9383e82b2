#include "ArtworkSet.h"

#include <QDirIterator>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

struct Expected {
    QString path;
    QSize size;
};

// What the windows load, at the sizes their layout is made for.
QList<Expected> shippedPictures()
{
    QList<Expected> pictures = {
        {QStringLiteral("fondo.jpg"), {256, 256}},
        {QStringLiteral("imagenes/portada.jpg"), {636, 334}},
        {QStringLiteral("imagenes/teclora.png"), {256, 256}},
        {QStringLiteral("imagenes/intro.png"), {98, 178}},
        {QStringLiteral("imagenes/mayus.png"), {66, 66}},
        {QStringLiteral("gifs/si.gif"), {96, 96}},
        {QStringLiteral("gifs/no.gif"), {96, 96}},
        {QStringLiteral("gifs/linea.gif"), {402, 17}},
        {QStringLiteral("gifs/laola.gif"), {282, 33}},
        {QStringLiteral("gifs/feli2.gif"), {146, 58}},
    };
    for (const char *language : {"Castellano", "Català", "Galego", "Euskara", "English"}) {
        pictures.append({QStringLiteral("banderas/%1.jpg").arg(QString::fromUtf8(language)), {162, 114}});
    }
    for (const char *button : {"siguiente", "anterior", "empezar", "historial", "letra", "azar", "informe", "teclado",
             "sinteclado", "minimizar", "salir", "progreso", "abrir", "examen", "distribucion", "ajustes"}) {
        pictures.append({QStringLiteral("imagenes/botones/%1.png").arg(QLatin1String(button)), {96, 96}});
    }
    for (int finger = 0; finger < 10; ++finger) {
        pictures.append({QStringLiteral("imagenes/dedo%1.png").arg(finger), {80, 90}});
    }
    return pictures;
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(folder).relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

QStringList writeInto(const QString &folder)
{
    QString log;
    QTextStream stream(&log);
    return ArtworkSet::writeAll(QDir(folder), stream);
}

TEST(ArtworkSet, WritesEveryPictureTheWindowsLoadAtItsSize)
{
    QTemporaryDir data;
    ASSERT_TRUE(writeInto(data.path()).isEmpty());
    const QList<Expected> pictures = shippedPictures();
    for (const Expected &picture : pictures) {
        SCOPED_TRACE(picture.path.toStdString());
        QImageReader reader(data.filePath(picture.path));
        ASSERT_TRUE(reader.canRead());
        EXPECT_EQ(reader.size(), picture.size);
        if (picture.path.endsWith(QLatin1String(".gif"))) {
            EXPECT_GT(reader.imageCount(), 1);
            EXPECT_EQ(reader.loopCount(), -1);
        }
        if (picture.path.contains(QLatin1String("botones/"))) {
            // The buttons' own colours must show around the picture.
            EXPECT_EQ(qAlpha(reader.read().pixel(0, 0)), 0);
        }
    }
    QStringList expected = {QStringLiteral("fallo.wav"), QStringLiteral("fin.wav")};
    for (const Expected &picture : pictures) {
        expected.append(picture.path);
    }
    expected.sort();
    EXPECT_EQ(filesUnder(data.path()), expected);
}

// The files are committed: a second run that changed a byte would show up as a change nobody made.
TEST(ArtworkSet, SecondRunWritesTheSameBytes)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(writeInto(first.path()).isEmpty());
    ASSERT_TRUE(writeInto(second.path()).isEmpty());
    const QStringList files = filesUnder(first.path());
    ASSERT_EQ(files, filesUnder(second.path()));
    for (const QString &file : files) {
        QFile a(first.filePath(file));
        QFile b(second.filePath(file));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll()) << file.toStdString();
    }
}

TEST(ArtworkSet, ReportsEveryFileItCannotWrite)
{
    QTemporaryDir parent;
    QFile blocker(parent.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A file where the folder should be: nothing can be written, and each file says so.
    const QStringList failed = writeInto(blocker.fileName());
    EXPECT_EQ(failed.size(), shippedPictures().size() + 2);
}

} // namespace
