#pragma once

#include "core/document/PaletteEntry.h"

#include <QRgb>
#include <QString>

#include <optional>

namespace tessell {

// The palette editor's changes to the entries. They touch neither the cells
// nor the history: cells that showed one entry show the other after a swap.
namespace PaletteEdit {

// Where the up-down arrows move entry number: step -1 (the upper arrow) or
// +1, with -1 wrapping to F and 16 to 0.
int arrowTarget(int number, int step);
// Trades the tiles and names of two entries.
void swapEntries(Palette &palette, int a, int b);
// Moves the selected entry by an arrow; answers its new number.
int moveByArrow(Palette &palette, int selected, int step);
// Pixel k of the entry's tile, at x = k mod 5, y = k div 5.
void paintPixel(Palette &palette, int entry, int k, QRgb colour);

// A colour typed as "#RRGGBB": the "#" may be left out, the letters in either
// case, blanks around it are ignored; nothing for any other text.
std::optional<QRgb> parseColour(const QString &text);
// The colour as "#RRGGBB", in upper case.
QString colourText(QRgb colour);

} // namespace PaletteEdit

} // namespace tessell
