#include "core/document/HistoryFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tessell {

HistoryFolder::HistoryFolder(const QString &preferred)
{
    QDir().mkpath(preferred);
    // The lock sits beside the folder: clearing the history empties the folder.
    m_lock = std::make_unique<QLockFile>(QFileInfo(preferred).absoluteFilePath() + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_path = preferred;
        return;
    }
    m_lock.reset();
    auto own = std::make_unique<QTemporaryDir>(
        QDir(QFileInfo(preferred).absolutePath()).filePath(QStringLiteral("log-XXXXXX")));
    if (!own->isValid())
        own = std::make_unique<QTemporaryDir>();
    own->setAutoRemove(false);
    m_path = own->path();
    m_private = true;
}

HistoryFolder::~HistoryFolder()
{
    if (m_private)
        QDir(m_path).removeRecursively();
}

} // namespace tessell
