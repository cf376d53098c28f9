#include "ui/shell/PictureCheckWindow.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/render/TileRenderer.h"
#include "core/scan/PictureIntegrity.h"
#include "ui/common/CommandHost.h"
#include "ui/common/Icons.h"
#include "ui/common/SaveTarget.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessell {

namespace {
constexpr int PngFilter = 1;
} // namespace

PictureCheckWindow::PictureCheckWindow(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_host(host)
{
    setWindowTitle(tr("画像確認"));
    setModal(true);

    m_save = new QAction(Icons::command(Icons::Command::Save), tr("保存(&A)"), this);
    m_save->setToolTip(tr("保存"));
    m_close = new QAction(Icons::command(Icons::Command::Close), tr("閉じる(&C)"), this);
    m_close->setToolTip(tr("閉じる"));
    connect(m_save, &QAction::triggered, this, &PictureCheckWindow::save);
    connect(m_close, &QAction::triggered, this, &QDialog::reject);

    // The flat tool bar keeps the ordinary colours over the black screen.
    auto *bar = new QToolBar(this);
    bar->setMovable(false);
    bar->setAutoFillBackground(true);
    bar->setIconSize(QSize(16, 16));
    m_saveButton = toolButton(m_save, QStringLiteral("saveButton"));
    m_closeButton = toolButton(m_close, QStringLiteral("closeButton"));
    bar->addWidget(m_saveButton);
    bar->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);

    m_menu = new QMenu(this);
    m_menu->addAction(m_save);
    m_menu->addSeparator();
    m_menu->addAction(m_close);

    buildPicture();

    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    setWindowState(Qt::WindowFullScreen);
}

QToolButton *PictureCheckWindow::toolButton(QAction *action, const QString &name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFixedSize(39, 38);
    return button;
}

void PictureCheckWindow::buildPicture()
{
    const Design &design = m_host.design();
    const int rows = qMax(1, design.rows());
    m_host.setStatus(tr("プレビュー準備中"));
    m_host.setProgress(0, rows);
    // The status shows before the work starts; clicks wait until the window is up.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_picture = TileRenderer(design.palette()).renderTiles(design.grid(), [this, rows](int done, int) {
        m_host.setProgress(done, rows);
    });
    m_host.setStatus(texts::ready());
    m_host.setProgress(0, rows);
}

QPoint PictureCheckWindow::pictureOrigin() const
{
    // Whole-number halves rounded toward zero, as for a picture that fits.
    return QPoint((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
}

void PictureCheckWindow::save()
{
    const QList<Prompter::Filter> filters = {
        {tr("ビットマップ (*.bmp)"), {QStringLiteral("*.bmp")}},
        {tr("PNG (*.png)"), {QStringLiteral("*.png")}},
        {tr("すべてのファイル (*.*)"), {QStringLiteral("*.*")}},
    };
    const std::optional<SaveTarget> target =
        chooseSaveTarget(m_host.prompter(), this, tr("画像の保存"), filters, QStringLiteral("bmp"));
    if (!target)
        return;
    // A bitmap whatever the name says; PNG only when asked for by its filter.
    const char *format = target->filter == PngFilter ? "PNG" : "BMP";
    m_host.run([&] { PictureIntegrity::writePicture(m_picture, target->path, format); }, this);
}

void PictureCheckWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(pictureOrigin(), m_picture);
}

void PictureCheckWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QDialog::mousePressEvent(event);
}

void PictureCheckWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && std::exchange(m_leftPressed, false)) {
        reject();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void PictureCheckWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
    // A left click that only put the menu away does not close the window.
    m_leftPressed = false;
}

} // namespace tessell
