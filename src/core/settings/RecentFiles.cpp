#include "core/settings/RecentFiles.h"

#include "core/document/CommaList.h"
#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace tessell {

namespace {
const QString kSection = QStringLiteral("recent");
const QString kKey = QStringLiteral("files");
const QString kEllipsis = QStringLiteral("...");

QString normalised(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }
} // namespace

RecentFiles::RecentFiles(SettingsStore &store) : m_store(store) {}

QStringList RecentFiles::files() const
{
    QStringList files;
    for (const QString &f : CommaList::split(m_store.readString(kSection, kKey)))
        if (!f.isEmpty() && !files.contains(f) && files.size() < Limit)
            files << f;
    return files;
}

void RecentFiles::store(const QStringList &files)
{
    m_store.writeString(kSection, kKey, files.isEmpty() ? QString() : CommaList::join(files));
}

void RecentFiles::add(const QString &path)
{
    const QString p = normalised(path);
    // A line of the store cannot hold a line end.
    if (p.contains(u'\n') || p.contains(u'\r'))
        return;
    QStringList list = files();
    list.removeAll(p);
    list.prepend(p);
    store(list.mid(0, Limit));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    if (list.removeAll(path) + list.removeAll(normalised(path)) > 0)
        store(list);
}

bool RecentFiles::checkPicked(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    remove(path);
    return false;
}

QString RecentFiles::shortened(const QString &path, int maxChars)
{
    if (path.size() <= maxChars)
        return path;
    const qsizetype nameStart = path.lastIndexOf(u'/');
    const QString tail = nameStart >= 0 ? path.mid(nameStart) : path;
    const qsizetype room = maxChars - kEllipsis.size() - tail.size();
    if (nameStart < 0 || room < 1)
        return kEllipsis + path.right(qMax(0, maxChars - int(kEllipsis.size())));
    // The start up to and with the last separator that fits.
    const qsizetype cut = path.lastIndexOf(u'/', room - 1);
    const QString head = cut >= 0 ? path.left(cut + 1) : path.left(room);
    return head + kEllipsis + tail;
}

} // namespace tessell
