#pragma once

#include <QString>

#include <memory>

namespace tessell {

// Where the desktop keeps the association of .tsl files with a program. Each
// platform has one; all report failures as tessell::Error with the text
// "'%s' の設定に失敗しました" naming what could not be set.
class AssociationStore {
public:
    virtual ~AssociationStore() = default;

    // The open command that write() stores for the program, exactly as stored.
    virtual QString commandFor(const QString &program) const = 0;
    // Writes every value for the program, in order; what was written before a
    // failure stays written.
    virtual void write(const QString &program) = 0;
    // Removes every value; values that are not there are skipped silently.
    virtual void remove() = 0;
    // The stored open command, empty when there is none.
    virtual QString openCommand() const = 0;
    // Tells the desktop that file associations changed.
    virtual void notify() = 0;
};

// Associates design files (.tsl) with the running program, or any program.
class FileAssociation {
public:
    // The running program in the platform's own store.
    FileAssociation();
    FileAssociation(const QString &program, std::unique_ptr<AssociationStore> store);
    ~FileAssociation();

    // The store of this platform: the registry on Windows, the freedesktop
    // folders of the user elsewhere (only the default application when the
    // program is installed).
    static std::unique_ptr<AssociationStore> platformStore();

    const QString &program() const { return m_program; }
    AssociationStore &store() const { return *m_store; }

    // True exactly when the stored open command is the one this program
    // would write, so an association left by a program elsewhere reads as off.
    bool isOn() const;
    // Writes the association, then notifies; a failure stops before the notice.
    void associate();
    // Removes the association, then notifies.
    void dissociate();
    void setOn(bool on) { on ? associate() : dissociate(); }

private:
    QString m_program;
    std::unique_ptr<AssociationStore> m_store;
};

} // namespace tessell
