#include "core/document/FileAccess.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessell {

namespace {
// Opens path for reading if it is a regular file. On Unix the check is made on
// the opened file itself, and the open does not wait for a pipe's writer.
bool openRegular(const QString &path, QFile &file, qint64 *size)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    *size = st.st_size;
    return true;
#else
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    file.setFileName(path);
    *size = info.size();
    return file.open(QIODevice::ReadOnly);
#endif
}
} // namespace

QByteArray FileAccess::read(const QString &path, qint64 maxBytes)
{
    QFile file;
    qint64 size = 0;
    if (!openRegular(path, file, &size))
        throw Error(texts::cannotOpen(path));
    if (size > maxBytes)
        throw Error(texts::fileTooLarge(path, maxBytes));
    // The size may have grown since, and some files report none: read no more than allowed.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw Error(texts::cannotOpen(path));
    if (bytes.size() > maxBytes)
        throw Error(texts::fileTooLarge(path, maxBytes));
    return bytes;
}

void FileAccess::write(const QString &path, const QByteArray &bytes)
{
    // A save file would put a new file in place of a pipe or a device node.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw Error(texts::cannotCreate(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(texts::cannotCreate(path));
}

} // namespace tessell
