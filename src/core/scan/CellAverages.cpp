#include "core/scan/MosaicConversion.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstring>

// The mean colour of every cell's block of the picture, as the picture is
// stretched to whole blocks: the rows streamed through, summed in vector lanes.
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
int batchRows(qsizetype rowBytes)
{
    return int(std::clamp<qsizetype>((4 << 20) / rowBytes, 1, 64));
}

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
} // namespace

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

} // namespace tessell::MosaicConversion
