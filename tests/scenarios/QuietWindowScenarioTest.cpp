// What the typing window costs while the learner only looks at it: the animations stand still
// when nobody can see them, and the background keeps no picture the size of the window.
#include "TypingWindowFixture.h"

#include "AnimatedPicture.h"

#include <QFile>
#include <QImage>
#include <QPaintEvent>
#include <QTest>

namespace
{

// Counts the paint events a widget gets and gathers what they paint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

} // namespace

class QuietWindowScenario : public TypingWindowFixture
{
protected:
    QuietWindowScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("jf"));
        for (const QString &gif : {QStringLiteral("linea.gif"), QStringLiteral("laola.gif")}) {
            QFile shipped(QStringLiteral(TECLORA_DATA_DIR "/gifs/") + gif);
            EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
            folder.writeBytes(QStringLiteral("gifs/") + gif, shipped.readAll());
        }
    }

    // Whether the animation moves on within a few of its frames' time.
    static bool moves(AnimatedPicture *animation)
    {
        const int before = animation->currentFrame();
        QTest::qWait(150);
        return animation->currentFrame() != before;
    }
};

TEST_F(QuietWindowScenario, AnimationsPlayOnlyWhileTheyCanBeSeen)
{
    open();
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

    window->showNormal();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(moves(line));

    wave->hide();
    EXPECT_FALSE(moves(wave));
    EXPECT_TRUE(moves(line));

    window->hide();
    const int paintsWhenHidden = linePaints.paints;
    EXPECT_FALSE(moves(line));
    EXPECT_EQ(linePaints.paints, paintsWhenHidden);

    // Shown again, it goes on; its frames repaint its own rectangle, not the window.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(50);
    const PaintCounter windowPaints(window.get());
    EXPECT_TRUE(moves(line));
    EXPECT_GT(windowPaints.paints, 0);
    EXPECT_TRUE(line->geometry().contains(windowPaints.painted.boundingRect()));
}

TEST_F(QuietWindowScenario, BackgroundKeepsTheTileNotAPictureOfTheWindow)
{
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(qRgb(230, 220, 200));
    ASSERT_TRUE(tile.save(folder.path() + QStringLiteral("/fondo.jpg"), "JPG"));
    open();
    EXPECT_GT(window->width(), 256);
    const QBrush background = window->palette().window();
    EXPECT_EQ(background.style(), Qt::TexturePattern);
    EXPECT_EQ(background.texture().size(), tile.size());
}
