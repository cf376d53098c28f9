#include "core/document/HistoryFolder.h"

#include "core/document/Recovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace tessell {

namespace {
constexpr int kSuffixLength = 6;
const char kSuffixChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString privatePrefix(const QString &preferred) { return QFileInfo(preferred).fileName() + u'-'; }
} // namespace

QString HistoryFolder::lockPathOf(const QString &folder)
{
    return QFileInfo(folder).absoluteFilePath() + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> HistoryFolder::lockFor(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(folder));
    lock->setStaleLockTime(0);
    return lock;
}

bool HistoryFolder::isPrivateName(const QString &preferred, const QString &name)
{
    const QString prefix = privatePrefix(preferred);
    if (name.size() != prefix.size() + kSuffixLength || !name.startsWith(prefix))
        return false;
    for (QChar c : name.mid(prefix.size()))
        if (c.unicode() > 127 || !QLatin1StringView(kSuffixChars).contains(c))
            return false;
    return true;
}

QString HistoryFolder::claimPrivate(const QString &preferred, std::unique_ptr<QLockFile> *lock)
{
    QDir parent(QFileInfo(preferred).absolutePath());
    for (int attempt = 0; attempt < 50; ++attempt) {
        QString name = privatePrefix(preferred);
        for (int i = 0; i < kSuffixLength; ++i)
            name += QLatin1Char(kSuffixChars[QRandomGenerator::global()->bounded(int(sizeof kSuffixChars) - 1)]);
        const QString path = parent.filePath(name);
        auto claim = lockFor(path);
        if (!claim->tryLock(0)) {
            if (claim->error() == QLockFile::PermissionError)
                return {};
            continue;
        }
        if (!parent.mkdir(name))
            continue;
        *lock = std::move(claim);
        return path;
    }
    return {};
}

HistoryFolder::HistoryFolder(const QString &preferred) : m_preferred(preferred)
{
    QDir().mkpath(preferred);
    m_lock = lockFor(preferred);
    if (m_lock->tryLock(0)) {
        m_path = preferred;
        setAsideLeftovers();
        return;
    }
    m_lock.reset();
    m_private = true;
    m_path = claimPrivate(preferred, &m_lock);
    if (!m_path.isEmpty())
        return;
    // Beside the preferred folder is not writable: an unlocked folder elsewhere.
    QTemporaryDir own;
    own.setAutoRemove(false);
    m_path = own.path();
}

// Entries here now come from a run that ended without clearing them. They move
// into a second-copy folder of their own, left unlocked like a killed copy's,
// so this run's first entry cannot overwrite them before the user is asked.
void HistoryFolder::setAsideLeftovers()
{
    if (!Recovery::hasEntries(m_path))
        return;
    std::unique_ptr<QLockFile> lock;
    const QString aside = claimPrivate(m_preferred, &lock);
    if (aside.isEmpty()) {
        m_leftoversInPlace = true;
        return;
    }
    QDir from(m_path);
    for (const QString &name : from.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (Recovery::isHistoryFile(name))
            QFile::rename(from.filePath(name), QDir(aside).filePath(name));
}

HistoryFolder::~HistoryFolder()
{
    if (m_private)
        QDir(m_path).removeRecursively();
}

} // namespace tessell
