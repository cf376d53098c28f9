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
    // The name stays known, for readers that go by its suffix.
    file.setFileName(path);
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

// Passes writes on to a save file and remembers one that did not go through
// whole: a disk that fills up takes part of a write without an error, and
// writers such as QPdfWriter do not look at what a write answers.
class WholeWrites final : public QIODevice {
public:
    explicit WholeWrites(QIODevice &target) : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 written = m_target.write(data, length);
        m_failed = m_failed || written != length;
        return written;
    }

private:
    QIODevice &m_target;
    bool m_failed = false;
};
} // namespace

std::unique_ptr<QFile> FileAccess::open(const QString &path, qint64 maxBytes)
{
    auto file = std::make_unique<QFile>();
    qint64 size = 0;
    if (!openRegular(path, *file, &size))
        throw Error(texts::cannotOpen(path));
    if (size > maxBytes)
        throw Error(texts::fileTooLarge(path, maxBytes));
    return file;
}

QByteArray FileAccess::read(const QString &path, qint64 maxBytes)
{
    const std::unique_ptr<QFile> opened = open(path, maxBytes);
    QFile &file = *opened;
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
    SaveFile file(path);
    if (file.device().write(bytes) != bytes.size())
        file.cancel();
    file.commit();
}

FileAccess::SaveFile::SaveFile(const QString &path, const QString &failure)
    : m_failure(failure.isEmpty() ? texts::cannotCreate(path) : failure)
{
    // A save file would put a new file in place of a pipe or a device node.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw Error(m_failure);
    m_file = std::make_unique<QSaveFile>(path);
    if (!m_file->open(QIODevice::WriteOnly))
        fail();
    m_writes = std::make_unique<WholeWrites>(*m_file);
}

FileAccess::SaveFile::~SaveFile()
{
    if (m_file)
        m_file->cancelWriting();
}

QIODevice &FileAccess::SaveFile::device()
{
    return *m_writes;
}

void FileAccess::SaveFile::fail()
{
    m_writes.reset();
    if (m_file)
        m_file->cancelWriting();
    // Destroying a cancelled save file removes its temporary file.
    m_file.reset();
    throw Error(m_failure);
}

void FileAccess::SaveFile::commit()
{
    if (!m_file)
        throw Error(m_failure);
    // A write cut short leaves no error behind, and QSaveFile::commit() does
    // not look at the error of its own last flush either: without these, bytes
    // that found no room would be lost without a word.
    if (static_cast<WholeWrites &>(*m_writes).failed() || !m_file->flush() ||
        m_file->error() != QFileDevice::NoError)
        fail();
    const bool kept = m_file->commit();
    m_writes.reset();
    m_file.reset();
    if (!kept)
        throw Error(m_failure);
}

void FileAccess::SaveFile::cancel()
{
    if (m_file)
        m_file->cancelWriting();
}

} // namespace tessell
