#include "ExerciseCatalogue.h"

#include "DrillModel.h"
#include "ExerciseText.h"
#include "LearnerSettings.h"
#include "PaneFormatting.h"
#include "RichTextPane.h"
#include "SafeFile.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>

namespace
{

QStringList subFolders(const QString &folder, int limit)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).mid(0, limit);
}

} // namespace

ExerciseCatalogue::ExerciseCatalogue(
    CatalogueState &catalogue, DrillModel &drill, const CatalogueWidgets &widgets, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , drill(drill)
    , widgets(widgets)
{
    // Digits only, and no more than fit a whole number of the table.
    widgets.numberField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), widgets.numberField));
    connect(widgets.numberField, &QLineEdit::textChanged, this, &ExerciseCatalogue::onNumberEdited);
    connect(widgets.lessonList, &QListWidget::currentRowChanged, this, &ExerciseCatalogue::selectLesson);
    connect(widgets.nextButton, &QPushButton::clicked, this, [this] {
        stepExercise(1);
    });
    connect(widgets.previousButton, &QPushButton::clicked, this, [this] {
        stepExercise(-1);
    });
}

void ExerciseCatalogue::fillLanguageList()
{
    catalogue.languages = subFolders(catalogue.exerciseRoot, CatalogueState::MaxLanguages);
    widgets.languageList->clear();
    widgets.languageList->addItems(catalogue.languages);
    catalogue.languageIndex = 0;
    widgets.languageList->setCurrentIndex(widgets.languageList->count() > 0 ? 0 : -1);
}

void ExerciseCatalogue::refreshLessonList()
{
    const QSignalBlocker blocker(widgets.lessonList);
    widgets.lessonList->clear();
    const QString language = catalogue.language();
    catalogue.lessons.clear();
    if (!language.isEmpty()) {
        catalogue.lessons
            = subFolders(catalogue.exerciseRoot + QLatin1Char('/') + language, CatalogueState::MaxLessons);
        widgets.lessonList->addItems(catalogue.lessons);
        // A narrow list cuts long lesson names; the whole name is its tool tip and, as its text,
        // what a screen reader says.
        for (int row = 0; row < widgets.lessonList->count(); ++row) {
            QListWidgetItem *lesson = widgets.lessonList->item(row);
            lesson->setToolTip(lesson->text());
        }
    }
    catalogue.ownTextsListed = false;
    if (QFileInfo(catalogue.ownTextsFolder + QStringLiteral("/1.txt")).isFile()) {
        listOwnTexts();
    }
    catalogue.lessonIndex = 0;
    for (QWidget *control : std::as_const(widgets.exerciseControls)) {
        control->setEnabled(hasLessons());
    }
    if (!hasLessons()) {
        lockAndEmptyPane();
        widgets.echoPane->hide();
        drill.setText(QString(), QString());
        return;
    }
    widgets.lessonList->setCurrentRow(0);
    selectLesson(0);
}

bool ExerciseCatalogue::hasLessons() const
{
    return widgets.lessonList->count() > 0;
}

void ExerciseCatalogue::selectLesson(int row)
{
    if (row < 0) {
        return;
    }
    catalogue.lessonIndex = row;
    catalogue.lessonFolder = catalogue.showsOwnTexts()
        ? catalogue.ownTextsFolder
        : catalogue.exerciseRoot + QLatin1Char('/') + catalogue.language() + QLatin1Char('/') + catalogue.lesson();
    showNumber(catalogue.currentNumber());
    lockAndEmptyPane();
    loadExercise();
}

void ExerciseCatalogue::listOwnTexts()
{
    if (catalogue.ownTextsListed || catalogue.lessons.size() >= CatalogueState::MaxLessons) {
        return;
    }
    const QSignalBlocker blocker(widgets.lessonList);
    catalogue.lessons.append(CatalogueState::OwnTextsLesson);
    catalogue.ownTextsListed = true;
    auto *lesson = new QListWidgetItem(CatalogueState::OwnTextsLesson, widgets.lessonList);
    lesson->setToolTip(QStringLiteral("Tus propios textos: Abrir texto (Ctrl+O) o pegar uno (Ctrl+Mayús+V); "
                                      "para quitar el que se ve, Ctrl+Supr o clic derecho aquí"));
    for (QWidget *control : std::as_const(widgets.exerciseControls)) {
        control->setEnabled(true);
    }
}

void ExerciseCatalogue::showOwnText(int number)
{
    listOwnTexts();
    if (!catalogue.ownTextsListed) {
        return;
    }
    const int row = int(catalogue.lessons.size()) - 1;
    catalogue.exerciseNumbers[catalogue.languageIndex][row] = number;
    if (widgets.lessonList->currentRow() == row) {
        selectLesson(row);
    } else {
        widgets.lessonList->setCurrentRow(row);
    }
}

