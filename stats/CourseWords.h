#pragma once

#include <QStringList>

namespace CourseWords
{

// Every distinct word of the lessons of words, sentences and texts of one language
// (languageFolder holds its lesson folders), in the order they first appear. A word is what
// stands between blanks and line breaks with the punctuation around it taken off, and it is
// made of letters only (accented letters, ñ, ü and ç included) and at least two of them:
// "informe_final.", "3" or "l'est" are no words to practise. Unreadable files are skipped.
QStringList read(const QString &languageFolder);

} // namespace CourseWords
