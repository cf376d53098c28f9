#include "ui/print/PrintPreviewPane.h"

#include "ui/common/Icons.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

namespace tessell {

namespace {
// The picture's distance from the preview area's corner.
constexpr int PictureInset = 3;

QPushButton *pageButton(const QString &text, QWidget *parent, const QRect &geometry, const char *name)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    b->setObjectName(QLatin1String(name));
    // Enter in a field must not turn the page.
    b->setAutoDefault(false);
    b->setEnabled(false);
    return b;
}
} // namespace

PrintPreviewPane::PrintPreviewPane(QWidget *parent) : QWidget(parent)
{
    setGeometry(4, 4, 409, 600);
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("previewArea"));
    m_area->setGeometry(0, 0, 409, 577);
    m_area->setWidgetResizable(false);
    m_area->setBackgroundRole(QPalette::Dark);
    // The viewport is not laid out yet: its size is the area's less the frame.
    const int frame = m_area->frameWidth();
    const QSize viewport = m_area->size() - QSize(2 * frame, 2 * frame);
    m_holder = new QWidget;
    m_holder->resize(viewport);
    m_area->setWidget(m_holder);
    m_placeholder = new QLabel(tr("プレビューは作成されていません"), m_holder);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setGeometry(QRect(QPoint(0, 0), viewport));
    m_picture = new QLabel(m_holder);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->move(PictureInset, PictureInset);
    m_picture->setCursor(Icons::lensCursor());
    m_picture->hide();
    m_picture->installEventFilter(this);

    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("200%"), this, &PrintPreviewPane::fullSizeAsked);
    m_menu->addAction(QStringLiteral("100%"), this, &PrintPreviewPane::halfSizeAsked);

    m_previous = pageButton(QStringLiteral("<<"), this, QRect(0, 579, 60, 21), "previousButton");
    m_pageLabel = new QLabel(tr("0 / 0 ページ"), this);
    m_pageLabel->setGeometry(66, 579, 277, 21);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_next = pageButton(QStringLiteral(">>"), this, QRect(349, 579, 60, 21), "nextButton");
    connect(m_previous, &QPushButton::clicked, this, [this] { emit stepAsked(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { emit stepAsked(+1); });
}

void PrintPreviewPane::drawPicture(const QSize &size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    showPicture(image);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    showPicture(image);
}

bool PrintPreviewPane::showsHalfSize() const
{
    return m_picture->width() == HalfSize.width();
}

void PrintPreviewPane::setPageLabel(int k, int pages)
{
    m_pageLabel->setText(tr("%1/%2ページ").arg(k + 1).arg(pages));
}

void PrintPreviewPane::enablePageButtons()
{
    m_previous->setEnabled(true);
    m_next->setEnabled(true);
}

void PrintPreviewPane::showPicture(const QImage &image)
{
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->resize(image.size());
    m_picture->show();
    m_placeholder->hide();
    m_holder->resize(image.width() + 2 * PictureInset, image.height() + 2 * PictureInset);
}

bool PrintPreviewPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_picture->rect().contains(mouse->position().toPoint())) {
                if (showsHalfSize())
                    emit fullSizeAsked();
                else
                    emit halfSizeAsked();
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu) {
            m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessell
