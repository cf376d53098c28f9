#pragma once

#include "core/document/Design.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace tessell {

// Line files in code page 932 (Shift-JIS), the form design, arrangement and
// history files take.
namespace TextFile {
// No reader uses more lines: the header, sixteen palette lines and the rows.
constexpr qsizetype MaxLines = 17 + Design::MaxSize;

// Bytes that are not code page 932 become "?", which is neither a blank nor a
// separator of a comma list, so a name holding one stays whole.
QString decodeCp932(QByteArrayView bytes);
// Characters without a code page 932 form are written as "?".
QByteArray encodeCp932(const QString &text);
// Lines ended by CR LF, a lone CR or a lone LF; a final line end adds no line.
// Lines past maxLines (when not negative) are dropped.
QStringList splitLines(const QString &text, qsizetype maxLines = -1);
// splitLines(decodeCp932(bytes), maxLines), decoded a line at a time.
QStringList decodeLines(QByteArrayView bytes, qsizetype maxLines = -1);
// The same lines, undecoded, one call each: readers that take ASCII lines
// straight from the bytes.
void forEachLine(QByteArrayView bytes, qsizetype maxLines, const std::function<void(QByteArrayView line)> &take);
// Reads the first MaxLines lines of a regular file of at most
// FileAccess::MaxTextBytes; throws "ファイル %s は開けません" or the too-large
// message otherwise.
QStringList readLines(const QString &path);
// Writes the lines, each ended by CR LF, through FileAccess::write; throws
// "ファイル %s を作成できません".
void writeLines(const QString &path, const QStringList &lines);
} // namespace TextFile

} // namespace tessell
