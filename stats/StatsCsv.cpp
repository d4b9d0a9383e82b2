#include "StatsCsv.h"

#include "LearnerStatistics.h"
#include "SafeFile.h"
#include "StatsTexts.h"

#include <QDir>

namespace StatsCsv
{

namespace
{

QString number(qint64 value)
{
    return QString::number(value);
}

// A spreadsheet takes a text that begins like a formula for one: an exercise folder named
// "=..." or the character "=" must stay text.
QString asText(const QString &field)
{
    bool isNumber = false;
    field.toLongLong(&isNumber);
    const bool formulaLike = !field.isEmpty() && QStringView(u"=+-@").contains(field.front());
    return formulaLike && !isNumber ? QLatin1Char('\'') + field : field;
}

} // namespace

QString line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &plain : fields) {
        QString field = asText(plain);
        if (field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\r'))
            || field.contains(QLatin1Char('\n'))) {
            field.replace(QLatin1Char('"'), QLatin1String("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        quoted.append(field);
    }
    return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

bool writeTable(const QString &path, const QStringList &header, const QList<QStringList> &rows)
{
    QString text = QChar(QChar::ByteOrderMark) + line(header);
    for (const QStringList &row : rows) {
        text += line(row);
    }
    return SafeFile::write(path, text.toUtf8());
}

bool exportTo(const LearnerStatistics &store, const QStringList &texts, const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QList<QStringList> drills;
    for (const DrillRecord &drill : store.drills()) {
        drills.append({QString(drill.finished).replace(u'T', u' '), drill.exercise, number(drill.seconds),
            number(drill.speed), number(drill.right), number(drill.wrong), number(drill.accuracy)});
    }
    QList<QStringList> keys;
    for (const KeyCount &key : store.keyTotals()) {
        keys.append({StatsTexts::characterName(texts, key.character), number(key.right), number(key.wrong),
            number(qRound64(key.errorRate() * 100))});
    }
    QList<QStringList> mistakes;
    for (const Mistake &mistake : store.mistakeTotals()) {
        mistakes.append(
            {StatsTexts::characterName(texts, mistake.expected), StatsTexts::characterName(texts, mistake.typed),
                StatsTexts::kindName(texts, mistake.kind), number(mistake.times)});
    }
    const QDir dir(folder);
    // Each file is written whole or not at all; all three are tried even if one fails.
    const bool drillsWritten = writeTable(dir.filePath(QStringLiteral("ejercicios.csv")),
        {QStringLiteral("fecha"), QStringLiteral("ejercicio"), QStringLiteral("segundos"), QStringLiteral("p/m"),
            QStringLiteral("correctas"), QStringLiteral("erróneas"), QStringLiteral("precisión %")},
        drills);
    const bool keysWritten = writeTable(dir.filePath(QStringLiteral("teclas.csv")),
        {QStringLiteral("carácter"), QStringLiteral("correctas"), QStringLiteral("erróneas"),
            QStringLiteral("errores %")},
        keys);
    const bool mistakesWritten = writeTable(dir.filePath(QStringLiteral("errores.csv")),
        {QStringLiteral("esperado"), QStringLiteral("pulsado"), QStringLiteral("tipo"), QStringLiteral("veces")},
        mistakes);
    return drillsWritten && keysWritten && mistakesWritten;
}

} // namespace StatsCsv
