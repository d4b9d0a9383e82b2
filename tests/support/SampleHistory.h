#pragma once

class QTextDocument;

namespace SampleHistory
{

// Appends drills to a history as the typing window writes them: each a line of echoed text in
// bold blue, with one character in magenta (typed right after a wrong key), then its result
// line in black.
void appendDrills(QTextDocument &document, int drills);

} // namespace SampleHistory
