#include "core/document/DesignFile.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/CommaList.h"
#include "core/document/Design.h"
#include "core/document/FileAccess.h"
#include "core/document/RowLines.h"
#include "core/document/TextFile.h"

namespace tessell {

namespace {
const QString kHeader = QStringLiteral("tsfile");

const QString &item(const QStringList &items, int index)
{
    if (index < 0 || index >= items.size())
        throw Error(texts::indexOutOfRange(index));
    return items[index];
}

int sizeItem(const QStringList &items, int index)
{
    const QString &text = item(items, index);
    qint64 v = 0;
    if (!parseInteger(text, &v))
        throw Error(texts::notAnInteger(text));
    return int(v);
}
} // namespace

DesignFile::Contents DesignFile::parse(const QByteArray &bytes)
{
    const QStringList lines = TextFile::decodeLines(bytes, 17);
    const QStringList header = CommaList::split(item(lines, 0), 3);
    if (item(header, 0) != kHeader)
        throw Error(texts::cannotRead());
    Contents contents;
    contents.columns = sizeItem(header, 1);
    contents.rows = sizeItem(header, 2);
    // Refused before anything is allocated: a three-character field cannot hold more.
    if (contents.columns < 1 || contents.rows < 1 || contents.columns > Design::MaxSize ||
        contents.rows > Design::MaxSize)
        throw Error(texts::sizeOutOfRange(contents.columns, contents.rows));
    contents.palette = parsePalette(lines);
    contents.bytes = bytes;
    return contents;
}

Palette DesignFile::parsePalette(const QStringList &lines)
{
    Palette palette;
    for (int n = 0; n < 16; ++n) {
        const QStringList items = CommaList::split(item(lines, 1 + n), PaletteEntry::PixelCount + 1);
        palette[n].setName(item(items, 20));
        palette[n].setTileFromItems(items);
    }
    return palette;
}

DesignFile::Contents DesignFile::read(const QString &path) { return parse(FileAccess::read(path)); }

void DesignFile::apply(const Contents &contents, Design &design)
{
    CellGrid grid(contents.columns, contents.rows);
    RowLines::applyBytes(grid, contents.bytes, 17);
    design.setPalette(contents.palette);
    design.setGrid(grid);
}

void DesignFile::open(const QString &path, Design &design)
{
    const Contents contents = read(path);
    apply(contents, design);
    design.setFileName(path);
}

QStringList DesignFile::lines(const Design &design)
{
    QStringList out;
    out << QStringLiteral("tsfile,%1,%2").arg(design.columns()).arg(design.rows());
    for (const PaletteEntry &e : design.palette())
        // A name with a blank, comma or quote is quoted, so that it reads back
        // whole; every other name is written as it stands.
        out << e.tileText() + (e.name().isEmpty() ? QString() : CommaList::join({e.name()}));
    out << RowLines::texts(design.grid());
    return out;
}

void DesignFile::write(const Design &design, const QString &path) { TextFile::writeLines(path, lines(design)); }

} // namespace tessell
