#include "core/palette/PaletteEdit.h"

#include <QRegularExpression>

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

std::optional<QRgb> PaletteEdit::parseColour(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const uint value = match.captured(1).toUInt(nullptr, 16);
    return qRgb(int(value >> 16) & 0xFF, int(value >> 8) & 0xFF, int(value) & 0xFF);
}

QString PaletteEdit::colourText(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace tessell
