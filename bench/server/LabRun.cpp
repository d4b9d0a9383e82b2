#include "LabRun.h"

#include "PostgresServer.h"
#include "SampleDrill.h"
#include "ServerConnection.h"
#include "ServerLearnerStore.h"
#include "ServerQueue.h"
#include "ServerSetup.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <future>
#include <latch>
#include <semaphore>
#include <thread>

constexpr std::ptrdiff_t SwitchingAtOnce = 4;

// How the lab comes on before the session: the PCs' programs open their connections and sign
// the lab's learners in four at a time, as fast as the server lets them, as a lab is switched
// on over minutes rather than in one instant; the session begins once every PC is on.
struct SwitchOn {
    explicit SwitchOn(int pcs)
        : allOn(pcs)
    {
    }
    std::counting_semaphore<> slots {SwitchingAtOnce};
    std::latch allOn;
    std::shared_future<std::chrono::steady_clock::time_point> session;
};

// What one PC measured and sent, written by its thread alone.
struct PcTally {
    Latencies signIn;
    Latencies seatedSignIn;
    // When each drill was finished, and how long the server took to keep it.
    std::vector<std::pair<std::chrono::steady_clock::time_point, double>> drills;
    Latencies history;
    int finished = 0;
    bool signedIn = false;
    bool shortHistory = false;
    std::chrono::steady_clock::duration worstLag {};
    std::chrono::steady_clock::time_point done {};
};

