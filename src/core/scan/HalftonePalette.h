#pragma once

#include <QRgb>

#include <cstdint>

namespace tessell {

// The 256-colour halftone palette that the conversion's cell-colour picture is
// stored in: the same on every platform, so results can be checked cell for cell.
//   0..215   the colours whose channels each take 0, 51, 102, 153, 204 or 255,
//            red-major (index 36 r + 6 g + b for channel steps r, g, b);
//   216..227 twelve system colours;
//   228..255 greys round(k 255 / 29) for k = 1, 2, ...
namespace HalftonePalette {

constexpr int Size = 256;

QRgb colour(int index);
// The entry with the least sum of squared channel differences; ties go to the
// lower index. Channels must be 0..255.
std::uint8_t nearestIndex(int r, int g, int b);
inline QRgb nearest(QRgb c) { return colour(nearestIndex(qRed(c), qGreen(c), qBlue(c))); }

} // namespace HalftonePalette

} // namespace tessell
