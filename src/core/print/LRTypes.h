#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

namespace tessell {

class CustomLRPanel;
class LRGridPanel;

// Each enumeration is scoped; a comment gives the product's spelling of its values.

// Sheet sizes; anything but None fixes the report's size.
// The product's psNone, psA4, psB4, psB5, psA3, psA5.
enum class PaperSize { None, A4, B4, B5, A3, A5 };
// The product's poPortrait, poLandscape.
enum class Orientation { Portrait, Landscape };
// Docking inside the container's free area. None leaves the element where it
// was put (items and sub panels start so).
// The product's laTop, laLeft, laRight, laBottom, laClient; None is ours.
enum class LRAlign { None, Top, Left, Right, Bottom, Client };
// Frame line styles: Double is one line twice as heavy as Single, not two.
// Thick marks a border heavier still (the block's edges beside neighbour columns).
// The product's lsNone, lsSingle, lsHalf, lsDouble; Thick is ours.
enum class LineStyle { None, Single, Half, Double, Thick };
// The product's taLeftJustify, taRightJustify, taCenter.
enum class TextAlignment { LeftJustify, RightJustify, Center };
// The product's tlTop, tlCenter, tlBottom.
enum class TextLayout { Top, Center, Bottom };
// Vert visits column by column; Horz and Holz row by row.
// The product's pdHorz, pdVert, pdHolz.
enum class PrintDirection { Horz, Vert, Holz };
// The product's stPrint, stLinesOnly, stSkip.
enum class PrintStatus { Print, LinesOnly, Skip };

// A font as the page describes it: the height is the character height in page
// units, so the text keeps its physical size at any scale.
struct LRFont {
    QString family;
    int height = 12;
    bool bold = false;
    QColor color = Qt::black;

    bool operator==(const LRFont &other) const = default;
};

// Rectangles are in page units, already placed on the page.
using BeforePrintEvent = std::function<void(CustomLRPanel &sender, const QRect &rect, PrintStatus &status)>;
using PrintPanelEvent =
    std::function<void(LRGridPanel &sender, int col, int row, const QRect &rect, PrintStatus &status)>;
using NotifyEvent = std::function<void(CustomLRPanel &sender)>;

} // namespace tessell
