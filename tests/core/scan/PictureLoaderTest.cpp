#include "core/scan/PictureLoader.h"
#include "core/Texts.h"
#include "core/scan/BitmapFile.h"

#include "support/TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
void put16(QByteArray &b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
void put32(QByteArray &b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }

// A 24-bit bitmap file written byte by byte, so that every header layout can be
// tried; rows = -1 writes the headers only.
QByteArray bitmap24(const QImage &image, bool topDown = false, int infoSize = 40, int gap = 0, int rows = -1,
                    QSize claimed = {})
{
    const QSize size = claimed.isValid() ? claimed : image.size();
    const int stride = (size.width() * 3 + 3) / 4 * 4;
    const int offBits = 14 + infoSize + gap;
    QByteArray out(offBits, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(offBits + qint64(stride) * size.height()));
    put32(out, 10, quint32(offBits));
    put32(out, 14, quint32(infoSize));
    put32(out, 18, quint32(size.width()));
    put32(out, 22, quint32(topDown ? -size.height() : size.height()));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, quint32(qint64(stride) * size.height()));
    const int written = rows < 0 ? (claimed.isValid() ? 0 : size.height()) : rows;
    for (int i = 0; i < written; ++i) {
        const int y = topDown ? i : size.height() - 1 - i;
        QByteArray row(stride, '\0');
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row[3 * x] = char(qBlue(p));
            row[3 * x + 1] = char(qGreen(p));
            row[3 * x + 2] = char(qRed(p));
        }
        out += row;
    }
    return out;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray length(4, '\0');
    qToBigEndian(quint32(data.size()), length.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(body), crc.data());
    return length + body + crc;
}

// An RGB PNG of one colour (black) of 8 or 16 bits a channel; withPixels false
// writes the header and the first row only.
QByteArray blackPng(int width, int height, bool withPixels, int depth = 8)
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

QByteArray encoded(const QImage &image, const char *format, int quality = -1,
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

// A run-length bitmap and a GIF of 64 x 48 as a painting program wrote them.
QByteArray sample(const char *name)
{
    return readAll(QFINDTESTDATA(QString("data/") + name));
}

// Within the error a lossy format may make.
bool near(QRgb p, QRgb q)
{
    return qAbs(qRed(p) - qRed(q)) <= 12 && qAbs(qGreen(p) - qGreen(q)) <= 12 &&
           qAbs(qBlue(p) - qBlue(q)) <= 12;
}

// The pixels of rows as one image, to compare with what load() gives.
QImage imageOf(PictureRows &rows)
{
    QImage image(rows.size(), QImage::Format_RGB32);
    std::vector<const QRgb *> lines(std::size_t(image.height()));
    rows.rows(0, image.height(), lines.data());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), lines[std::size_t(y)], std::size_t(image.width()) * 4);
    return image;
}
} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void orientationApplied();
    void transparencyOnWhite();
    void refused_data();
    void refused();
    void hundredMegapixelsLoad();
    void crop_data();
    void crop();
    void streamedBitmapEqualsLoaded_data();
    void streamedBitmapEqualsLoaded();
    void fileDialogFilters();
    void dataEndOfTheLargestHeader();
};

void PictureLoaderTest::formats_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("lossless");
    QTest::newRow("bitmap") << QByteArray("bmp") << "p.bmp" << true;
    QTest::newRow("PNG") << QByteArray("png") << "p.png" << true;
    QTest::newRow("TIFF") << QByteArray("tiff") << "p.tif" << true;
    QTest::newRow("WebP, lossless") << QByteArray("webp") << "p.webp" << true;
    QTest::newRow("JPEG") << QByteArray("jpeg") << "p.jpg" << false;
    QTest::newRow("a PNG named .bmp") << QByteArray("png") << "p.bmp" << true;
}

void PictureLoaderTest::formats()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, name);
    QFETCH(bool, lossless);
    Scratch scratch;
    // Quarters of one colour each, so that a lossy format keeps their middles.
    QImage picture(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y,
                             x < 32 ? (y < 16 ? qRgb(200, 30, 30) : qRgb(30, 200, 30))
                                    : (y < 16 ? qRgb(30, 30, 200) : qRgb(230, 230, 40)));
    const QByteArray bytes = encoded(picture, format, 100);
    QVERIFY2(!bytes.isEmpty(), "the Qt image plugins do not write this format");
    const QImage loaded = PictureLoader::load(scratch.write(name, bytes));
    QCOMPARE(loaded.size(), picture.size());
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    if (lossless)
        QCOMPARE(loaded, picture);
    for (const QPoint middle : {QPoint(16, 8), QPoint(48, 8), QPoint(16, 24), QPoint(48, 24)})
        QVERIFY(near(loaded.pixel(middle), picture.pixel(middle)));
}

