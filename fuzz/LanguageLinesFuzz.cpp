#include "Cp1252.h"
#include "FieldReader.h"
#include "FuzzSupport.h"
#include "LanguageFiles.h"

// A language file's nine lines of hints.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = Cp1252::decode(FuzzSupport::bytes(data, size));
    const QStringList lines = FieldReader::readLines(text, LanguageFiles::LanguageLineCount);
    if (lines.size() != LanguageFiles::LanguageLineCount) {
        FuzzSupport::fail("the language file did not give nine lines");
    }
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            FuzzSupport::fail("a line holds a line end");
        }
    }
    return 0;
}
