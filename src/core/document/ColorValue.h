#pragma once

#include <QRgb>
#include <QString>

namespace tessell {

// Colour values of tile texts: one of twenty identifiers, or "$" and eight hex
// digits of 0x00BBGGRR.
namespace ColorValue {
QString toText(QRgb colour);
// Throws Error("'%s' は整数ではありません") for a text that is neither.
QRgb fromText(const QString &text);
} // namespace ColorValue

} // namespace tessell
