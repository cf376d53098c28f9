#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>

class QPainter;

namespace tessell {

class ToolHost;

// A paint tool: a small state machine fed with picture-pixel positions. One
// finished gesture records exactly one history entry through the host.
class Tool : public QObject {
    Q_OBJECT
public:
    explicit Tool(ToolHost &host, QObject *parent = nullptr) : QObject(parent), m_host(host) {}
    ~Tool() override = default;

    virtual void press(const QPoint &pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        Q_UNUSED(pixel) Q_UNUSED(button) Q_UNUSED(modifiers)
    }
    virtual void move(const QPoint &pixel, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
    {
        Q_UNUSED(pixel) Q_UNUSED(buttons) Q_UNUSED(modifiers)
    }
    virtual void release(const QPoint &pixel, Qt::MouseButton button)
    {
        Q_UNUSED(pixel) Q_UNUSED(button)
    }
    // Drawn over the picture after every repaint (rubber bands, frames); the
    // picture image itself is never touched by it.
    virtual void paintOverlay(QPainter &painter) { Q_UNUSED(painter) }
    virtual QCursor cursor() const { return Qt::CrossCursor; }
    // Whether the pen width button is enabled while this tool is active.
    virtual bool usesWidth() const { return false; }
    virtual void activate() {}
    // Leaves the tool; a gesture in progress is dropped.
    virtual void deactivate() {}

protected:
    ToolHost &host() { return m_host; }
    // Shows the cell under the pointer in the place indicator; false when the
    // pointer is off the picture.
    bool showPlaceAt(const QPoint &pixel);
    // The remembered pointer: each axis follows the pointer while it lies over
    // the picture, so a release outside acts on the last cell passed. Answers
    // that cell (kept inside a design made smaller since).
    QPoint rememberPointer(const QPoint &pixel);
    QPoint rememberedCell() const { return m_rememberedCell; }

    bool m_dragging = false;

private:
    ToolHost &m_host;
    QPoint m_pointer; // picture pixels
    QPoint m_rememberedCell;
};

} // namespace tessell