void ExerciseCatalogue::ownTextsChanged()
{
    const int texts = static_cast<int>(QDir(catalogue.ownTextsFolder).entryList(QDir::Files).size());
    if (texts == 0) {
        refreshLessonList();
    } else if (catalogue.showsOwnTexts()) {
        showOwnText(std::min(catalogue.currentNumber(), texts));
    }
}

void ExerciseCatalogue::showNumber(int number)
{
    const QScopedValueRollback<bool> quiet(loadOnNumberChange, false);
    widgets.numberField->setText(QString::number(number));
}

void ExerciseCatalogue::onNumberEdited()
{
    lockAndEmptyPane();
    // The validator lets only digits in, at most nine of them.
    const int number = widgets.numberField->text().toInt();
    catalogue.currentNumber() = number;
    if (number > 0 && loadOnNumberChange) {
        loadExercise();
    }
}

void ExerciseCatalogue::stepExercise(int step)
{
    catalogue.randomOrder = false;
    lockAndEmptyPane();
    int &number = catalogue.currentNumber();
    number = std::clamp(number + step, 1, CatalogueState::LargestExercise);
    showNumber(number);
    loadExercise();
}

template <typename Visit>
void ExerciseCatalogue::forEachLesson(Visit visit) const
{
    for (int language = 0; language < catalogue.languages.size(); ++language) {
        const QString name = catalogue.languages.at(language);
        const QStringList lessons
            = subFolders(catalogue.exerciseRoot + QLatin1Char('/') + name, CatalogueState::MaxLessons);
        for (int lesson = 0; lesson < lessons.size(); ++lesson) {
            visit(language, lesson, name, lessons.at(lesson));
        }
        // The row "Mis textos" takes once listed, whether or not it is yet.
        if (lessons.size() < CatalogueState::MaxLessons) {
            visit(language, int(lessons.size()), name, CatalogueState::OwnTextsLesson);
        }
    }
}

void ExerciseCatalogue::restorePlaces(const LearnerSettings &settings)
{
    forEachLesson([&](int language, int lesson, const QString &languageName, const QString &lessonName) {
        catalogue.exerciseNumbers[language][lesson]
            = std::min(settings.exerciseReached(languageName, lessonName), CatalogueState::LargestExercise);
    });
    catalogue.fontSize = settings.textSize();
    catalogue.randomOrder = settings.randomOrder();
}

void ExerciseCatalogue::savePlaces(LearnerSettings &settings) const
{
    forEachLesson([&](int language, int lesson, const QString &languageName, const QString &lessonName) {
        settings.setExerciseReached(languageName, lessonName, catalogue.exerciseNumbers[language][lesson]);
    });
    settings.setLanguage(catalogue.language());
    settings.setLesson(catalogue.lesson());
    settings.setTextSize(catalogue.fontSize);
    settings.setRandomOrder(catalogue.randomOrder);
}

bool ExerciseCatalogue::hasExercise(int number) const
{
    return hasLessons()
        && QFileInfo(catalogue.lessonFolder + QLatin1Char('/') + QString::number(number) + QStringLiteral(".txt"))
               .isFile();
}

int ExerciseCatalogue::lessonFileCount() const
{
    return static_cast<int>(QDir(catalogue.lessonFolder).entryList(QDir::Files).size());
}

void ExerciseCatalogue::lockAndEmptyPane()
{
    widgets.exercisePane->setInputEnabled(false);
    widgets.exercisePane->setText(QString());
}

void ExerciseCatalogue::presentExercise(const QString &label, const QString &text)
{
    catalogue.offCourse = true;
    widgets.exerciseLabel->setText(label);
    drill.setText(text, label);
    RichTextPane &pane = *widgets.exercisePane;
    pane.setInputEnabled(false);
    pane.setText(text);
    PaneFormatting::showUntyped(pane, catalogue.fontSize);
}

void ExerciseCatalogue::loadExercise()
{
    const int number = catalogue.currentNumber();
    const QString fileName = QString::number(number) + QStringLiteral(".txt");
    const QString path = catalogue.lessonFolder + QLatin1Char('/') + fileName;
    bool readable = false;
    QByteArray bytes;
    // The number field must spell the file name exactly: "01" does not name 1.txt.
    if (hasLessons() && widgets.numberField->text() + QStringLiteral(".txt") == fileName && QFileInfo(path).isFile()) {
        bytes = SafeFile::read(path, &readable, ExerciseText::MaxFileSize);
    }
    if (readable) {
        presentExercise(
            catalogue.language() + QLatin1Char('\\') + catalogue.lesson() + QLatin1Char('\\') + QString::number(number),
            ExerciseText::fromFile(bytes));
        catalogue.offCourse = false;
    } else {
        drill.stop();
    }
    widgets.echoPane->hide();
}
