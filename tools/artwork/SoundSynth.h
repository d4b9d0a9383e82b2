#pragma once

#include "WavWriter.h"

// The two sounds of the drill, synthesised: short, soft and free of clicks at either end.
namespace SoundSynth
{

// A soft low "bup" for a wrong key, about 0.15 s: heard often, so it must not grate.
WavWriter errorSound();

// A rising four-note bell chime at the end of an exercise, about 0.8 s.
WavWriter endChime();

} // namespace SoundSynth
