#include "core/scan/MosaicConversion.h"

#include "core/colour/ColourNames.h"
#include "core/colour/KMeans.h"
#include "core/document/CellGrid.h"
#include "core/document/Design.h"
#include "core/scan/HalftonePalette.h"

#include <QRect>

#include <algorithm>
#include <cstdint>

namespace tessell::MosaicConversion {

namespace {
struct Neighbour {
    int dc, dr, weight;
};
// Onto cells not yet converted, in this order.
constexpr Neighbour kNeighbours[] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
} // namespace

MeanColours meanColours(const Palette &palette)
{
    MeanColours means;
    for (std::size_t i = 0; i < means.size(); ++i)
        means[i] = palette[i].meanColor();
    return means;
}

int blockSize(QSize picture, int columns, int rows)
{
    int q = picture.width() / columns + 1;
    if (std::int64_t(rows) * q < picture.height())
        q = picture.height() / rows + 1;
    return q;
}

ChannelPair channelPair(int r, int g, int b)
{
    if (g < b && b < r)
        return {0, 2};
    if (b < r && r < g)
        return {1, 0};
    if (r < b && b < g)
        return {1, 2};
    if (g < r && r < b)
        return {2, 0};
    if (r < g && g < b)
        return {2, 1};
    return {0, 1};
}

Choice nearestEntry(const std::array<int, 3> &colour, const MeanColours &means, bool emphasized)
{
    const ColourMatch match(means, emphasized ? Comparison::Emphasized : Comparison::Average);
    const int entry = match.nearest({double(colour[0]), double(colour[1]), double(colour[2])});
    const QRgb m = means[std::size_t(entry)];
    return {entry, {colour[0] - qRed(m), colour[1] - qGreen(m), colour[2] - qBlue(m)}};
}

int diffusionShare(int difference, int weight)
{
    const int n = difference * weight;
    int share = n >> 4; // floor(n / 16)
    const int rest = n & 15;
    if (rest > 8 || (rest == 8 && (share & 1)))
        ++share;
    return share;
}

int progressTotal(int rows)
{
    return std::max(1, 2 * rows - 2);
}

namespace {
// The cell-colour picture stored in the halftone palette, every row left to
// right, with or without the halftone diffusion.
void matchThroughHalftone(const std::vector<QRgb> &sums, int columns, int rows, const MeanColours &means,
                          bool diffusion, EntryChoice &choice, std::vector<std::uint8_t> &entries,
                          const std::function<void(int)> &rowDone)
{
    std::vector<std::uint8_t> cells(sums.size());
    for (std::size_t i = 0; i < sums.size(); ++i)
        cells[i] = HalftonePalette::nearestIndex(qRed(sums[i]), qGreen(sums[i]), qBlue(sums[i]));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QRgb stored = HalftonePalette::colour(cells[std::size_t(r) * columns + c]);
            const int entry = choice.choose(CellColour::of(stored), std::size_t(r) * columns + c);
            entries[std::size_t(r) * columns + c] = std::uint8_t(entry);
            if (!diffusion)
                continue;
            // The error of the entry placed.
            const QRgb placed = means[std::size_t(entry)];
            const std::array<int, 3> difference = {
                qRed(stored) - qRed(placed), qGreen(stored) - qGreen(placed), qBlue(stored) - qBlue(placed)};
            for (const Neighbour &n : kNeighbours) {
                const int nc = c + n.dc, nr = r + n.dr;
                if (nc < 0 || nc >= columns || nr >= rows)
                    continue;
                std::uint8_t &cell = cells[std::size_t(nr) * columns + nc];
                const QRgb old = HalftonePalette::colour(cell);
                const auto add = [&](int value, int d) {
                    return std::clamp(value + diffusionShare(d, n.weight), 0, 255);
                };
                cell = HalftonePalette::nearestIndex(add(qRed(old), difference[0]),
                                                     add(qGreen(old), difference[1]),
                                                     add(qBlue(old), difference[2]));
            }
        }
        if (rowDone)
            rowDone(r);
    }
}

