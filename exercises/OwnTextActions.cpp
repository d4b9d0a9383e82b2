#include "OwnTextActions.h"

#include "CatalogueState.h"
#include "Dialogs.h"
#include "ExerciseCatalogue.h"
#include "OwnTexts.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QWidget>

OwnTextActions::OwnTextActions(CatalogueState &catalogue, ExerciseCatalogue &exercises, OwnTexts &texts,
    Dialogs &dialogs, QWidget *window, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , exercises(exercises)
    , texts(texts)
    , dialogs(dialogs)
    , window(window)
    , removal(new QAction(QStringLiteral("Quitar este texto"), window))
{
    removal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    removal->setShortcutContext(Qt::WindowShortcut);
    removal->setEnabled(false);
    window->addAction(removal);
    connect(removal, &QAction::triggered, this, &OwnTextActions::removeShown);
}

QAction *OwnTextActions::removeAction() const
{
    return removal;
}

void OwnTextActions::chooseFile()
{
    // Opened without a loop of its own: the window stays painted behind it, and what the learner
    // picks arrives as any other event.
    auto *dialog = new QFileDialog(window, QStringLiteral("Abrir texto"), QDir::homePath(),
        QStringLiteral("Textos (*.txt *.text);;Todos los archivos (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &OwnTextActions::addFile);
    dialog->open();
}

void OwnTextActions::addFile(const QString &path)
{
    add(TextImport::fromFile(path));
}

void OwnTextActions::pasteClipboard()
{
    add(TextImport::fromPastedText(QGuiApplication::clipboard()->text()));
}

void OwnTextActions::add(const TextImport::Result &text)
{
    if (!text.refusal.isEmpty()) {
        dialogs.inform(text.refusal);
        return;
    }
    // A book of a megabyte is some 1,500 files, each written whole: a second or two.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int first = texts.add(text.exercises);
    QGuiApplication::restoreOverrideCursor();
    if (first == 0) {
        dialogs.inform(QStringLiteral("No se pudo guardar el texto en ") + QDir::toNativeSeparators(texts.folder())
            + QStringLiteral(": no se ha añadido."));
        return;
    }
    exercises.showOwnText(first);
    followLesson();
    const qsizetype last = first + text.exercises.size() - 1;
    Q_EMIT added(QStringLiteral("«") + text.title + QStringLiteral("» está en Mis textos")
        + (last > first ? QStringLiteral(", ejercicios %1 a %2").arg(first).arg(last)
                        : QStringLiteral(", ejercicio %1").arg(first))
        + QStringLiteral(": pulsa Empezar (F5)."));
    if (!text.notice.isEmpty()) {
        dialogs.inform(text.notice);
    }
}

void OwnTextActions::removeShown()
{
    if (!catalogue.showsOwnTexts()
        || !dialogs.askYesNo(
            QStringLiteral("¿Quitar de Mis textos el ejercicio %1 que se ve?").arg(catalogue.currentNumber()))) {
        return;
    }
    if (!texts.remove(catalogue.currentNumber())) {
        dialogs.inform(QStringLiteral("No se pudo quitar el texto de ") + QDir::toNativeSeparators(texts.folder())
            + QLatin1Char('.'));
    }
    exercises.ownTextsChanged();
    followLesson();
}

void OwnTextActions::followLesson()
{
    removal->setEnabled(catalogue.showsOwnTexts());
}
