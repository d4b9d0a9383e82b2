#pragma once

#include "GifWriter.h"

// The reaction picture beside the drill: a short bounce for the right key, a shake for a wrong
// one, each ending in a long still frame so that fast typing does not make it flicker.
namespace ReactionAnimations
{

GifWriter right();
GifWriter wrong();

} // namespace ReactionAnimations
