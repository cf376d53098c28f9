#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QString>
#include <QStringList>

namespace tessell {

class Design;

// The design file: "tsfile",Columns,Rows; sixteen palette lines (tile text and
// name); one line per row.
namespace DesignFile {

// Everything a file holds, read and checked before anything is applied.
struct Contents {
    int columns = 0;
    int rows = 0;
    Palette palette;
    QStringList rowLines; // lines 18 onwards, as they stand
};

// Checks the whole text; throws the message of the first fault in file order.
Contents parse(const QStringList &lines);
Contents read(const QString &path);
// Lines 2 to 17 alone (the header is not looked at); throws as parse does.
Palette parsePalette(const QStringList &lines);
// Size, palette and cells into the design; rows without a line stay "0".
void apply(const Contents &contents, Design &design);
// Reads, then applies; the design is untouched when reading fails.
void open(const QString &path, Design &design);

QStringList lines(const Design &design);
// Writes the design; throws "ファイル %s を作成できません" and leaves any old file.
void write(const Design &design, const QString &path);

} // namespace DesignFile

} // namespace tessell
