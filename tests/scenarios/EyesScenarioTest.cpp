#include "TypingWindowFixture.h"

#include "AnimatedPicture.h"
#include "ControlsInside.h"
#include "DrillPalette.h"
#include "LearnerLook.h"
#include "SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <cmath>

namespace
{

// CIE L*a*b* (D65) of an sRGB colour given as linear-light components.
std::array<double, 3> lab(const std::array<double, 3> &linear)
{
    const auto [r, g, b] = linear;
    const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047, 0.2126 * r + 0.7152 * g + 0.0722 * b,
        (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i) {
        f[i] = xyz[i] > 0.008856 ? std::cbrt(xyz[i]) : 7.787 * xyz[i] + 16.0 / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

using Matrix = std::array<std::array<double, 3>, 3>;
// Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for Simulation of Color
// Vision Deficiency", severity 1.0, applied to linear RGB.
constexpr Matrix Protanopia
    = {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia
    = {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};

// ΔE*ab (CIE 1976) between two colours as an eye with the deficiency sees them.
double simulatedDifference(QRgb first, QRgb second, const Matrix &deficiency)
{
    const auto seen = [&deficiency](QRgb colour) {
        const double rgb[3] = {linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
        std::array<double, 3> out {};
        for (int i = 0; i < 3; ++i) {
            out[i] = std::clamp(
                deficiency[i][0] * rgb[0] + deficiency[i][1] * rgb[1] + deficiency[i][2] * rgb[2], 0.0, 1.0);
        }
        return lab(out);
    };
    const auto a = seen(first);
    const auto b = seen(second);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// The character cell at a document position of the pane, in its viewport's pixels.
QRect cellOf(const RichTextPane &pane, int position)
{
    QTextCursor cursor(pane.document());
    cursor.setPosition(position);
    const QRect before = pane.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = pane.cursorRect(cursor);
    return QRect(QPoint(before.left() + 1, before.top()), QPoint(after.left() - 1, before.bottom()));
}

// The colour most pixels of the cell have, and the one farthest from the page's white.
std::pair<QRgb, QRgb> groundAndInk(const QImage &image, const QRect &cell)
{
    QHash<QRgb, int> counts;
    QRgb ink = qRgb(255, 255, 255);
    const auto darkness = [](QRgb c) {
        return 3 * 255 - qRed(c) - qGreen(c) - qBlue(c);
    };
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xffffff;
            ++counts[pixel];
            ink = darkness(pixel) > darkness(ink) ? pixel : ink;
        }
    }
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        ground = it.value() > counts.value(ground) ? it.key() : ground;
    }
    return {ground | 0xff000000, ink | 0xff000000};
}

} // namespace

class EyesScenario : public TypingWindowFixture
{
protected:
    EyesScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"),
            QStringLiteral("asdf jklñ asdf jklñ asdf jklñ asdf jklñ\nasdf jklñ asdf jklñ asdf\njklñ asdf jklñ"));
    }

    SettingsDialog *openSettings()
    {
        controls().settingsButton->click();
        return window->findChild<SettingsDialog *>();
    }
};

TEST_F(EyesScenario, SettingsApplyAtOnceAndStayWithARegisteredLearnerOnly)
{
    for (const QString &learner : {QStringLiteral("Ana"), QString()}) {
        open(learner);
        const MainWindowControls &c = controls();
        EXPECT_EQ(window->learnerLook().choices(), AccessChoices()) << qPrintable(learner);
        SettingsDialog *dialog = openSettings();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ajustes"));
        // Every choice by keyboard: Space on the first, then Tab on to the next.
        QWidget *focused = dialog->focusWidget();
        ASSERT_NE(qobject_cast<QCheckBox *>(focused), nullptr);
        QTest::keyClick(focused, Qt::Key_Space);
        for (const QString &name : {QStringLiteral("Sin a&nimaciones decorativas"), QStringLiteral("Sin &sonidos")}) {
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
                if (box->text() == name) {
                    QTest::keyClick(box, Qt::Key_Space);
                }
            }
        }
        auto *size = dialog->findChild<QComboBox *>();
        EXPECT_EQ(size->accessibleName(), QStringLiteral("Tamaño de la letra"));
        QTest::keyClick(size, Qt::Key_End);
        const AccessChoices chosen {true, false, 72, true, true};
        EXPECT_EQ(dialog->choices(), chosen);

        // Shown at once: the page, silence, the larger text, a wrong key on its block.
        EXPECT_EQ(c.exercisePane->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(window->catalogueState().fontSize, 72);
        c.startButton->click();
        Typing::type(c.exercisePane, QStringLiteral("x"));
        EXPECT_TRUE(recording.sound.played.isEmpty());
        QTextCursor wrong(c.exercisePane->document());
        wrong.setPosition(1);
        EXPECT_EQ(wrong.charFormat().background().color(), DrillPalette::highContrast().wrongGround);
        dialog->reject();
        window->close();

        // Kept for the learner's next session; an unregistered learner's vanish with theirs.
        open(learner);
        EXPECT_EQ(window->learnerLook().choices() == chosen, !learner.isEmpty()) << qPrintable(learner);
        window->close();
    }
}

