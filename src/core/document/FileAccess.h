#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

namespace tessell {

// The one way the program reads and writes whole files of outside bytes: only
// regular files, never more than a reader can use, and writes that neither
// replace a device or pipe nor leave a half-written file behind.
namespace FileAccess {

// The largest design, arrangement or history file read. A 999 × 999 design of
// one-digit cells takes about 2 MB; twice that leaves room for long palette
// names and cells written with a leading zero.
constexpr qint64 MaxTextBytes = 4 * 1024 * 1024;

// Opens a regular file of at most maxBytes for reading, once, for readers that
// take it in pieces; throws as read() does.
std::unique_ptr<QFile> open(const QString &path, qint64 maxBytes);

// Reads a regular file of at most maxBytes. Anything else (missing, a folder,
// a pipe, a device) throws "ファイル %s は開けません" without waiting on it; a
// larger file throws the too-large message before it is read.
QByteArray read(const QString &path, qint64 maxBytes = MaxTextBytes);

// Writes the bytes through a save file, so a failed write leaves any old file
// as it was. Throws "ファイル %s を作成できません", also when path names
// something that is not a regular file, which is then left alone.
void write(const QString &path, const QByteArray &bytes);

// A file written in pieces (a PDF, a picture) under a temporary name beside
// it. commit() puts it in place only when every byte reached the file, the
// last buffered ones included, so a disk that fills up leaves any old file
// byte for byte and no temporary file. A path that names something else than
// a regular file is refused and left alone. Failures throw failure, by default
// "ファイル %s を作成できません".
class SaveFile {
public:
    explicit SaveFile(const QString &path, const QString &failure = {});
    ~SaveFile();
    SaveFile(const SaveFile &) = delete;
    SaveFile &operator=(const SaveFile &) = delete;

    QIODevice &device();
    // Throws, with the temporary file removed, when any write failed.
    void commit();
    // Drops what was written; the old file stays.
    void cancel();

private:
    [[noreturn]] void fail();

    QString m_failure;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QIODevice> m_writes; // in front of m_file: every write whole
};

} // namespace FileAccess

} // namespace tessell
