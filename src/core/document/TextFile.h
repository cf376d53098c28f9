#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessell {

// Line files in code page 932 (Shift-JIS), the form design, arrangement and
// history files take.
namespace TextFile {
QString decodeCp932(const QByteArray &bytes);
// Characters without a code page 932 form are written as "?".
QByteArray encodeCp932(const QString &text);
// Lines ended by CR LF, a lone CR or a lone LF; a final line end adds no line.
QStringList splitLines(const QString &text);
// Reads all lines; throws "ファイル %s は開けません" when the file cannot be read.
QStringList readLines(const QString &path);
// Writes the lines, each ended by CR LF, through a save file so that a failed
// write leaves any old file intact; throws "ファイル %s を作成できません".
void writeLines(const QString &path, const QStringList &lines);
} // namespace TextFile

} // namespace tessell
