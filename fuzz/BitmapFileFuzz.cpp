// Bitmap files through the loader's own checks (size, rows present, run-length
// data complete) and, when it takes them, through the conversion: a file
// refused by `tessell-cli convert` is refused here too, before any row is read.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"

#include <QBuffer>

#include <cstdint>

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto device = std::make_unique<QBuffer>();
    device->setData(fuzz::bytesOf(data, size));
    device->open(QIODevice::ReadOnly);
    const MeanColours means = fuzz::meanColours();
    try {
        const std::unique_ptr<PictureRows> rows = PictureLoader::openRows(std::move(device));
        const QSize picture = rows->size();
        fuzz::require(picture.width() > 0 && picture.height() > 0 &&
                          qint64(picture.width()) * picture.height() <= PictureLoader::MaxPixels,
                      "a picture taken is within the pixel limit");
        const QStringList lines = MosaicConversion::convert(*rows, 5, 3, means, ScanOptions::fromItems(1, 1));
        fuzz::require(lines.size() == 3, "one line a row");
    } catch (const Error &) {
    }
    return 0;
}
