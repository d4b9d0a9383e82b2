#include "StatsStore.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace
{

QAtomicInt connectionCount;

// A database another program holds locked is given up after this long: the drill does not wait.
constexpr int BusyTimeoutMs = 100;

// Counts read back are kept between 0 and this, so that a damaged or hand-edited file cannot make
// the sums and products of the progress figures overflow: nobody types a key a billion times.
constexpr qint64 MaxCount = qint64(1) << 30;

qint64 count(const QVariant &value)
{
    return std::clamp(value.toLongLong(), qint64(0), MaxCount);
}

// A drill's accuracy counts wrong keystrokes against right ones, as the result line shows it: more
// wrong than right ones make it negative, and it is shown so here too.
qint64 accuracy(const QVariant &value)
{
    return std::clamp(value.toLongLong(), -MaxCount, qint64(100));
}

// SQLite takes a null string for NULL, which the NOT NULL columns refuse: a drill without a
// name or a date is still recorded, with an empty one.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

StatsStore::StatsStore(const QString &path)
    : connectionName(QStringLiteral("teclora-stats-%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    if (!path.isEmpty() && !QDir().mkpath(QFileInfo(path).path())) {
        return;
    }
    database.setDatabaseName(path.isEmpty() ? QStringLiteral(":memory:") : path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!database.open()) {
        return;
    }
    outcome = StatsSchema::prepare(database);
    if (outcome == StatsSchema::Outcome::Ready) {
        // Without a sync on every commit a drill is recorded in well under a millisecond; the
        // write-ahead log still keeps the file whole if the program is killed.
        QSqlQuery pragmas(database);
        pragmas.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        pragmas.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
}

StatsStore::~StatsStore()
{
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

StatsSchema::Outcome StatsStore::state() const
{
    return outcome;
}

bool StatsStore::usable() const
{
    return outcome == StatsSchema::Outcome::Ready;
}

bool StatsStore::record(const DrillRecord &drill)
{
    if (outcome != StatsSchema::Outcome::Ready || !database.transaction()) {
        return false;
    }
    if (writeDrill(drill) && database.commit()) {
        return true;
    }
    database.rollback();
    return false;
}

bool StatsStore::recordExam(const ExamRecord &exam)
{
    if (outcome != StatsSchema::Outcome::Ready) {
        return false;
    }
    if (!database.transaction()) {
        return false;
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO exams (finished, text, minutes, seconds, penalty, keystrokes, errors,"
                                 " gross, net, accuracy) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(notNull(exam.finished));
    query.addBindValue(notNull(exam.text));
    for (const qint64 figure : {qint64(exam.minutes), qint64(exam.seconds), qint64(exam.penalty), exam.keystrokes,
             exam.errors, exam.gross, exam.net, exam.accuracy}) {
        query.addBindValue(figure);
    }
    // A test's keys tell the weak keys and the error map as much as a drill's.
    if (query.exec() && addToTotals(exam.keys, exam.mistakes) && database.commit()) {
        return true;
    }
    database.rollback();
    return false;
}

bool StatsStore::writeDrill(const DrillRecord &drill)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO drills (finished, exercise, seconds, speed, right_keys, wrong_keys,"
                                 " accuracy) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(notNull(drill.finished));
    query.addBindValue(notNull(drill.exercise));
    query.addBindValue(drill.seconds);
    query.addBindValue(drill.speed);
    query.addBindValue(drill.right);
    query.addBindValue(drill.wrong);
    query.addBindValue(drill.accuracy);
    if (!query.exec()) {
        return false;
    }
    const QVariant id = query.lastInsertId();

    QSqlQuery key(database);
    key.prepare(QStringLiteral("INSERT INTO drill_keys VALUES (?, ?, ?, ?)"));
    for (const KeyCount &count : drill.keys) {
        key.bindValue(0, id);
        key.bindValue(1, int(count.character.unicode()));
        key.bindValue(2, count.right);
        key.bindValue(3, count.wrong);
        if (!key.exec()) {
            return false;
        }
    }

    QSqlQuery mistake(database);
    mistake.prepare(QStringLiteral("INSERT INTO drill_mistakes VALUES (?, ?, ?, ?, ?)"));
    for (const Mistake &m : drill.mistakes) {
        mistake.bindValue(0, id);
        mistake.bindValue(1, int(m.expected.unicode()));
        mistake.bindValue(2, int(m.typed.unicode()));
        mistake.bindValue(3, m.kind);
        mistake.bindValue(4, m.times);
        if (!mistake.exec()) {
            return false;
        }
    }
    return addToTotals(drill.keys, drill.mistakes);
}

bool StatsStore::addToTotals(const QList<KeyCount> &keys, const QList<Mistake> &mistakes)
{
    QSqlQuery keyTotal(database);
    keyTotal.prepare(QStringLiteral("INSERT INTO key_totals VALUES (?, ?, ?) ON CONFLICT (character) DO UPDATE SET"
                                    " right_count = right_count + excluded.right_count,"
                                    " wrong_count = wrong_count + excluded.wrong_count"));
    for (const KeyCount &count : keys) {
        keyTotal.bindValue(0, int(count.character.unicode()));
        keyTotal.bindValue(1, count.right);
        keyTotal.bindValue(2, count.wrong);
        if (!keyTotal.exec()) {
            return false;
        }
    }
    QSqlQuery mistakeTotal(database);
    mistakeTotal.prepare(QStringLiteral("INSERT INTO mistake_totals VALUES (?, ?, ?, ?) ON CONFLICT (expected, typed)"
                                        " DO UPDATE SET times = times + excluded.times"));
    for (const Mistake &m : mistakes) {
        mistakeTotal.bindValue(0, int(m.expected.unicode()));
        mistakeTotal.bindValue(1, int(m.typed.unicode()));
        mistakeTotal.bindValue(2, m.kind);
        mistakeTotal.bindValue(3, m.times);
        if (!mistakeTotal.exec()) {
            return false;
        }
    }
    return true;
}

QList<DrillRecord> StatsStore::drills() const
{
    QList<DrillRecord> list;
    if (outcome != StatsSchema::Outcome::Ready) {
        return list;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT finished, exercise, seconds, speed, right_keys, wrong_keys, accuracy"
                              " FROM drills ORDER BY id"));
    while (query.next()) {
        DrillRecord drill;
        drill.finished = query.value(0).toString();
        drill.exercise = query.value(1).toString();
        drill.seconds = static_cast<int>(count(query.value(2)));
        drill.speed = count(query.value(3));
        drill.right = count(query.value(4));
        drill.wrong = count(query.value(5));
        drill.accuracy = accuracy(query.value(6));
        list.append(drill);
    }
    return list;
}

QList<KeyCount> StatsStore::keyTotals() const
{
    QList<KeyCount> list;
    if (outcome != StatsSchema::Outcome::Ready) {
        return list;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT character, right_count, wrong_count FROM key_totals ORDER BY character"));
    while (query.next()) {
        list.append({QChar(char16_t(query.value(0).toInt())), count(query.value(1)), count(query.value(2))});
    }
    return list;
}

QList<Mistake> StatsStore::mistakeTotals() const
{
    QList<Mistake> list;
    if (outcome != StatsSchema::Outcome::Ready) {
        return list;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT expected, typed, kind, times FROM mistake_totals ORDER BY expected, typed"));
    while (query.next()) {
        list.append({QChar(char16_t(query.value(0).toInt())), QChar(char16_t(query.value(1).toInt())),
            query.value(2).toInt(), count(query.value(3))});
    }
    return list;
}

QList<ExamRecord> StatsStore::exams() const
{
    QList<ExamRecord> list;
    if (outcome != StatsSchema::Outcome::Ready) {
        return list;
    }
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT finished, text, minutes, seconds, penalty, keystrokes, errors, gross, net,"
                              " accuracy FROM exams ORDER BY id"));
    while (query.next()) {
        ExamRecord exam;
        exam.finished = query.value(0).toString();
        exam.text = query.value(1).toString();
        exam.minutes = static_cast<int>(count(query.value(2)));
        exam.seconds = static_cast<int>(count(query.value(3)));
        exam.penalty = static_cast<int>(count(query.value(4)));
        exam.keystrokes = count(query.value(5));
        exam.errors = count(query.value(6));
        exam.gross = count(query.value(7));
        exam.net = count(query.value(8));
        exam.accuracy = std::clamp(query.value(9).toLongLong(), qint64(0), qint64(100));
        list.append(exam);
    }
    return list;
}
