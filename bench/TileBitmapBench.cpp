#include "BackgroundTiler.h"

#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace
{

QImage backgroundTile()
{
    QImage tile(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            tile.setPixel(x, y, qRgb(230 + x % 20, 225 + y % 25, 210));
        }
    }
    return tile;
}

void BM_TileBitmap4K(benchmark::State &state)
{
    const QImage tile = backgroundTile();
    for (auto _ : state) {
        QImage tiled = BackgroundTiler::TileBitmap(tile, QSize(3840, 2160));
        benchmark::DoNotOptimize(tiled.constBits());
    }
}
// Qt's painter spreads large fills over threads, so the wall clock is what compares.
BENCHMARK(BM_TileBitmap4K)->UseRealTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What TileBitmap is measured against: the same picture drawn with Qt's own tiling.
void BM_DrawTiledPixmap4K(benchmark::State &state)
{
    const QImage tile = backgroundTile();
    for (auto _ : state) {
        QImage tiled(3840, 2160, QImage::Format_RGB32);
        QPainter painter(&tiled);
        painter.drawTiledPixmap(tiled.rect(), QPixmap::fromImage(tile));
        painter.end();
        benchmark::DoNotOptimize(tiled.constBits());
    }
}
BENCHMARK(BM_DrawTiledPixmap4K)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
