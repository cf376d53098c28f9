#include "core/settings/AppPaths.h"

#include "core/shell/Installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessell {

namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}

bool writableFolder(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}
} // namespace

void AppPaths::setBaseDir(const QString &dir) { overrideDir() = dir; }

QString AppPaths::baseDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    // An installed program never writes beside itself, even run by root.
    const QString programDir = QCoreApplication::applicationDirPath();
    if (writableFolder(programDir) && !Installation::isInstalled())
        return programDir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString AppPaths::dataFile() { return QDir(baseDir()).filePath(QStringLiteral("data.dat")); }

QString AppPaths::historyDir() { return QDir(baseDir()).filePath(QStringLiteral("log")); }

} // namespace tessell
