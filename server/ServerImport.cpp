#include "ServerImport.h"

#include "AdminConnection.h"
#include "Cp1252.h"
#include "FieldReader.h"
#include "FileLookup.h"
#include "LearnerStatsFile.h"
#include "SafeFile.h"
#include "ServerRecords.h"
#include "ServerSchema.h"
#include "StatsStore.h"
#include "UserFiles.h"
#include "UserRegistry.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>

#include <optional>

namespace
{

// A clave file holds four digits; anything larger is not one.
constexpr qint64 MaxClaveFileSize = 1024;

// What a PC keeps of one learner, read without changing anything.
struct FolderLearner {
    QString name;
    QString clave;
    QByteArray history;
    QDateTime historyWritten;
    QList<DrillRecord> drills;
    QList<KeyCount> keyTotals;
    QList<Mistake> mistakeTotals;
    QList<ExamRecord> exams;
};

// The clave as the sign-in window checks it: the first item of the learner's clave file.
std::optional<QString> claveOf(const QString &dir, const QString &name)
{
    const QString folder = dir + QStringLiteral("/Claves");
    const QString file = FileLookup::findIgnoringCase(folder, name + QStringLiteral("clave"));
    bool readable = false;
    const QByteArray bytes
        = file.isEmpty() ? QByteArray() : SafeFile::read(folder + QLatin1Char('/') + file, &readable, MaxClaveFileSize);
    if (!readable) {
        return std::nullopt;
    }
    return FieldReader::readItems(Cp1252::decode(bytes), 1).constFirst();
}

// The statistics of a copy of the learner's database, so that opening it (which migrates an older
// one) leaves the PC's file as it was. False when there is a file that cannot be read.
bool readStatistics(const QString &path, FolderLearner *learner)
{
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return true;
    }
    QTemporaryDir copy;
    const QString copied = copy.filePath(QStringLiteral("copia.sqlite"));
    // The write-ahead log holds the last drills until SQLite moves them into the file.
    for (const QString &suffix : {QString(), QStringLiteral("-wal")}) {
        if (QFileInfo::exists(path + suffix) && !QFile::copy(path + suffix, copied + suffix)) {
            return false;
        }
    }
    const StatsStore store(copied);
    if (store.state() != StatsSchema::Outcome::Ready) {
        return false;
    }
    learner->drills = store.drills();
    learner->keyTotals = store.keyTotals();
    learner->mistakeTotals = store.mistakeTotals();
    learner->exams = store.exams();
    return true;
}

QString json(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

bool import(QSqlDatabase database, const FolderLearner &learner, QString *error)
{
    QJsonArray drills;
    for (const DrillRecord &drill : learner.drills) {
        drills.append(ServerRecords::drillOf(drill));
    }
    QJsonArray exams;
    for (const ExamRecord &exam : learner.exams) {
        exams.append(ServerRecords::examOf(exam));
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "SELECT teclora.import_learner(?, ?, ?, ?::timestamptz, ?::jsonb, ?::jsonb, ?::jsonb, ?::jsonb)"));
    for (const QVariant &value : QVariantList {learner.name, learner.clave, learner.history,
             learner.historyWritten.toUTC().toString(Qt::ISODateWithMs), json(drills),
             json(ServerRecords::keysOf(learner.keyTotals)), json(ServerRecords::mistakesOf(learner.mistakeTotals)),
             json(exams)}) {
        query.addBindValue(value);
    }
    if (!query.exec() || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (!query.value(0).toBool()) {
        *error = QStringLiteral("el nombre ya está en el servidor");
        return false;
    }
    return true;
}

} // namespace

int runImportFolder(const QString &dir, const QString &adminUrl, bool apply, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(dir + QStringLiteral("/Usuarios")).isDir()) {
        err << QStringLiteral("No hay carpeta Usuarios en %1.").arg(dir) << Qt::endl;
        return 1;
    }
    const std::unique_ptr<ServerConnection> connection = openAdminConnection(adminUrl, err);
    if (!connection) {
        return 1;
    }
    QSqlDatabase database = connection->database();
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT version FROM teclora.schema_version")) || !query.next()
        || query.value(0).toInt() != ServerSchema::CurrentVersion) {
        err << QStringLiteral(
            "El servidor no está preparado para esta versión de Teclora: ejecute antes --init-server.")
            << Qt::endl;
        return 1;
    }
    QSet<QString> onServer;
    query.exec(QStringLiteral("SELECT lower(name) FROM teclora.learners"));
    while (query.next()) {
        onServer.insert(query.value(0).toString());
    }

    int imported = 0;
    int conflicts = 0;
    int failed = 0;
    const QStringList names = UserRegistry(dir).users();
    for (const QString &name : names) {
        if (onServer.contains(name.toLower())) {
            out << QStringLiteral("Conflicto: %1 ya está en el servidor; no se importa.").arg(name) << Qt::endl;
            ++conflicts;
            continue;
        }
        FolderLearner learner;
        learner.name = name;
        const std::optional<QString> clave = claveOf(dir, name);
        const QString historyPath = UserFiles::historyFile(dir, name);
        bool historyRead = false;
        learner.history = SafeFile::read(historyPath, &historyRead);
        learner.historyWritten = QFileInfo(historyPath).lastModified();
        QString problem;
        if (!clave) {
            problem = QStringLiteral("no tiene clave legible");
        } else if (!historyRead) {
            problem = QStringLiteral("su historial no se puede leer");
        } else if (!readStatistics(LearnerStatsFile::path(dir, name), &learner)) {
            problem = QStringLiteral("sus estadísticas no se pueden leer");
        }
        learner.clave = clave.value_or(QString());
        if (problem.isEmpty() && apply && !import(database, learner, &problem)) {
            problem = QStringLiteral("no se pudo importar (%1)").arg(problem);
        }
        if (!problem.isEmpty()) {
            out << QStringLiteral("No se importa %1: %2.").arg(name, problem) << Qt::endl;
            ++failed;
            continue;
        }
        out << QStringLiteral("%1 %2: historial de %3 bytes, %4 ejercicios, %5 exámenes.")
                   .arg(apply ? QStringLiteral("Importado") : QStringLiteral("Se importaría"), name)
                   .arg(learner.history.size())
                   .arg(learner.drills.size())
                   .arg(learner.exams.size())
            << Qt::endl;
        ++imported;
    }
    out << (apply ? QStringLiteral("%1 alumnos importados, %2 conflictos, %3 con problemas.")
                  : QStringLiteral("Se importarían %1 alumnos; %2 conflictos, %3 con problemas."
                                   " Nada ha cambiado: añada --apply para importarlos."))
               .arg(imported)
               .arg(conflicts)
               .arg(failed)
        << Qt::endl;
    return failed == 0 ? 0 : 1;
}
