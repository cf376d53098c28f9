#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QPainter;
class QPushButton;
class QScrollArea;

namespace tessell {

// The print dialog's left side: the scrolling picture of one page (half or
// full size, "プレビューは作成されていません" until one is drawn), its menu
// "200%" / "100%", and "<<", "k/Nページ", ">>" below it. It only shows; the
// dialog decides what is drawn.
class PrintPreviewPane : public QWidget {
    Q_OBJECT
public:
    // The half-size picture; the page is reduced to 397 x 561 in it.
    static constexpr QSize HalfSize{397, 562};
    static constexpr QSize FullSize{794, 1123};

    explicit PrintPreviewPane(QWidget *parent);

    // A white picture of that size shown, drawn on, and shown again: a page
    // that cannot be drawn leaves the picture blank.
    void drawPicture(const QSize &size, const std::function<void(QPainter &)> &draw);
    bool showsHalfSize() const;
    // "k/Nページ", k counted from 1.
    void setPageLabel(int k, int pages);
    // The page buttons answer from the first preview on.
    void enablePageButtons();

    QScrollArea *area() const { return m_area; }
    QLabel *picture() const { return m_picture; }
    QLabel *placeholder() const { return m_placeholder; }
    QMenu *menu() const { return m_menu; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextButton() const { return m_next; }
    QLabel *pageLabel() const { return m_pageLabel; }

signals:
    // "<<" (-1) and ">>" (+1).
    void stepAsked(int step);
    // "200%" and "100%", from the menu or a click on the picture.
    void fullSizeAsked();
    void halfSizeAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture(const QImage &image);

    QScrollArea *m_area = nullptr;
    QWidget *m_holder = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_placeholder = nullptr;
    QMenu *m_menu = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_pageLabel = nullptr;
};

} // namespace tessell
