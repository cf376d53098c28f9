#include "core/document/Recovery.h"

#include "core/Error.h"
#include "core/document/CommaList.h"
#include "core/document/Design.h"
#include "core/document/FileAccess.h"
#include "core/document/History.h"
#include "core/document/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tessell {

namespace {
const QString kSideFile = QStringLiteral("recovery.dat");

bool entryIndexOf(const QString &fileName, int *index)
{
    static const QRegularExpression pattern(QStringLiteral("^(0|[1-9][0-9]{0,8})\\.log$"));
    const auto match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    *index = match.captured(1).toInt();
    return true;
}

// A tile line: twenty colour values, each followed by a comma.
bool readTile(const QString &line, PaletteEntry *entry)
{
    const QStringList items = CommaList::split(line);
    if (items.size() != PaletteEntry::PixelCount + 1 || !items.last().isEmpty())
        return false;
    try {
        entry->setTileFromItems(items);
    } catch (const Error &) {
        return false;
    }
    return true;
}

bool endsWithLineEnd(const QByteArray &bytes) { return bytes.endsWith('\n') || bytes.endsWith('\r'); }

// Read back exactly as written, or the text is better left out.
bool survivesCp932(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n') &&
           TextFile::decodeCp932(TextFile::encodeCp932(text)) == text;
}

// The file's bytes when it is a regular file of a size a reader takes.
std::optional<QByteArray> readRegular(const QString &path)
{
    try {
        return FileAccess::read(path);
    } catch (const Error &) {
        return std::nullopt;
    }
}

std::optional<Recovery::SideFile> readSideFile(const QString &folder)
{
    const QString path = Recovery::sideFilePath(folder);
    const std::optional<QByteArray> bytes = readRegular(path);
    if (!bytes)
        return {};
    std::optional<Recovery::SideFile> side = Recovery::parseSideFile(*bytes);
    if (side)
        side->written = QFileInfo(path).lastModified();
    return side;
}
} // namespace

std::optional<Recovery::SideFile> Recovery::parseSideFile(const QByteArray &bytes)
{
    // The lines used, and no more: a long file costs no more than a short one.
    const QStringList lines = TextFile::decodeLines(bytes, 3 + 16);
    if (!endsWithLineEnd(bytes) || lines.size() < 2)
        return {};
    SideFile side;
    const QStringList fileName = CommaList::split(lines[0]);
    side.names = CommaList::split(lines[1]);
    if (fileName.size() != 1 || side.names.size() != 16)
        return {};
    side.fileName = fileName.first();
    qint64 index = -1;
    if (lines.size() > 2 && parseInteger(lines[2], &index) && index >= 0)
        side.currentIndex = int(index);
    if (lines.size() >= 3 + 16) {
        Palette tiles;
        bool complete = true;
        for (int n = 0; n < 16 && complete; ++n)
            complete = readTile(lines[3 + n], &tiles[n]);
        if (complete)
            side.tiles = tiles;
    }
    return side;
}

void RecoveredDesign::applyTo(Design &design) const
{
    design.setPalette(palette);
    design.setGrid(grid);
    design.setFileName(fileName);
    // Nothing of it is saved yet, whatever the file on disk holds.
    design.forgetSaved();
}

bool RecoveredDesign::isUntouchedStart() const
{
    if (grid.columns() != Design::DefaultColumns || grid.rows() != Design::DefaultRows ||
        !fileName.isEmpty() || palette != Palette{})
        return false;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            if (grid.cell(c, r) != QLatin1String("0"))
                return false;
    return true;
}

QString Recovery::sideFilePath(const QString &folder) { return QDir(folder).filePath(kSideFile); }

bool Recovery::isHistoryFile(const QString &fileName)
{
    int index = 0;
    return fileName == kSideFile || entryIndexOf(fileName, &index);
}

bool Recovery::hasEntries(const QString &folder)
{
    return entryCount(folder) > 0;
}

