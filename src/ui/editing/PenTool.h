#pragma once

#include "ui/editing/Tool.h"

namespace tessell {

// The default tool: stamps a width x width square of the current number,
// growing right and down from the cell under the pointer, drawing only the
// stamped tiles. Release records "ペンツール" and recounts.
class PenTool : public Tool {
    Q_OBJECT
public:
    using Tool::Tool;

    void press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void release(const QPoint &pixel, Qt::MouseButton button) override;
    QCursor cursor() const override;
    bool usesWidth() const override { return true; }
    void deactivate() override { m_dragging = false; }

private:
    void stamp(const QPoint &pixel);
};

} // namespace tessell
