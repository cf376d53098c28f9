// Comma lists: splitting, the item bound, joining back, and whole numbers.
#include "FuzzSupport.h"

#include "core/document/CommaList.h"

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString line = QString::fromUtf8(fuzz::bytesOf(data + 1, size - 1));
    const QStringList items = CommaList::split(line);
    const qsizetype bound = data[0] % 8;
    fuzz::require(CommaList::split(line, bound) == items.mid(0, bound), "split stops at the bound");
    // Items never hold a NUL (it ends the text), so joining them reads back the same.
    fuzz::require(CommaList::split(CommaList::join(items)) == items, "join then split");
    for (const QString &item : items) {
        qint64 v = 0;
        if (parseInteger(item, &v)) {
            qint64 w = 0;
            fuzz::require(parseInteger(QString::number(v), &w) && w == v, "integer round trip");
        }
    }
    return 0;
}
