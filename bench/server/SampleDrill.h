#pragma once

#include "DrillRecord.h"

#include <QByteArray>

// What a finished drill sends to the server, as the typing window makes it: the history piece
// (about 2 KB of RTF: the echoed text, mistakes in magenta, and the result line) and the record
// of about 40 characters with a few mistakes. number varies the figures from drill to drill.
namespace SampleDrill
{

QByteArray historyPiece(int number);
DrillRecord record(int number);

} // namespace SampleDrill