void PictureLoaderTest::orientationApplied()
{
    Scratch scratch;
    QImage picture(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, x < 8 ? qRgb(220, 0, 0) : qRgb(0, 0, 220));
    // Stored as it is, with the EXIF note that it is to be turned a quarter clockwise.
    const QByteArray bytes = encoded(picture, "jpeg", 100, QImageIOHandler::TransformationRotate90);
    const QImage loaded = PictureLoader::load(scratch.write(QStringLiteral("phone.jpg"), bytes));
    QCOMPARE(loaded.size(), QSize(8, 16));
    // The left half, red, is now on top.
    QVERIFY(near(loaded.pixel(4, 3), qRgb(220, 0, 0)));
    QVERIFY(near(loaded.pixel(4, 12), qRgb(0, 0, 220)));
}

void PictureLoaderTest::transparencyOnWhite()
{
    Scratch scratch;
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(255, 0, 0, 128));
    picture.setPixel(2, 0, qRgba(10, 20, 30, 255));
    const QImage loaded =
        PictureLoader::load(scratch.write(QStringLiteral("logo.png"), encoded(picture, "png")));
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    QCOMPARE(QColor(loaded.pixel(0, 0)), QColor(255, 255, 255));
    QCOMPARE(QColor(loaded.pixel(1, 0)), QColor(255, 127, 127));
    QCOMPARE(QColor(loaded.pixel(2, 0)), QColor(10, 20, 30));
}

void PictureLoaderTest::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString invalid = texts::invalidBitmap();
    const QImage small = noisePicture(5, 4, 1);
    QTest::newRow("not a picture") << "text.bmp" << QByteArray("tsfile,160,100\r\n") << invalid;
    QTest::newRow("empty file") << "empty.png" << QByteArray() << invalid;
    QTest::newRow("bitmap cut short: rows missing")
        << "short.bmp" << bitmap24(small, false, 40, 0, 2) << invalid;
    QTest::newRow("bitmap cut short: last row's padding missing")
        << "short.bmp" << bitmap24(small).chopped(1) << invalid;
    QTest::newRow("PNG cut short") << "short.png" << encoded(small, "png").left(40) << invalid;
    // Headers only: the size is read from them and nothing is allocated.
    QTest::newRow("100 megapixels pass the size check, then lack their rows")
        << "big.bmp" << bitmap24(small, false, 40, 0, -1, QSize(10000, 10000)) << invalid;
    QTest::newRow("a bitmap over 100 megapixels")
        << "huge.bmp" << bitmap24(small, false, 40, 0, -1, QSize(10001, 10000))
        << texts::pictureTooLarge(10001, 10000, 100);
    QTest::newRow("a top-down bitmap over 100 megapixels")
        << "huge.bmp" << bitmap24(small, true, 124, 0, -1, QSize(20000, 20000))
        << texts::pictureTooLarge(20000, 20000, 100);
    QTest::newRow("a PNG over 100 megapixels")
        << "huge.png" << blackPng(30000, 20000, false) << texts::pictureTooLarge(30000, 20000, 100);
    // Twice the memory a pixel: half the pixels, told from the header before anything is decoded.
    QTest::newRow("a 16-bit PNG over 50 megapixels")
        << "deep.png" << blackPng(10000, 5001, false, 16) << texts::pictureTooLarge(10000, 5001, 50);
    // Damage the decoders fill in with blank or grey, or only warn about.
    QTest::newRow("run-length bitmap cut short")
        << "rle.bmp" << sample("runlength.bmp").chopped(40) << invalid;
    const QByteArray jpeg = encoded(noisePicture(64, 48, 3), "jpeg", 90);
    QTest::newRow("JPEG cut short") << "short.jpg" << jpeg.left(jpeg.size() * 3 / 4) << invalid;
    QTest::newRow("GIF cut short") << "short.gif" << sample("stripes.gif").chopped(200) << invalid;
    // libpng would allocate the 1.8 GB the chunk claims before finding it missing.
    QTest::newRow("PNG chunk longer than the file")
        << "chunk.png" << blackPng(12, 9, true).chopped(12) + QByteArray("\x6e\0\0\0tEXtabc", 11) << invalid;
}

void PictureLoaderTest::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    Scratch scratch;
    const QString path = scratch.write(name, bytes);
    QCOMPARE(errorOf([&] { PictureLoader::load(path); }), error);
    QCOMPARE(errorOf([&] { PictureLoader::openRows(path); }), error);
    QCOMPARE(errorOf([&] { PictureLoader::load(scratch.file(QStringLiteral("missing.bmp"))); }),
             texts::cannotOpen(scratch.file(QStringLiteral("missing.bmp"))));
}

void PictureLoaderTest::hundredMegapixelsLoad()
{
    // Past Qt's own allocation limit (400 MB decoded), inside ours.
    Scratch scratch;
    const QString path = scratch.write(QStringLiteral("large.png"), blackPng(12500, 8000, true));
    const QImage loaded = PictureLoader::load(path);
    QCOMPARE(loaded.size(), QSize(12500, 8000));
    QCOMPARE(QColor(loaded.pixel(12499, 7999)), QColor(0, 0, 0));
}

