#include "Cp1252.h"
#include "FuzzSupport.h"

#include <cstring>

// Every byte decodes to a character that encodes back to it; any text encodes to one byte a
// character, '?' for those without one, and decodes back to what had a byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes = FuzzSupport::bytes(data, size);
    const QString decoded = Cp1252::decode(bytes);
    if (decoded.size() != bytes.size() || Cp1252::encode(decoded) != bytes) {
        FuzzSupport::fail("bytes do not survive decoding and encoding");
    }
    // Copied, as the input need not be aligned for 16-bit units.
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, static_cast<std::size_t>(text.size()) * sizeof(QChar));
    const QByteArray encoded = Cp1252::encode(text);
    const QString back = Cp1252::decode(encoded);
    if (back.size() != text.size()) {
        FuzzSupport::fail("encoding changed the length");
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool hasByte = Cp1252::codeOf(text.at(i)) >= 0;
        if (back.at(i) != (hasByte ? text.at(i) : QChar(u'?'))) {
            FuzzSupport::fail("a character did not survive encoding and decoding");
        }
    }
    return 0;
}
