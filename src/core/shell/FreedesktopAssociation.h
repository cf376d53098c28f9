#pragma once

#include "core/shell/FileAssociation.h"

#include <QStringList>

#include <optional>

namespace tessell {

// The freedesktop way, in the user's own folders: a MIME type for *.tsl, a
// desktop entry whose Exec line is the open command, an icon beside it, and
// the type's default application; for an installed program only the default. The desktop learns of changes
// through its databases (update-mime-database, update-desktop-database).
class FreedesktopAssociation : public AssociationStore {
public:
    // The outside programs it runs, by name or path; tests name missing ones.
    struct Tools {
        QString updateMimeDatabase = QStringLiteral("update-mime-database");
        QString updateDesktopDatabase = QStringLiteral("update-desktop-database");
        QString xdgMime = QStringLiteral("xdg-mime");
    };

    // $XDG_DATA_HOME (default ~/.local/share) and $XDG_CONFIG_HOME (~/.config).
    FreedesktopAssociation();
    FreedesktopAssociation(const QString &dataHome, const QString &configHome);
    FreedesktopAssociation(const QString &dataHome, const QString &configHome, const Tools &tools);

    static QString mimeType() { return QStringLiteral("application/x-tessell"); }
    static QString desktopName();
    // The desktop entry an install put where the desktop finds it; from then
    // on the association is only the type's default application, and the
    // open command is that entry's.
    void setInstalledEntry(const QString &path) { m_installedEntry = path; }
    const QString &installedEntry() const { return m_installedEntry; }
    QString mimeFile() const;
    QString desktopFile() const;
    QString iconFile() const;
    // Where xdg-mime keeps the default applications.
    QString defaultsFile() const;

    // The lines of a mimeapps.list with the default of our type set (or
    // cleared), every other line kept; nothing when there is nothing to change.
    static std::optional<QStringList> editDefaults(QStringList lines, bool set);

    // The Exec value: the program, quoted only when the desktop-entry rules
    // need it (the generic xdg-open cannot run a quoted path), then %f.
    QString commandFor(const QString &program) const override;
    void write(const QString &program) override;
    void remove() override;
    QString openCommand() const override;
    void notify() override;

private:
    void setDefault();
    QString m_dataHome;
    QString m_configHome;
    Tools m_tools;
    QString m_installedEntry;
};

} // namespace tessell
