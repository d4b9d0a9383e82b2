#pragma once

#include <QObject>

class Dialogs;
class ExerciseCatalogue;
class QComboBox;
class QLabel;
struct CatalogueState;
struct InterfaceTexts;

// The exercise language: its hints come from its language file, its flag from "banderas", and
// its lessons fill the lesson list.
class LanguageSwitcher : public QObject
{
    Q_OBJECT

public:
    LanguageSwitcher(CatalogueState &catalogue, InterfaceTexts &texts, ExerciseCatalogue &exercises,
        QComboBox *languageList, QLabel *flag, Dialogs &dialogs, const QString &appDir, QObject *parent = nullptr);

    void applyLanguage();
    void onLanguageChosen(int index);
    // Shows the flag of the current language; a missing picture leaves the flag shown before.
    void showFlag();

private:
    CatalogueState &catalogue;
    InterfaceTexts &texts;
    ExerciseCatalogue &exercises;
    QComboBox *languageList;
    QLabel *flag;
    Dialogs &dialogs;
    QString appDir;
};
