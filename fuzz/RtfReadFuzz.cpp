#include "FuzzSupport.h"
#include "Rtf.h"

#include <QTextDocument>

// A history file as it comes from the disk, RTF or plain text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzSupport::ensureGuiApplication();
    QTextDocument document;
    Rtf::read(FuzzSupport::bytes(data, size).toByteArray(), document);
    return 0;
}
