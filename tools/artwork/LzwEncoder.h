#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The variable-length LZW of GIF image data: codes grow from minCodeSize + 1 bits up to 12,
// and the table starts over with a clear code when it is full.
namespace LzwEncoder
{

// The packed code stream for palette indices that all fit in minCodeSize bits (2 to 8),
// without GIF's 255-byte sub-block framing.
QByteArray encode(QByteArrayView indices, int minCodeSize);

} // namespace LzwEncoder
