#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QByteArray>
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
    // The file as read; its rows (line 18 onwards) are taken from the bytes
    // when applied, most without being decoded.
    QByteArray bytes;
};

// Checks the header and palette of a file's bytes; throws the message of the
// first fault in file order.
Contents parse(const QByteArray &bytes);
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
