#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace
{

constexpr int SampleRate = 22050;
constexpr double Tau = 2 * std::numbers::pi;

// Short linear ramps at both ends: a sound that starts or stops away from zero clicks.
double edgeFade(double t, double length)
{
    constexpr double Fade = 0.005;
    return std::clamp(std::min(t, length - t) / Fade, 0.0, 1.0);
}

WavWriter render(double length, const std::function<double(double)> &signal)
{
    WavWriter wav(SampleRate);
    const int count = int(std::lround(length * SampleRate));
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        wav.append(signal(t) * edgeFade(t, length));
    }
    return wav;
}

// A struck bell: a few partials that die away, the higher ones faster.
double bell(double t, double frequency)
{
    if (t < 0) {
        return 0;
    }
    const double attack = std::min(1.0, t / 0.006);
    const double body = std::sin(Tau * frequency * t) * std::exp(-t / 0.28);
    const double shimmer = 0.3 * std::sin(Tau * 2 * frequency * t) * std::exp(-t / 0.12);
    const double ping = 0.1 * std::sin(Tau * 3 * frequency * t) * std::exp(-t / 0.05);
    return attack * (body + shimmer + ping);
}

} // namespace

namespace SoundSynth
{

WavWriter errorSound()
{
    constexpr double Length = 0.15;
    constexpr double Start = 330;
    constexpr double End = 196;
    return render(Length, [](double t) {
        // The pitch falls exponentially; the phase is its integral, so the sweep stays smooth.
        const double k = std::log(End / Start) / Length;
        const double phase = Tau * Start * (std::exp(k * t) - 1) / k;
        const double tone = std::sin(phase) + 0.2 * std::sin(2 * phase);
        const double envelope = std::min(1.0, t / 0.008) * std::exp(-t / 0.06);
        return 0.5 * tone * envelope;
    });
}

WavWriter endChime()
{
    constexpr double Notes[] = {523.25, 659.25, 783.99, 1046.50}; // C, E, G and the C above
    constexpr double Spacing = 0.09;
    return render(0.8, [&Notes](double t) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            sum += bell(t - i * Spacing, Notes[i]);
        }
        // The tail has to be near silence already when the edge fade takes it to zero.
        const double release = std::min(1.0, (0.8 - t) / 0.12);
        return 0.24 * sum * release;
    });
}

} // namespace SoundSynth
