#pragma once

#include "ui/editing/Tool.h"

namespace tessell {

// Fills the four-way connected area of the remembered cell's number with the
// current number. The remembered cell follows the pointer per axis while it is
// over the picture, so a release outside fills from the last cell passed.
class BucketTool : public Tool {
    Q_OBJECT
public:
    using Tool::Tool;

    void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void release(const QPoint &pixel, Qt::MouseButton button) override;
    QCursor cursor() const override;
};

} // namespace tessell
