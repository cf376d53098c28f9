#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

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
    // The design every start makes before anything is done: nothing of the
    // user's is in it.
    bool isUntouchedStart() const;
};

// Reading what a history folder holds after a crash, and the side file
// "recovery.dat" that keeps what the entries leave out: the file name, the
// names, the current entry and the palette as it stands.
namespace Recovery {

QString sideFilePath(const QString &folder);
// Whether the folder holds entry files ("<index>.log"), and how many.
bool hasEntries(const QString &folder);
int entryCount(const QString &folder);
// The names of the files this program writes into a history folder.
bool isHistoryFile(const QString &fileName);

// What recovery.dat holds. Its lines: the file name, the sixteen names (each a
// comma list), the current entry (optional), the sixteen tiles (optional).
struct SideFile {
    QString fileName;
    QStringList names;
    int currentIndex = -1;
    std::optional<Palette> tiles;
    QDateTime written;
};
// The side file's bytes, or nothing when its first two lines are not whole
// (time left unset).
std::optional<SideFile> parseSideFile(const QByteArray &bytes);

// One entry file, only if it is a complete regular file of at most
// FileAccess::MaxTextBytes: the size line, sixteen tile lines and one line of
// Columns items per row, the last line ended. Nothing otherwise; a pipe or a
// device is never waited on.
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
