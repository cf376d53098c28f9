#include "core/scan/PictureLoader.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/FileAccess.h"
#include "core/scan/BitmapFile.h"
#include "core/scan/PictureIntegrity.h"

#include <QFile>
#include <QImageReader>

#include <vector>

namespace tessell::PictureLoader {

namespace {
// Qt refuses to decode past its allocation limit (128 MB by default): ours,
// for formats whose header does not tell the size before decoding.
constexpr int kAllocationLimitMb = int(MaxDecodedBytes / (1024 * 1024)) + 1;

int bytesPerPixel(QImage::Format format)
{
    if (format == QImage::Format_Invalid)
        return 4;
    return qMax(1, (QImage::toPixelFormat(format).bitsPerPixel() + 7) / 8);
}

// A picture of 16 bits a channel takes twice the memory of one of 8: it may
// have half the pixels.
void checkSize(qint64 width, qint64 height, int bytesPerPixel = 4)
{
    const qint64 limit = qMin(MaxPixels, MaxDecodedBytes / qMax(bytesPerPixel, 4));
    if (width * height > limit)
        throw Error(texts::pictureTooLarge(width, height, int(limit / 1'000'000)));
}

// What Qt's bitmap reader leaves unchecked: a file shorter than its rows, or
// run-length data cut short, would be decoded with the rest blank.
std::optional<BitmapHeader> checkBitmap(QIODevice &device)
{
    std::optional<BitmapHeader> bitmap = BitmapHeader::read(device);
    if (!bitmap)
        return bitmap;
    checkSize(bitmap->width, bitmap->height);
    const bool complete = bitmap->uncompressed() ? device.size() >= bitmap->dataEnd()
                                                 : PictureIntegrity::runLengthComplete(device, *bitmap);
    if (!complete)
        throw Error(texts::invalidBitmap());
    return bitmap;
}

QRect cropInside(QSize picture, const QRect &rect)
{
    const QRect inside = rect.normalized() & QRect(QPoint(0, 0), picture);
    if (inside.isEmpty())
        throw Error(texts::cropOutsidePicture());
    return inside;
}

// Transparent parts become the white of the paper.
QRgb onWhite(QRgb p)
{
    const int a = qAlpha(p);
    if (a == 255)
        return p;
    const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    return qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
}

// Opaque 32-bit colour.
QImage opaque(QImage image)
{
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = onWhite(line[x]);
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

struct Decoded {
    QImage image; // in the decoder's own format
    QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone; // still to apply
};

// Decodes the picture on the device from its start; turned by its EXIF
// orientation when turnNow, otherwise with the orientation left to apply.
Decoded decode(QIODevice &device, bool turnNow)
{
    if (QImageReader::allocationLimit() < kAllocationLimitMb)
        QImageReader::setAllocationLimit(kAllocationLimitMb);
    if (!PictureIntegrity::gifComplete(device) || !PictureIntegrity::pngChunksWhole(device))
        throw Error(texts::invalidBitmap());
    if (!device.seek(0))
        throw Error(texts::invalidBitmap());
    PictureIntegrity::ImageMessages messages;
    QImageReader reader(&device);
    reader.setAutoTransform(turnNow);
    // The header's size and depth, before any pixel is allocated.
    const QSize size = reader.size();
    if (size.isValid())
        checkSize(size.width(), size.height(), bytesPerPixel(reader.imageFormat()));
    Decoded decoded;
    const bool read = reader.read(&decoded.image);
    if (!turnNow)
        decoded.turn = reader.transformation();
    if (!read || PictureIntegrity::reportsDamage(messages.text()))
        throw Error(texts::invalidBitmap());
    // A format whose header does not tell its size is checked once it is read.
    checkSize(decoded.image.width(), decoded.image.height(), bytesPerPixel(decoded.image.format()));
    return decoded;
}

// The rows of a decoded picture as the conversion asks for them: turned as its
// orientation says, converted to 32 bits and laid on white one row at a time,
// so the picture is held once, in the decoder's format.
class DecodedRows final : public PictureRows {
public:
    explicit DecodedRows(Decoded decoded) : m_image(std::move(decoded.image)), m_turn(decoded.turn)
    {
        m_direct = m_turn == QImageIOHandler::TransformationNone && m_image.format() == QImage::Format_RGB32;
    }
    QSize size() const override { return turned() ? m_image.size().transposed() : m_image.size(); }

    void rows(int first, int count, const QRgb **out) override
    {
        const int width = size().width();
        if (!m_direct)
            m_pixels.resize(std::size_t(width) * std::size_t(count));
        for (int i = 0; i < count; ++i) {
            if (m_direct) {
                out[i] = reinterpret_cast<const QRgb *>(m_image.constScanLine(first + i));
                continue;
            }
            QRgb *row = m_pixels.data() + std::size_t(width) * std::size_t(i);
            turned() ? column(first + i, row) : line(first + i, row);
            out[i] = row;
        }
    }

private:
    bool turned() const { return m_turn & QImageIOHandler::TransformationRotate90; }
    bool mirrored() const { return m_turn & QImageIOHandler::TransformationMirror; }
    bool flipped() const { return m_turn & QImageIOHandler::TransformationFlip; }

    // Row y of the picture mirrored and flipped as the orientation says.
    void line(int y, QRgb *into) const
    {
        const int w = m_image.width(), h = m_image.height();
        const int source = flipped() ? h - 1 - y : y;
        QImage one(m_image.constScanLine(source), w, 1, m_image.bytesPerLine(), m_image.format());
        one.setColorTable(m_image.colorTable());
        const QImage converted = one.convertToFormat(QImage::Format_ARGB32);
        const auto *p = reinterpret_cast<const QRgb *>(converted.constScanLine(0));
        for (int x = 0; x < w; ++x)
            into[x] = onWhite(p[mirrored() ? w - 1 - x : x]);
    }

    // Row y of the picture turned a quarter clockwise after mirroring and
    // flipping, as Qt turns it: a column of the stored picture.
    void column(int y, QRgb *into) const
    {
        const int w = m_image.width(), h = m_image.height();
        const int source = mirrored() ? w - 1 - y : y;
        for (int x = 0; x < h; ++x)
            into[x] = onWhite(m_image.pixel(source, flipped() ? x : h - 1 - x));
    }

    QImage m_image;
    QImageIOHandler::Transformations m_turn;
    bool m_direct = false;
    std::vector<QRgb> m_pixels;
};

std::unique_ptr<QIODevice> openFile(const QString &path)
{
    return FileAccess::open(path, MaxFileBytes);
}
} // namespace

QImage load(const QString &path, const std::optional<QRect> &cropRect)
{
    const std::unique_ptr<QIODevice> file = openFile(path);
    checkBitmap(*file);
    QImage image = opaque(decode(*file, true).image);
    if (cropRect)
        image = crop(image, *cropRect);
    return image;
}

std::unique_ptr<PictureRows> openRows(const QString &path, const std::optional<QRect> &cropRect)
{
    return openRows(openFile(path), cropRect);
}

std::unique_ptr<PictureRows> openRows(std::unique_ptr<QIODevice> device, const std::optional<QRect> &cropRect)
{
    const std::optional<BitmapHeader> bitmap = checkBitmap(*device);
    std::unique_ptr<PictureRows> rows;
    if (bitmap && bitmap->plain24())
        rows = std::make_unique<BitmapFileRows>(std::move(device), *bitmap);
    else
        rows = std::make_unique<DecodedRows>(decode(*device, false));
    if (!cropRect)
        return rows;
    const QRect inside = cropInside(rows->size(), *cropRect);
    return std::make_unique<CroppedRows>(std::move(rows), inside);
}

QImage crop(const QImage &picture, const QRect &rect)
{
    return picture.copy(cropInside(picture.size(), rect));
}

QList<Filter> fileDialogFilters()
{
    QStringList patterns = {QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.jpg"),
                            QStringLiteral("*.jpeg")};
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern))
            patterns << pattern;
    }
    return {{texts::pictureFilesFilter(), patterns},
            {texts::bitmapFilter(), {QStringLiteral("*.bmp")}},
            {texts::allFilesFilter(), {QStringLiteral("*.*")}}};
}

} // namespace tessell::PictureLoader
