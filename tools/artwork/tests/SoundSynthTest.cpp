#include "SoundSynth.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

QList<qint16> samplesOf(const QByteArray &wav)
{
    constexpr int HeaderSize = 44;
    QList<qint16> samples;
    for (qsizetype at = HeaderSize; at + 1 < wav.size(); at += 2) {
        samples.append(qFromLittleEndian<qint16>(wav.constData() + at));
    }
    return samples;
}

TEST(SoundSynth, SoundsAreShortAudibleAndDoNotClick)
{
    const struct {
        const char *name;
        QByteArray wav;
        double seconds;
    } sounds[] = {
        {"error", SoundSynth::errorSound().encode(), 0.15},
        {"end", SoundSynth::endChime().encode(), 0.8},
    };
    for (const auto &sound : sounds) {
        SCOPED_TRACE(sound.name);
        const QList<qint16> samples = samplesOf(sound.wav);
        EXPECT_NEAR(samples.size() / 22050.0, sound.seconds, 0.02);
        // A sound that starts or ends far from silence clicks through the speaker.
        EXPECT_LT(std::abs(samples.first()), 300);
        EXPECT_LT(std::abs(samples.last()), 300);
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const int peak = std::max(-int(*low), int(*high));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32000) << "clipped";
    }
}

} // namespace
