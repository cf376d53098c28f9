#include "core/document/LeftHistory.h"

#include "core/document/HistoryFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tessell {

namespace {
// Ours, including what a save interrupted half-way leaves ("<name>.XXXXXX").
bool isOurs(const QString &fileName)
{
    if (Recovery::isHistoryFile(fileName))
        return true;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 && Recovery::isHistoryFile(fileName.left(dot));
}

// A copy killed before anything was done (at the recovery question, say)
// leaves only its start-up design: nothing to give back.
bool holdsWork(const QString &folder, const RecoveredDesign &design)
{
    return !design.isUntouchedStart() || Recovery::entryCount(folder) > 1;
}

bool sameFolder(const QString &a, const QString &b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}
} // namespace

LeftHistory::LeftHistory(const QString &folder, RecoveredDesign design, std::unique_ptr<QLockFile> lock)
    : m_folder(folder), m_design(std::move(design)), m_lock(std::move(lock))
{
}

void LeftHistory::removeFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isOurs(name))
            dir.remove(name);
    // Anything else somebody put there keeps the folder.
    QDir().rmdir(folder);
}

void LeftHistory::remove()
{
    if (!m_lock)
        return;
    removeFolder(m_folder);
    m_lock.reset();
}

std::vector<LeftHistory> LeftHistory::find(const HistoryFolder &own)
{
    std::vector<LeftHistory> found;
    const QString preferred = own.preferred();
    // Could not be set aside: read where they lie and leave them to be overwritten.
    if (own.leftoversInPlace())
        if (auto design = Recovery::readFolder(own.path()); design && holdsWork(own.path(), *design))
            found.push_back(LeftHistory(own.path(), std::move(*design), nullptr));

    const QDir parent(QFileInfo(preferred).absolutePath());
    for (const QString &name : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString folder = parent.filePath(name);
        if (!HistoryFolder::isPrivateName(preferred, name) || sameFolder(folder, own.path()))
            continue;
        auto lock = HistoryFolder::lockFor(folder);
        // A running copy holds it; a stale lock is taken over, an absent one taken.
        if (!lock->tryLock(0))
            continue;
        auto design = Recovery::readFolder(folder);
        if (design && holdsWork(folder, *design))
            found.push_back(LeftHistory(folder, std::move(*design), std::move(lock)));
        else
            removeFolder(folder);
    }
    std::stable_sort(found.begin(), found.end(), [](const LeftHistory &a, const LeftHistory &b) {
        return a.design().written > b.design().written;
    });
    return found;
}

} // namespace tessell
