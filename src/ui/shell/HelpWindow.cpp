#include "ui/shell/HelpWindow.h"

#include "core/Error.h"
#include "ui/common/HelpPages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessell {

HelpWindow::HelpWindow(QWidget *home) : QWidget(home, Qt::Window), m_home(home)
{
    setWindowTitle(tr("Tessell ヘルプ"));
    resize(800, 580);

    m_back = new QPushButton(tr("← 戻る"), this);
    m_forward = new QPushButton(tr("進む →"), this);
    auto *contentsButton = new QPushButton(tr("目次"), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(contentsButton);
    buttons->addStretch(1);

    m_contents = new QListWidget(this);
    QFont listFont = m_contents->font();
    listFont.setPixelSize(13);
    m_contents->setFont(listFont);
    m_contents->setSpacing(2);
    for (const HelpPages::Page &page : HelpPages::pages()) {
        auto *item = new QListWidgetItem(page.title, m_contents);
        item->setData(Qt::UserRole, page.file);
    }
    m_browser = new QTextBrowser(this);
    // Links go through followLink, so a missing page is reported, not shown blank.
    m_browser->setOpenLinks(false);
    QFont text = m_browser->font();
    text.setPixelSize(14);
    m_browser->document()->setDefaultFont(text);
    m_browser->document()->setDocumentMargin(12);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, 610});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
    connect(contentsButton, &QPushButton::clicked, this,
            [this] { followLink(QUrl(HelpPages::fileForTopic(HelpPages::Contents))); });
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            followLink(QUrl(item->data(Qt::UserRole).toString()));
    });
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showTopic(int topic, QWidget *from)
{
    showPage(HelpPages::fileForTopic(topic), from);
}

void HelpWindow::showPage(const QString &page, QWidget *from)
{
    const QUrl url = HelpPages::resolve(page);
    attachTo(from);
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

void HelpWindow::followLink(const QUrl &url)
{
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QUrl target = m_browser->source().isEmpty() ? url : m_browser->source().resolved(url);
    QString page = target.path();
    if (page.startsWith(QLatin1String("/help/")))
        page = page.mid(6);
    if (target.hasFragment())
        page += QLatin1Char('#') + target.fragment();
    try {
        m_browser->setSource(HelpPages::resolve(page));
    } catch (const Error &e) {
        emit failed(e.text());
    }
}

void HelpWindow::pageShown(const QUrl &url)
{
    const QSignalBlocker blocker(m_contents);
    for (int row = 0; row < m_contents->count(); ++row)
        if (m_contents->item(row)->data(Qt::UserRole).toString() == url.fileName())
            m_contents->setCurrentRow(row);
}

void HelpWindow::attachTo(QWidget *from)
{
    QWidget *owner = from ? from->window() : QApplication::activeModalWidget();
    if (owner == this)
        return;
    // A modal window blocks every window but its own children.
    setOwner(owner && owner->isModal() ? owner : m_home.data());
}

void HelpWindow::setOwner(QWidget *owner)
{
    if (owner == parentWidget())
        return;
    if (m_modalOwner)
        m_modalOwner->removeEventFilter(this);
    m_modalOwner = owner != m_home ? owner : nullptr;
    if (m_modalOwner)
        m_modalOwner->installEventFilter(this);
    const bool wasVisible = isVisible();
    const QRect place = geometry();
    setParent(owner, Qt::Window);
    if (wasVisible) {
        setGeometry(place);
        show();
    }
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The modal window closes: come back to the main window and stay open.
    if (watched == m_modalOwner && event->type() == QEvent::Hide && !event->spontaneous())
        setOwner(m_home);
    return QWidget::eventFilter(watched, event);
}

} // namespace tessell
