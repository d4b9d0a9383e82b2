#include "OwnTexts.h"

#include "Cp1252.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

OwnTexts::OwnTexts(const QString &folder)
    : where(folder)
{
    if (where.isEmpty()) {
        session = std::make_unique<QTemporaryDir>();
        where = session->path();
    }
}

OwnTexts::~OwnTexts() = default;

QString OwnTexts::folder() const
{
    return where;
}

QString OwnTexts::fileOf(int number) const
{
    return where + QLatin1Char('/') + QString::number(number) + QStringLiteral(".txt");
}

int OwnTexts::count() const
{
    int number = 0;
    while (QFileInfo(fileOf(number + 1)).isFile()) {
        ++number;
    }
    return number;
}

int OwnTexts::add(const QStringList &exercises)
{
    const int first = count() + 1;
    if (!QDir().mkpath(where)) {
        return 0;
    }
    for (int i = 0; i < exercises.size(); ++i) {
        if (!SafeFile::write(fileOf(first + i), Cp1252::encode(exercises.at(i)))) {
            // Half a text would leave the learner wondering where the rest went.
            for (int written = first; written < first + i; ++written) {
                QFile::remove(fileOf(written));
            }
            return 0;
        }
    }
    return first;
}

bool OwnTexts::remove(int number)
{
    const int last = count();
    if (number < 1 || number > last || !QFile::remove(fileOf(number))) {
        return false;
    }
    for (int next = number + 1; next <= last; ++next) {
        if (!QFile::rename(fileOf(next), fileOf(next - 1))) {
            return false;
        }
    }
    return true;
}
