// The bitmap headers and the rows streamed from them, through the conversion.
#include "core/Error.h"
#include "core/scan/BitmapFile.h"
#include "core/scan/MosaicConversion.h"

#include <QBuffer>

#include <cstdint>

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto device = std::make_unique<QBuffer>();
    device->setData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    device->open(QIODevice::ReadOnly);
    const std::optional<BitmapHeader> header = BitmapHeader::read(*device);
    // The loader's own checks before it streams a file.
    if (!header || !header->plain24() || device->size() < header->dataEnd())
        return 0;
    BitmapFileRows rows(std::move(device), *header);
    MeanColours means;
    for (std::size_t i = 0; i < means.size(); ++i)
        means[i] = qRgb(int(i) * 17, 255 - int(i) * 17, int(i * 53) & 255);
    try {
        MosaicConversion::convert(rows, 5, 3, means, ScanOptions::fromItems(1, 1));
    } catch (const Error &) {
    }
    return 0;
}
