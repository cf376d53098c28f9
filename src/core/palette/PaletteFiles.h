#pragma once

#include "core/document/PaletteEntry.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace tessell {

// Filling the sixteen palette entries from files: the palette lines of a design
// file, a palette settings file with its bitmaps, a folder of bitmaps. Each
// works on a Palette the caller then puts into the design.
namespace PaletteFiles {

// What a palette settings file load did. A load that stopped at a missing
// bitmap keeps the tiles before it and all sixteen names.
struct SettingsLoad {
    QString settingsPath; // the "path" value of section "other"
    int tilesLoaded = 16;
    QString stopMessage; // to be shown with an OK button; empty when all were loaded
    bool complete() const { return stopMessage.isEmpty(); }
};

// Whether "open settings" reads path as a design file: its name ends in
// ".tsl", letter case counting.
bool isDesignFileName(const QString &path);
// Either branch by the name; a design file always loads completely.
SettingsLoad openSettings(const QString &path, Palette &palette);

// Tiles and names from lines 2 to 17; the header is not looked at. Throws
// "リストのインデックスが範囲を超えています (%d)" (the missing line counted from
// 0, or 20 for a missing name) or "'%s' は整数ではありません"; the palette is
// then unchanged.
void loadDesignFile(const QString &path, Palette &palette);

// Names from section "name" (n0..nF, empty when missing), then tile d from
// the "path" value of section "other" + digit + ".bmp", unscaled, for d = 0..15
// until one is missing. A relative path counts from the settings file's folder.
// Throws "ビットマップイメージが不正です" for a file that is not a picture; the
// names and the tiles before it stay changed, as at a missing one. Throws
// "ファイル %s は開けません" and changes nothing when the file cannot be read.
SettingsLoad loadSettingsFile(const QString &path, Palette &palette);

// The picture files (*.bmp, *.png, any letter case) of a folder, not of its
// sub-folders, in natural order (2.bmp before 10.bmp).
QStringList bitmapFiles(const QString &folder);
// Entries 1..15 from the first fifteen picture files, each stretched to 5 x 4
// by nearest neighbour and named after the file without its extension. Entry 0
// and the entries beyond the files found stay. Every file is read before any
// entry changes. Returns the number of entries made.
int autoCreate(const QString &folder, Palette &palette);

// A BMP or PNG file, judged by its content, on white where it is transparent.
// Throws "ビットマップイメージが不正です".
QImage readBitmap(const QString &path);
// The top-left 5 x 4 pixels of a picture; pixels it lacks are white.
void setTileUnscaled(PaletteEntry &entry, const QImage &image);
// The picture stretched to 5 x 4, each pixel the one nearest its centre.
void setTileStretched(PaletteEntry &entry, const QImage &image);

// Natural order of file names: digit runs by value, the rest regardless of letter case.
bool naturalLess(const QString &a, const QString &b);

} // namespace PaletteFiles

} // namespace tessell
