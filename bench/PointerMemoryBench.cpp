// Moves the mouse 100,000 times across the drawn keyboard, from key to key and now and then to
// the gap between them, and reports the process's resident memory before and after. Every move
// over a key makes a new finger pointer, and none of them may stay behind.
//
// Runs offscreen by default; under an X server (QT_QPA_PLATFORM=xcb) the pointers become real
// X cursors too.

#include "KeyboardLayout.h"
#include "KeyboardWidget.h"
#include "SystemClock.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace
{

constexpr int Moves = 100000;
constexpr double Dpi = 96;

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLong() * sysconf(_SC_PAGESIZE) / 1024 : -1;
}

bool writeFingerPictures(const QString &folder)
{
    if (!QDir(folder).mkpath(QStringLiteral("imagenes"))) {
        return false;
    }
    for (int finger = 0; finger < 10; ++finger) {
        QImage hand(80, 90, QImage::Format_RGB32);
        hand.fill(Qt::white);
        QPainter painter(&hand);
        painter.setBrush(QColor(240, 200, 170));
        painter.drawEllipse(10, 30 + finger, 60, 55);
        painter.end();
        if (!hand.save(QDir(folder).filePath(QStringLiteral("imagenes/dedo%1.png").arg(finger)))) {
            return false;
        }
    }
    return true;
}

std::vector<QPoint> route()
{
    std::vector<QPoint> points;
    for (const KeyboardLayout::Key &key : KeyboardLayout::keys()) {
        points.push_back(Twips::toPixels(QRectF(key.twips), Dpi).center());
    }
    points.push_back(Twips::toPixels(QRectF(KeyboardLayout::frame(0)), Dpi).center());
    return points;
}

void moveMouse(QWidget &widget, const std::vector<QPoint> &points, int count)
{
    for (int i = 0; i < count; ++i) {
        const QPoint at = points[i % points.size()];
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
        if (i % 100 == 0) {
            QApplication::processEvents();
        }
    }
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QTemporaryDir data;
    if (!data.isValid() || !writeFingerPictures(data.path())) {
        std::fprintf(stderr, "cannot write the finger pictures\n");
        return 1;
    }
    SystemClock clock;
    KeyboardWidget keyboard(data.path(), clock, Dpi);
    keyboard.show();
    const std::vector<QPoint> points = route();

    const long atStart = residentKiB();
    // Let the first pointers fill whatever caches the platform keeps before measuring.
    moveMouse(keyboard, points, 1000);
    const long before = residentKiB();
    moveMouse(keyboard, points, Moves);
    const long after = residentKiB();

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("resident memory at start          %8ld KiB\n", atStart);
    std::printf("after 1,000 moves (warm-up)       %8ld KiB\n", before);
    std::printf("after %d more moves           %8ld KiB\n", Moves, after);
    std::printf("growth over the %d moves      %8ld KiB\n", Moves, after - before);
    return 0;
}
