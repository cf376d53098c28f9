#pragma once

#include <QScrollArea>

namespace tessell {

class PictureView;

// The area between the tool bars and the count bar that shows the picture: in
// its middle when it is smaller, scrolling when it is larger, at the zoom the
// user chose (the picture pixel under the pointer, or the middle, stays put).
class WorkArea : public QScrollArea {
    Q_OBJECT
public:
    explicit WorkArea(QWidget *parent = nullptr);

    // The widget the picture view goes into (its parent).
    QWidget *pictureHolder() const { return widget(); }
    void setPicture(PictureView *picture);

    // The picture at a zoom step; anchor is a point of the viewport (its middle
    // when outside it).
    void zoomPicture(int percent, QPoint anchor = QPoint(-1, -1));
    void zoomBy(int steps);

signals:
    void zoomChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The holder and the scroll bars take the picture's size now, not a few
    // rounds of events later.
    static void settleLayout();

    PictureView *m_picture = nullptr;
};

} // namespace tessell
