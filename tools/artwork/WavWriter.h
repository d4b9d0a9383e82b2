#pragma once

#include <QByteArray>
#include <QList>

// A mono 16-bit PCM WAV file, the plainest kind every sound player accepts.
class WavWriter
{
public:
    explicit WavWriter(int sampleRate);

    // One sample in [-1, 1]; louder values are clipped rather than wrapped around.
    void append(double sample);

    QByteArray encode() const;

private:
    int rate;
    QList<qint16> samples;
};
