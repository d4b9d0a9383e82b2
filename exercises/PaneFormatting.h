#pragma once

class RichTextPane;

namespace PaneFormatting
{

// The whole exercise as it stands before typing: black, not emphasised, in the chosen size,
// caret at the start and nothing selected.
void showUntyped(RichTextPane &pane, int pointSize);

} // namespace PaneFormatting
