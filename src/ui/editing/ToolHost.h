#pragma once

#include <QPoint>
#include <QString>

namespace tessell {

class Design;

// What a paint tool may ask of the editor. Positions are cells or picture
// pixels, never widget pixels. The picture follows the design by itself:
// an edit through Design::editCells redraws the tiles it changed.
class ToolHost {
public:
    virtual ~ToolHost() = default;

    virtual Design &design() = 0;
    virtual int currentNumber() const = 0;
    virtual int penWidth() const = 0;

    // Cell check, full redraw and recount; false when a cell was invalid.
    virtual bool refreshPicture() = 0;
    virtual void makeLog(const QString &name) = 0;
    virtual void reCount() = 0;
    // Places a floating block into the design (recorded in the history); nothing
    // when none floats.
    virtual void placeBlock() = 0;
    // The place indicator: full form with the cell's content, or short form.
    virtual void showPlace(const QPoint &cell, bool full) = 0;
    // Lets pending window events run once, so a change shows at once.
    virtual void processEvents() = 0;
    // Repaints the picture with the active tool's overlay (rubber band, frames).
    virtual void updateOverlay() = 0;
};

} // namespace tessell
