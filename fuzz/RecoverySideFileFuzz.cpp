// Any bytes as the recovery side file a crashed run left: read as far as it
// is whole, sixteen names or nothing, and what is read writes back the same.
#include "FuzzSupport.h"

#include "core/document/CommaList.h"
#include "core/document/Recovery.h"
#include "core/document/TextFile.h"

#include <cstdint>

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto side = Recovery::parseSideFile(fuzz::bytesOf(data, size));
    if (!side)
        return 0;
    fuzz::require(side->names.size() == 16, "sixteen names");
    fuzz::require(side->currentIndex >= -1, "an index or none");
    // The lines as the writer makes them read back as they were.
    QStringList lines{CommaList::join({side->fileName}), CommaList::join(side->names),
                      QString::number(side->currentIndex)};
    if (side->tiles)
        for (const PaletteEntry &e : *side->tiles)
            lines << e.tileText();
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += TextFile::encodeCp932(line) + "\r\n";
    const auto again = Recovery::parseSideFile(bytes);
    fuzz::require(again.has_value(), "written side file reads");
    fuzz::require(again->names == side->names && again->fileName == side->fileName, "names and file name");
    fuzz::require(again->tiles.has_value() == side->tiles.has_value() &&
                      (!side->tiles || *again->tiles == *side->tiles),
                  "tiles");
    return 0;
}
