#include "core/scan/HalftonePalette.h"

#include <algorithm>
#include <array>

namespace tessell::HalftonePalette {

namespace {
constexpr int CubeStep = 51;
constexpr int CubeSize = 216;
constexpr int SystemCount = 12;
constexpr int GreyFirst = CubeSize + SystemCount;
constexpr int GreyCount = Size - GreyFirst;

constexpr std::array<QRgb, SystemCount> kSystem = {
    qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),   qRgb(0, 0, 128),
    qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(192, 220, 192),
    qRgb(166, 202, 240), qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
};

// round(k 255 / 29); 29 is odd, so there is never a half to round.
constexpr int grey(int k) { return (2 * k * 255 + 29) / 58; }

constexpr std::array<QRgb, Size> makeColours()
{
    std::array<QRgb, Size> colours{};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours[36 * r + 6 * g + b] = qRgb(r * CubeStep, g * CubeStep, b * CubeStep);
    for (int i = 0; i < SystemCount; ++i)
        colours[CubeSize + i] = kSystem[i];
    for (int k = 1; k <= GreyCount; ++k)
        colours[GreyFirst + k - 1] = qRgb(grey(k), grey(k), grey(k));
    return colours;
}

constexpr std::array<QRgb, Size> kColours = makeColours();

constexpr int distance(int r, int g, int b, QRgb c)
{
    const int dr = r - qRed(c), dg = g - qGreen(c), db = b - qBlue(c);
    return dr * dr + dg * dg + db * db;
}

// The colours whose nearest cube colour is cube entry i form a box (each channel
// within 25 of the entry's). For every box, the entries after the cube that are
// nearer than the cube entry for at least one colour of the box, in index order:
// the nearest colour is then the cube entry or one of these few.
struct Candidates {
    std::array<std::array<std::uint8_t, Size - CubeSize>, CubeSize> entries{};
    std::array<std::uint8_t, CubeSize> counts{};
};

constexpr Candidates makeCandidates()
{
    Candidates c;
    for (int i = 0; i < CubeSize; ++i) {
        const QRgb cube = kColours[i];
        const int centre[3] = {qRed(cube), qGreen(cube), qBlue(cube)};
        for (int j = CubeSize; j < Size; ++j) {
            const int other[3] = {qRed(kColours[j]), qGreen(kColours[j]), qBlue(kColours[j])};
            // |x - other|^2 - |x - cube|^2 is linear in x: least at a corner of the box.
            int least = 0;
            for (int ch = 0; ch < 3; ++ch) {
                const int towards = other[ch] - centre[ch];
                const int x = towards > 0 ? std::min(255, centre[ch] + 25) : std::max(0, centre[ch] - 25);
                least += -2 * x * towards + other[ch] * other[ch] - centre[ch] * centre[ch];
            }
            if (least <= 0)
                c.entries[i][c.counts[i]++] = std::uint8_t(j);
        }
    }
    return c;
}

constexpr Candidates kCandidates = makeCandidates();
} // namespace

QRgb colour(int index) { return kColours[index & 255]; }

std::uint8_t nearestIndex(int r, int g, int b)
{
    // The cube: the nearest step of each channel on its own (steps are 51 apart,
    // so no value lies halfway). It holds the lowest indices, so it wins ties.
    const int cube = 36 * ((r + 25) / CubeStep) + 6 * ((g + 25) / CubeStep) + (b + 25) / CubeStep;
    int best = cube;
    int bestDistance = distance(r, g, b, kColours[cube]);
    for (int k = 0; k < kCandidates.counts[cube]; ++k) {
        const int j = kCandidates.entries[cube][k];
        const int d = distance(r, g, b, kColours[j]);
        if (d < bestDistance) {
            best = j;
            bestDistance = d;
        }
    }
    return std::uint8_t(best);
}

} // namespace tessell::HalftonePalette