void PictureLoaderTest::crop_data()
{
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<QString>("error");
    QTest::newRow("inside") << QRect(2, 1, 4, 3) << QRect(2, 1, 4, 3) << "";
    QTest::newRow("reaching past the edge keeps the part inside")
        << QRect(5, 4, 10, 10) << QRect(5, 4, 4, 3) << "";
    QTest::newRow("the whole picture") << QRect(0, 0, 9, 7) << QRect(0, 0, 9, 7) << "";
    QTest::newRow("wholly outside") << QRect(9, 0, 3, 3) << QRect() << texts::cropOutsidePicture();
}

void PictureLoaderTest::crop()
{
    QFETCH(QRect, crop);
    QFETCH(QRect, expected);
    QFETCH(QString, error);
    Scratch scratch;
    const QImage picture = noisePicture(9, 7, 5);
    // A bitmap is streamed by openRows, a PNG is loaded whole: both crop alike.
    for (const QString &path : {scratch.write(QStringLiteral("p.bmp"), bitmap24(picture)),
                                scratch.write(QStringLiteral("p.png"), encoded(picture, "png"))}) {
        if (!error.isEmpty()) {
            QCOMPARE(errorOf([&] { PictureLoader::load(path, crop); }), error);
            QCOMPARE(errorOf([&] { PictureLoader::openRows(path, crop); }), error);
            continue;
        }
        QCOMPARE(PictureLoader::load(path, crop), picture.copy(expected));
        QCOMPARE(imageOf(*PictureLoader::openRows(path, crop)), picture.copy(expected));
    }
}

void PictureLoaderTest::streamedBitmapEqualsLoaded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("streamed");
    for (int width : {1, 2, 3, 5, 8}) {
        const QImage picture = noisePicture(width, 3, quint32(width));
        QTest::addRow("%d wide, bottom-up", width) << bitmap24(picture) << true;
        QTest::addRow("%d wide, top-down", width) << bitmap24(picture, true) << true;
    }
    const QImage picture = noisePicture(7, 5, 9);
    QTest::newRow("version 4 header") << bitmap24(picture, false, 108) << true;
    QTest::newRow("version 5 header, top-down") << bitmap24(picture, true, 124) << true;
    QTest::newRow("a gap before the rows") << bitmap24(picture, false, 40, 10) << true;
    QTest::newRow("trailing bytes after the rows") << bitmap24(picture) + QByteArray(7, 'x') << true;
    QTest::newRow("8-bit, loaded whole")
        << encoded(picture.convertToFormat(QImage::Format_Indexed8), "bmp") << false;
    QTest::newRow("a PNG, loaded whole") << encoded(picture, "png") << false;
    // Decoded whole, kept in the decoder's format and converted a row at a time.
    QTest::newRow("run-length bitmap") << sample("runlength.bmp") << false;
    QTest::newRow("16-bit PNG") << encoded(picture.convertToFormat(QImage::Format_RGBX64), "png") << false;
    QTest::newRow("grey PNG") << encoded(picture.convertToFormat(QImage::Format_Grayscale8), "png") << false;
    QImage seeThrough = picture.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < seeThrough.width(); ++x)
        seeThrough.setPixel(x, 2, (seeThrough.pixel(x, 2) & 0xFFFFFF) | (quint32(x * 36) << 24));
    QTest::newRow("PNG with transparency") << encoded(seeThrough, "png") << false;
    QTest::newRow("GIF without its trailer") << sample("stripes.gif").chopped(1) << false;
    // Every orientation a file may ask for (mirrored, flipped, turned and mixed).
    for (int turn = 1; turn <= 7; ++turn)
        QTest::addRow("TIFF to be turned: %d", turn)
            << encoded(picture, "tiff", -1, QImageIOHandler::Transformations(turn)) << false;
}

void PictureLoaderTest::streamedBitmapEqualsLoaded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, streamed);
    Scratch scratch;
    const QString path = scratch.write(QStringLiteral("p.bmp"), bytes);
    const std::unique_ptr<PictureRows> rows = PictureLoader::openRows(path);
    QCOMPARE(dynamic_cast<BitmapFileRows *>(rows.get()) != nullptr, streamed);
    QCOMPARE(imageOf(*rows), PictureLoader::load(path));
}

void PictureLoaderTest::fileDialogFilters()
{
    // The formats the plugins package brings are offered, each once.
    const QStringList patterns = PictureLoader::fileDialogFilters().first().patterns;
    QVERIFY(patterns.contains(QStringLiteral("*.tif")) && patterns.contains(QStringLiteral("*.webp")));
    QCOMPARE(patterns.count(QStringLiteral("*.bmp")), 1);
}

void PictureLoaderTest::dataEndOfTheLargestHeader()
{
    // A header's fields may claim anything: the end of its rows lies past every file, never before.
    BitmapHeader header;
    header.width = header.height = std::numeric_limits<int>::max();
    header.bitCount = 32;
    header.dataStart = header.fileOffset = 0xFFFFFFFF;
    QCOMPARE(header.dataEnd(), std::numeric_limits<qint64>::max());
    header.width = header.height = 3;
    QCOMPARE(header.dataEnd(), qint64(0xFFFFFFFF) + 3 * 12);
}

QTEST_GUILESS_MAIN(PictureLoaderTest)
#include "PictureLoaderTest.moc"
