#include "SettingsStorage.h"

namespace
{

// QSettings keeps the first error it meets, so the FormatError of a damaged file would hide every
// later failure to write it. QSettings objects on one file share what was read from it, so a second
// object takes over the keys the first one could read, without the first one's error.
template <typename... Arguments>
std::unique_ptr<QSettings> openSettings(const Arguments &...arguments)
{
    auto first = std::make_unique<QSettings>(arguments...);
    // Parses every section now, so no parse error is left to come up later.
    first->allKeys();
    if (first->status() != QSettings::FormatError) {
        return first;
    }
    return std::make_unique<QSettings>(arguments...);
}

} // namespace

SettingsStorage::SettingsStorage() = default;

SettingsStorage::SettingsStorage(const QString &iniFile)
    : settings(openSettings(iniFile, QSettings::IniFormat))
{
}

SettingsStorage::SettingsStorage(const QString &organisation, const QString &application)
    : settings(openSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, application))
{
}

bool SettingsStorage::sync()
{
    if (!settings) {
        return true;
    }
    // QSettings writes a new file and renames it over the old one: a failed write leaves it whole.
    settings->sync();
    return settings->status() != QSettings::AccessError;
}

QVariant SettingsStorage::storedValue(const QString &key) const
{
    return settings ? settings->value(key) : memory.value(key);
}

void SettingsStorage::setStoredValue(const QString &key, const QVariant &value)
{
    if (settings) {
        settings->setValue(key, value);
    } else {
        memory.insert(key, value);
    }
}
