#pragma once

#include "ui/editing/Tool.h"

namespace tessell {

class FloatingBlock;

// The text tool's overlay: the mouse only shows the place, and the rendered
// text moves by dragging its frame.
class TextTool : public Tool {
    Q_OBJECT
public:
    TextTool(ToolHost &host, FloatingBlock &block, QObject *parent = nullptr);

    void press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void release(const QPoint &pixel, Qt::MouseButton button) override;
    void paintOverlay(QPainter &painter) override;
    QCursor cursor() const override { return Qt::ForbiddenCursor; }
    void deactivate() override;

private:
    FloatingBlock &m_block;
};

} // namespace tessell
