#include "ui/print/PrintProgress.h"

#include <QLabel>
#include <QProgressBar>

namespace tessell {

PrintProgress::PrintProgress(QWidget *parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("printProgress"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(265, 97);
    m_title = new QLabel(this);
    m_title->setGeometry(16, 12, 233, 18);
    m_page = new QLabel(this);
    m_page->setGeometry(16, 36, 233, 18);
    m_bar = new QProgressBar(this);
    m_bar->setGeometry(16, 62, 233, 18);
    m_bar->setTextVisible(false);
    m_bar->setValue(0);
}

void PrintProgress::start(const QString &title, int pages, const QWidget *over)
{
    m_title->setText(tr("タイトル : %1").arg(title));
    m_page->clear();
    m_bar->setRange(0, qMax(0, pages - 1));
    m_bar->setValue(0);
    if (over)
        move(over->mapToGlobal(over->rect().center()) - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

void PrintProgress::setPage(int k, int pages)
{
    m_page->setText(tr("%1/%2 ページ").arg(k + 1).arg(pages));
    m_bar->setValue(k);
}

void PrintProgress::finish()
{
    m_bar->setValue(0);
    hide();
}

} // namespace tessell
