#pragma once

#include "SettingsStorage.h"

#include <QList>
#include <QObject>

#include <array>

// What a learner chose, found again at the next sign-in: the place in the course, the look of the
// typing window and the sound. A registered learner's settings live in "Ajustes/<name>.ini" beside
// the history, named as the registry stores the learner; an unregistered learner's last the session.
class LearnerSettings
{
    Q_GADGET

public:
    // The Spanish keyboard the window draws; stored by name.
    enum class KeyboardLayout { Espana, Latinoamerica };
    Q_ENUM(KeyboardLayout)

    // The text size steps by two from the smallest to the largest and round again.
    static constexpr int DefaultTextSize = 36;
    static constexpr int SmallestTextSize = 10;
    static constexpr int LargestTextSize = 40;
    // For a learner who sees less well: chosen in the settings, beyond the steps of the button.
    static constexpr std::array<int, 4> LargeTextSizes = {48, 56, 64, 72};
    // Keystrokes one error costs in a timed test's net speed: see the README for the choice.
    static constexpr int DefaultExamPenalty = 10;
    static constexpr int LargestExamPenalty = 50;
    // Nine digits fit the number field.
    static constexpr int LargestExercise = 999'999'999;

    // The settings of the learner whose history is historyFile, as UserFiles::historyFile names it;
    // for an empty historyFile (a name that is no file name) they last the session only.
    static LearnerSettings forLearner(const QString &historyFile);
    // An unregistered learner's: kept in memory for this session, written nowhere.
    static LearnerSettings forSession();

    // The language and lesson in use, by folder name; empty before the first choice.
    QString language() const
    {
        return storage.load(LanguageKey, QString());
    }
    void setLanguage(const QString &language)
    {
        storage.store(LanguageKey, language);
    }
    QString lesson() const
    {
        return storage.load(LessonKey, QString());
    }
    void setLesson(const QString &lesson)
    {
        storage.store(LessonKey, lesson);
    }
    // The exercise reached in a lesson, 1 for a lesson never opened. Kept by folder names, so a
    // lesson added later moves nobody's place.
    int exerciseReached(const QString &language, const QString &lesson) const;
    void setExerciseReached(const QString &language, const QString &lesson, int exercise);
    // The exercise in use: the one reached in the language and lesson in use.
    int exercise() const
    {
        return exerciseReached(language(), lesson());
    }
    void setExercise(int exercise)
    {
        setExerciseReached(language(), lesson(), exercise);
    }
    // The exercise text's size in points: even, from SmallestTextSize to LargestTextSize, or one
    // of LargeTextSizes.
    int textSize() const;
    // Every size textSize() may give, smallest first.
    static QList<int> textSizes();
    void setTextSize(int points)
    {
        storage.store(TextSizeKey, points);
    }
    // Whether a finished drill moves on to an exercise picked at random.
    bool randomOrder() const
    {
        return storage.load(RandomKey, false);
    }
    void setRandomOrder(bool random)
    {
        storage.store(RandomKey, random);
    }
    bool keyboardShown() const
    {
        return storage.load(KeyboardKey, true);
    }
    void setKeyboardShown(bool shown)
    {
        storage.store(KeyboardKey, shown);
    }
    bool soundOn() const
    {
        return storage.load(SoundKey, true);
    }
    void setSoundOn(bool on)
    {
        storage.store(SoundKey, on);
    }
    KeyboardLayout keyboardLayout() const
    {
        return storage.load(LayoutKey, KeyboardLayout::Espana);
    }
    // Whether the learner ever chose a keyboard: a learner who never did is asked once.
    bool keyboardLayoutChosen() const
    {
        return !storage.load(LayoutKey, QString()).isEmpty();
    }
    void setKeyboardLayout(KeyboardLayout layout)
    {
        storage.store(LayoutKey, layout);
    }
    bool highContrast() const
    {
        return storage.load(ContrastKey, false);
    }
    void setHighContrast(bool on)
    {
        storage.store(ContrastKey, on);
    }
    bool dyslexiaFont() const
    {
        return storage.load(DyslexiaKey, false);
    }
    void setDyslexiaFont(bool on)
    {
        storage.store(DyslexiaKey, on);
    }
    bool animationsOff() const
    {
        return storage.load(StillKey, false);
    }
    void setAnimationsOff(bool off)
    {
        storage.store(StillKey, off);
    }
    // From 0 to LargestExamPenalty.
    int examPenalty() const;
    void setExamPenalty(int keystrokes)
    {
        storage.store(PenaltyKey, keystrokes);
    }

    // Writes what changed; false when it could not be written, the previous file then left whole.
    bool sync()
    {
        return storage.sync();
    }

private:
    explicit LearnerSettings(SettingsStorage storage);

    static inline const QString LanguageKey = QStringLiteral("curso/idioma");
    static inline const QString LessonKey = QStringLiteral("curso/leccion");
    static inline const QString RandomKey = QStringLiteral("curso/azar");
    static inline const QString TextSizeKey = QStringLiteral("vista/tamanoTexto");
    static inline const QString KeyboardKey = QStringLiteral("vista/teclado");
    static inline const QString LayoutKey = QStringLiteral("vista/distribucion");
    static inline const QString ContrastKey = QStringLiteral("vista/contrasteAlto");
    static inline const QString DyslexiaKey = QStringLiteral("vista/letraDislexia");
    static inline const QString StillKey = QStringLiteral("vista/sinAnimaciones");
    static inline const QString PenaltyKey = QStringLiteral("examen/penalizacion");
    static inline const QString SoundKey = QStringLiteral("sonido/activo");

    SettingsStorage storage;
};
