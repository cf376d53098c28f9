#pragma once

// Header only, so that the support library needs no rebuild for it.

#include <QFile>
#include <QString>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace tessell::test {

// Makes an existing file refuse writes while it lives. Permissions alone do not
// stop root, so as root the file is also marked immutable where the file
// system allows it. Put it after the Scratch it lives in: the flag must be
// gone before the folder is removed.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString &path) : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
#ifdef Q_OS_LINUX
        if (::geteuid() == 0)
            m_immutable = setImmutable(true);
#endif
    }
    ~ReadOnlyFile()
    {
#ifdef Q_OS_LINUX
        if (m_immutable)
            setImmutable(false);
#endif
        QFile::setPermissions(m_path,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    // Whether writing is really refused here; a test that needs it skips otherwise.
    bool refusesWrites() const
    {
        QFile f(m_path);
        return !f.open(QIODevice::WriteOnly | QIODevice::Append);
    }

private:
#ifdef Q_OS_LINUX
    bool setImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }
#endif

    QString m_path;
    bool m_immutable = false;
};

} // namespace tessell::test
