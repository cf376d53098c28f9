#include "core/shell/Installation.h"

#include "core/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessell {

QString Installation::desktopEntry(const QString &programDir)
{
    const QFileInfo entry(
        QDir(programDir)
            .filePath(QStringLiteral("../share/applications/%1.desktop").arg(QLatin1String(kApplicationId))));
    return entry.isFile() ? entry.canonicalFilePath() : QString();
}

QString Installation::visibleDesktopEntry(const QString &programDir, const QStringList &applicationFolders)
{
    const QString entry = desktopEntry(programDir);
    if (entry.isEmpty())
        return {};
    const QString folder = QFileInfo(entry).absolutePath();
    for (const QString &f : applicationFolders)
        if (QFileInfo(f).canonicalFilePath() == folder)
            return entry;
    return {};
}

QString Installation::visibleDesktopEntry(const QString &programDir)
{
    return visibleDesktopEntry(programDir,
                               QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation));
}

bool Installation::isInstalled()
{
    return !desktopEntry(QCoreApplication::applicationDirPath()).isEmpty();
}

} // namespace tessell
