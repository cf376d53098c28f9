#pragma once

#include <QFont>

namespace tessell {

// The Japanese Windows font names the windows ask for resolve to the IPA fonts.
namespace AppFonts {
void install();

// The proportional face of the windows ("ＭＳ Ｐゴシック"), in pixels.
QFont ui(int pixelSize, bool bold = false);
// The same face in points, for pictures drawn at a fixed size.
QFont uiPoints(int pointSize);
// The fixed-pitch face of the text tool ("ＭＳ ゴシック"), in points.
QFont fixed(int pointSize);
// The preview digit's face ("FixedSys"), in pixels.
QFont digit(int pixelSize, bool bold);
// The font under the family this system really has for font's (a Windows
// name resolves to its stand-in), so that a font dialog can show it.
QFont standIn(const QFont &font);
} // namespace AppFonts

} // namespace tessell
