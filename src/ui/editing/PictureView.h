#pragma once

#include "ui/editing/Tool.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tessell {

// Shows the picture image at a zoom and hands the mouse to the active tool in
// picture pixels: the zoom is this view's mapping only, no tool knows of it.
// A picture pixel always covers a whole number of device pixels, so the
// picture stays sharp on screens with a fractional scale.
class PictureView : public QWidget {
    Q_OBJECT
public:
    // The zoom steps, in percent.
    static constexpr int ZoomSteps[] = {100, 200, 300, 400, 600, 800};

    explicit PictureView(QWidget *parent = nullptr);

    // The whole picture, every part drawn; call imageChanged() or
    // updatePicture() after drawing into it.
    const QImage &image() const;
    QImage &image();
    // The image as it stands, parts perhaps not drawn yet: for the one who draws it.
    QImage &canvas() { return m_image; }
    // Draws the parts of the given picture pixels not drawn yet. The view calls
    // it for what it is about to show, image() for the whole picture, so a
    // large picture is drawn only where it is seen.
    void setPendingDrawer(std::function<void(const QRect &pixels)> drawer) { m_drawPending = std::move(drawer); }
    // The image was redrawn, perhaps at another size.
    void imageChanged();
    // Repaints the part of the widget that shows these picture pixels.
    void updatePicture(const QRect &pixels);

    Tool *tool() const { return m_tool; }
    void setTool(Tool *tool);

    int zoom() const { return m_zoom; }
    // One of ZoomSteps (another value is taken to the nearest step).
    void setZoom(int percent);
    // The step steps up (+1) or down (-1) from the current one, kept within the steps.
    static int steppedZoom(int percent, int steps);

    // Widget pixels per picture pixel.
    qreal scale() const;
    QPoint toPicture(const QPoint &widgetPos) const;
    QPoint toWidget(const QPoint &picturePixel) const;

signals:
    // Ctrl + wheel over the picture: steps up (+) or down (-), at a widget position.
    void zoomRequested(int steps, const QPoint &widgetPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void fitSize();

    QImage m_image;
    std::function<void(const QRect &)> m_drawPending;
    QPointer<Tool> m_tool;
    int m_zoom = 100;
};

} // namespace tessell
