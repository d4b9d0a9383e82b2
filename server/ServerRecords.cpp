#include "ServerRecords.h"

namespace ServerRecords
{

QJsonArray keysOf(const QList<KeyCount> &keys)
{
    QJsonArray array;
    for (const KeyCount &key : keys) {
        array.append(QJsonObject {{QStringLiteral("c"), key.character.unicode()}, {QStringLiteral("r"), key.right},
            {QStringLiteral("w"), key.wrong}});
    }
    return array;
}

QJsonArray mistakesOf(const QList<Mistake> &mistakes)
{
    QJsonArray array;
    for (const Mistake &mistake : mistakes) {
        array.append(QJsonObject {{QStringLiteral("e"), mistake.expected.unicode()},
            {QStringLiteral("t"), mistake.typed.unicode()}, {QStringLiteral("k"), mistake.kind},
            {QStringLiteral("n"), mistake.times}});
    }
    return array;
}

QJsonObject drillOf(const DrillRecord &drill)
{
    return {{QStringLiteral("finished"), drill.finished}, {QStringLiteral("exercise"), drill.exercise},
        {QStringLiteral("seconds"), drill.seconds}, {QStringLiteral("speed"), drill.speed},
        {QStringLiteral("right_keys"), drill.right}, {QStringLiteral("wrong_keys"), drill.wrong},
        {QStringLiteral("accuracy"), drill.accuracy}, {QStringLiteral("keys"), keysOf(drill.keys)},
        {QStringLiteral("mistakes"), mistakesOf(drill.mistakes)}};
}

QJsonObject examOf(const ExamRecord &exam)
{
    return {{QStringLiteral("finished"), exam.finished}, {QStringLiteral("text"), exam.text},
        {QStringLiteral("minutes"), exam.minutes}, {QStringLiteral("seconds"), exam.seconds},
        {QStringLiteral("penalty"), exam.penalty}, {QStringLiteral("keystrokes"), exam.keystrokes},
        {QStringLiteral("errors"), exam.errors}, {QStringLiteral("gross"), exam.gross},
        {QStringLiteral("net"), exam.net}, {QStringLiteral("accuracy"), exam.accuracy},
        {QStringLiteral("keys"), keysOf(exam.keys)}, {QStringLiteral("mistakes"), mistakesOf(exam.mistakes)}};
}

} // namespace ServerRecords
