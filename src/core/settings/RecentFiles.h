#pragma once

#include <QString>
#include <QStringList>

namespace tessell {

class SettingsStore;

// The designs last opened or saved, newest first, in section "recent" of the
// settings store as one comma list.
class RecentFiles {
public:
    static constexpr int Limit = 8;

    explicit RecentFiles(SettingsStore &store);

    QStringList files() const;
    // After a design was opened or saved: to the front, once, at most Limit kept.
    void add(const QString &path);
    void remove(const QString &path);
    // When the user picks a path from the list: whether it still exists; a
    // vanished file leaves the list.
    bool checkPicked(const QString &path);

    // The path for a menu: at most maxChars characters, cut in the middle at
    // folder separators so that the start and the file name stay.
    static QString shortened(const QString &path, int maxChars);

private:
    void store(const QStringList &files);

    SettingsStore &m_store;
};

} // namespace tessell
