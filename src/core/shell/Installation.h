#pragma once

#include <QString>
#include <QStringList>

namespace tessell {

// Whether the running program was installed (cmake --install, the package) or
// runs from its build folder. An installed program has its desktop entry at
// PREFIX/share/applications/ID.desktop beside PREFIX/bin.
namespace Installation {
// The installed desktop entry of a program in programDir; empty when there is none.
QString desktopEntry(const QString &programDir);
// The entry when the desktop finds it: it lies in one of the applications
// folders (by default those of QStandardPaths::ApplicationsLocation).
QString visibleDesktopEntry(const QString &programDir, const QStringList &applicationFolders);
QString visibleDesktopEntry(const QString &programDir);
// For the running program.
bool isInstalled();
} // namespace Installation

} // namespace tessell
