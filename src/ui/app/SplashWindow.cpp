#include "ui/app/SplashWindow.h"

#include "ui/common/AppFonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace tessell {

SplashWindow::SplashWindow(int delayMs, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_delay(delayMs)
{
    setFixedSize(400, 240);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void SplashWindow::start()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    show();
    QTimer::singleShot(m_delay, this, [this] {
        close();
        emit finished();
    });
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A small mosaic of tiles behind the name.
    const QColor colours[] = {QColor(0x2e, 0x5c, 0x8a), QColor(0x3a, 0x6e, 0xa5), QColor(0x54, 0x8c, 0xc0),
                              QColor(0x7c, 0xa8, 0xd4), QColor(0xe0, 0xb0, 0x40), QColor(0xc0, 0x50, 0x40)};
    for (int y = 0; y < height(); y += 12)
        for (int x = 0; x < width(); x += 14)
            p.fillRect(x, y, 13, 11, colours[(x / 14 * 7 + y / 12 * 3 + (x * y) % 5) % 4]);
    p.fillRect(QRect(30, 70, 340, 100), QColor(255, 255, 255, 230));
    p.setFont(AppFonts::ui(44, true));
    p.setPen(QColor(0x2e, 0x5c, 0x8a));
    p.drawText(QRect(30, 72, 340, 60), Qt::AlignCenter, QStringLiteral("Tessell"));
    p.setFont(AppFonts::ui(13));
    p.setPen(Qt::black);
    p.drawText(QRect(30, 130, 340, 30), Qt::AlignCenter,
               QStringLiteral("Version %1").arg(QCoreApplication::applicationVersion().isEmpty()
                                                     ? QStringLiteral("0.1")
                                                     : QCoreApplication::applicationVersion()));
    p.setPen(QColor(0x2e, 0x5c, 0x8a));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tessell
