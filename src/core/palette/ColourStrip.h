#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <array>
#include <optional>

namespace tessell {

// The palette editor's strip of 28 colour patches, 9 x 9 pixels each, in two
// rows of fourteen.
namespace ColourStrip {

constexpr int Columns = 14;
constexpr int Rows = 2;
constexpr int PatchSize = 9;
constexpr int Width = Columns * PatchSize;
constexpr int Height = Rows * PatchSize;

// Top row left to right, then the bottom row.
const std::array<QRgb, Columns * Rows> &colours();
QImage image();
// The colour under a point of the strip, nothing outside it.
std::optional<QRgb> colourAt(const QPoint &point);

} // namespace ColourStrip

} // namespace tessell
