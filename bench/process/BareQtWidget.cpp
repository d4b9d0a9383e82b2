// What any Qt 6 Widgets program pays on this machine, to read the bench's figures against: one
// widget that repaints a small square on every key, the least a typing tutor can do for a key.
// It prints the square's place ("typing-region=X,Y,W,H") for the latency bench.
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace
{

const QRect Square(10, 10, 20, 20);

class KeySquare : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent *) override
    {
        blue = !blue;
        repaint(Square);
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(Square, blue ? Qt::blue : Qt::red);
    }

private:
    bool blue = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KeySquare window;
    window.resize(400, 300);
    window.show();
    window.activateWindow();
    std::printf("typing-region=%d,%d,%d,%d\n", Square.x(), Square.y(), Square.width(), Square.height());
    std::fflush(stdout);
    return QApplication::exec();
}
