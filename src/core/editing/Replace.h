#pragma once

#include "core/document/CellGrid.h"

#include <QRect>
#include <QString>

namespace tessell {

// The replace command: one number by another ("⇒") or two numbers exchanged ("⇔").
namespace Replace {
enum class Direction { OneWay, Exchange };

// Every occurrence of the digit of from in a cell's text becomes the digit of
// to; with Exchange the two digits also swap back. Case-sensitive, so only
// upper-case digits match. range is clipped to the grid; a null range means
// the whole design. Answers how many cells changed.
int replaceNumbers(CellGrid &grid, int from, int to, Direction direction, const QRect &range = QRect());

// The range fields as typed (1-based, both ends included), checked in the
// order the user reads them; answers the 0-based cell range or throws Error
// with the message for the first failure.
QRect checkRange(const QString &columnFrom, const QString &columnTo, const QString &rowFrom,
                 const QString &rowTo, int columns, int rows);
} // namespace Replace

} // namespace tessell
