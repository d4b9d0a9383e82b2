#pragma once

#include <QMetaEnum>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <type_traits>

// Typed values kept by QSettings, or in memory for settings that last one session. A value that is
// missing, of another type, or for an enum no name of it, reads as the default given, so a
// damaged or hand-edited file never hands the program a value it could not have written.
class SettingsStorage
{
public:
    // Values in memory only: nothing is ever written.
    SettingsStorage();
    // Values in the INI file iniFile, created with its folder at the first write.
    explicit SettingsStorage(const QString &iniFile);
    // Values of organisation and application in QSettings' usual places: the user's file first,
    // then the system's, which is read but never written.
    SettingsStorage(const QString &organisation, const QString &application);

    template <typename T>
    T load(const QString &key, const T &defaultValue) const
    {
        if constexpr (std::is_enum_v<T>) {
            bool known = false;
            const QByteArray name = load<QString>(key, QString()).toLatin1();
            const int number = QMetaEnum::fromType<T>().keyToValue(name.constData(), &known);
            return known ? static_cast<T>(number) : defaultValue;
        } else {
            return converted<T>(storedValue(key)).value_or(defaultValue);
        }
    }

    // Enums are stored by name, so their order may change without changing what a file means.
    template <typename T>
    void store(const QString &key, const T &value)
    {
        if constexpr (std::is_enum_v<T>) {
            setStoredValue(key, QString::fromLatin1(QMetaEnum::fromType<T>().valueToKey(static_cast<int>(value))));
        } else {
            setStoredValue(key, QVariant::fromValue(value));
        }
    }

    // Writes what changed since the last sync (destruction writes it too, without telling).
    // False when it could not be written; the previous file is then left as it was.
    bool sync();

private:
    template <typename T>
    static std::optional<T> converted(const QVariant &stored)
    {
        if (stored.metaType() == QMetaType::fromType<T>()) {
            return stored.value<T>();
        }
        // A file of an earlier session gives plain values back as text.
        const QString text = stored.metaType() == QMetaType::fromType<QString>() ? stored.toString() : QString();
        bool isValue = false;
        T value {};
        if constexpr (std::is_same_v<T, bool>) {
            isValue = text == u"true" || text == u"false";
            value = text == u"true";
        } else if constexpr (std::is_same_v<T, int>) {
            value = text.toInt(&isValue);
        }
        return isValue ? std::optional<T>(value) : std::nullopt;
    }

    QVariant storedValue(const QString &key) const;
    void setStoredValue(const QString &key, const QVariant &value);

    std::unique_ptr<QSettings> settings;
    QVariantMap memory;
};
