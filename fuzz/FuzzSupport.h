#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share. Each target defines LLVMFuzzerTestOneInput; libFuzzer calls it with
// the inputs it invents, and the replay program with every file of the target's corpus.
namespace FuzzSupport
{

// The input as the program would hold it after reading a file.
inline QByteArrayView bytes(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)};
}

// Text documents need fonts, and fonts a GUI application: one, offscreen, for the whole run.
void ensureGuiApplication();

// Stops the run so that the input is kept as a finding, saying what was wrong with it.
[[noreturn]] void fail(const char *what);

} // namespace FuzzSupport

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
