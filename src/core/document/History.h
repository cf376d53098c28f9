#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

namespace tessell {

class Design;

// The edit history: named entries, each a full copy of the design in a file
// "<index>.log" of the history folder. Only the cells are ever restored.
class History : public QObject {
    Q_OBJECT
public:
    explicit History(const QString &folder, QObject *parent = nullptr);

    const QString &folder() const { return m_folder; }
    const QStringList &names() const { return m_names; }
    int currentIndex() const { return m_current; }
    QString currentName() const { return m_current >= 0 ? m_names.value(m_current) : QString(); }
    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current >= 0 && m_current < m_names.size() - 1; }
    QString entryPath(int index) const;

    // Records the design as a new entry after the current one; later entries
    // are dropped. Throws "ファイル %s を作成できません" when the file cannot be
    // written; the entry stays in the list.
    void makeLog(const QString &name, const Design &design);
    // Empties the list and deletes every file in the folder; with a name,
    // records it as the one entry.
    void delHistory();
    void delHistory(const QString &name, const Design &design);
    // Restores the cells of entry index. Throws "ファイル %s は開けません" and
    // leaves both the cells and the current entry as they were.
    void select(int index, Design &design);
    // Undo (-1) or redo (+1).
    void step(int delta, Design &design);

    // An entry file's bytes: the size, the sixteen tiles, the rows.
    static QByteArray entryBytes(const Design &design);

signals:
    void changed();

private:
    QString m_folder;
    QStringList m_names;
    int m_current = -1;
};

} // namespace tessell
