#pragma once

#include "ui/common/EditOrder.h"

#include <QPoint>
#include <QString>

#include <functional>

namespace tessell {

class Design;

// What a paint tool may ask of the editor. Positions are cells or picture
// pixels, never widget pixels. The picture follows the design by itself:
// an edit through Design::editCells redraws the tiles it changed; the editor
// finishes every edit (EditFinisher).
class ToolHost {
public:
    virtual ~ToolHost() = default;

    virtual Design &design() = 0;
    virtual int currentNumber() const = 0;
    virtual int penWidth() const = 0;

    // Runs change (the cells through Design::editCells), then finishes the
    // edit under name in order: the picture, the counts and the history entry.
    virtual void edit(const QString &name, EditOrder order, const std::function<void()> &change) = 0;
    // Finishes an edit whose cells changed already, as a stroke does.
    virtual void finishEdit(const QString &name, EditOrder order) = 0;
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
