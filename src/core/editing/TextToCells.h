#pragma once

#include "core/editing/BlockText.h"

#include <QFont>
#include <QString>

namespace tessell {

// The text tool's rendering: every glyph pixel becomes one cell.
namespace TextToCells {
// Renders text in font's typeface and style at a line height of height pixels
// (ascent plus descent, internal leading included), unsmoothed, and answers a
// block height cells high and (text advance + 1) cells wide holding number's
// digit for ink and -1 elsewhere. Empty text gives a block one cell wide, all
// transparent; a height below 1 gives an empty block.
BlockText enterWord(const QString &text, const QFont &font, int height, int number);
// The font enterWord draws with: font's face, unsmoothed, at the largest pixel
// size whose line height does not exceed height.
QFont cellFont(const QFont &font, int height);
} // namespace TextToCells

} // namespace tessell
