#pragma once

#include "core/editing/CellRaster.h"
#include "ui/editing/Tool.h"

namespace tessell {

// Line, rectangle or ellipse from the press to the release cell, with a rubber
// band drawn by an inverting pen as thick as the cells it will paint.
class ShapeTool : public Tool {
    Q_OBJECT
public:
    ShapeTool(ToolHost &host, ShapeKind kind, QObject *parent = nullptr);

    ShapeKind kind() const { return m_kind; }

    void press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void release(const QPoint &pixel, Qt::MouseButton button) override;
    void paintOverlay(QPainter &painter) override;
    bool usesWidth() const override { return true; }
    void deactivate() override { m_dragging = false; }

    static QString historyName(ShapeKind kind);

private:
    void takeEnd(const QPoint &pixel);

    ShapeKind m_kind;
    QPoint m_start, m_end; // picture pixels
};

} // namespace tessell
