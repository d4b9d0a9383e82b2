#pragma once

#include <QString>

// Linux file names are case-sensitive, but a learner who signs in as "ana" must reach the
// files of "Ana": look-ups that ignore letter case list the folder and compare case-folded.
namespace FileLookup
{

// The name as stored in folder of the entry (file or folder) that equals name with letter case
// ignored, or an empty string when there is none.
QString findIgnoringCase(const QString &folder, const QString &name);

// Whether name can be used as the name of a file inside a folder: not empty, no path
// separator, not "." or "..", no control characters and no characters Windows forbids either.
bool isSafeFileName(const QString &name);

} // namespace FileLookup
