#include "UserRegistry.h"

#include "Cp1252.h"
#include "FieldReader.h"
#include "FileLookup.h"
#include "SafeFile.h"

#include <QDir>
#include <QRegularExpression>

namespace
{

// A clave file holds four digits; anything larger is not one.
constexpr qint64 MaxClaveFileSize = 1024;

const QString ClaveSuffix = QStringLiteral("clave");

bool isSpelledInWindows1252(const QString &name)
{
    return std::all_of(name.cbegin(), name.cend(), [](QChar character) {
        return Cp1252::codeOf(character) >= 0;
    });
}

} // namespace

UserRegistry::UserRegistry(const QString &userDir)
    : userDir(userDir)
{
}

QStringList UserRegistry::users() const
{
    // Hidden files and names no learner could have registered are not learners, nor what a save
    // that was cut short (the program killed, the machine switched off) left beside a history:
    // the history's name followed by a dot and six letters or digits.
    QStringList names = QDir(usersFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    static const QRegularExpression unfinishedSave(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QStringList all = names;
    names.removeIf([&all](const QString &name) {
        const QRegularExpressionMatch save = unfinishedSave.match(name);
        return !isSafeName(name) || (save.hasMatch() && all.contains(save.captured(1)));
    });
    return names;
}

QString UserRegistry::storedName(const QString &name) const
{
    if (!isSafeName(name)) {
        return {};
    }
    return FileLookup::findIgnoringCase(usersFolder(), name);
}

UserRegistry::SignIn UserRegistry::signIn(const QString &name, const QString &clave) const
{
    const QString stored = storedName(name);
    if (stored.isEmpty()) {
        return SignIn::UnknownUser;
    }
    bool readable = false;
    const QByteArray bytes = SafeFile::read(claveFile(stored), &readable, MaxClaveFileSize);
    if (!readable) {
        return SignIn::WrongClave;
    }
    const QString storedClave = FieldReader::readItems(Cp1252::decode(bytes), 1).constFirst();
    return storedClave == clave ? SignIn::Accepted : SignIn::WrongClave;
}

std::optional<UserRegistry::Registration> UserRegistry::refusalOf(const QString &name) const
{
    if (name.isEmpty()) {
        return Registration::NameMissing;
    }
    if (!isSafeName(name)) {
        return Registration::NameUnsafe;
    }
    if (!FileLookup::findIgnoringCase(usersFolder(), name).isEmpty()) {
        return Registration::NameTaken;
    }
    return std::nullopt;
}

UserRegistry::Registration UserRegistry::registerUser(
    const QString &name, const QString &clave, const QString &historySuffix) const
{
    if (const std::optional<Registration> refusal = refusalOf(name)) {
        return *refusal;
    }
    if (!QDir().mkpath(usersFolder()) || !QDir().mkpath(clavesFolder())) {
        return Registration::WriteFailed;
    }
    // No learner of this name exists, so a clave file of that name is a leftover and is replaced.
    if (!SafeFile::write(claveFile(name), Cp1252::encode(clave))) {
        return Registration::WriteFailed;
    }
    const QString firstLine = name + historySuffix + QStringLiteral("\r\n");
    if (!SafeFile::write(usersFolder() + QLatin1Char('/') + name, Cp1252::encode(firstLine))) {
        return Registration::WriteFailed;
    }
    return Registration::Registered;
}

bool UserRegistry::isSafeName(const QString &name)
{
    return FileLookup::isSafeFileName(name) && !name.startsWith(QLatin1Char('.')) && name.size() <= MaxNameLength
        && isSpelledInWindows1252(name);
}

QString UserRegistry::usersFolder() const
{
    return userDir + QStringLiteral("/Usuarios");
}

QString UserRegistry::clavesFolder() const
{
    return userDir + QStringLiteral("/Claves");
}

QString UserRegistry::claveFile(const QString &name) const
{
    const QString stored = FileLookup::findIgnoringCase(clavesFolder(), name + ClaveSuffix);
    return clavesFolder() + QLatin1Char('/') + (stored.isEmpty() ? name + ClaveSuffix : stored);
}
