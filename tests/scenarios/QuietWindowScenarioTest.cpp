// What the typing window costs while the learner only looks at it: the animations stand still
// when nobody can see them, and the background keeps no picture the size of the window.
#include "TypingWindowFixture.h"

#include "AnimatedPicture.h"
#include "PaintCounter.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

// A widget that changes colour with nothing else telling the widgets over it: it only repaints.
class Patch : public QWidget
{
public:
    using QWidget::QWidget;
    QColor colour;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), colour);
    }
};

// Whether the animation moves on within a few of its frames' time.
static bool moves(AnimatedPicture *animation)
{
    const int before = animation->currentFrame();
    QTest::qWait(150);
    return animation->currentFrame() != before;
}

using QuietWindowScenario = TypingWindowFixture;

TEST_F(QuietWindowScenario, AnimationsPlayOnlyWhileSeenShowWhatLiesBeneathAndTheBackgroundKeepsJustItsTile)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("jf"));
    for (const QString &gif : {QStringLiteral("linea.gif"), QStringLiteral("laola.gif")}) {
        QFile shipped(QStringLiteral(TECLORA_DATA_DIR "/gifs/") + gif);
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        folder.writeBytes(QStringLiteral("gifs/") + gif, shipped.readAll());
    }
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(qRgb(230, 220, 200));
    ASSERT_TRUE(tile.save(folder.path() + QStringLiteral("/fondo.jpg"), "JPG"));
    open();
    // The background keeps the tile, not a picture the size of the window.
    EXPECT_GT(window->width(), 256);
    EXPECT_EQ(window->palette().window().style(), Qt::TexturePattern);
    EXPECT_EQ(window->palette().window().texture().size(), tile.size());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    AnimatedPicture *line = controls().lineAnimation;
    AnimatedPicture *wave = controls().waveAnimation;
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(moves(wave));

    const PaintCounter linePaints(line);
    window->showMinimized();
    QTest::qWait(10);
    EXPECT_FALSE(line->isRunning());
    EXPECT_FALSE(moves(line));
    EXPECT_EQ(linePaints.paints, 0);
    EXPECT_EQ(line->currentFrame(), -1); // and keeps no frames

    window->showNormal();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(moves(line));

    // Hidden, it keeps no frames; shown again, it reads its file and plays on.
    wave->hide();
    EXPECT_FALSE(moves(wave));
    EXPECT_EQ(wave->currentFrame(), -1);
    EXPECT_TRUE(moves(line));
    wave->show();
    EXPECT_TRUE(QTest::qWaitFor([wave] {
        return wave->currentFrame() >= 0;
    }));
    EXPECT_TRUE(moves(wave));
    wave->hide();

    window->hide();
    const int paintsWhenHidden = linePaints.paints;
    EXPECT_FALSE(moves(line));
    EXPECT_EQ(linePaints.paints, paintsWhenHidden);

    // Shown again, it goes on; once it has laid its frames over what lies beneath, a frame
    // repaints its own rectangle only: not the window's background, not the frame or the label
    // its rectangle touches.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(line->paintsOpaque());
    const PaintCounter windowPaints(window.get());
    const PaintCounter workAreaPaints(controls().workArea);
    const PaintCounter newLinePaints(line);
    EXPECT_TRUE(moves(line));
    EXPECT_GT(newLinePaints.paints, 0);
    EXPECT_EQ(windowPaints.paints, 0);
    EXPECT_EQ(workAreaPaints.paints, 0);

    // Those opaque frames show what lies beneath their transparent parts: first find the first and
    // the last place the line's picture leaves transparent in every frame.
    QImageReader reader(line->fileName());
    QList<QImage> pictures;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        pictures.append(image.scaled(line->size()));
    }
    ASSERT_FALSE(pictures.isEmpty());
    QPoint clear(-1, -1);
    QPoint lastClear(-1, -1);
    for (int y = 0; y < line->height(); ++y) {
        for (int x = 0; x < line->width(); ++x) {
            if (std::all_of(pictures.cbegin(), pictures.cend(), [x, y](const QImage &picture) {
                    return qAlpha(picture.pixel(x, y)) == 0;
                })) {
                clear = clear.x() < 0 ? QPoint(x, y) : clear;
                lastClear = QPoint(x, y);
            }
        }
    }
    ASSERT_GE(clear.x(), 0);
    ASSERT_GT(lastClear.x(), 1);

    // A widget beneath the line that changes colour while the line plays shows through it.
    QWidget beneath(window.get());
    beneath.setGeometry(line->geometry().adjusted(-10, -10, 10, 10));
    beneath.setAutoFillBackground(true);
    beneath.setPalette(QPalette(QColor(200, 0, 0)));
    beneath.stackUnder(line);
    beneath.show();
    const auto seenThroughLine = [&] {
        return window->grab(line->geometry()).toImage().pixel(clear);
    };
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(line->paintsOpaque());
    EXPECT_EQ(seenThroughLine(), qRgb(200, 0, 0));

    beneath.setPalette(QPalette(QColor(0, 0, 200)));
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(line->paintsOpaque());
    EXPECT_EQ(seenThroughLine(), qRgb(0, 0, 200));

    // A widget beneath a few of its pixels (and above it) that only repaints shows through them
    // too: what lies beneath is taken again just there, and must land in the right place.
    Patch patch(window.get());
    patch.setGeometry(line->x() + lastClear.x() - 1, line->y() - 4, 3, lastClear.y() + 6);
    patch.setAttribute(Qt::WA_OpaquePaintEvent);
    patch.stackUnder(line);
    patch.show();
    for (const QColor colour : {QColor(0, 200, 0), QColor(200, 200, 0)}) {
        patch.colour = colour;
        patch.update();
        EXPECT_TRUE(moves(line));
        EXPECT_TRUE(moves(line));
        EXPECT_EQ(window->grab(line->geometry()).toImage().pixel(lastClear), colour.rgb());
    }
    patch.hide();

    // Moved, it lays its frames over what lies beneath its new place.
    beneath.hide();
    line->move(line->pos() + QPoint(0, 40));
    EXPECT_TRUE(moves(line));
    EXPECT_TRUE(moves(line));
    EXPECT_NE(seenThroughLine(), qRgb(0, 0, 200));
}

TEST_F(QuietWindowScenario, TheLineRestsWhileNobodyTypesAndTheNextKeyWakesIt)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("jfjf"));
    QFile shipped(QStringLiteral(TECLORA_DATA_DIR "/gifs/linea.gif"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    folder.writeBytes(QStringLiteral("gifs/linea.gif"), shipped.readAll());
    open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    controls().startButton->click();
    AnimatedPicture *line = controls().lineAnimation;
    line->setQuietSpell(200);
    ASSERT_TRUE(QTest::qWaitFor([line] {
        return line->currentFrame() >= 0 && !line->isRunning();
    }));
    EXPECT_FALSE(moves(line));

    line->setQuietSpell(5000);
    Typing::type(controls().exercisePane, QStringLiteral("j"));
    EXPECT_EQ(controls().rightCount->text(), QStringLiteral("1"));
    EXPECT_TRUE(line->isRunning());
    EXPECT_TRUE(moves(line));
}
