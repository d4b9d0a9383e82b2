#pragma once

#include <QStringList>

namespace CourseWords
{

// Every distinct word of the exercises of one language (languageFolder holds its lesson
// folders), in the order they first appear. A word is what stands between blanks and line
// breaks, punctuation included, as the learner types it. Unreadable files are skipped.
QStringList read(const QString &languageFolder);

// Whether a word of the course is a real word rather than a drill of the first lessons ("ñññ",
// "sxs", "jklñ"): it has a vowel and at least three different letters.
bool isRealWord(QStringView word);

} // namespace CourseWords
