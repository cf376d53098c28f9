#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace tessell {

// The picture of the image scan window with its crop outline. Shown at natural
// size or reduced by a scale; the mouse is reported in picture pixels either
// way, so the crop does not depend on how the picture is shown.
class ScanPictureView : public QWidget {
    Q_OBJECT
public:
    explicit ScanPictureView(QWidget *parent = nullptr);

    // An empty image hides the view.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // The converted design shown instead of the picture, one pixel a cell,
    // stretched to size; a null image shows the picture again. The mouse
    // crops nothing meanwhile.
    void setPreview(const QImage &cells, QSize size);
    bool isPreviewShown() const { return !m_preview.isNull(); }
    const QImage &preview() const { return m_preview; }

    // Picture pixels per widget pixel are 1 / scale; 1 is natural size.
    void setScale(double scale);
    double scale() const { return m_scale; }

    // The outline from its corner by a size in picture pixels; the size may be
    // negative while the user drags left or up.
    void setOutline(QPoint corner, QSize size);
    void setOutlineVisible(bool visible);
    bool isOutlineVisible() const { return m_outlineShown; }
    // The outline in widget pixels, normalised.
    QRect outlineOnScreen() const;

    // The picture pixel under a point of the widget (outside the picture too).
    QPoint picturePoint(QPointF widgetPoint) const;

signals:
    void pressed(QPoint picturePoint);
    void moved(QPoint picturePoint);
    void released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitSize();

    QImage m_picture;
    QImage m_preview;
    // The reduced picture, made once for each scale rather than at every paint.
    QImage m_reduced;
    double m_scale = 1.0;
    QPoint m_corner;
    QSize m_size;
    bool m_outlineShown = false;
};

} // namespace tessell
