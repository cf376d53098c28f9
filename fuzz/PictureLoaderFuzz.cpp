// Any bytes as the picture of `tessell-cli convert`: every format the image
// plugins read, with the loader's checks (size and depth from the header,
// damage the decoders report, GIF and run-length data cut short), then the
// conversion. A picture taken converts; nothing else happens to a refused one.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>

using namespace tessell;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image plugins are found through the application's library paths.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto device = std::make_unique<QBuffer>();
    device->setData(fuzz::bytesOf(data, size));
    device->open(QIODevice::ReadOnly);
    const MeanColours means = fuzz::meanColours();
    try {
        const std::unique_ptr<PictureRows> rows =
            PictureLoader::openRows(std::move(device), QRect(1, 1, 7, 5));
        fuzz::require(rows->size().width() <= 7 && rows->size().height() <= 5, "cropped");
        const QStringList lines = MosaicConversion::convert(*rows, 4, 3, means, ScanOptions::fromItems(1, 0));
        fuzz::require(lines.size() == 3, "one line a row");
    } catch (const Error &) {
    }
    return 0;
}
