#pragma once

#include "ui/editing/Tool.h"

#include <QRect>

namespace tessell {

class FloatingBlock;

// Drags a rectangle of cells, lifts it into the floating block and moves the
// block by its frame in whole cells. The block is placed by the next tool
// change or the next selection.
class SelectionTool : public Tool {
    Q_OBJECT
public:
    SelectionTool(ToolHost &host, FloatingBlock &block, QObject *parent = nullptr);

    void press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void release(const QPoint &pixel, Qt::MouseButton button) override;
    void paintOverlay(QPainter &painter) override;
    QCursor cursor() const override { return Qt::CrossCursor; }
    void deactivate() override;

    // The selection frame while it is dragged or floats, in cells; empty otherwise.
    QRect frameCells() const;

signals:
    // A block was lifted: cut and copy become available.
    void lifted();
    // The frame changed size or place (the replace dialog follows it).
    void frameChanged();

private:
    void finish(const QPoint &pixel);
    QRect draggedCells() const;

    FloatingBlock &m_block;
    bool m_selecting = false;
    QPoint m_start, m_end;
};

} // namespace tessell
