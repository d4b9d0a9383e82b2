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

    // Items the general language file gained later: a file written before they existed lacks
    // them, so each has a Spanish text of its own.
    enum Notice { ReportNotSaved, EditorNotStarted, HistoryNotLoaded, NoticeCount };

    // From the general language file; they do not change while the window lives.
    QStringList UiTexts = QStringList(UiCount);
    QStringList NoticeTexts = QStringList(NoticeCount);
    // From the language file of the current language.
    QStringList HintTexts = QStringList(HintCount);

    // The notice as the general file words it, or its Spanish text when the file has none.
    QString notice(Notice which) const
    {
        static const char16_t *const spanish[NoticeCount] = {
            u"No se ha podido guardar el informe. Comprueba que la carpeta de Teclora admite cambios y "
            u"que queda espacio en el disco.",
            u"No se ha podido abrir el informe: no hay ningún programa para leer archivos RTF.",
            u"No se ha podido leer tu historial: es demasiado grande o no es un archivo corriente. Se "
            u"queda como está, y los resultados de hoy no se guardarán en él.",
        };
        const QString text = NoticeTexts.value(which);
        return text.isEmpty() ? QString::fromUtf16(spanish[which]) : text;
    }
};
