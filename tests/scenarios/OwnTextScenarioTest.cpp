// A learner's own texts in the typing window: the three ways in, where they are kept, a drill of
// one, and taking one out again.
#include "TypingWindowFixture.h"

#include "CatalogueState.h"
#include "OwnTextActions.h"
#include "QtPrinters.h"
#include "StatsRecorder.h"
#include "StatsStore.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace
{

class OwnTexts : public TypingWindowFixture
{
protected:
    OwnTexts()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
        folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana"));
    }

    QString lessonShown() const
    {
        return controls().lessonList->currentItem() ? controls().lessonList->currentItem()->text() : QString();
    }

    bool ownTextsListed() const
    {
        const QListWidget *lessons = controls().lessonList;
        return lessons->count() > 0 && lessons->item(lessons->count() - 1)->text() == CatalogueState::OwnTextsLesson;
    }

    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        window->show();
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(controls().exercisePane, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    }

    QTemporaryDir elsewhere;
};

TEST_F(OwnTexts, ASignedInLearnersFileIsShownReadyKeptAsTheCourseIsDrilledAndFoundAgain)
{
    const QString letter = elsewhere.filePath(QStringLiteral("Carta.txt"));
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("“Sí”, dijo…\n").toUtf8());
    file.close();
    open(QStringLiteral("ana"));
    const MainWindowControls &c = controls();
    EXPECT_FALSE(ownTextsListed());
    EXPECT_EQ(c.openTextButton->accessibleName(), QStringLiteral("Abrir texto"));
    EXPECT_EQ(c.openTextButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

    window->openOwnText(letter);
    EXPECT_EQ(lessonShown(), QStringLiteral("Mis textos"));
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\Mis textos\\1"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("\"Sí\", dijo..."));
    EXPECT_TRUE(c.hintLine->text().startsWith(QStringLiteral("«Carta» está en Mis textos")));
    ASSERT_EQ(recording.dialogs.messages.size(), 1);
    EXPECT_TRUE(recording.dialogs.messages.first().contains(QStringLiteral("comillas tipográficas")));
    EXPECT_TRUE(c.startButton->hasFocus() || !window->isActiveWindow());
    // Kept beside the learner's statistics under the name as stored, as the course's files are.
    EXPECT_EQ(folder.read(QStringLiteral("Textos/Ana/1.txt")), QByteArray("\"S\xED\", dijo..."));

    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("\"Sí\", dijo..."));
    ASSERT_FALSE(window->drill().isRunning());
    EXPECT_TRUE(c.echoPane->text().contains(QStringLiteral("- Castellano\\Mis textos\\1 - ")));
    ASSERT_EQ(window->statistics().store().drills().size(), 1);
    EXPECT_EQ(window->statistics().store().drills().first().exercise, QStringLiteral("Castellano\\Mis textos\\1"));

    // A second text goes after the first; both are there in the next run, a long one in pieces.
    QString longText;
    for (int i = 0; i < 30; ++i) {
        longText += QStringLiteral("Una frase de un texto largo que sigue. ");
    }
    file.setFileName(elsewhere.filePath(QStringLiteral("largo.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(longText.toLatin1());
    file.close();
    window->openOwnText(file.fileName());
    EXPECT_EQ(c.numberField->text(), QStringLiteral("2"));
    EXPECT_TRUE(c.hintLine->text().contains(QStringLiteral("ejercicios 2 a 3")));
    EXPECT_EQ(folder.read(QStringLiteral("Textos/Ana/2.txt")).left(49),
        QByteArray("Una frase de un texto largo que sigue. Una\r\nfrase"));
    window->close();
    window.reset();
    open(QStringLiteral("Ana"));
    EXPECT_EQ(lessonShown(), QStringLiteral("Mis textos"));
    EXPECT_EQ(controls().numberField->text(), QStringLiteral("2"));
    controls().lessonList->setCurrentRow(0);
    controls().lessonList->setCurrentRow(1);
    controls().nextButton->click();
    EXPECT_EQ(controls().exerciseLabel->text(), QStringLiteral("Castellano\\Mis textos\\3"));
    EXPECT_TRUE(controls().exercisePane->text().endsWith(QStringLiteral(" largo que\r\nsigue.")));
}

TEST_F(OwnTexts, PastedTextsLastTheSessionOfAnUnregisteredLearnerAndComeOutOneByOne)
{
    open();
    paste(QStringLiteral("Primer texto pegado."));
    paste(QStringLiteral("Segundo texto."));
    const MainWindowControls &c = controls();
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\Mis textos\\2"));
    EXPECT_TRUE(recording.dialogs.messages.isEmpty()) << recording.dialogs.messages.join(u'|').toStdString();
    const QString sessionFolder = window->catalogueState().ownTextsFolder;
    EXPECT_TRUE(QFileInfo(sessionFolder + QStringLiteral("/2.txt")).isFile());
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("/Textos")));

    // Removing asks, and takes nothing when the answer is no.
    Typing::deliverLaterCalls();
    QAction *remove = window->ownTextActions().removeAction();
    ASSERT_TRUE(remove->isEnabled());
    recording.dialogs.answer = false;
    remove->trigger();
    EXPECT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_TRUE(QFileInfo(sessionFolder + QStringLiteral("/2.txt")).isFile());
    recording.dialogs.answer = true;
    c.previousButton->click();
    remove->trigger();
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("Segundo texto."));
    EXPECT_EQ(c.numberField->text(), QStringLiteral("1"));
    EXPECT_FALSE(QFileInfo::exists(sessionFolder + QStringLiteral("/2.txt")));
    remove->trigger();
    Typing::deliverLaterCalls();
    EXPECT_FALSE(ownTextsListed());
    EXPECT_EQ(lessonShown(), QStringLiteral("A"));
    EXPECT_FALSE(remove->isEnabled());

    paste(QStringLiteral("Otro más."));
    window->close();
    window.reset();
    EXPECT_FALSE(QFileInfo::exists(sessionFolder));
    open();
    EXPECT_FALSE(ownTextsListed());
}

TEST_F(OwnTexts, WhatCannotBePractisedIsSaidAndAddsNothing)
{
    const QString fifo = elsewhere.filePath(QStringLiteral("tubo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    open(QStringLiteral("Ana"));
    window->openOwnText(fifo);
    paste(QStringLiteral("😀😀"));
    EXPECT_EQ(recording.dialogs.messages,
        QStringList({QStringLiteral("«tubo» no es un archivo de texto corriente: no se puede practicar."),
            QStringLiteral("El texto no tiene nada que se pueda escribir con el teclado español.")}));
    EXPECT_FALSE(ownTextsListed());
    EXPECT_EQ(controls().exercisePane->text(), QStringLiteral("uno"));
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("/Textos")));

    // "Abrir texto" asks with the file dialog, without holding the window up.
    QFile note(elsewhere.filePath(QStringLiteral("nota.txt")));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("Nota breve.");
    note.close();
    controls().openTextButton->click();
    auto *dialog = window->findChild<QFileDialog *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Abrir texto"));
    // What the dialog tells once the learner has picked a file.
    Q_EMIT dialog->fileSelected(note.fileName());
    EXPECT_EQ(controls().exercisePane->text(), QStringLiteral("Nota breve."));
    EXPECT_EQ(lessonShown(), QStringLiteral("Mis textos"));
}

} // namespace
