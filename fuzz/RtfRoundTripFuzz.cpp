#include "FuzzSupport.h"
#include "Rtf.h"

#include <QTextBlock>
#include <QTextDocument>

#include <vector>

namespace
{

struct StyledCharacter {
    char16_t character;
    QRgb colour;
    bool bold;
    qreal points;

    bool operator==(const StyledCharacter &) const = default;
};

// What a learner sees of a history: every character with its colour, emphasis and size, and the
// line breaks. A line separator inside a paragraph is saved as a paragraph break and looks the
// same, so both count as one line break; text without a size of its own (plain text) shows in
// the document's font, or 12 pt.
std::vector<StyledCharacter> styledText(const QTextDocument &document)
{
    const qreal documentPoints = document.defaultFont().pointSizeF() > 0 ? document.defaultFont().pointSizeF() : 12;
    std::vector<StyledCharacter> characters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            characters.push_back({u'\n', 0, false, 0});
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QChar character : it.fragment().text()) {
                if (character == QChar::LineSeparator) {
                    characters.push_back({u'\n', 0, false, 0});
                } else {
                    characters.push_back(
                        {character.unicode(), format.foreground().color().rgb(), format.fontWeight() > QFont::Medium,
                            format.fontPointSize() > 0 ? format.fontPointSize() : documentPoints});
                }
            }
        }
    }
    return characters;
}

} // namespace

// Whatever a history file holds, saving what was read and reading it again shows the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzSupport::ensureGuiApplication();
    QTextDocument first;
    Rtf::read(FuzzSupport::bytes(data, size).toByteArray(), first);
    QTextDocument second;
    Rtf::read(Rtf::write(first), second);
    if (styledText(first) != styledText(second)) {
        FuzzSupport::fail("the history read back differs from the one saved");
    }
    return 0;
}
