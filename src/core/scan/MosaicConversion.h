#pragma once

#include "core/document/PaletteEntry.h"
#include "core/scan/PictureRows.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace tessell {

class Design;

// The two choices of the image scan window, as its settings store them.
struct ScanOptions {
    bool diffusion = false;  // "誤差拡散モード" instead of "ペイントモード"
    bool emphasized = false; // "強調色を比較" instead of "平均色を比較"

    // Diffusion only for reading mode item 1 exactly; emphasized for any comparison item but 0.
    static ScanOptions fromItems(int scanType, int compare) { return {scanType == 1, compare != 0}; }
};

using MeanColours = std::array<QRgb, 16>;

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
std::vector<QRgb> cellAverages(const QImage &picture, int columns, int rows);

// The progress bar's maximum for a design of that many rows.
int progressTotal(int rows);

// Rows lines, each Columns upper-case hex digits joined by commas. An empty
// picture or a design without cells gives no lines.
QStringList convert(PictureRows &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress = {});
QStringList convert(const QImage &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress = {});

// Every result line into its row of the design's cells, from column 0, as one
// change of the cells (the image scan transfer and tessell-cli convert).
void writeIntoCells(const QStringList &lines, Design &design);

} // namespace MosaicConversion

} // namespace tessell
