#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace tessell {

// Claims the history folder for this running copy. The first copy holds a lock
// beside the folder; a second copy gets a folder of its own, removed when it is
// released, so two copies never write each other's entries.
class HistoryFolder {
public:
    explicit HistoryFolder(const QString &preferred);
    ~HistoryFolder();
    HistoryFolder(const HistoryFolder &) = delete;
    HistoryFolder &operator=(const HistoryFolder &) = delete;

    const QString &path() const { return m_path; }
    bool isPrivate() const { return m_private; }

private:
    QString m_path;
    bool m_private = false;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tessell
