#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tessell {

class Design;
class History;

// The design as a run that did not end normally left it in its history folder.
struct RecoveredDesign {
    CellGrid grid;
    Palette palette; // tiles from the entry (or the side file when newer); names "None" without one
    QString fileName; // from the side file; empty without one
    int entryIndex = -1;
    QDateTime written;

    // Cells, palette and file name into the design, marked as not saved.
    void applyTo(Design &design) const;
};

// Reading what a history folder holds after a crash, and the side file
// "recovery.dat" that keeps what the entries leave out: the file name, the
// names, the current entry and the palette as it stands.
namespace Recovery {

QString sideFilePath(const QString &folder);
// Whether the folder holds entry files ("<index>.log").
bool hasEntries(const QString &folder);
// The names of the files this program writes into a history folder.
bool isHistoryFile(const QString &fileName);

// One entry file, only if it is complete: the size line, sixteen tile lines and
// one line of Columns items per row, the last line ended. Nothing otherwise.
std::optional<RecoveredDesign> readEntry(const QString &path);
// The same over the bytes of one entry file (index and time left unset).
std::optional<RecoveredDesign> parseEntry(const QByteArray &bytes);
// The current entry of the folder: the one the side file names when that file
// is at least as new as every entry, otherwise the newest complete entry
// (ties to the higher index). Damaged and half-written entries are passed over.
std::optional<RecoveredDesign> readFolder(const QString &folder);

// Writes recovery.dat (code page 932, through a save file) for the history's
// current entry. Throws "ファイル %s を作成できません".
void writeSideFile(const QString &folder, const Design &design, int currentIndex);
void writeSideFile(const History &history, const Design &design);

} // namespace Recovery

} // namespace tessell
