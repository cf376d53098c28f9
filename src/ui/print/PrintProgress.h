#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;

namespace tessell {

// The small window that floats over the print dialog while pages are sent:
// "タイトル : " and the title, "k/N ページ", and a bar from 0 to N - 1.
class PrintProgress : public QFrame {
    Q_OBJECT
public:
    explicit PrintProgress(QWidget *parent);

    // Shows the window centred on `over` for a run of `pages` pages.
    void start(const QString &title, int pages, const QWidget *over);
    // Before page k (0-based) is sent.
    void setPage(int k, int pages);
    // The bar back at 0 and the window hidden, however the run ended.
    void finish();

    QLabel *titleLabel() const { return m_title; }
    QLabel *pageLabel() const { return m_page; }
    QProgressBar *bar() const { return m_bar; }

private:
    QLabel *m_title;
    QLabel *m_page;
    QProgressBar *m_bar;
};

} // namespace tessell
