#include "ServerAddress.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QStringList>
#include <QUrl>

namespace
{

const QString Schemes[] = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

// Percent-decoded text; empty and ok false for a stray '%' or bytes that are no UTF-8.
QString decoded(const QString &part, bool *ok)
{
    static const QRegularExpression badEscape(QStringLiteral("%(?![0-9A-Fa-f]{2})"));
    *ok = !part.contains(badEscape);
    if (!*ok) {
        return {};
    }
    const QByteArray bytes = QByteArray::fromPercentEncoding(part.toUtf8());
    const QString text = QString::fromUtf8(bytes);
    *ok = text.toUtf8() == bytes && !text.contains(QChar(0));
    return *ok ? text : QString();
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// 1 to 65535, digits only; 0 when it is no port.
int portOf(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const int port = digits.match(text).hasMatch() ? text.toInt() : 0;
    return port <= 65535 ? port : 0;
}

// A libpq connection-string value in single quotes, so blanks and quotes inside stay in it.
QString quotedValue(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

} // namespace

ServerAddress ServerAddress::parse(const QString &url)
{
    ServerAddress address;
    const auto refuse = [&address](const QString &why) {
        address = ServerAddress();
        address.problem = why;
        return address;
    };
    QString rest;
    for (const QString &scheme : Schemes) {
        if (url.startsWith(scheme, Qt::CaseInsensitive)) {
            rest = url.mid(scheme.size());
            break;
        }
    }
    if (rest.isNull()) {
        return refuse(QStringLiteral("La dirección del servidor debe empezar por postgresql:// o postgres://."));
    }
    const qsizetype queryStart = rest.indexOf(QLatin1Char('?'));
    const QString query = queryStart < 0 ? QString() : rest.mid(queryStart + 1);
    rest.truncate(queryStart < 0 ? rest.size() : queryStart);
    const qsizetype pathStart = rest.indexOf(QLatin1Char('/'));
    const QString path = pathStart < 0 ? QString() : rest.mid(pathStart + 1);
    QString authority = pathStart < 0 ? rest : rest.left(pathStart);

    bool ok = true;
    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        address.userName = decoded(userInfo.left(colon < 0 ? userInfo.size() : colon), &ok);
        if (ok && colon >= 0) {
            address.secret = decoded(userInfo.mid(colon + 1), &ok);
        }
        if (!ok) {
            return refuse(
                QStringLiteral("El usuario o la contraseña de la dirección del servidor están mal escritos."));
        }
    }
    if (authority.contains(QLatin1Char(','))) {
        return refuse(QStringLiteral("La dirección del servidor nombra varios servidores; ponga uno solo."));
    }
    QString portText;
    if (authority.startsWith(QLatin1Char('['))) {
        const qsizetype close = authority.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return refuse(QStringLiteral("Falta el corchete de cierre en la dirección IPv6 del servidor."));
        }
        address.hostName = authority.mid(1, close - 1);
        const QString after = authority.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':'))) {
            return refuse(QStringLiteral("La dirección del servidor está mal escrita tras la dirección IPv6."));
        }
        portText = after.mid(1);
    } else {
        const qsizetype colon = authority.indexOf(QLatin1Char(':'));
        address.hostName = decoded(authority.left(colon < 0 ? authority.size() : colon), &ok);
        portText = colon < 0 ? QString() : authority.mid(colon + 1);
    }
    if (!ok) {
        return refuse(QStringLiteral("El nombre del servidor está mal escrito."));
    }
    if (!portText.isNull()) {
        address.portNumber = portOf(portText);
        if (address.portNumber == 0) {
            return refuse(QStringLiteral("El puerto del servidor debe ser un número de 1 a 65535."));
        }
    }
    address.databaseName = decoded(path, &ok);
    if (!ok || address.databaseName.contains(QLatin1Char('/'))) {
        return refuse(QStringLiteral("El nombre de la base de datos está mal escrito."));
    }

    static const QRegularExpression keyName(QStringLiteral("^[a-z_]+$"));
    const QStringList pairs = query.split(QLatin1Char('&'), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = decoded(pair.left(equals), &ok);
        const QString value = ok && equals >= 0 ? decoded(pair.mid(equals + 1), &ok) : QString();
        if (equals < 0 || !ok || !keyName.match(key).hasMatch() || value.contains(QLatin1Char(';'))) {
            return refuse(QStringLiteral("El parámetro «%1» de la dirección del servidor está mal escrito.").arg(pair));
        }
        // libpq lets the parameters name what the URL's parts say, and the last word wins.
        if (key == u"host") {
            address.hostName = value;
        } else if (key == u"port") {
            address.portNumber = portOf(value);
            if (address.portNumber == 0) {
                return refuse(QStringLiteral("El puerto del servidor debe ser un número de 1 a 65535."));
            }
        } else if (key == u"user") {
            address.userName = value;
        } else if (key == u"password") {
            address.secret = value;
        } else if (key == u"dbname") {
            address.databaseName = value;
        } else {
            address.parameters.append({key, value});
        }
    }
    return address;
}

QString ServerAddress::connectOptions() const
{
    QStringList options;
    QStringList given;
    for (const auto &[key, value] : parameters) {
        options.append(key + QLatin1Char('=') + quotedValue(value));
        given.append(key);
    }
    // A window should not freeze for long on a server that is away: one that does not answer a
    // connection, or stops acknowledging what is sent to it in the middle of a session.
    const QPair<QString, int> defaults[] = {{QStringLiteral("connect_timeout"), DefaultConnectTimeout},
        {QStringLiteral("tcp_user_timeout"), DefaultSendTimeoutMs}};
    for (const auto &[key, value] : defaults) {
        if (!given.contains(key)) {
            options.append(key + QLatin1Char('=') + quotedValue(QString::number(value)));
        }
    }
    return options.join(QLatin1Char(';'));
}

ServerAddress ServerAddress::as(const QString &user, const QString &password) const
{
    ServerAddress other = *this;
    other.userName = user;
    other.secret = password;
    return other;
}

QString ServerAddress::url() const
{
    QString text = QStringLiteral("postgresql://");
    if (!userName.isEmpty()) {
        text += encoded(userName);
        if (!secret.isEmpty()) {
            text += QLatin1Char(':') + encoded(secret);
        }
        text += QLatin1Char('@');
    }
    // A socket's folder cannot stand where a host name does.
    const bool socketFolder = hostName.startsWith(QLatin1Char('/'));
    if (!socketFolder) {
        text
            += hostName.contains(QLatin1Char(':')) ? QLatin1Char('[') + hostName + QLatin1Char(']') : encoded(hostName);
    }
    if (portNumber > 0) {
        text += QLatin1Char(':') + QString::number(portNumber);
    }
    text += QLatin1Char('/') + encoded(databaseName);
    QStringList query;
    if (socketFolder) {
        query.append(QStringLiteral("host=") + encoded(hostName));
    }
    for (const auto &[key, value] : parameters) {
        query.append(key + QLatin1Char('=') + encoded(value));
    }
    if (!query.isEmpty()) {
        text += QLatin1Char('?') + query.join(QLatin1Char('&'));
    }
    return text;
}

void ServerAddress::applyTo(QSqlDatabase &database) const
{
    database.setHostName(hostName);
    database.setPort(portNumber);
    database.setUserName(userName);
    database.setPassword(secret);
    database.setDatabaseName(databaseName);
    database.setConnectOptions(connectOptions());
}
