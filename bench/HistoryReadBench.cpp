// How reading a history grows with its size, on the inputs that cost the reader most: each case
// is read at 1, 4, 16 (and 64) MB, and the time a megabyte should stay the same.
#include "Rtf.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <functional>

namespace
{

constexpr qsizetype MB = 1024 * 1024;

QByteArray repeated(const QByteArray &head, const QByteArray &piece, const QByteArray &tail, qsizetype size)
{
    QByteArray rtf = head;
    rtf.reserve(size + tail.size());
    while (rtf.size() + piece.size() + tail.size() <= size) {
        rtf += piece;
    }
    return rtf + tail;
}

// What the learner's own history looks like: typed text in blue with some misses in magenta,
// a result line after each drill.
QByteArray typicalHistory(qsizetype size)
{
    return repeated("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl "
                    ";\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;}\r\n\\uc1\\pard\\f0",
        "\\cf2 La cig\\'fce\\'f1a vuela sobre el r\\'edo\\cf3 ,\\cf2  \\'bfverdad?\\par\r\n"
        "\\cf1 125 p/m  62 s  3 err.  Castellano\\\\17 Frases\\\\4  97 %\\par\r\n",
        "}", size);
}

QByteArray deepNesting(qsizetype size)
{
    const qsizetype depth = (size - 16) / 2;
    return "{\\rtf1 " + QByteArray(depth, '{') + 'x' + QByteArray(depth, '}') + '}';
}

// Every level changes the state, so none can be shared with the one around it.
QByteArray deepNestingWithChanges(qsizetype size)
{
    return repeated("{\\rtf1 ", "{\\b x{\\b0 y", "}", size);
}

QByteArray longDestinations(qsizetype size)
{
    return repeated("{\\rtf1 ", "{\\*\\" + QByteArray(64 * 1024, 'd') + " skipped}", "}", size);
}

// The length's digits are all there is to read: what follows is skipped whole.
QByteArray hugeBinaryLength(qsizetype size)
{
    return "{\\rtf1 a\\bin" + QByteArray(size - 16, '9') + " b}";
}

QByteArray emptyColourEntries(qsizetype size)
{
    return repeated("{\\rtf1{\\colortbl", ";", "}\\cf9999999 x}", size);
}

// Plain text without an RTF header: every byte is text.
QByteArray openBraces(qsizetype size)
{
    return QByteArray(size, '{');
}

void read(benchmark::State &state, const std::function<QByteArray(qsizetype)> &make)
{
    const QByteArray input = make(state.range(0) * MB);
    for (auto _ : state) {
        QTextDocument document;
        Rtf::read(input, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
    state.SetComplexityN(input.size());
}

} // namespace

// The cheap cases go on to 64 MB: from 16 MB on every buffer is fresh memory from the system, whose
// first touch costs more than the reading itself, so the figure a megabyte settles there.
#define HISTORY_READ(name, largestMB)                                                                                  \
    BENCHMARK_CAPTURE(read, name, name)                                                                                \
        ->RangeMultiplier(4)                                                                                           \
        ->Range(1, largestMB)                                                                                          \
        ->Unit(benchmark::kMillisecond)                                                                                \
        ->Complexity(benchmark::oN)

HISTORY_READ(typicalHistory, 16);
HISTORY_READ(deepNesting, 64);
HISTORY_READ(deepNestingWithChanges, 16);
HISTORY_READ(longDestinations, 64);
HISTORY_READ(hugeBinaryLength, 64);
HISTORY_READ(emptyColourEntries, 64);
HISTORY_READ(openBraces, 64);
