#include "TeacherWindow.h"

#include "ClassRoster.h"
#include "Clock.h"
#include "Dialogs.h"
#include "ProgressWindow.h"
#include "StatsCsv.h"
#include "StatsTexts.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

const QStringList Columns = {QStringLiteral("Alumno"), QStringLiteral("Última práctica"), QStringLiteral("Ejercicios"),
    QStringLiteral("Mejor p/m"), QStringLiteral("Media p/m"), QStringLiteral("Precisión media %"),
    QStringLiteral("Última lección"), QStringLiteral("Teclas más débiles"), QStringLiteral("Claves fallidas")};

// A row's figures as numbers, its words as text, in the order of Columns.
QVariantList fieldsOf(const ClassRow &row)
{
    return {row.learner, row.lastPractice, row.drills, row.bestSpeed, row.averageSpeed, row.averageAccuracy,
        row.lastLesson, row.weakestKeys, row.wrongClaves};
}

// A cell that sorts as a number where it holds one.
QTableWidgetItem *cell(const QVariant &value)
{
    auto *item = new QTableWidgetItem;
    if (value.typeId() == QMetaType::QString) {
        item->setText(value.toString());
    } else {
        item->setData(Qt::DisplayRole, value);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

TeacherWindow::TeacherWindow(ClassRoster &roster, const Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , roster(roster)
    , platform(platform)
    , statsTexts(StatsTexts::load(platform.appDir))
{
    setWindowTitle(QStringLiteral("Teclora - Profesor"));
    pages = new QStackedWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    buildPasswordPage();
    buildClassPage();
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // Room for the whole table on a laptop's screen, inside the screen at any scale, frame
    // included.
    const QRect room = screen()->availableGeometry();
    resize(QSize(1000, 600).boundedTo(room.size() * 0.9));
    move(room.center() - rect().center());
}

TeacherWindow::~TeacherWindow() = default;

void TeacherWindow::buildPasswordPage()
{
    auto *page = new QWidget(pages);
    auto *form = new QFormLayout(page);
    ui.passwordField = new QLineEdit(page);
    ui.passwordField->setEchoMode(QLineEdit::Password);
    ui.passwordField->setAccessibleName(QStringLiteral("Contraseña del profesor"));
    ui.signInButton = new QPushButton(QStringLiteral("&Entrar"), page);
    ui.signInButton->setDefault(true);
    passwordMessage = new QLabel(page);
    passwordMessage->setWordWrap(true);
    form->addRow(QStringLiteral("&Contraseña del profesor:"), ui.passwordField);
    form->addRow(QString(), ui.signInButton);
    form->addRow(QString(), passwordMessage);
    connect(ui.signInButton, &QPushButton::clicked, this, &TeacherWindow::signIn);
    connect(ui.passwordField, &QLineEdit::returnPressed, this, &TeacherWindow::signIn);
    pages->addWidget(page);
}

void TeacherWindow::buildClassPage()
{
    auto *page = new QWidget(pages);
    ui.classTable = new QTableWidget(0, static_cast<int>(Columns.size()), page);
    ui.classTable->setHorizontalHeaderLabels(Columns);
    ui.classTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.classTable->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.classTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.classTable->verticalHeader()->hide();
    ui.classTable->horizontalHeader()->setStretchLastSection(true);
    ui.classTable->setAccessibleName(QStringLiteral("La clase"));
    connect(ui.classTable, &QTableWidget::cellDoubleClicked, this, &TeacherWindow::showProgress);
    connect(ui.classTable, &QTableWidget::cellActivated, this, &TeacherWindow::showProgress);

    ui.progressButton = new QPushButton(QStringLiteral("&Ver progreso"), page);
    ui.newClaveButton = new QPushButton(QStringLiteral("&Nueva clave"), page);
    ui.exportButton = new QPushButton(QStringLiteral("E&xportar CSV"), page);
    ui.refreshButton = new QPushButton(QStringLiteral("&Actualizar"), page);
    auto *close = new QPushButton(QStringLiteral("&Cerrar"), page);
    connect(ui.progressButton, &QPushButton::clicked, this, &TeacherWindow::showProgress);
    connect(ui.newClaveButton, &QPushButton::clicked, this, &TeacherWindow::giveNewClave);
    connect(ui.exportButton, &QPushButton::clicked, this, &TeacherWindow::exportClass);
    connect(ui.refreshButton, &QPushButton::clicked, this, &TeacherWindow::refresh);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {ui.progressButton, ui.newClaveButton, ui.exportButton, ui.refreshButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(ui.classTable);
    layout->addLayout(buttons);
    pages->addWidget(page);
}

const TeacherWindow::Controls &TeacherWindow::controls() const
{
    return ui;
}

const QList<ClassRow> &TeacherWindow::rows() const
{
    return classRows;
}

ProgressWindow *TeacherWindow::progressWindowOf(const QString &learner) const
{
    const auto open = progressWindows.find(learner);
    return open == progressWindows.end() ? nullptr : open->second.window;
}

void TeacherWindow::signIn()
{
    switch (roster.signInTeacher(ui.passwordField->text())) {
    case ClassRoster::SignIn::WrongPassword:
        passwordMessage->setText(QStringLiteral("La contraseña no es correcta."));
        ui.passwordField->selectAll();
        return;
    case ClassRoster::SignIn::Unreachable:
        passwordMessage->setText(
            QStringLiteral("No se puede conectar con el servidor del aula. Comprueba la red y vuelve a probar."));
        return;
    case ClassRoster::SignIn::Accepted:
        ui.passwordField->clear();
        pages->setCurrentIndex(1);
        refresh();
        ui.classTable->setFocus();
        return;
    }
}

void TeacherWindow::refresh()
{
    const std::optional<QList<ClassRoster::Learner>> learners = roster.learners();
    if (!learners) {
        platform.dialogs.informOver(this, QStringLiteral("No se puede conectar con el servidor del aula."));
        return;
    }
    classRows.clear();
    for (const ClassRoster::Learner &learner : *learners) {
        if (const std::unique_ptr<LearnerStatistics> statistics = roster.statistics(learner.name)) {
            classRows.append(ClassRow::of(learner, *statistics));
        }
    }
    QTableWidget &table = *ui.classTable;
    table.setSortingEnabled(false);
    table.setRowCount(static_cast<int>(classRows.size()));
    for (int row = 0; row < classRows.size(); ++row) {
        const QVariantList fields = fieldsOf(classRows.at(row));
        for (int column = 0; column < fields.size(); ++column) {
            table.setItem(row, column, cell(fields.at(column)));
        }
    }
    table.setSortingEnabled(true);
    table.resizeColumnsToContents();
    if (table.rowCount() > 0 && table.currentRow() < 0) {
        table.selectRow(0);
    }
}

QString TeacherWindow::chosenLearner() const
{
    const int row = ui.classTable->currentRow();
    const QTableWidgetItem *name = row < 0 ? nullptr : ui.classTable->item(row, 0);
    return name ? name->text() : QString();
}

void TeacherWindow::showProgress()
{
    const QString learner = chosenLearner();
    if (learner.isEmpty()) {
        return;
    }
    auto open = progressWindows.find(learner);
    if (open == progressWindows.end()) {
        std::unique_ptr<LearnerStatistics> statistics = roster.statistics(learner);
        if (!statistics) {
            platform.dialogs.informOver(this, QStringLiteral("No se puede conectar con el servidor del aula."));
            return;
        }
        auto *window = new ProgressWindow(*statistics, statsTexts, platform.appDir, platform.clock, this);
        window->setWindowTitle(window->windowTitle() + QStringLiteral(": ") + learner);
        // The practice and the export belong to the learner at the typing window.
        window->practiceButton()->hide();
        window->exportButton()->hide();
        open = progressWindows.emplace(learner, OpenProgress {std::move(statistics), window}).first;
    }
    ProgressWindow *window = open->second.window;
    window->show();
    window->raise();
    window->activateWindow();
}

void TeacherWindow::giveNewClave()
{
    const QString learner = chosenLearner();
    if (learner.isEmpty()
        || !platform.dialogs.askYesNo(
            QStringLiteral("¿Dar a %1 una clave nueva? La que tiene dejará de servir.").arg(learner))) {
        return;
    }
    // The code buttons' first digit runs from 1 to 9, so the clave must be one they can set.
    const QString clave = QString::number(std::min(9999, 1000 + static_cast<int>(platform.clock.random() * 9000)));
    if (roster.resetClave(learner, clave)) {
        platform.dialogs.informOver(
            this, QStringLiteral("La nueva clave de %1 es %2. Dísela para que pueda entrar.").arg(learner, clave));
    } else {
        platform.dialogs.informOver(this,
            QStringLiteral("No se ha podido cambiar la clave de %1: el servidor del aula no responde.").arg(learner));
    }
}

void TeacherWindow::exportClass()
{
    QList<QStringList> lines;
    for (const ClassRow &row : std::as_const(classRows)) {
        QStringList line;
        for (const QVariant &field : fieldsOf(row)) {
            line.append(field.toString());
        }
        lines.append(line);
    }
    const QString folder = platform.userPath(QStringLiteral("Estadisticas"));
    const QString path = folder + QStringLiteral("/clase.csv");
    if (QDir().mkpath(folder) && StatsCsv::writeTable(path, Columns, lines)) {
        platform.dialogs.informOver(
            this, QStringLiteral("La clase está guardada en %1").arg(QDir::toNativeSeparators(path)));
    } else {
        platform.dialogs.informOver(
            this, QStringLiteral("No se ha podido guardar la clase en %1").arg(QDir::toNativeSeparators(path)));
    }
}