int Recovery::entryCount(const QString &folder)
{
    int index = 0, count = 0;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        if (entryIndexOf(name, &index))
            ++count;
    return count;
}

std::optional<RecoveredDesign> Recovery::parseEntry(const QByteArray &bytes)
{
    if (!endsWithLineEnd(bytes))
        return {};
    const QStringList lines = TextFile::splitLines(TextFile::decodeCp932(bytes));
    if (lines.isEmpty())
        return {};
    const QStringList size = CommaList::split(lines[0]);
    qint64 columns = 0, rows = 0;
    if (size.size() != 2 || !parseInteger(size[0], &columns) || !parseInteger(size[1], &rows) || columns < 1 ||
        rows < 1 || columns > Design::MaxSize || rows > Design::MaxSize || lines.size() != 17 + rows)
        return {};
    RecoveredDesign design;
    for (int n = 0; n < 16; ++n)
        if (!readTile(lines[1 + n], &design.palette[n]))
            return {};
    design.grid = CellGrid(int(columns), int(rows));
    for (int r = 0; r < rows; ++r) {
        const QStringList items = CommaList::split(lines[17 + r]);
        if (items.size() != columns)
            return {};
        design.grid.setRowFromList(r, items);
    }
    return design;
}

std::optional<RecoveredDesign> Recovery::readEntry(const QString &path)
{
    int index = 0;
    if (!entryIndexOf(QFileInfo(path).fileName(), &index))
        return {};
    const std::optional<QByteArray> bytes = readRegular(path);
    if (!bytes)
        return {};
    std::optional<RecoveredDesign> design = parseEntry(*bytes);
    if (design) {
        design->entryIndex = index;
        design->written = QFileInfo(path).lastModified();
    }
    return design;
}

std::optional<RecoveredDesign> Recovery::readFolder(const QString &folder)
{
    struct Candidate {
        int index;
        QDateTime written;
    };
    std::vector<Candidate> candidates;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
        int index = 0;
        if (entryIndexOf(info.fileName(), &index))
            candidates.push_back({index, info.lastModified()});
    }
    if (candidates.empty())
        return {};
    // Newest first. After an undo the next entry overwrites a lower index and
    // leaves the higher ones behind, so the index alone does not tell.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return a.written != b.written ? a.written > b.written : a.index > b.index;
    });
    const std::optional<SideFile> side = readSideFile(folder);
    // The side file also follows undo and redo, which write no entry.
    const bool sideIsCurrent = side && side->currentIndex >= 0 && side->written >= candidates.front().written;
    if (sideIsCurrent) {
        const auto it = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const Candidate &c) { return c.index == side->currentIndex; });
        if (it != candidates.end())
            std::rotate(candidates.begin(), it, it + 1);
    }
    for (const Candidate &c : candidates) {
        std::optional<RecoveredDesign> design = readEntry(dir.filePath(QStringLiteral("%1.log").arg(c.index)));
        if (!design)
            continue;
        if (side) {
            // Tiles changed since the entry (the palette editor records none) come from the side file.
            if (side->tiles && side->written >= design->written)
                design->palette = *side->tiles;
            for (int n = 0; n < 16; ++n)
                design->palette[n].setName(side->names[n]);
            design->fileName = side->fileName;
        }
        return design;
    }
    return {};
}

void Recovery::writeSideFile(const QString &folder, const Design &design, int currentIndex)
{
    QStringList names;
    for (const PaletteEntry &e : design.palette())
        names << e.name();
    // A file name the code page cannot hold would come back as another file.
    const QString fileName = survivesCp932(design.fileName()) ? design.fileName() : QString();
    QStringList lines{CommaList::join({fileName}), CommaList::join(names), QString::number(currentIndex)};
    for (const PaletteEntry &e : design.palette())
        lines << e.tileText();
    TextFile::writeLines(sideFilePath(folder), lines);
}

void Recovery::writeSideFile(const History &history, const Design &design)
{
    writeSideFile(history.folder(), design, history.currentIndex());
}

} // namespace tessell
