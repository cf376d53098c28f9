#pragma once

#include "ui/editing/Tool.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace tessell {

// Shows the picture image 1:1 and hands the mouse to the active tool in
// picture pixels. The widget is exactly the picture's size, so a widget
// position is a picture pixel; a zoom would change only the mapping here.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    // The shown picture, for drawing into it; call imageChanged() or update() after.
    QImage &image() { return m_image; }
    // The image was redrawn, perhaps at another size.
    void imageChanged();

    Tool *tool() const { return m_tool; }
    void setTool(Tool *tool);

    QPoint toPicture(const QPoint &widgetPos) const { return widgetPos; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QPointer<Tool> m_tool;
};

} // namespace tessell
