#pragma once

#include "DrillRecord.h"
#include "ExamRecord.h"

#include <QJsonArray>
#include <QJsonObject>

// Drills and timed tests as the server's functions take them: JSON objects named after the
// columns, with the keys as [{c, r, w}] and the mistakes as [{e, t, k, n}], characters by code.
namespace ServerRecords
{

QJsonArray keysOf(const QList<KeyCount> &keys);
QJsonArray mistakesOf(const QList<Mistake> &mistakes);
QJsonObject drillOf(const DrillRecord &drill);
QJsonObject examOf(const ExamRecord &exam);

} // namespace ServerRecords
