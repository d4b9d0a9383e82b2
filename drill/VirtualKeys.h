#pragma once

// The Windows virtual-key codes the panes report for the keys of this keyboard, so the drill's
// key handling reads in the codes it was written for.
namespace VirtualKeys
{

constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Delete = 46;
// Any key without a code of its own; never 0, which means a consumed key.
constexpr int OtherKey = 255;

// The code of a Qt key.
int codeOf(int qtKey);
// Arrows, Home, End and the page keys: the only keys that act on the pane itself.
bool movesCaret(int qtKey);

} // namespace VirtualKeys
