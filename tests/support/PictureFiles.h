#pragma once

// Header only: picture files written byte by byte, whole or damaged, for the
// loader's tests and the command line's.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace tessell::test {

inline QByteArray encoded(const QImage &image, const char *format, int quality = -1,
                          QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setTransformation(turn);
    return writer.write(image) ? bytes : QByteArray();
}

inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray length(4, '\0');
    qToBigEndian(quint32(data.size()), length.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(body), crc.data());
    return length + body + crc;
}

// An RGB PNG of one colour (black), 8 or 16 bits a channel; withPixels false
// writes the header and the first row only.
inline QByteArray blackPng(int width, int height, bool withPixels, int depth = 8)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian(quint32(width), ihdr.data());
    qToBigEndian(quint32(height), ihdr.data() + 4);
    ihdr[8] = char(depth);
    ihdr[9] = 2; // RGB
    QByteArray out = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr);
    // Each row: filter byte 0 and the zero bytes of its pixels; qCompress puts
    // four bytes of length before the zlib stream.
    const QByteArray raw(qsizetype(withPixels ? height : 1) * (1 + qsizetype(width) * 3 * depth / 8), '\0');
    out += pngChunk("IDAT", qCompress(raw, 1).mid(4));
    return out + pngChunk("IEND", {});
}

// An 8-bit run-length bitmap, bottom-up, each row one run of its own colour
// and an end-of-row code; only rows rows are written, and the end code when
// all are.
inline QByteArray runLengthBitmap(int width, int height, int rows)
{
    QByteArray out(14 + 40 + 256 * 4, '\0');
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian(quint32(out.size()), out.data() + 10);
    qToLittleEndian(quint32(40), out.data() + 14);
    qToLittleEndian(qint32(width), out.data() + 18);
    qToLittleEndian(qint32(height), out.data() + 22);
    qToLittleEndian(quint16(1), out.data() + 26);
    qToLittleEndian(quint16(8), out.data() + 28);
    qToLittleEndian(quint32(1), out.data() + 30);
    for (int i = 0; i < 256; ++i)
        qToLittleEndian(quint32(qRgb(i, 255 - i, (i * 7) & 255)), out.data() + 54 + 4 * i);
    for (int r = 0; r < rows; ++r)
        out += QByteArray(1, char(width)) + QByteArray(1, char(r * 20)) + QByteArray(2, '\0');
    if (rows >= height)
        out += QByteArray("\0\1", 2);
    qToLittleEndian(quint32(out.size()), out.data() + 2);
    return out;
}

// A GIF of four colours in diagonal stripes. Its codes are written 3 bits
// each, every pixel after a clear code, so no table is ever built.
inline QByteArray stripedGif(int width, int height)
{
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            put(4);
            put(quint32((x + y) % 4));
        }
    put(5);
    if (count > 0)
        data += char(bits & 0xFF);
    QByteArray out("GIF89a");
    const auto le16 = [&out](int v) { out += char(v & 0xFF), out += char(v >> 8); };
    le16(width);
    le16(height);
    out += QByteArray("\x81\0\0\0\0\0\xff\0\0\0\xff\0\0\0\xff\x2c\0\0\0\0", 20);
    le16(width);
    le16(height);
    out += QByteArray("\0\x02", 2);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out += char(block.size()) + block;
    }
    return out + QByteArray("\0\x3b", 2);
}

// An uncompressed RGB TIFF whose directory comes first and its one strip last.
inline QByteArray stripTiff(const QImage &image)
{
    const auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto tag = [&](quint16 t, quint16 type, quint32 value) {
        return le16(t) + le16(type) + le32(1) + le32(value);
    };
    const int w = image.width(), h = image.height();
    QByteArray strip;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            strip += char(qRed(p));
            strip += char(qGreen(p));
            strip += char(qBlue(p));
        }
    const quint32 bitsAt = 8 + 2 + 10 * 12 + 4, dataAt = bitsAt + 6;
    QByteArray out = QByteArray("II*\0", 4) + le32(8) + le16(10);
    out += tag(256, 3, quint32(w)) + tag(257, 3, quint32(h));
    out += le16(258) + le16(3) + le32(3) + le32(bitsAt); // 8 bits for each of the three samples
    out += tag(259, 3, 1) + tag(262, 3, 2) + tag(273, 4, dataAt) + tag(277, 3, 3) + tag(278, 3, quint32(h)) +
           tag(279, 4, quint32(strip.size())) + tag(284, 3, 1) + le32(0);
    return out + le16(8) + le16(8) + le16(8) + strip;
}

// A JPEG of one colour whose frame header claims another size.
inline QByteArray jpegClaiming(int width, int height)
{
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(qRgb(200, 60, 40));
    QByteArray bytes = encoded(small, "jpeg", 90);
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    qToBigEndian(quint16(height), bytes.data() + frame + 5);
    qToBigEndian(quint16(width), bytes.data() + frame + 7);
    return bytes;
}

} // namespace tessell::test
