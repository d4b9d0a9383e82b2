#pragma once

#include "GifWriter.h"

// The small moving decorations: the light running along the line under the tool bar, the
// wave beside the hint line and the cheerful typist of the start-up window.
namespace DecorAnimations
{

GifWriter line();
GifWriter wave();
GifWriter cheerfulTypist();

} // namespace DecorAnimations
