#include "PointerPictures.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace
{

// A finger picture's size and make-up: a dark-outlined hand on a white ground.
QImage fingerPicture()
{
    QImage hand(80, 90, QImage::Format_ARGB32);
    hand.fill(Qt::white);
    QPainter painter(&hand);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(240, 200, 170));
    painter.drawRoundedRect(15, 40, 50, 45, 10, 10);
    painter.drawRoundedRect(30, 5, 14, 45, 7, 7);
    return hand;
}

void BM_CursorFromFingerPicture(benchmark::State &state)
{
    const QImage hand = fingerPicture();
    for (auto _ : state) {
        QImage pointer
            = PointerPictures::CursorFromPicture(hand, 0, 0, PointerPictures::BlackOnWhite, qRgb(255, 255, 255));
        benchmark::DoNotOptimize(pointer.constBits());
    }
}
BENCHMARK(BM_CursorFromFingerPicture)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
