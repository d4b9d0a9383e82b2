#pragma once

#include <QString>
#include <QStringList>

// Lays a learner's own text out as the course's exercises are: each paragraph starts a line and
// runs on in lines of about LineLength characters broken between words, and a long text is cut
// into exercises of about ExerciseLength characters, at the end of a sentence.
namespace ExerciseCutter
{

// The width of the course's running texts, so an own text reads and types as they do.
constexpr qsizetype LineLength = 45;
// About a minute's typing for a learner at the end of the course; a longer drill tires more than
// it teaches.
constexpr qsizetype ExerciseLength = 600;

// The paragraphs of text ('\n' line breaks). A text with blank lines keeps its paragraphs between
// them, and the lines within one are joined (a book wrapped at a fixed width); a text without
// any has a paragraph on every line. Runs of blanks become one and empty paragraphs are dropped.
QStringList paragraphs(const QString &text);

// The exercises, each its lines joined with CR LF; none when there is nothing but blanks.
QStringList cut(const QString &text);

} // namespace ExerciseCutter