TEST_F(EyesScenario, InHighContrastRightAndWrongStayApartForProtanopiaAndDeuteranopia)
{
    folder.write(QStringLiteral("Ajustes/Ana.ini"), QStringLiteral("[vista]\ncontrasteAlto=true\n"));
    open(QStringLiteral("Ana"));
    RichTextPane *pane = controls().exercisePane;
    window->show();
    resize(1366, 740);
    controls().startButton->click();
    Typing::type(pane, QStringLiteral("ax"));
    const QImage shot = pane->viewport()->grab().toImage();
    const auto [rightGround, rightInk] = groundAndInk(shot, cellOf(*pane, 0));
    const auto [wrongGround, wrongInk] = groundAndInk(shot, cellOf(*pane, 1));
    EXPECT_EQ(QColor(rightGround), QColor(Qt::white));
    EXPECT_EQ(QColor(wrongGround), DrillPalette::highContrast().wrongGround);
    // A difference of 40 ΔE*ab is that between colours no one takes for one another at a glance
    // (about 2.3 is the smallest difference seen side by side).
    for (const Matrix &deficiency : {Protanopia, Deuteranopia}) {
        EXPECT_GT(simulatedDifference(rightInk, wrongGround, deficiency), 40);
        EXPECT_GT(simulatedDifference(rightGround, wrongGround, deficiency), 40);
    }
}

TEST_F(EyesScenario, TheLargestTextInTheDyslexiaFontKeepsEveryControlAndTheNextCharacterOnScreen)
{
    folder.write(QStringLiteral("Ajustes/Ana.ini"), QStringLiteral("[vista]\nletraDislexia=true\ntamanoTexto=72\n"));
    open(QStringLiteral("Ana"));
    window->show();
    // 1366 x 768 less a title bar.
    resize(1366, 740);
    EXPECT_LE(window->height(), 740);
    expectEveryControlInside(*window);
    RichTextPane *pane = controls().exercisePane;
    EXPECT_EQ(pane->document()->defaultFont().family(), LearnerLook::DyslexiaFamily);
    const QTextLayout *line = pane->document()->firstBlock().layout();
    EXPECT_GE(pane->viewport()->height(), 2 * int(line->lineAt(0).height()));

    // Well into the second line of the pane, the character to type is still in sight.
    controls().startButton->click();
    Typing::type(pane, QStringLiteral("asdf jklñ asdf jklñ asdf jklñ "));
    QTextCursor next(pane->document());
    next.setPosition(window->drill().position() - 1);
    EXPECT_TRUE(pane->viewport()->rect().contains(pane->cursorRect(next))) << pane->cursorRect(next).y();
}

TEST_F(EyesScenario, DecorationsStandStillAndTheDrillIsSilentWhileTurnedOffAndComeBackAfter)
{
    QFile shipped(QStringLiteral(TECLORA_DATA_DIR "/gifs/linea.gif"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    folder.writeBytes(QStringLiteral("gifs/linea.gif"), shipped.readAll());
    open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    controls().startButton->click();
    AnimatedPicture *line = controls().lineAnimation;
    ASSERT_TRUE(QTest::qWaitFor([line] {
        return line->isRunning();
    }));

    LearnerLook &look = window->learnerLook();
    AccessChoices quiet = look.choices();
    quiet.animationsOff = true;
    quiet.soundOff = true;
    look.choose(quiet);
    EXPECT_FALSE(line->isRunning());
    const int still = line->currentFrame();
    Typing::type(controls().exercisePane, QStringLiteral("x"));
    QTest::qWait(300);
    EXPECT_FALSE(line->isRunning());
    EXPECT_EQ(line->currentFrame(), still);
    EXPECT_TRUE(recording.sound.played.isEmpty());

    look.choose(AccessChoices {false, false, quiet.textSize, false, false});
    Typing::type(controls().exercisePane, QStringLiteral("x"));
    EXPECT_TRUE(line->isRunning());
    EXPECT_EQ(recording.sound.played, QStringList {QStringLiteral("fallo.wav")});
}
