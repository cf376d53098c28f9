// Colour values of tile texts: any text either fails with the user's message or reads as
// a colour that writes and reads back the same.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/document/ColorValue.h"

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= 3) {
        const QRgb rgb = qRgb(data[0], data[1], data[2]);
        fuzz::require(ColorValue::fromText(ColorValue::toText(rgb)) == rgb, "colour round trip");
    }
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    try {
        const QRgb rgb = ColorValue::fromText(text);
        fuzz::require(ColorValue::fromText(ColorValue::toText(rgb)) == (rgb | 0xFF000000u), "read colour round trip");
    } catch (const Error &e) {
        fuzz::require(!e.text().isEmpty(), "a message");
    }
    return 0;
}
