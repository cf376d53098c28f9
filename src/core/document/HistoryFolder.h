#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace tessell {

// Claims the history folder for this running copy. The first copy holds a lock
// beside the folder; a second copy gets a folder of its own beside it, locked
// the same way and removed when it is released, so two copies never write each
// other's entries and a copy that ended abnormally leaves a stale lock.
// Entries found in the preferred folder when it is claimed are moved aside into
// a second-copy folder with no lock, where recovery finds them.
class HistoryFolder {
public:
    explicit HistoryFolder(const QString &preferred);
    ~HistoryFolder();
    HistoryFolder(const HistoryFolder &) = delete;
    HistoryFolder &operator=(const HistoryFolder &) = delete;

    const QString &path() const { return m_path; }
    const QString &preferred() const { return m_preferred; }
    bool isPrivate() const { return m_private; }
    // Entries an earlier run left here could not be set aside (see the constructor).
    bool leftoversInPlace() const { return m_leftoversInPlace; }

    // The lock of a history folder sits beside it: clearing the history empties the folder.
    static QString lockPathOf(const QString &folder);
    // A lock on lockPathOf(folder) that counts as stale only when its holder is gone.
    static std::unique_ptr<QLockFile> lockFor(const QString &folder);
    // Whether name is that of a second copy's folder beside the preferred one.
    static bool isPrivateName(const QString &preferred, const QString &name);
    // Makes and locks a new private folder beside preferred; the lock is taken
    // before the folder exists, so nobody ever sees it unlocked. Empty path on failure.
    static QString claimPrivate(const QString &preferred, std::unique_ptr<QLockFile> *lock);

private:
    void setAsideLeftovers();

    QString m_preferred;
    QString m_path;
    bool m_private = false;
    bool m_leftoversInPlace = false;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tessell
