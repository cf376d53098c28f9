#pragma once

#include "core/document/Recovery.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

namespace tessell {

class HistoryFolder;

// A history folder that a run which did not end normally left behind, with the
// design it can give back. This copy holds the folder's lock while it offers
// it, so no other copy offers the same work at the same time.
class LeftHistory {
public:
    // Every such folder, newest first: second-copy folders whose lock is stale
    // or absent, among them the one HistoryFolder set the shared folder's
    // leftovers aside into. Never a folder whose copy is still running, never
    // this copy's own. Stale folders with nothing readable, or with
    // nothing but the untouched start-up design, are removed.
    static std::vector<LeftHistory> find(const HistoryFolder &own);

    const QString &folder() const { return m_folder; }
    const RecoveredDesign &design() const { return m_design; }

    // After it was offered: deletes its history files, the folder and the lock.
    // Call after the recovered design has been recorded in this copy's history.
    void remove();

private:
    LeftHistory(const QString &folder, RecoveredDesign design, std::unique_ptr<QLockFile> lock);
    static void removeFolder(const QString &folder);

    QString m_folder;
    RecoveredDesign m_design;
    std::unique_ptr<QLockFile> m_lock; // none when the entries are read where they lie
};

} // namespace tessell
