#include "ExerciseCatalogue.h"

#include "DrillState.h"
#include "ExerciseText.h"
#include "PaneFormatting.h"
#include "RichTextPane.h"
#include "SafeFile.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QTimer>

namespace
{

QStringList subFolders(const QString &folder, int limit)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).mid(0, limit);
}

} // namespace

ExerciseCatalogue::ExerciseCatalogue(CatalogueState &catalogue, DrillState &drill, const CatalogueWidgets &widgets,
    QTimer &statisticsTimer, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , drill(drill)
    , widgets(widgets)
    , statisticsTimer(statisticsTimer)
{
    // Digits only, and no more than fit a whole number of the table.
    widgets.numberField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), widgets.numberField));
    connect(widgets.numberField, &QLineEdit::textChanged, this, &ExerciseCatalogue::Text1_Change);
    connect(widgets.lessonList, &QListWidget::currentRowChanged, this, &ExerciseCatalogue::list1_Click);
    connect(widgets.nextButton, &QPushButton::clicked, this, [this] {
        Command3_Click(0);
    });
    connect(widgets.previousButton, &QPushButton::clicked, this, [this] {
        Command3_Click(1);
    });
}

void ExerciseCatalogue::FillLanguageList()
{
    widgets.languageList->clear();
    widgets.languageList->addItems(subFolders(catalogue.ExerciseRoot, CatalogueState::MaxLanguages));
    widgets.languageList->setCurrentIndex(widgets.languageList->count() > 0 ? 0 : -1);
}

void ExerciseCatalogue::RefreshLessonList()
{
    const QSignalBlocker blocker(widgets.lessonList);
    widgets.lessonList->clear();
    const QString language = widgets.languageList->currentText();
    if (!language.isEmpty()) {
        widgets.lessonList->addItems(
            subFolders(catalogue.ExerciseRoot + QLatin1Char('/') + language, CatalogueState::MaxLessons));
        // A narrow list cuts long lesson names; the whole name is its tool tip and, as its text,
        // what a screen reader says.
        for (int row = 0; row < widgets.lessonList->count(); ++row) {
            QListWidgetItem *lesson = widgets.lessonList->item(row);
            lesson->setToolTip(lesson->text());
        }
    }
    catalogue.LessonIndex = 0;
    for (QWidget *control : std::as_const(widgets.exerciseControls)) {
        control->setEnabled(hasLessons());
    }
    if (!hasLessons()) {
        lockAndEmptyPane();
        widgets.echoPane->hide();
        statisticsTimer.stop();
        return;
    }
    widgets.lessonList->setCurrentRow(0);
    list1_Click(0);
}

bool ExerciseCatalogue::hasLessons() const
{
    return widgets.lessonList->count() > 0;
}

void ExerciseCatalogue::list1_Click(int row)
{
    if (row < 0) {
        return;
    }
    catalogue.LessonIndex = row;
    catalogue.LessonFolder = catalogue.ExerciseRoot + QLatin1Char('/') + widgets.languageList->currentText()
        + QLatin1Char('/') + widgets.lessonList->item(row)->text();
    showNumber(catalogue.currentNumber());
    lockAndEmptyPane();
    LoadExercise();
}

void ExerciseCatalogue::showNumber(int number)
{
    const QScopedValueRollback<bool> quiet(loadOnNumberChange, false);
    widgets.numberField->setText(QString::number(number));
}

void ExerciseCatalogue::Text1_Change()
{
    lockAndEmptyPane();
    // The validator lets only digits in, at most nine of them.
    const int number = widgets.numberField->text().toInt();
    catalogue.currentNumber() = number;
    if (number > 0 && loadOnNumberChange) {
        LoadExercise();
    }
}

void ExerciseCatalogue::Command3_Click(int index)
{
    catalogue.RandomMode = false;
    lockAndEmptyPane();
    int &number = catalogue.currentNumber();
    if (index == 0 && number < CatalogueState::LargestExercise) {
        ++number;
    } else if (index == 1 && number > 1) {
        --number;
    }
    showNumber(number);
    LoadExercise();
}

int ExerciseCatalogue::lessonFileCount() const
{
    return static_cast<int>(QDir(catalogue.LessonFolder).entryList(QDir::Files).size());
}

void ExerciseCatalogue::lockAndEmptyPane()
{
    widgets.exercisePane->setInputEnabled(false);
    widgets.exercisePane->setText(QString());
}

void ExerciseCatalogue::presentExercise(const QString &label, const QString &text)
{
    widgets.exerciseLabel->setText(label);
    drill.TargetText = text;
    RichTextPane &pane = *widgets.exercisePane;
    pane.setInputEnabled(false);
    pane.setText(drill.TargetText);
    PaneFormatting::showUntyped(pane, catalogue.ExerciseFontSize);
}

void ExerciseCatalogue::LoadExercise()
{
    const int number = catalogue.currentNumber();
    const QString fileName = QString::number(number) + QStringLiteral(".txt");
    const QString path = catalogue.LessonFolder + QLatin1Char('/') + fileName;
    bool readable = false;
    QByteArray bytes;
    // The number field must spell the file name exactly: "01" does not name 1.txt.
    if (hasLessons() && widgets.numberField->text() + QStringLiteral(".txt") == fileName && QFileInfo(path).isFile()) {
        bytes = SafeFile::read(path, &readable, ExerciseText::MaxFileSize);
    }
    if (readable) {
        presentExercise(widgets.languageList->currentText() + QLatin1Char('\\')
                + widgets.lessonList->currentItem()->text() + QLatin1Char('\\') + QString::number(number),
            ExerciseText::fromFile(bytes));
    }
    widgets.echoPane->hide();
    statisticsTimer.stop();
}
