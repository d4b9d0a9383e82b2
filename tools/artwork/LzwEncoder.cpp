#include "LzwEncoder.h"

#include <unordered_map>

namespace
{

constexpr int MaxCodeBits = 12;
constexpr int TableSize = 1 << MaxCodeBits;

// Codes go out least significant bit first, as GIF decoders read them.
class BitPacker
{
public:
    void put(int code, int bits)
    {
        pending |= quint32(code) << pendingBits;
        pendingBits += bits;
        while (pendingBits >= 8) {
            bytes.append(char(pending & 0xff));
            pending >>= 8;
            pendingBits -= 8;
        }
    }

    QByteArray finish()
    {
        if (pendingBits > 0) {
            bytes.append(char(pending & 0xff));
        }
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 pending = 0;
    int pendingBits = 0;
};

} // namespace

namespace LzwEncoder
{

QByteArray encode(QByteArrayView indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker out;
    // Key: the code of a known string shifted left by 8, or-ed with the byte that extends it.
    std::unordered_map<quint32, int> table;
    int codeBits = minCodeSize + 1;
    int nextCode = endCode + 1;

    const auto startOver = [&] {
        out.put(clearCode, codeBits);
        table.clear();
        codeBits = minCodeSize + 1;
        nextCode = endCode + 1;
    };
    // Every code we send claims the next table entry, the last one too: the decoder widens its
    // codes one entry behind us, and only this keeps the end code at the width it expects.
    const auto sendAndClaim = [&](int code) {
        out.put(code, codeBits);
        const int claimed = nextCode++;
        if (claimed >= (1 << codeBits) && codeBits < MaxCodeBits) {
            ++codeBits;
        }
        return claimed;
    };

    startOver();
    int current = -1;
    for (const char c : indices) {
        const auto index = quint8(c);
        if (current < 0) {
            current = index;
            continue;
        }
        const quint32 key = (quint32(current) << 8) | index;
        const auto known = table.find(key);
        if (known != table.end()) {
            current = known->second;
            continue;
        }
        table.emplace(key, sendAndClaim(current));
        if (nextCode == TableSize) {
            startOver();
        }
        current = index;
    }
    if (current >= 0) {
        sendAndClaim(current);
    }
    out.put(endCode, codeBits);
    return out.finish();
}

} // namespace LzwEncoder
