#include "core/scan/PictureLoader.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/scan/BitmapFile.h"

#include <QFile>
#include <QImageReader>

namespace tessell::PictureLoader {

namespace {
// Qt refuses to decode past its allocation limit (128 MB by default). Room for
// the largest picture allowed in the widest format a plugin decodes to (8 bytes
// a pixel, 16-bit PNG).
constexpr int kAllocationLimitMb = int(MaxPixels * 8 / (1024 * 1024)) + 1;

void checkSize(qint64 width, qint64 height)
{
    if (width * height > MaxPixels)
        throw Error(texts::pictureTooLarge(width, height, int(MaxPixels / 1'000'000)));
}

// Opens the file and checks what Qt's bitmap reader leaves unchecked: a file
// shorter than its rows would be decoded with the missing rows undefined.
std::unique_ptr<QFile> openChecked(const QString &path, std::optional<BitmapHeader> *bitmap)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw Error(texts::cannotOpen(path));
    *bitmap = BitmapHeader::read(*file);
    if (*bitmap) {
        checkSize((*bitmap)->width, (*bitmap)->height);
        if ((*bitmap)->uncompressed() && file->size() < (*bitmap)->dataEnd())
            throw Error(texts::invalidBitmap());
    }
    return file;
}

QRect cropInside(QSize picture, const QRect &rect)
{
    const QRect inside = rect.normalized() & QRect(QPoint(0, 0), picture);
    if (inside.isEmpty())
        throw Error(texts::cropOutsidePicture());
    return inside;
}

// Opaque 32-bit colour; transparent parts become the white of the paper.
QImage opaque(QImage image)
{
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a == 255)
                continue;
            const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            line[x] = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QImage decode(const QString &path)
{
    if (QImageReader::allocationLimit() < kAllocationLimitMb)
        QImageReader::setAllocationLimit(kAllocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The header's size, before any pixel is allocated.
    const QSize size = reader.size();
    if (size.isValid())
        checkSize(size.width(), size.height());
    QImage image;
    if (!reader.read(&image)) {
        if (reader.error() == QImageReader::FileNotFoundError)
            throw Error(texts::cannotOpen(path));
        throw Error(texts::invalidBitmap());
    }
    // A format whose header does not tell its size is checked once it is read.
    checkSize(image.width(), image.height());
    return opaque(std::move(image));
}
} // namespace

QImage load(const QString &path, const std::optional<QRect> &cropRect)
{
    std::optional<BitmapHeader> bitmap;
    openChecked(path, &bitmap);
    QImage image = decode(path);
    if (cropRect)
        image = crop(image, *cropRect);
    return image;
}

std::unique_ptr<PictureRows> openRows(const QString &path, const std::optional<QRect> &cropRect)
{
    std::optional<BitmapHeader> bitmap;
    std::unique_ptr<QFile> file = openChecked(path, &bitmap);
    std::unique_ptr<PictureRows> rows;
    if (bitmap && bitmap->plain24()) {
        rows = std::make_unique<BitmapFileRows>(std::move(file), *bitmap);
    } else {
        file.reset();
        rows = std::make_unique<ImageRows>(decode(path));
    }
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
