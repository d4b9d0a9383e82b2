#include "ExerciseText.h"
#include "FuzzSupport.h"

// An exercise file: whatever it holds, every character of the drill can be typed and every line
// break is CR LF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = ExerciseText::fromFile(FuzzSupport::bytes(data, size).toByteArray());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        if (character == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            ++i;
        } else if (character.category() == QChar::Other_Control) {
            FuzzSupport::fail("the drill holds a character no key types");
        }
    }
    return 0;
}
