#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

namespace tessell {

class CustomLRPanel;
class LRGridPanel;

// Sheet sizes; anything but psNone fixes the report's size.
enum PaperSize { psNone, psA4, psB4, psB5, psA3, psA5 };
enum Orientation { poPortrait, poLandscape };
// Docking inside the container's free area. laNone leaves the element where it
// was put (items and sub panels start so).
enum LRAlign { laNone, laTop, laLeft, laRight, laBottom, laClient };
// Frame line styles: lsDouble is one line twice as heavy as lsSingle, not two.
// lsThick marks a border heavier still (the block's edges beside neighbour columns).
enum LineStyle { lsNone, lsSingle, lsHalf, lsDouble, lsThick };
enum TextAlignment { taLeftJustify, taRightJustify, taCenter };
enum TextLayout { tlTop, tlCenter, tlBottom };
// pdVert visits column by column; pdHorz and pdHolz row by row.
enum PrintDirection { pdHorz, pdVert, pdHolz };
enum PrintStatus { stPrint = 0, stLinesOnly = 1, stSkip = 2 };

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
