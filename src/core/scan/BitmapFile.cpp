#include "core/scan/BitmapFile.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QtEndian>

#include <climits>

namespace tessell {

namespace {
constexpr int kFileHeaderSize = 14;

quint32 u32(const uchar *p) { return qFromLittleEndian<quint32>(p); }
qint32 i32(const uchar *p) { return qFromLittleEndian<qint32>(p); }
quint16 u16(const uchar *p) { return qFromLittleEndian<quint16>(p); }
qint16 i16(const uchar *p) { return qFromLittleEndian<qint16>(p); }
} // namespace

std::optional<BitmapHeader> BitmapHeader::read(QIODevice &device)
{
    uchar h[kFileHeaderSize + 40];
    const qint64 got = device.peek(reinterpret_cast<char *>(h), sizeof h);
    if (got < kFileHeaderSize + 16 || h[0] != 'B' || h[1] != 'M')
        return std::nullopt;
    const quint32 offBits = u32(h + 10);
    const quint32 infoSize = u32(h + 14);
    const uchar *info = h + kFileHeaderSize;
    BitmapHeader b;
    int planes = 0, colours = 0;
    if (infoSize == 12) {
        b.width = i16(info + 4);
        b.height = i16(info + 6);
        planes = u16(info + 8);
        b.bitCount = u16(info + 10);
    } else if ((infoSize == 40 || infoSize == 64 || infoSize == 108 || infoSize == 124) &&
               got == qint64(sizeof h)) {
        b.width = i32(info + 4);
        b.height = i32(info + 8);
        planes = u16(info + 12);
        b.bitCount = u16(info + 14);
        b.compression = int(u32(info + 16));
        colours = int(qMin<quint32>(u32(info + 32), 257));
    } else {
        return std::nullopt;
    }
    const int bits = b.bitCount;
    if (planes != 1 || b.width <= 0 || b.height == 0 || b.height == INT_MIN ||
        !(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
        return std::nullopt;
    if (!(b.compression == 0 || (b.compression == 3 && (bits == 16 || bits == 32)) ||
          (b.compression == 1 && bits == 8) || (b.compression == 2 && bits == 4)))
        return std::nullopt;
    b.topDown = b.height < 0;
    b.height = qAbs(b.height);
    // The stored rows follow the headers, the masks and the colour table, or
    // start where the file header says when that is further on.
    qint64 start = kFileHeaderSize + qint64(infoSize);
    if (b.compression == 3 && infoSize < 108)
        start += 12;
    if (bits <= 8)
        start += qint64(colours ? colours : 1 << bits) * (infoSize == 12 ? 3 : 4);
    b.fileOffset = offBits;
    b.dataStart = qMax<qint64>(start, offBits);
    return b;
}

BitmapFileRows::BitmapFileRows(std::unique_ptr<QIODevice> file, const BitmapHeader &header)
    : m_file(std::move(file)), m_header(header)
{
}

void BitmapFileRows::rows(int first, int count, const QRgb **out)
{
    const qint64 stride = m_header.stride();
    const std::size_t width = std::size_t(m_header.width);
    // Bottom-up files store the last row first.
    const int firstStored = m_header.topDown ? first : m_header.height - first - count;
    m_stored.resize(std::size_t(stride) * count);
    m_pixels.resize(width * count);
    if (!m_file->seek(m_header.dataStart + firstStored * stride) ||
        m_file->read(reinterpret_cast<char *>(m_stored.data()), stride * count) != stride * count)
        throw Error(texts::invalidBitmap());
    for (int i = 0; i < count; ++i) {
        const uchar *p = m_stored.data() + (i * stride);
        QRgb *row = m_pixels.data() + width * (m_header.topDown ? i : count - 1 - i);
        for (std::size_t x = 0; x < width; ++x, p += 3)
            row[x] = qRgb(p[2], p[1], p[0]);
    }
    for (int i = 0; i < count; ++i)
        out[i] = m_pixels.data() + width * i;
}

} // namespace tessell