namespace
{

const QString Clave = QStringLiteral("4321");
const QString TeacherPassword = QStringLiteral("pizarra-de-carga");
// The lab's learners take the first PCs, the crowd the rest.
const QString LabPrefix = QStringLiteral("Alumno");
const QString CrowdPrefix = QStringLiteral("Llegada");

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

LabRun::LabRun(PostgresServer &server, const LabShape &shape)
    : server(server)
    , shape(shape)
{
    if (!server.problem().isEmpty()) {
        why = server.problem();
    } else if (!pcs.isValid()) {
        why = QStringLiteral("no temporary folder for the PCs' queues");
    } else {
        why = prepareDatabase();
    }
}

QString LabRun::prepareDatabase()
{
    database = server.createDatabase();
    if (database.isEmpty()) {
        return QStringLiteral("the database could not be made");
    }
    QString teacherAnswer = TeacherPassword + QLatin1Char('\n');
    QString line;
    QString errors;
    QTextStream in(&teacherAnswer);
    QTextStream out(&line);
    QTextStream err(&errors);
    if (runInitServer(server.adminUrl(database), in, out, err) != 0) {
        return QStringLiteral("the set-up failed: ") + errors;
    }
    learnerAddress = ServerAddress::parse(line.trimmed().mid(QStringLiteral("servidor=").size()));
    if (!learnerAddress.isValid()) {
        return QStringLiteral("the set-up wrote no address: ") + line;
    }
    // Every learner with the same clave hashed once, as registering hashes it: a sign-in checks it
    // at the full cost all the same, and registering a thousand learners one by one is not what is
    // measured.
    const QString learners = QStringLiteral(R"(
        WITH h AS (SELECT teclora.clave_hash(?) AS hash)
        INSERT INTO teclora.learners (name, clave_hash)
        SELECT ? || lpad(n::text, ?, '0'), h.hash FROM generate_series(1, ?) n, h)");
    QString error = seed(learners, {Clave, LabPrefix, 4, shape.learners});
    if (error.isEmpty()) {
        error = seed(learners, {Clave, CrowdPrefix, 3, shape.arrivals});
    }
    // The crowd's histories: pieces of a drill each, a minute apart, up to the size asked.
    const QByteArray piece = SampleDrill::historyPiece(0);
    historyPieces = static_cast<int>((shape.historyBytes + piece.size() - 1) / piece.size());
    if (error.isEmpty()) {
        error = seed(QStringLiteral(R"(
            INSERT INTO teclora.history_pieces (learner, piece_id, finished, body)
            SELECT l.id, gen_random_uuid(), now() - make_interval(mins => ? - n), ?
            FROM teclora.learners l, generate_series(1, ?) n WHERE l.name LIKE ? || '%')"),
            {historyPieces, piece, historyPieces, CrowdPrefix});
    }
    return error.isEmpty() ? QString() : QStringLiteral("the lab could not be seeded: ") + error;
}

QString LabRun::seed(const QString &statement, const QVariantList &values)
{
    ServerConnection admin(ServerAddress::parse(server.adminUrl(database)));
    if (!admin.open()) {
        return admin.lastError();
    }
    QSqlQuery query(admin.database());
    query.prepare(statement);
    for (const QVariant &value : values) {
        query.addBindValue(value);
    }
    return query.exec() ? QString() : query.lastError().text();
}

LabRun::Clock::duration LabRun::crowdDelay() const
{
    return shape.interval() * shape.drillsEach / 2;
}

QString LabRun::learnerName(int pc) const
{
    // As the set-up numbered them.
    return pc < shape.learners
        ? LabPrefix + QStringLiteral("%1").arg(pc + 1, 4, 10, QLatin1Char('0'))
        : CrowdPrefix + QStringLiteral("%1").arg(pc - shape.learners + 1, 3, 10, QLatin1Char('0'));
}

QString LabRun::queuePath(int pc) const
{
    return pcs.filePath(QStringLiteral("pc%1/cola.json").arg(pc));
}

LabFigures LabRun::play()
{
    const int pcCount = shape.learners + shape.arrivals;
    std::vector<PcTally> tallies(static_cast<std::size_t>(pcCount));
    SwitchOn switchOn(pcCount);
    std::promise<Clock::time_point> sessionStart;
    switchOn.session = sessionStart.get_future().share();
    Clock::time_point session;
    {
        std::vector<std::jthread> pcThreads;
        for (int pc = 0; pc < pcCount; ++pc) {
            pcThreads.emplace_back([this, pc, &switchOn, &tallies] {
                PcTally &tally = tallies[static_cast<std::size_t>(pc)];
                if (pc < shape.learners) {
                    practise(pc, switchOn, tally);
                } else {
                    arrive(pc, switchOn, tally);
                }
            });
        }
        switchOn.allOn.wait();
        session = Clock::now() + std::chrono::milliseconds(500);
        sessionStart.set_value(session);
    }
    LabFigures figures;
    Clock::time_point end = session;
    const Clock::time_point arrival = session + crowdDelay();
    Clock::time_point crowdIn = arrival;
    for (int pc = 0; pc < pcCount; ++pc) {
        const PcTally &tally = tallies[static_cast<std::size_t>(pc)];
        figures.signIn.merge(tally.signIn);
        figures.seatedSignIn.merge(tally.seatedSignIn);
        figures.history.merge(tally.history);
        figures.drillsFinished += tally.finished;
        figures.failedSignIns += tally.signedIn ? 0 : 1;
        figures.shortHistories += tally.shortHistory ? 1 : 0;
        figures.worstLagMs
            = std::max(figures.worstLagMs, std::chrono::duration<double, std::milli>(tally.worstLag).count());
        // The lab's session ends with its last drill; the crowd is in with its last history.
        Clock::time_point &latest = pc < shape.learners ? end : crowdIn;
        latest = std::max(latest, tally.done);
    }
    for (const PcTally &tally : tallies) {
        for (const auto &[finished, milliseconds] : tally.drills) {
            figures.drill.add(milliseconds);
            if (finished < arrival || finished > crowdIn) {
                figures.drillApart.add(milliseconds);
            }
        }
    }
    figures.sessionSeconds = std::chrono::duration<double>(end - session).count();
    figures.drillsPerSecond = figures.sessionSeconds > 0 ? figures.drillsFinished / figures.sessionSeconds : 0.0;
    countRows(tallies, figures);
    openHistoryAlone(figures);
    return figures;
}

void LabRun::openHistoryAlone(LabFigures &figures) const
{
    constexpr int Openings = 20;
    const QString name = learnerName(shape.learners);
    ServerLearnerStore store(learnerAddress, queuePath(shape.learners));
    if (store.signIn(name, Clave).outcome != LearnerStore::SignIn::Accepted) {
        return;
    }
    const std::unique_ptr<LearnerHistory> history = store.history(name);
    for (int opening = 0; opening < Openings; ++opening) {
        const Clock::time_point opened = Clock::now();
        history->load();
        figures.historyAlone.add(millisecondsSince(opened));
    }
}

void LabRun::practise(int pc, SwitchOn &switchOn, PcTally &tally) const
{
    const QString name = learnerName(pc);
    ServerLearnerStore store(learnerAddress, queuePath(pc));
    const std::unique_ptr<LearnerHistory> history = store.history(name);
    const std::unique_ptr<LearnerStatistics> statistics = store.statistics(name);
    switchOn.slots.acquire();
    // The sign-in window lists the names as it opens, before the learner presses the button.
    store.learners();
    const Clock::time_point pressed = Clock::now();
    tally.signedIn = store.signIn(name, Clave).outcome == LearnerStore::SignIn::Accepted;
    tally.seatedSignIn.add(millisecondsSince(pressed));
    if (tally.signedIn) {
        history->load();
    }
    switchOn.slots.release();
    switchOn.allOn.count_down();
    if (!tally.signedIn) {
        return;
    }
    // Each learner's drills fall at their own moment of the interval, so the lab's drills reach
    // the server spread over it rather than all in the same instant.
    const Clock::time_point started = switchOn.session.get() + shape.interval() * pc / shape.learners;
    for (int drill = 1; drill <= shape.drillsEach; ++drill) {
        const QByteArray piece = SampleDrill::historyPiece(pc + drill);
        const DrillRecord record = SampleDrill::record(pc + drill);
        // A drill the server kept the learner waiting for starts late; the next one right away.
        const Clock::time_point due = started + shape.interval() * drill;
        std::this_thread::sleep_until(due);
        const Clock::time_point finished = Clock::now();
        tally.worstLag = std::max(tally.worstLag, finished - due);
        history->append(piece);
        statistics->record(record);
        tally.drills.emplace_back(finished, millisecondsSince(finished));
        ++tally.finished;
    }
    tally.done = Clock::now();
}

void LabRun::arrive(int pc, SwitchOn &switchOn, PcTally &tally) const
{
    const QString name = learnerName(pc);
    ServerLearnerStore store(learnerAddress, queuePath(pc));
    switchOn.slots.acquire();
    store.learners();
    switchOn.slots.release();
    switchOn.allOn.count_down();
    std::this_thread::sleep_until(switchOn.session.get() + crowdDelay());
    const Clock::time_point pressed = Clock::now();
    tally.signedIn = store.signIn(name, Clave).outcome == LearnerStore::SignIn::Accepted;
    tally.signIn.add(millisecondsSince(pressed));
    if (!tally.signedIn) {
        return;
    }
    const Clock::time_point opened = Clock::now();
    const LearnerHistory::Loaded loaded = store.history(name)->load();
    tally.history.add(millisecondsSince(opened));
    qint64 bytes = 0;
    for (const QByteArray &document : loaded.documents) {
        bytes += document.size();
    }
    tally.shortHistory = loaded.unreadableKept || bytes < shape.historyBytes;
    tally.done = Clock::now();
}

void LabRun::countRows(const std::vector<PcTally> &tallies, LabFigures &figures)
{
    struct Kept {
        int drills = 0;
        int pieces = 0;
    };
    QHash<QString, Kept> kept;
    {
        ServerConnection admin(ServerAddress::parse(server.adminUrl(database)));
        QSqlQuery query(admin.open() ? admin.database() : QSqlDatabase());
        query.exec(QStringLiteral(R"(
            SELECT l.name, (SELECT count(*) FROM teclora.drills d WHERE d.learner = l.id),
                (SELECT count(*) FROM teclora.history_pieces p WHERE p.learner = l.id)
            FROM teclora.learners l)"));
        while (query.next()) {
            kept.insert(query.value(0).toString(), {query.value(1).toInt(), query.value(2).toInt()});
        }
    }
    for (int pc = 0; pc < shape.learners; ++pc) {
        const QString name = learnerName(pc);
        const int finished = tallies[static_cast<std::size_t>(pc)].finished;
        int waitingDrills = 0;
        int waitingPieces = 0;
        const ServerQueue queue(queuePath(pc));
        for (const ServerQueue::Item &item : queue.items()) {
            (item.kind == ServerQueue::Item::Kind::Drill ? waitingDrills : waitingPieces) += 1;
        }
        const Kept rows = kept.value(name);
        figures.stillQueued += waitingDrills + waitingPieces;
        figures.lost += std::max(0, finished - rows.drills - waitingDrills)
            + std::max(0, finished - rows.pieces - waitingPieces);
        figures.doubled += std::max(0, rows.drills - finished) + std::max(0, rows.pieces - finished);
    }
}
