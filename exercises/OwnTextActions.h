#pragma once

#include "TextImport.h"

#include <QObject>

class Dialogs;
class ExerciseCatalogue;
class OwnTexts;
class QAction;
class QWidget;
struct CatalogueState;

// The ways a learner's own text comes in (a file from the tool bar or the command line, the
// clipboard) and goes out again. Every way in lands on the same place: the text's first exercise
// shown in "Mis textos", ready to start, and what was changed in it said once.
class OwnTextActions : public QObject
{
    Q_OBJECT

public:
    OwnTextActions(CatalogueState &catalogue, ExerciseCatalogue &exercises, OwnTexts &texts, Dialogs &dialogs,
        QWidget *window, QObject *parent = nullptr);

    // "Quitar este texto": enabled only while an exercise of "Mis textos" is shown.
    QAction *removeAction() const;

    // Asks for a file with the desktop's file dialog.
    void chooseFile();
    void addFile(const QString &path);
    void pasteClipboard();
    // Asks first; the exercise shown is taken out of "Mis textos".
    void removeShown();
    // Enables the removal for what is shown now.
    void followLesson();

Q_SIGNALS:
    // A text was added: what to tell the learner where they type, until their next key.
    void added(const QString &message);

private:
    void add(const TextImport::Result &text);

    CatalogueState &catalogue;
    ExerciseCatalogue &exercises;
    OwnTexts &texts;
    Dialogs &dialogs;
    QWidget *window;
    QAction *removal;
};
