// Writes what bench/picture-bombs.sh converts: small files that claim large
// pictures (a 16-bit RGBA PNG of one colour, a run-length bitmap cut short, a
// JPEG whose size was patched) or a large chunk (a PNG), 100-megapixel PNGs the
// loader still takes, and a design.
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <cstdio>
#include <vector>

using namespace tessell;

namespace {
QByteArray chunk(const char *type, const QByteArray &data)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
                 crc.data());
    return out + body + crc;
}

// A PNG deflated a row at a time: a ramp across each row, or one colour.
bool writePng(const QString &path, int width, int height, int depth, int colourType, bool ramp = true)
{
    const int channels = colourType == 2 ? 3 : colourType == 6 ? 4 : 1;
    const int bytesPerPixel = channels * depth / 8;
    QByteArray ihdr(13, '\0');
    qToBigEndian(quint32(width), ihdr.data());
    qToBigEndian(quint32(height), ihdr.data() + 4);
    ihdr[8] = char(depth);
    ihdr[9] = char(colourType);
    QByteArray idat;
    z_stream z{};
    deflateInit(&z, 9);
    std::vector<unsigned char> row(1 + std::size_t(width) * bytesPerPixel);
    for (int x = 0; x < width * bytesPerPixel; ++x)
        row[1 + std::size_t(x)] = static_cast<unsigned char>(ramp ? (x / bytesPerPixel) * 255 / width : 0x80);
    std::vector<unsigned char> out(1 << 16);
    for (int y = 0; y <= height; ++y) {
        z.next_in = row.data();
        z.avail_in = y < height ? uInt(row.size()) : 0;
        do {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            deflate(&z, y < height ? Z_NO_FLUSH : Z_FINISH);
            idat.append(reinterpret_cast<const char *>(out.data()), qsizetype(out.size() - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) +
                      chunk("IEND", {})) > 0;
}

// An 8-bit run-length bitmap of 10000 x 10000 whose data stops after two rows.
bool writeShortRle(const QString &path)
{
    const int colours = 256;
    QByteArray out(14 + 40 + colours * 4, '\0');
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian(quint32(out.size()), out.data() + 10);
    qToLittleEndian(quint32(40), out.data() + 14);
    qToLittleEndian(qint32(10000), out.data() + 18);
    qToLittleEndian(qint32(10000), out.data() + 22);
    qToLittleEndian(quint16(1), out.data() + 26);
    qToLittleEndian(quint16(8), out.data() + 28);
    qToLittleEndian(quint32(1), out.data() + 30);
    for (int i = 0; i < colours; ++i)
        qToLittleEndian(quint32(qRgb(i, 255 - i, i / 2)), out.data() + 54 + 4 * i);
    for (int r = 0; r < 2; ++r) {
        for (int run = 0; run < 10000 / 250; ++run)
            out += QByteArray::fromRawData("\xfa\x07", 2);
        out += QByteArray::fromRawData("\x00\x00", 2);
    }
    qToLittleEndian(quint32(out.size()), out.data() + 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// A small JPEG whose frame header was changed to say 10000 x 10000.
bool writePatchedJpeg(const QString &path)
{
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(qRgb(200, 60, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!small.save(&buffer, "JPEG", 90))
        return false;
    const qsizetype sof = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0)
        return false;
    qToBigEndian(quint16(10000), bytes.data() + sof + 5);
    qToBigEndian(quint16(10000), bytes.data() + sof + 7);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
// A PNG of 12 x 9 followed by a text chunk that claims 1.8 GB and ends at once.
bool writeLongChunk(const QString &path)
{
    QImage small(12, 9, QImage::Format_RGB32);
    small.fill(qRgb(10, 200, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!small.save(&buffer, "PNG"))
        return false;
    bytes.chop(12); // the end chunk
    bytes += QByteArray("\x6e\0\0\0tEXtabc", 11);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: picture_bombs OUTDIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    Design design;
    design.makeNew(160, 100);
    Palette palette = design.palette();
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb(n * 17, 255 - n * 17, (n * 53) & 255));
    design.setPalette(palette);
    DesignFile::write(design, dir.filePath(QStringLiteral("design.tsl")));
    const bool ok = writePng(dir.filePath(QStringLiteral("png16.png")), 10000, 10000, 16, 6, false) &&
                    writeShortRle(dir.filePath(QStringLiteral("rle-short.bmp"))) &&
                    writePatchedJpeg(dir.filePath(QStringLiteral("jpeg-patched.jpg"))) &&
                    writeLongChunk(dir.filePath(QStringLiteral("png-long-chunk.png"))) &&
                    writePng(dir.filePath(QStringLiteral("grey-100mp.png")), 10000, 10000, 8, 0) &&
                    writePng(dir.filePath(QStringLiteral("rgba-100mp.png")), 10000, 10000, 8, 6);
    return ok ? 0 : 1;
}
