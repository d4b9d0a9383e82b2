#pragma once

#include <QStringList>

namespace CourseWords
{

// Every distinct word of the exercises of one language (languageFolder holds its lesson
// folders), in the order they first appear. A word is what stands between blanks and line
// breaks, punctuation included, as the learner types it. Unreadable files are skipped.
QStringList read(const QString &languageFolder);

} // namespace CourseWords
