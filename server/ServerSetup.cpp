#include "ServerSetup.h"

#include "AdminConnection.h"
#include "ServerFunctions.h"
#include "ServerSchema.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QVariant>

namespace
{

constexpr int ShortestTeacherPassword = 10;
constexpr int LearnerPasswordLength = 24;

// Letters and digits only, so the password goes into a URL and a configuration file as it is.
QString randomPassword()
{
    static const QString alphabet = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789");
    QString password;
    for (int i = 0; i < LearnerPasswordLength; ++i) {
        password += alphabet.at(QRandomGenerator::system()->bounded(alphabet.size()));
    }
    return password;
}

bool bindAll(QSqlQuery &query, const QVariantList &values)
{
    for (const QVariant &value : values) {
        query.addBindValue(value);
    }
    return true;
}

// The answer of a query giving one value; an invalid QVariant when it failed or gave no row.
QVariant valueOf(QSqlDatabase database, const QString &statement, const QVariantList &values = {})
{
    QSqlQuery query(database);
    return query.prepare(statement) && bindAll(query, values) && query.exec() && query.next() ? query.value(0)
                                                                                              : QVariant();
}

bool exec(QSqlDatabase database, const QString &statement, const QVariantList &values, QString *error)
{
    QSqlQuery query(database);
    // A statement such as CREATE ROLE cannot be prepared.
    if (values.isEmpty() ? !query.exec(statement)
                         : !(query.prepare(statement) && bindAll(query, values) && query.exec())) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

// ALTER ROLE role PASSWORD password, quoted by the server itself.
bool setRolePassword(QSqlDatabase database, const QString &role, const QString &password, QString *error)
{
    const QVariant statement = valueOf(
        database, QStringLiteral("SELECT format('ALTER ROLE %I PASSWORD %L', ?::text, ?::text)"), {role, password});
    return statement.isValid() && exec(database, statement.toString(), {}, error);
}

bool roleExists(QSqlDatabase database, const QString &role)
{
    return valueOf(database, QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = ?"), {role}).toInt() > 0;
}

// Creates the role with password when it is missing; one that exists is left as it is.
bool ensureRole(QSqlDatabase database, const QString &role, const QString &password, QString *error)
{
    if (roleExists(database, role)) {
        return true;
    }
    const QVariant statement = valueOf(database,
        QStringLiteral("SELECT format('CREATE ROLE %I LOGIN PASSWORD %L', ?::text, ?::text)"), {role, password});
    return statement.isValid() && exec(database, statement.toString(), {}, error);
}

// The learner role's password as this database keeps it; made and set on the role at the first
// set-up of this database (the role may have been made for another database of the same server).
QString learnerPassword(QSqlDatabase database, QString *error)
{
    const QVariant kept = valueOf(database, QStringLiteral("SELECT learner_password FROM teclora.lab"));
    if (kept.isValid()) {
        return kept.toString();
    }
    const QString password = randomPassword();
    const bool existed = roleExists(database, ServerFunctions::LearnerRole);
    if (!ensureRole(database, ServerFunctions::LearnerRole, password, error)
        || (existed && !setRolePassword(database, ServerFunctions::LearnerRole, password, error))
        || !exec(
            database, QStringLiteral("INSERT INTO teclora.lab (learner_password) VALUES (?)"), {password}, error)) {
        return {};
    }
    return password;
}

} // namespace

int runInitServer(const QString &adminUrl, QTextStream &in, QTextStream &out, QTextStream &err)
{
    const std::unique_ptr<ServerConnection> connection = openAdminConnection(adminUrl, err);
    if (!connection) {
        return 1;
    }
    QSqlDatabase database = connection->database();
    // The set-up's notices ("already exists, skipping") say nothing to whoever runs it again.
    QSqlQuery(database).exec(QStringLiteral("SET client_min_messages = warning"));
    const bool teacherSet = valueOf(database,
        QStringLiteral("SELECT to_regclass('teclora.teacher') IS NOT NULL"
                       " AND EXISTS (SELECT 1 FROM teclora.teacher)"))
                                .toBool();

    err << (teacherSet ? QStringLiteral("Contraseña del profesor (vacía para dejar la actual): ")
                       : QStringLiteral("Contraseña del profesor: "))
        << Qt::flush;
    const QString teacherPassword = in.readLine();
    // Typed unseen, or read from a pipe, the answer did not end the prompt's line.
    err << Qt::endl;
    if (teacherPassword.isEmpty() ? !teacherSet : teacherPassword.size() < ShortestTeacherPassword) {
        err << QStringLiteral("La contraseña del profesor debe tener al menos %1 caracteres; no se ha cambiado nada.")
                   .arg(ShortestTeacherPassword)
            << Qt::endl;
        return 1;
    }

    QString error;
    switch (ServerSchema::migrate(database, &error)) {
    case ServerSchema::Outcome::Ready:
        break;
    case ServerSchema::Outcome::Newer:
        err << QStringLiteral("La base de datos es de una versión posterior de Teclora; no se ha cambiado nada.")
            << Qt::endl;
        return 1;
    case ServerSchema::Outcome::Failed:
        err << QStringLiteral("No se pudo preparar la base de datos: ") << error << Qt::endl;
        return 1;
    }
    const QString password = learnerPassword(database, &error);
    const bool ready = !password.isEmpty()
        && ensureRole(database, ServerFunctions::TeacherRole, randomPassword(), &error)
        && ServerFunctions::install(database, &error)
        && (teacherPassword.isEmpty()
            || (exec(database, QStringLiteral("SELECT teclora.set_teacher_password(?)"), {teacherPassword}, &error)
                && setRolePassword(database, ServerFunctions::TeacherRole, teacherPassword, &error)));
    if (!ready) {
        err << QStringLiteral("No se pudo preparar la base de datos: ") << error << Qt::endl;
        return 1;
    }
    // The PCs reach the server where the administrator did, as the lab's role.
    const ServerAddress labAddress = ServerAddress::parse(adminUrl).as(ServerFunctions::LearnerRole, password);
    out << QStringLiteral("servidor=") << labAddress.url() << Qt::endl;
    return 0;
}
