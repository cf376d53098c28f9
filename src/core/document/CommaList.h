#pragma once

#include <QString>
#include <QStringList>

namespace tessell {

// The one text convention for a line of items: items joined by commas, an item
// holding a blank, control character, quote or comma quoted with inner quotes
// doubled; on reading, blanks end an unquoted item as commas do.
namespace CommaList {
QString join(const QStringList &items);
// At most maxItems items when it is not negative; the rest of the line is not read.
QStringList split(const QString &line, qsizetype maxItems = -1);
} // namespace CommaList

// Whole numbers as the files write them: decimal, or "$"/"0x" with hex digits,
// with an optional sign. Returns false for anything else or out of 32-bit range.
bool parseInteger(const QString &text, qint64 *value);

} // namespace tessell
