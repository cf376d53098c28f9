#include "core/scan/DibReader.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QList>

#include <bit>
#include <cstdlib>

namespace tessell {

namespace {
constexpr quint32 kCoreHeader = 12;
constexpr quint32 kInfoHeader = 40;
constexpr quint32 kRgb = 0;
constexpr quint32 kBitFields = 3;

[[noreturn]] void refuse()
{
    throw Error(texts::transferFailed());
}

quint16 u16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}

quint32 u32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// One channel of a masked pixel, scaled to 0..255.
class Channel {
public:
    explicit Channel(quint32 mask = 0) : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0)
    {
        m_max = mask >> m_shift;
    }
    int of(quint32 pixel) const
    {
        if (m_max == 0)
            return 0;
        const quint64 v = (pixel & m_mask) >> m_shift;
        return int((v * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift;
    quint32 m_max = 0;
};

struct Masks {
    Channel red, green, blue;
    QRgb of(quint32 pixel) const { return qRgb(red.of(pixel), green.of(pixel), blue.of(pixel)); }
};
} // namespace

QImage DibReader::read(const uchar *data, qsizetype length)
{
    if (!data || length < 4)
        refuse();
    const quint32 headerSize = u32(data);
    const bool core = headerSize == kCoreHeader;
    // Anything shorter than the info header would put its fields past the header.
    if ((!core && headerSize < kInfoHeader) || headerSize > quint64(length))
        refuse();

    qint64 width, height;
    int bits;
    quint32 compression = kRgb, used = 0;
    if (core) {
        width = u16(data + 4);
        height = u16(data + 6);
        bits = u16(data + 10);
    } else {
        width = qint32(u32(data + 4));
        height = qint32(u32(data + 8));
        bits = u16(data + 14);
        compression = u32(data + 16);
        used = u32(data + 32);
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height == 0 || width > MaxPixels / height)
        refuse();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        refuse();

    qint64 offset = headerSize;
    Masks masks;
    if (compression == kBitFields && (bits == 16 || bits == 32)) {
        // The masks close a longer header, or follow a 40-byte one.
        const qint64 at = headerSize >= kInfoHeader + 12 ? kInfoHeader : offset;
        if (at + 12 > length)
            refuse();
        masks = {Channel(u32(data + at)), Channel(u32(data + at + 4)), Channel(u32(data + at + 8))};
        if (at == offset)
            offset += 12;
    } else if (compression != kRgb) {
        refuse();
    } else if (bits == 16) {
        masks = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
    } else if (bits == 32) {
        masks = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF)};
    }

    const qint64 entries = (!core && used != 0) ? qint64(used) : (bits <= 8 ? qint64(1) << bits : 0);
    const int entrySize = core ? 3 : 4;
    if (entries > (length - offset) / entrySize)
        refuse();
    // Indices beyond a short table show black instead of reading past it.
    QList<QRgb> colours(bits <= 8 ? 1 << bits : 0, qRgb(0, 0, 0));
    for (qint64 i = 0; i < qMin<qint64>(entries, colours.size()); ++i) {
        const uchar *e = data + offset + i * entrySize;
        colours[i] = qRgb(e[2], e[1], e[0]);
    }
    offset += entries * entrySize;

    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (stride > (length - offset) / height)
        refuse();

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        refuse();
    for (qint64 y = 0; y < height; ++y) {
        const uchar *src = data + offset + y * stride;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(topDown ? y : height - 1 - y)));
        for (qint64 x = 0; x < width; ++x) {
            switch (bits) {
            case 1:
                dst[x] = colours[(src[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                dst[x] = colours[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                dst[x] = colours[src[x]];
                break;
            case 16:
                dst[x] = masks.of(u16(src + 2 * x));
                break;
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default:
                dst[x] = masks.of(u32(src + 4 * x));
                break;
            }
        }
    }
    return image;
}

} // namespace tessell
