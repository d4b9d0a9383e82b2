#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Where the learner is in the exercise tree. The current exercise number of every lesson is
// remembered while the program runs, so coming back to a lesson returns to where it was left.
struct CatalogueState {
    static constexpr int MaxLanguages = 21;
    static constexpr int MaxLessons = 201;
    // Nine digits fit the number field and never overflow.
    static constexpr int LargestExercise = 999'999'999;
    static constexpr int StartFontSize = 36;

    QString exerciseRoot;
    // The learner's own texts: a lesson of every language, after the course's, while it has any.
    static inline const QString OwnTextsLesson = QStringLiteral("Mis textos");
    QString ownTextsFolder;
    bool ownTextsListed = false;
    // The languages and the current language's lessons, as the lists show them.
    QStringList languages;
    QStringList lessons;
    QString lessonFolder;
    int languageIndex = 0;
    int lessonIndex = 0;
    std::array<std::array<int, MaxLessons>, MaxLanguages> exerciseNumbers = filled(1);
    int fontSize = StartFontSize;
    // The exercise shown is not the lesson's (the weak-key practice): after it, the learner goes
    // back to the lesson's exercise rather than past it.
    bool offCourse = false;
    // Finished drills move on to a random exercise rather than the next one.
    bool randomOrder = false;

    QString language() const
    {
        return languages.value(languageIndex);
    }
    QString lesson() const
    {
        return lessons.value(lessonIndex);
    }

    bool showsOwnTexts() const
    {
        return ownTextsListed && lessonIndex == lessons.size() - 1;
    }

    int &currentNumber()
    {
        return exerciseNumbers[languageIndex][lessonIndex];
    }

private:
    static std::array<std::array<int, MaxLessons>, MaxLanguages> filled(int value)
    {
        std::array<std::array<int, MaxLessons>, MaxLanguages> table;
        for (auto &row : table) {
            row.fill(value);
        }
        return table;
    }
};
