#include "core/palette/PaletteEdit.h"

#include <utility>

namespace tessell {

int PaletteEdit::arrowTarget(int number, int step)
{
    const int n = int(Palette().size());
    return ((number + step) % n + n) % n;
}

void PaletteEdit::swapEntries(Palette &palette, int a, int b) { std::swap(palette[a], palette[b]); }

int PaletteEdit::moveByArrow(Palette &palette, int selected, int step)
{
    const int target = arrowTarget(selected, step);
    swapEntries(palette, selected, target);
    return target;
}

void PaletteEdit::paintPixel(Palette &palette, int entry, int k, QRgb colour)
{
    palette[entry].setPixel(k % PaletteEntry::TileWidth, k / PaletteEntry::TileWidth, colour);
}

} // namespace tessell
