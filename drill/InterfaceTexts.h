#pragma once

#include <QStringList>

// The texts of the typing window that come from the language files.
struct InterfaceTexts {
    enum Ui { ExitQuestion, SaveFailed, LanguageFileMissing, SpaceKeyName, EnterKeyName, AccuracyWord, UiCount };
    enum Hint {
        WrongCase,
        AcuteAccent,
        GraveAccent,
        Space,
        Diaeresis,
        DigitOrPunctuation,
        General,
        DrillEnd,
        Unused,
        HintCount
    };

    // From the general language file; they do not change while the window lives.
    QStringList UiTexts = QStringList(UiCount);
    // From the language file of the current language.
    QStringList HintTexts = QStringList(HintCount);
};
