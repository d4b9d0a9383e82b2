#pragma once

#include "LabFigures.h"
#include "LabShape.h"

#include <QList>
#include <QPair>

class QTextStream;

// The figures of every lab played, one column a lab, as the README shows them.
void printLabTable(const QList<QPair<LabShape, LabFigures>> &labs, QTextStream &out);
