#include "PaneFormatting.h"

#include "DrillColours.h"
#include "RichTextPane.h"

namespace PaneFormatting
{

void showUntyped(RichTextPane &pane, int pointSize)
{
    const RichTextPane::Batch oneLayout(pane);
    pane.setSelStart(0);
    pane.setSelLength(pane.length());
    pane.setSelFontSize(pointSize);
    pane.setSelColor(DrillColours::Untyped);
    pane.setSelBold(false);
    pane.setSelStart(0);
}

} // namespace PaneFormatting
