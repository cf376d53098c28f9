#pragma once

#include <QImage>

namespace tessell {

// A device-independent bitmap as a scanner hands it over in memory: a core
// (12-byte) or info header, an optional colour table, then the pixel rows,
// bottom row first unless the height is negative. 1, 4, 8, 16, 24 and 32 bits
// per pixel, uncompressed or (16 and 32 bits) with colour masks.
class DibReader {
public:
    // The picture at its natural size as 32-bit RGB. Every size in the header
    // is checked against length before a byte past the header is read; a
    // picture that does not fit or is of a form this reader does not know
    // throws tessell::Error with the transfer failure text.
    static QImage read(const uchar *data, qsizetype length);

    // Refused beyond this many pixels, whatever the memory holds.
    static constexpr qint64 MaxPixels = qint64(1) << 28;
};

} // namespace tessell
