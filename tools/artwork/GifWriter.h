#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// A looping GIF89a animation built from whole frames. All frames share one global palette of at
// most 256 colours; a pixel less than half opaque becomes the transparent index, and the rest
// lose their alpha, so pictures meant for a known ground should be flattened onto it first.
class GifWriter
{
public:
    // The first frame fixes the picture's size. Returns false, keeping nothing, for a null frame
    // or one of another size. The delay is rounded to GIF's hundredths of a second.
    bool addFrame(const QImage &frame, int delayMs);

    // The whole file; empty while no frame has been added.
    QByteArray encode() const;

private:
    QList<QImage> frames;
    QList<int> delaysCs;
};
