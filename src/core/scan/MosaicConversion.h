#pragma once

#include "core/colour/Adjustments.h"
#include "core/document/PaletteEntry.h"
#include "core/scan/ColourMatch.h"
#include "core/scan/PictureRows.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessell {

class Design;

// How the error of each cell is carried to its neighbours.
enum class Dithering {
    None,           // "ペイントモード": each cell on its own
    Halftone,       // "誤差拡散モード": through the 256-colour halftone cell picture
    FloydSteinberg, // "なめらかに拡散": serpentine, straight against the sixteen colours
};

// The choices of the image scan window.
struct ScanOptions {
    Dithering dithering = Dithering::None;
    Comparison comparison = Comparison::Average;
    Adjustments adjustments;

    // The window's items as the settings store them: reading mode 1 is the
    // halftone diffusion, 2 the smooth one, anything else paint; comparison 0
    // is the average, 2 the perceptual one, anything else the emphasized one.
    static ScanOptions fromItems(int scanType, int compare)
    {
        ScanOptions o;
        o.dithering = scanType == 1   ? Dithering::Halftone
                      : scanType == 2 ? Dithering::FloydSteinberg
                                      : Dithering::None;
        o.comparison = compare == 0   ? Comparison::Average
                       : compare == 2 ? Comparison::Perceptual
                                      : Comparison::Emphasized;
        return o;
    }
    // The halftone cell picture serves the two channel comparisons and the
    // halftone diffusion; the others match the cells' own colours.
    bool throughHalftone() const
    {
        return dithering == Dithering::Halftone ||
               (dithering == Dithering::None && comparison != Comparison::Perceptual);
    }
};

// What a conversion tells its window while it runs. Either may be empty.
struct ScanProgress {
    // The progress bar: position done of 0..total.
    std::function<void(int done, int total)> progress;
    // Between the passes: the caption becomes "画像を読み取り中" and the window repaints.
    std::function<void()> reading;
};

// A picture of any size to one palette number per cell. Never touches a design:
// it answers the result lines, which writeIntoCells() then puts into one.
namespace MosaicConversion {

MeanColours meanColours(const Palette &palette);

// The edge of the square block of the enlarged picture that makes one cell.
int blockSize(QSize picture, int columns, int rows);

// Channel indices (0 red, 1 green, 2 blue): the strongest channel and the
// second strongest; (red, green) whenever two channels are equal.
struct ChannelPair {
    int first;
    int second;
};
ChannelPair channelPair(int r, int g, int b);

// The nearest palette entry and the cell colour minus its mean colour.
struct Choice {
    int entry;
    std::array<int, 3> difference;
};
Choice nearestEntry(const std::array<int, 3> &colour, const MeanColours &means, bool emphasized);

// difference * weight / 16, rounded with halves to even.
int diffusionShare(int difference, int weight);

// Pass 1: the mean colour of every cell's block of the enlarged picture, row by
// row, before it is stored in the halftone palette. The enlarged picture is
// never built: each block is summed from the source pixels that feed it.
// rowStarts, when given, hears each cell row as it starts.
std::vector<QRgb> cellAverages(const QImage &picture, int columns, int rows);
std::vector<QRgb> cellAverages(PictureRows &picture, int columns, int rows,
                               const std::function<void(int row)> &rowStarts = {});

// Pass 2: one entry per cell, row by row, from the cells' colours (pass 1,
// adjusted). choice picks each cell's entry; the nearest by the options'
// comparison when none is given. rowDone hears each row as it ends.
std::vector<std::uint8_t> match(const std::vector<QRgb> &cells, int columns, int rows,
                                const MeanColours &means, const ScanOptions &options,
                                EntryChoice *choice = nullptr,
                                const std::function<void(int row)> &rowDone = {});

// Rows lines of Columns upper-case hex digits joined by commas.
QStringList resultLines(const std::vector<std::uint8_t> &entries, int columns, int rows);

// The mean CIEDE2000 between each cell's colour and its entry's mean colour.
double meanDifference(const std::vector<QRgb> &cells, const std::vector<std::uint8_t> &entries,
                      const MeanColours &means);

// The progress bar's maximum for a design of that many rows.
int progressTotal(int rows);

// Pass 1, the adjustments and pass 2 in one: Rows lines, each Columns upper-case
// hex digits joined by commas. An empty picture or a design without cells
// gives no lines.
QStringList convert(PictureRows &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress = {});
QStringList convert(const QImage &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress = {});

// "写真から色を選ぶ": count colours (2..16) chosen from the cells' colours,
// written as plain tiles into entries 0 onwards, each named after its nearest
// everyday colour. Answers how many entries were written (fewer when the cells
// have fewer distinct colours).
int choosePalette(const std::vector<QRgb> &cells, int count, Palette &palette);

// Every result line into its row of the design's cells, from column 0, as one
// change of the cells (the image scan transfer and tessell-cli convert).
void writeIntoCells(const QStringList &lines, Design &design);

} // namespace MosaicConversion

} // namespace tessell