// Floyd-Steinberg on the cells' own colours: rows in alternating directions,
// the error of the entry placed spread in fractions, no halftone step.
void matchSmoothly(const std::vector<QRgb> &sums, int columns, int rows, const MeanColours &means,
                   EntryChoice &choice, std::vector<std::uint8_t> &entries,
                   const std::function<void(int)> &rowDone)
{
    std::vector<CellColour> work(sums.size());
    std::transform(sums.begin(), sums.end(), work.begin(), CellColour::of);
    for (int r = 0; r < rows; ++r) {
        const int dir = r % 2 == 0 ? 1 : -1;
        for (int k = 0; k < columns; ++k) {
            const int c = dir > 0 ? k : columns - 1 - k;
            CellColour &w = work[std::size_t(r) * columns + c];
            w = {std::clamp(w.red, 0.0, 255.0), std::clamp(w.green, 0.0, 255.0),
                 std::clamp(w.blue, 0.0, 255.0)};
            const int entry = choice.choose(w, std::size_t(r) * columns + c);
            entries[std::size_t(r) * columns + c] = std::uint8_t(entry);
            const QRgb placed = means[std::size_t(entry)];
            const CellColour error{w.red - qRed(placed), w.green - qGreen(placed), w.blue - qBlue(placed)};
            for (const Neighbour &n : kNeighbours) {
                const int nc = c + n.dc * dir, nr = r + n.dr;
                if (nc < 0 || nc >= columns || nr >= rows)
                    continue;
                CellColour &target = work[std::size_t(nr) * columns + nc];
                const double share = n.weight / 16.0;
                target.red += error.red * share;
                target.green += error.green * share;
                target.blue += error.blue * share;
            }
        }
        if (rowDone)
            rowDone(r);
    }
}
} // namespace

std::vector<std::uint8_t> match(const std::vector<QRgb> &cells, int columns, int rows,
                                const MeanColours &means, const ScanOptions &options, EntryChoice *choice,
                                const std::function<void(int)> &rowDone)
{
    std::vector<std::uint8_t> entries(cells.size());
    if (cells.empty() || cells.size() != std::size_t(columns) * std::size_t(rows))
        return entries;
    const ColourMatch colourMatch(means, options.comparison);
    NearestEntry nearest(colourMatch);
    EntryChoice &chooser = choice ? *choice : nearest;
    if (options.throughHalftone()) {
        matchThroughHalftone(cells, columns, rows, means, options.dithering == Dithering::Halftone, chooser,
                             entries, rowDone);
    } else if (options.dithering == Dithering::FloydSteinberg) {
        matchSmoothly(cells, columns, rows, means, chooser, entries, rowDone);
    } else {
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const std::size_t i = std::size_t(r) * columns + c;
                entries[i] = std::uint8_t(chooser.choose(CellColour::of(cells[i]), i));
            }
            if (rowDone)
                rowDone(r);
        }
    }
    return entries;
}

QStringList resultLines(const std::vector<std::uint8_t> &entries, int columns, int rows)
{
    QStringList lines;
    if (entries.size() != std::size_t(columns) * std::size_t(rows) || entries.empty())
        return lines;
    lines.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QString line(2 * columns - 1, QLatin1Char(','));
        for (int c = 0; c < columns; ++c)
            line[2 * c] = QLatin1Char("0123456789ABCDEF"[entries[std::size_t(r) * columns + c] & 15]);
        lines << line;
    }
    return lines;
}

double meanDifference(const std::vector<QRgb> &cells, const std::vector<std::uint8_t> &entries,
                      const MeanColours &means)
{
    if (cells.empty() || cells.size() != entries.size())
        return 0;
    std::array<Lab, 16> labs;
    for (std::size_t i = 0; i < labs.size(); ++i)
        labs[i] = Cielab::fromRgb(means[i]);
    double sum = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
        sum += Cielab::ciede2000(Cielab::fromRgb(cells[i]), labs[entries[i] & 15]);
    return sum / double(cells.size());
}

QStringList convert(const QImage &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress)
{
    ImageRows source(picture);
    return convert(source, columns, rows, means, options, progress);
}

QStringList convert(PictureRows &picture, int columns, int rows, const MeanColours &means,
                    ScanOptions options, const ScanProgress &progress)
{
    const int total = progressTotal(rows);
    const auto report = [&](int done) {
        if (progress.progress)
            progress.progress(std::min(done, total), total);
    };
    std::vector<QRgb> cells = cellAverages(picture, columns, rows, report);
    if (cells.empty())
        return {};
    // Always applied: at zero they leave every colour as it is.
    options.adjustments.apply(cells);
    if (progress.reading)
        progress.reading();
    const std::vector<std::uint8_t> entries =
        match(cells, columns, rows, means, options, nullptr, [&](int r) { report(rows - 1 + r + 1); });
    QStringList lines = resultLines(entries, columns, rows);
    report(0);
    return lines;
}

int choosePalette(const std::vector<QRgb> &cells, int count, Palette &palette)
{
    const std::vector<QRgb> colours = KMeans::chooseColours(cells, std::clamp(count, 2, int(palette.size())));
    const QStringList names = ColourNames::forColours(colours);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        palette[i].fill(colours[i]);
        palette[i].setName(names[int(i)]);
    }
    return int(colours.size());
}

void writeIntoCells(const QStringList &lines, Design &design)
{
    const int rows = std::min(design.rows(), int(lines.size()));
    design.editCells([&](CellGrid &grid) {
        for (int r = 0; r < rows; ++r)
            grid.setRowFromText(r, lines[r]);
        return QRect(0, 0, grid.columns(), rows);
    });
}

} // namespace tessell::MosaicConversion
