#include "Cp1252.h"
#include "ExerciseCutter.h"
#include "FuzzSupport.h"
#include "TextImport.h"

// A learner's own file, whatever it holds: either a reason to refuse it, or exercises whose every
// character the Spanish keyboard types, in lines that are never empty and break only between words.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    bool isText = false;
    const QString text = TextImport::decode(FuzzSupport::bytes(data, size).toByteArray(), &isText);
    if (!isText) {
        return 0;
    }
    const TextImport::Result result = TextImport::fromPastedText(text);
    if (result.exercises.isEmpty() == result.refusal.isEmpty()) {
        FuzzSupport::fail("a text is neither refused nor made into exercises");
    }
    for (const QString &exercise : result.exercises) {
        for (const QString &line : exercise.split(QStringLiteral("\r\n"))) {
            if (line.isEmpty() || line.startsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char(' '))) {
                FuzzSupport::fail("an exercise has an empty line or blanks at a line's end");
            }
            if (line.size() > ExerciseCutter::LineLength && line.contains(QLatin1Char(' '))) {
                FuzzSupport::fail("a line runs past the course's width though it could break");
            }
            for (const QChar character : line) {
                if (Cp1252::codeOf(character) < 0 || character.category() == QChar::Other_Control) {
                    FuzzSupport::fail("an exercise holds a character no key types");
                }
            }
        }
    }
    return 0;
}
