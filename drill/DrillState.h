#pragma once

#include <QString>

// The state of the drill that the key handlers, the ticker, the guide and the sequencing share.
// Positions are 1-based, and a line break counts as two (CR LF), as in the text itself.
struct DrillState {
    // The text to type.
    QString TargetText;
    // The next character to type.
    int TargetPos = 1;
    // Where the next right character is echoed in the echo pane.
    int EchoPos = 1;
    // A wrong key was pressed here and the right one has not been typed yet.
    bool ErrorPending = false;
    // No drill is running.
    bool DrillDone = true;
    // Whole seconds since the drill started.
    int ElapsedSeconds = 0;
    // The next character as the keyboard guide sees it (before the space and Enter get names).
    QString GuideChar;
    // The frame the guide highlighted last.
    int GuideShapeIndex = 0;

    // The character at TargetPos, or an empty string past the end of the text.
    QString expected() const
    {
        return TargetText.mid(TargetPos - 1, 1);
    }
};
