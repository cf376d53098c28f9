#pragma once

#include <QByteArray>
#include <QString>

namespace tessell {

// The one way the program reads and writes whole files of outside bytes: only
// regular files, never more than a reader can use, and writes that neither
// replace a device or pipe nor leave a half-written file behind.
namespace FileAccess {

// The largest design, arrangement or history file read. A 999 × 999 design of
// one-digit cells takes about 2 MB; twice that leaves room for long palette
// names and cells written with a leading zero.
constexpr qint64 MaxTextBytes = 4 * 1024 * 1024;

// Reads a regular file of at most maxBytes. Anything else (missing, a folder,
// a pipe, a device) throws "ファイル %s は開けません" without waiting on it; a
// larger file throws the too-large message before it is read.
QByteArray read(const QString &path, qint64 maxBytes = MaxTextBytes);

// Writes the bytes through a save file, so a failed write leaves any old file
// as it was. Throws "ファイル %s を作成できません", also when path names
// something that is not a regular file, which is then left alone.
void write(const QString &path, const QByteArray &bytes);

} // namespace FileAccess

} // namespace tessell
