#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace
{

void putLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.append(char((value >> (8 * i)) & 0xff));
    }
}

} // namespace

WavWriter::WavWriter(int sampleRate)
    : rate(sampleRate)
{
}

void WavWriter::append(double sample)
{
    samples.append(qint16(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0)));
}

QByteArray WavWriter::encode() const
{
    constexpr int BytesPerSample = 2;
    const auto dataSize = quint32(samples.size() * BytesPerSample);
    QByteArray out;
    out.append("RIFF");
    putLittleEndian(out, 36 + dataSize, 4);
    out.append("WAVEfmt ");
    putLittleEndian(out, 16, 4); // size of the format chunk
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, quint32(rate), 4);
    putLittleEndian(out, quint32(rate * BytesPerSample), 4);
    putLittleEndian(out, BytesPerSample, 2);
    putLittleEndian(out, 8 * BytesPerSample, 2);
    out.append("data");
    putLittleEndian(out, dataSize, 4);
    for (const qint16 sample : samples) {
        putLittleEndian(out, quint16(sample), 2);
    }
    return out;
}
