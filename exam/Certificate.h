#pragma once

#include "ExamModel.h"

#include <QDateTime>
#include <QString>

// The one-page PDF a learner can show for a timed test: who, when, how long, on which text, the
// figures, and the text as typed with every error in red beside what was typed instead.
namespace Certificate
{

struct Content {
    QString learner; // empty for a learner who works unregistered
    QDateTime when;
    int minutes = 0;
    int penalty = 0;
    QString title;
    ExamRules::Figures figures;
    QString text;
    // The first position not typed: the text shown ends before it.
    int reached = 1;
    QList<ExamModel::Mistake> mistakes;
};

// "Examen Ana 2026-12-06 10-30-15.pdf": the learner's name, the date and the time, with whatever
// a file name cannot hold replaced.
QString fileName(const QString &learner, const QDateTime &when);

// Writes the certificate; false, leaving no half-written file, when it cannot be saved.
bool write(const QString &path, const Content &content);

} // namespace Certificate
