#include "WavWriter.h"

#include <QDataStream>

#include <gtest/gtest.h>

namespace
{

TEST(WavWriter, WritesAPlayableMonoPcmFile)
{
    WavWriter writer(22050);
    const QList<double> samples = {0.0, 0.5, -0.5, 2.0, -2.0};
    for (const double sample : samples) {
        writer.append(sample);
    }
    const QByteArray wav = writer.encode();
    ASSERT_EQ(wav.size(), 44 + 2 * samples.size());

    QDataStream in(wav);
    in.setByteOrder(QDataStream::LittleEndian);
    const auto tag = [&in] {
        QByteArray text(4, '\0');
        in.readRawData(text.data(), 4);
        return text;
    };
    quint32 riffSize, formatSize, rate, byteRate, dataSize;
    quint16 encoding, channels, blockAlign, bits;
    EXPECT_EQ(tag(), "RIFF");
    in >> riffSize;
    EXPECT_EQ(riffSize, quint32(wav.size() - 8));
    EXPECT_EQ(tag(), "WAVE");
    EXPECT_EQ(tag(), "fmt ");
    in >> formatSize >> encoding >> channels >> rate >> byteRate >> blockAlign >> bits;
    EXPECT_EQ(formatSize, 16u);
    EXPECT_EQ(encoding, 1u);
    EXPECT_EQ(channels, 1u);
    EXPECT_EQ(rate, 22050u);
    EXPECT_EQ(byteRate, 44100u);
    EXPECT_EQ(blockAlign, 2u);
    EXPECT_EQ(bits, 16u);
    EXPECT_EQ(tag(), "data");
    in >> dataSize;
    EXPECT_EQ(dataSize, quint32(2 * samples.size()));

    // Out-of-range samples clip at full scale instead of wrapping into a loud click.
    const QList<qint16> expected = {0, 16384, -16384, 32767, -32767};
    for (const qint16 value : expected) {
        qint16 read;
        in >> read;
        EXPECT_EQ(read, value);
    }
    EXPECT_TRUE(in.atEnd());
}

} // namespace
