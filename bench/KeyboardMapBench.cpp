// Both keyboards are read from the system's layout files as the typing window opens: the time it
// takes is added to the window's first showing.
#include "KeyboardMap.h"

#include <benchmark/benchmark.h>

namespace
{

void readBothKeyboards(benchmark::State &state)
{
    const QString folder = KeyboardMap::systemSymbolsFolder();
    for (auto _ : state) {
        KeyboardMap::Layout made = KeyboardMap::Layout::Spain;
        benchmark::DoNotOptimize(KeyboardMap::load(KeyboardMap::Layout::Spain, folder, &made));
        benchmark::DoNotOptimize(KeyboardMap::load(KeyboardMap::Layout::LatinAmerica, folder, &made));
        if (made != KeyboardMap::Layout::LatinAmerica) {
            state.SkipWithError("the system's Latin American layout could not be read");
            break;
        }
    }
}
BENCHMARK(readBothKeyboards)->Unit(benchmark::kMillisecond);

} // namespace
