#include "TypingWindowFixture.h"

#include "TypingAnnouncer.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QElapsedTimer>

namespace
{

// What a screen reader is told by notifications: the event and the words the notification holds.
QList<std::pair<QAccessible::Event, QString>> heard;
void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    if (source != nullptr && source->role() == QAccessible::Notification) {
        heard.append({event->type(), source->text(QAccessible::Name)});
    }
}

// Qt tells assistive technology anything only once the desktop's accessibility bus is there.
bool accessibilityActive()
{
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return QAccessible::isActive();
}

} // namespace

class ScreenReader : public TypingWindowFixture
{
protected:
    ScreenReader()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("as d\nÑ"));
    }
};

TEST_F(ScreenReader, HearsTheNextCharacterAndFingerAfterEveryKeyAndFalloAfterAWrongOne)
{
    ASSERT_TRUE(accessibilityActive()) << "no AT-SPI bus: run this test through run-with-atspi.sh";
    open();
    window->show();
    QAccessible::installUpdateHandler(listen);
    heard.clear();
    controls().startButton->click();
    RichTextPane *pane = controls().exercisePane;
    Typing::type(pane, QStringLiteral("asx d\n"));
    Typing::type(pane, QStringLiteral("x"));
    QAccessible::installUpdateHandler(nullptr);

    QStringList shown;
    for (const auto &[event, words] : heard) {
        if (event == QAccessible::ObjectShow) {
            shown.append(words);
        }
    }
    const QStringList expected = {QStringLiteral("a, meñique izquierdo"), QStringLiteral("s, anular izquierdo"),
        QStringLiteral("espacio, pulgar"), QStringLiteral("fallo, espacio, pulgar"),
        QStringLiteral("d, corazón izquierdo"), QStringLiteral("Intro, meñique derecho"),
        QStringLiteral("Ñ mayúscula, meñique derecho"), QStringLiteral("fallo, Ñ mayúscula, meñique derecho")};
    EXPECT_EQ(shown, expected);
    // The learner never left the pane to hear it.
    EXPECT_EQ(window->focusWidget(), pane);
    EXPECT_EQ(window->typingAnnouncer().lastAnnouncement(), expected.last());
}
