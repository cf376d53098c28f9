#include "core/scan/MosaicConversion.h"

#include "core/colour/ColourNames.h"
#include "core/colour/KMeans.h"
#include "core/document/CellGrid.h"
#include "core/document/Design.h"
#include "core/scan/HalftonePalette.h"

#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tessell::MosaicConversion {

namespace {
// One source pixel feeding a cell's block, and how many enlarged pixels of the
// block repeat it.
struct Span {
    int source;
    int count; // at most q
};

// The stretch replicates pixels: enlarged pixel e of [0, cells q) takes source
// pixel floor(e S / E), E = cells q. For every cell, the source pixels of its q
// enlarged pixels (a run of neighbours), each with its repeat count.
struct Spans {
    std::vector<Span> spans;
    std::vector<std::size_t> first; // cells + 1 offsets into spans

    Spans(int sourceSize, int cells, int q)
    {
        const std::int64_t s = sourceSize, e = std::int64_t(cells) * q;
        // The first enlarged pixel that takes source pixel i or a later one.
        const auto start = [&](std::int64_t i) { return (i * e + s - 1) / s; };
        // Each source pixel starts at most one span, each cell at most one
        // more: reserved exactly, as a picture 8 million pixels wide has as many.
        first.reserve(std::size_t(cells) + 1);
        spans.reserve(std::size_t(sourceSize) + std::size_t(cells));
        for (int c = 0; c < cells; ++c) {
            first.push_back(spans.size());
            const std::int64_t e0 = std::int64_t(c) * q, e1 = e0 + q;
            for (std::int64_t i = e0 * s / e, last = (e1 - 1) * s / e; i <= last; ++i)
                spans.push_back({int(i), int(std::min(e1, start(i + 1)) - std::max(e0, start(i)))});
        }
        first.push_back(spans.size());
    }
};

// Column sums of a cell row's block: each byte of a source row is added into a
// lane of its own, sixteen bytes to a chunk of sixteen lanes, the even bytes of
// the chunk in its first eight lanes and the odd bytes in the last eight (so
// that eight lanes are split from sixteen bytes by a mask and a shift).
constexpr std::size_t laneOf(std::size_t byte)
{
    const std::size_t inChunk = byte % 16;
    // In a 16-bit lane the first byte in memory is the low one on little-endian machines.
    const std::size_t odd = (inChunk % 2) ^ (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 0 : 1);
    return byte - inChunk + odd * 8 + inChunk / 2;
}

// The bytes of a 32-bit pixel as it lies in memory.
constexpr std::size_t kRedByte = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 2 : 1;
constexpr std::size_t kGreenByte = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 1 : 2;
constexpr std::size_t kBlueByte = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 0 : 3;

// A block holds at most q rows of 255 in one lane, so with q up to this the
// lanes fit sixteen bits and the rows are added eight lanes at a time.
constexpr int kNarrowBlockLimit = 257;

using Words = std::uint16_t __attribute__((vector_size(16)));

Words loadChunk(const uchar *bytes, qsizetype available)
{
    Words v{};
    std::memcpy(&v, bytes, std::size_t(std::min<qsizetype>(16, available)));
    return v;
}

// Chunks of a row taken at a time: their sums stay in the first-level cache
// while a few source rows stream through.
constexpr qsizetype kSegmentChunks = 256;
// Source rows added in registers before the sums are stored again.
constexpr int kRowGroup = 16;

// acc (or nothing, when fresh) + the sum of repeats[k] times rows[k] into acc.
// Most rows are not repeated, and those need no multiplication.
template <bool Repeated>
void addRows(const uchar *const *rows, const std::int64_t *repeats, int count, qsizetype bytes, bool fresh,
             Words *acc)
{
    const Words mask = Words{} + 0xFF;
    const auto add = [&](Words &even, Words &odd, const Words &v, int k) {
        if constexpr (Repeated) {
            even += (v & mask) * std::uint16_t(repeats[k]);
            odd += (v >> 8) * std::uint16_t(repeats[k]);
        } else {
            even += v & mask;
            odd += v >> 8;
        }
    };
    const auto load = [](const uchar *p) {
        Words v;
        std::memcpy(&v, p, 16);
        return v;
    };
    const qsizetype whole = bytes / 16;
    for (qsizetype segment = 0; segment < whole; segment += kSegmentChunks) {
        const qsizetype end = std::min(whole, segment + kSegmentChunks);
        for (int k = 0; k < count; k += kRowGroup) {
            const bool start = fresh && k == 0;
            const uchar *const *group = rows + k;
            if (count - k >= kRowGroup) {
                for (qsizetype j = segment; j < end; ++j) {
                    Words even = start ? Words{} : acc[2 * j], odd = start ? Words{} : acc[2 * j + 1];
#pragma GCC unroll 16
                    for (int i = 0; i < kRowGroup; ++i)
                        add(even, odd, load(group[i] + j * 16), k + i);
                    acc[2 * j] = even;
                    acc[2 * j + 1] = odd;
                }
            } else {
                for (qsizetype j = segment; j < end; ++j) {
                    Words even = start ? Words{} : acc[2 * j], odd = start ? Words{} : acc[2 * j + 1];
                    for (int i = k; i < count; ++i)
                        add(even, odd, load(rows[i] + j * 16), i);
                    acc[2 * j] = even;
                    acc[2 * j + 1] = odd;
                }
            }
        }
    }
    // The last chunk of a row that is not a whole one.
    if (bytes % 16) {
        Words even = fresh ? Words{} : acc[2 * whole], odd = fresh ? Words{} : acc[2 * whole + 1];
        for (int k = 0; k < count; ++k)
            add(even, odd, loadChunk(rows[k] + whole * 16, bytes % 16), k);
        acc[2 * whole] = even;
        acc[2 * whole + 1] = odd;
    }
}

void addRows(const uchar *const *rows, const std::int64_t *repeats, int count, qsizetype bytes, bool fresh,
             std::uint16_t *lanes)
{
    Words *acc = reinterpret_cast<Words *>(lanes);
    if (std::all_of(repeats, repeats + count, [](std::int64_t n) { return n == 1; }))
        addRows<false>(rows, repeats, count, bytes, fresh, acc);
    else
        addRows<true>(rows, repeats, count, bytes, fresh, acc);
}

void addRows(const uchar *const *rows, const std::int64_t *repeats, int count, qsizetype bytes, bool fresh,
             std::uint64_t *lanes)
{
    if (fresh)
        std::fill(lanes, lanes + (bytes + 15) / 16 * 16, std::uint64_t(0));
    for (int k = 0; k < count; ++k)
        for (qsizetype b = 0; b < bytes; ++b)
            lanes[laneOf(std::size_t(b))] += std::uint64_t(repeats[k]) * rows[k][b];
}

// Rows asked of the picture at once: enough to keep the sums in registers for
// a whole block, little enough that a picture streamed from its file holds a
// few megabytes at most.
int batchRows(qsizetype rowBytes) { return int(std::clamp<qsizetype>((4 << 20) / rowBytes, 1, 64)); }

// Per cell row: add up the source rows of the block (each read once, times its
// repeat count) into column sums, then each cell's columns. Lane holds a
// column's sum over the block's rows, Total a whole block.
template <typename Lane, typename Total>
void sumBlocks(PictureRows &picture, int columns, int rows, int q, std::vector<QRgb> &out,
               const std::function<void(int)> &rowStarts)
{
    const QSize size = picture.size();
    const Spans across(size.width(), columns, q), down(size.height(), rows, q);
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    const int batch = batchRows(rowBytes);
    std::vector<Lane> lanes(static_cast<std::size_t>((rowBytes + 15) / 16 * 16));
    std::vector<const QRgb *> rowPointers(static_cast<std::size_t>(batch), nullptr);
    std::vector<const uchar *> rowBytesAt(static_cast<std::size_t>(batch), nullptr);
    std::vector<std::int64_t> repeats(static_cast<std::size_t>(batch));
    const Total area = Total(q) * Total(q);
    out.reserve(std::size_t(columns) * rows);
    for (int r = 0; r < rows; ++r) {
        if (rowStarts)
            rowStarts(r);
        for (std::size_t k = down.first[r]; k < down.first[r + 1];) {
            const int count = int(std::min<std::size_t>(std::size_t(batch), down.first[r + 1] - k));
            picture.rows(down.spans[k].source, count, rowPointers.data());
            for (int i = 0; i < count; ++i) {
                rowBytesAt[std::size_t(i)] = reinterpret_cast<const uchar *>(rowPointers[std::size_t(i)]);
                repeats[std::size_t(i)] = down.spans[k + std::size_t(i)].count;
            }
            addRows(rowBytesAt.data(), repeats.data(), count, rowBytes, k == down.first[r], lanes.data());
            k += std::size_t(count);
        }
        for (int c = 0; c < columns; ++c) {
            Total red = 0, green = 0, blue = 0;
            for (std::size_t k = across.first[c]; k < across.first[c + 1]; ++k) {
                const std::size_t pixel = std::size_t(across.spans[k].source) * 4;
                const Total n = Total(across.spans[k].count);
                red += n * lanes[laneOf(pixel + kRedByte)];
                green += n * lanes[laneOf(pixel + kGreenByte)];
                blue += n * lanes[laneOf(pixel + kBlueByte)];
            }
            out.push_back(qRgb(int(red / area), int(green / area), int(blue / area)));
        }
    }
}

std::vector<QRgb> averages(PictureRows &picture, int columns, int rows,
                           const std::function<void(int)> &rowStarts)
{
    std::vector<QRgb> out;
    if (picture.size().isEmpty() || columns < 1 || rows < 1)
        return out;
    const int q = blockSize(picture.size(), columns, rows);
    if (q <= kNarrowBlockLimit)
        sumBlocks<std::uint16_t, std::uint64_t>(picture, columns, rows, q, out, rowStarts);
    else
        sumBlocks<std::uint64_t, unsigned __int128>(picture, columns, rows, q, out, rowStarts);
    return out;
}

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

std::vector<QRgb> cellAverages(const QImage &picture, int columns, int rows)
{
    ImageRows source(picture);
    return averages(source, columns, rows, {});
}

std::vector<QRgb> cellAverages(PictureRows &picture, int columns, int rows,
                               const std::function<void(int)> &rowStarts)
{
    return averages(picture, columns, rows, rowStarts);
}

int progressTotal(int rows) { return std::max(1, 2 * rows - 2); }

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
            const int entry = choice.choose(CellColour::of(stored));
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
            const int entry = choice.choose(w);
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
                entries[i] = std::uint8_t(chooser.choose(CellColour::of(cells[i])));
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
    std::vector<QRgb> cells = averages(picture, columns, rows, report);
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
