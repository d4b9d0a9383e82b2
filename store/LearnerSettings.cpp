#include "LearnerSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace
{

// Folder names hold no slash, so the two make a key of their own for every lesson.
QString reachedKey(const QString &language, const QString &lesson)
{
    return QStringLiteral("alcanzado/") + language + QLatin1Char('/') + lesson;
}

} // namespace

LearnerSettings::LearnerSettings(SettingsStorage storage)
    : storage(std::move(storage))
{
}

LearnerSettings LearnerSettings::forLearner(const QString &historyFile)
{
    if (historyFile.isEmpty()) {
        return forSession();
    }
    // A folder of its own: the files in "Usuarios" are the list of learners.
    const QFileInfo history(historyFile);
    const QString file = history.path() + QStringLiteral("/../Ajustes/") + history.fileName() + QStringLiteral(".ini");
    return LearnerSettings(SettingsStorage(QDir::cleanPath(file)));
}

LearnerSettings LearnerSettings::forSession()
{
    return LearnerSettings(SettingsStorage());
}

int LearnerSettings::examPenalty() const
{
    return std::clamp(storage.load(PenaltyKey, DefaultExamPenalty), 0, LargestExamPenalty);
}

int LearnerSettings::exerciseReached(const QString &language, const QString &lesson) const
{
    return std::clamp(storage.load(reachedKey(language, lesson), 1), 1, LargestExercise);
}

void LearnerSettings::setExerciseReached(const QString &language, const QString &lesson, int exercise)
{
    storage.store(reachedKey(language, lesson), exercise);
}

int LearnerSettings::textSize() const
{
    const int stored = storage.load(TextSizeKey, DefaultTextSize);
    if (std::find(LargeTextSizes.begin(), LargeTextSizes.end(), stored) != LargeTextSizes.end()) {
        return stored;
    }
    // An odd size would step past the largest one and never come round.
    const int points = std::clamp(stored, SmallestTextSize, LargestTextSize);
    return points - points % 2;
}

QList<int> LearnerSettings::textSizes()
{
    QList<int> sizes;
    for (int points = SmallestTextSize; points <= LargestTextSize; points += 2) {
        sizes.append(points);
    }
    sizes.append(QList<int>(LargeTextSizes.begin(), LargeTextSizes.end()));
    return sizes;
}
