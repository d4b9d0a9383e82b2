#pragma once

#include "ClassRow.h"
#include "Platform.h"

#include <QWidget>

#include <map>
#include <memory>

class ClassRoster;
class LearnerStatistics;
class ProgressWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// "Profesor": the teacher signs in with their password and sees the class as a table (each
// learner's last practice, drills, speeds, accuracy, last lesson and weakest keys), sorts it by
// any column, opens a learner's progress window, gives a learner a new clave and saves the class
// as a CSV file.
class TeacherWindow : public QWidget
{
    Q_OBJECT

public:
    struct Controls {
        // The first page: the teacher's password.
        QLineEdit *passwordField;
        QPushButton *signInButton;
        // The second page: the class.
        QTableWidget *classTable;
        QPushButton *progressButton;
        QPushButton *newClaveButton;
        QPushButton *exportButton;
        QPushButton *refreshButton;
    };

    TeacherWindow(ClassRoster &roster, const Platform &platform, QWidget *parent = nullptr);
    ~TeacherWindow() override;

    const Controls &controls() const;
    // The rows as last read, in the server's order.
    const QList<ClassRow> &rows() const;
    // The progress window open for learner; null when none was opened.
    ProgressWindow *progressWindowOf(const QString &learner) const;

private:
    void buildPasswordPage();
    void buildClassPage();
    void signIn();
    void refresh();
    // The learner of the table's current row; empty when no row is chosen.
    QString chosenLearner() const;
    void showProgress();
    void giveNewClave();
    void exportClass();

    ClassRoster &roster;
    Platform platform;
    Controls ui;
    QStackedWidget *pages;
    QLabel *passwordMessage;
    QList<ClassRow> classRows;
    QStringList statsTexts;
    // Each open progress window with the statistics it reads.
    struct OpenProgress {
        std::unique_ptr<LearnerStatistics> statistics;
        ProgressWindow *window;
    };
    std::map<QString, OpenProgress> progressWindows;
};
