#include "ArtStyle.h"
#include "HandPainter.h"

#include <QList>
#include <QPoint>

#include <gtest/gtest.h>

namespace
{

const QRgb White = qRgb(255, 255, 255);

// The ground: every pure white pixel reachable from the border. The pointer maker makes
// exactly these transparent.
QList<bool> ground(const QImage &picture)
{
    const int width = picture.width();
    QList<bool> reached(width * picture.height(), false);
    QList<QPoint> pending;
    for (int x = 0; x < width; ++x) {
        pending.append({x, 0});
        pending.append({x, picture.height() - 1});
    }
    for (int y = 0; y < picture.height(); ++y) {
        pending.append({0, y});
        pending.append({width - 1, y});
    }
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        if (!picture.rect().contains(p) || reached[p.y() * width + p.x()] || picture.pixel(p) != White) {
            continue;
        }
        reached[p.y() * width + p.x()] = true;
        pending.append({{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    return reached;
}

bool isRaisedColour(QRgb pixel)
{
    const QColor raised = ArtStyle::RaisedFinger;
    return std::abs(qRed(pixel) - raised.red()) < 24 && std::abs(qGreen(pixel) - raised.green()) < 24
        && std::abs(qBlue(pixel) - raised.blue()) < 24;
}

TEST(FingerPictures, HandStandsOnPureWhiteWithAHardDarkEdge)
{
    for (int finger = 0; finger < 10; ++finger) {
        SCOPED_TRACE(finger);
        const QImage picture = HandPainter::fingerPicture(finger);
        const QList<bool> outside = ground(picture);
        int edgeTooPale = 0;
        int holes = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool isGround = outside[y * picture.width() + x];
                if (isGround) {
                    continue;
                }
                // White inside the hand would turn into a hole in the pointer.
                holes += picture.pixel(x, y) == White;
                const bool touchesGround = (x > 0 && outside[y * picture.width() + x - 1])
                    || (x + 1 < picture.width() && outside[y * picture.width() + x + 1])
                    || (y > 0 && outside[(y - 1) * picture.width() + x])
                    || (y + 1 < picture.height() && outside[(y + 1) * picture.width() + x]);
                edgeTooPale += touchesGround && qGray(picture.pixel(x, y)) > 100;
            }
        }
        EXPECT_EQ(picture.pixel(0, 0), White);
        EXPECT_EQ(holes, 0);
        EXPECT_EQ(edgeTooPale, 0);
    }
}

// Seen from above, the right hand runs thumb, index, middle, ring, little from left to right and
// the left hand the other way round: the coloured finger must sit where its number says.
TEST(FingerPictures, EachNumberRaisesItsOwnFinger)
{
    QList<double> raisedX;
    for (int finger = 0; finger < 10; ++finger) {
        const QImage picture = HandPainter::fingerPicture(finger);
        double sum = 0;
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (isRaisedColour(picture.pixel(x, y))) {
                    sum += x;
                    ++count;
                }
            }
        }
        ASSERT_GT(count, 80) << "finger " << finger << " is hardly coloured";
        raisedX.append(sum / count);
    }
    const int leftToRight[] = {4, 3, 2, 1, 0, 5, 6, 7, 8, 9};
    for (int i = 0; i + 1 < 5; ++i) {
        EXPECT_LT(raisedX[leftToRight[i]], raisedX[leftToRight[i + 1]]) << leftToRight[i] << " " << leftToRight[i + 1];
        EXPECT_LT(raisedX[leftToRight[i + 5]], raisedX[leftToRight[i + 6]])
            << leftToRight[i + 5] << " " << leftToRight[i + 6];
    }
}

} // namespace
