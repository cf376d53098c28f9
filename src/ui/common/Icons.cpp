#include "ui/common/Icons.h"

#include "core/shell/ProgramIcon.h"
#include "ui/common/AppFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessell {

namespace {
constexpr int S = 16;
// The light rim around dark strokes, so they read on dark palettes too.
const QColor kRim(255, 255, 255, 215);

QPixmap blank(int size = S)
{
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    return p;
}

QPen pen(const QColor &c, qreal w = 1.0)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter &p, const QColor &fill = Qt::white)
{
    p.setPen(pen(QColor(60, 60, 60)));
    p.setBrush(fill);
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.drawPath(path);
}

void arrow(QPainter &p, bool left)
{
    p.setPen(pen(QColor(30, 80, 170), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    if (left) {
        path.moveTo(12, 12);
        path.cubicTo(14, 5, 8, 3, 4, 7);
        p.drawPath(path);
        p.drawLine(QPointF(4, 7), QPointF(4, 3));
        p.drawLine(QPointF(4, 7), QPointF(8, 7.5));
    } else {
        path.moveTo(4, 12);
        path.cubicTo(2, 5, 8, 3, 12, 7);
        p.drawPath(path);
        p.drawLine(QPointF(12, 7), QPointF(12, 3));
        p.drawLine(QPointF(12, 7), QPointF(8, 7.5));
    }
}

void tiles(QPainter &p)
{
    const QColor colours[] = {QColor(220, 60, 60), QColor(60, 160, 60), QColor(60, 90, 200),
                              QColor(230, 190, 40)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(2 + (i % 2) * 6, 2 + (i / 2) * 6, 5, 5, colours[i]);
}

void pencil(QPainter &p)
{
    p.setPen(pen(QColor(40, 40, 40)));
    p.setBrush(QColor(240, 200, 60));
    QPolygonF body;
    body << QPointF(11, 1.5) << QPointF(14.5, 5) << QPointF(5, 14.5) << QPointF(1.5, 14.5)
         << QPointF(1.5, 11);
    p.drawPolygon(body);
    p.drawLine(QPointF(1.5, 11), QPointF(5, 14.5));
}

void bucket(QPainter &p)
{
    p.setPen(pen(QColor(40, 40, 40)));
    p.setBrush(QColor(190, 190, 200));
    QPolygonF b;
    b << QPointF(2, 7) << QPointF(8, 1) << QPointF(14, 7) << QPointF(8, 13);
    p.drawPolygon(b);
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QPointF(12.5, 12.5), 2, 2.5);
}
} // namespace

QIcon Icons::command(Command which)
{
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Command::New:
        page(p);
        break;
    case Command::Open:
        p.setPen(pen(QColor(120, 90, 20)));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        break;
    case Command::Save:
        p.setPen(pen(QColor(20, 40, 100)));
        p.setBrush(QColor(60, 90, 180));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.fillRect(QRectF(4, 10, 8, 4), QColor(200, 200, 200));
        break;
    case Command::Print:
        p.setPen(pen(QColor(50, 50, 50)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case Command::Paste:
        p.setPen(pen(QColor(90, 60, 20)));
        p.setBrush(QColor(200, 150, 80));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 6.5, 8, 8));
        break;
    case Command::Copy:
        p.setPen(pen(QColor(60, 60, 60)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 8, 9));
        p.drawRect(QRectF(6.5, 5.5, 8, 9));
        break;
    case Command::Cut:
        p.setPen(pen(QColor(60, 60, 60), 1.5));
        p.drawLine(QPointF(4, 1), QPointF(11, 10));
        p.drawLine(QPointF(12, 1), QPointF(5, 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
        break;
    case Command::Undo:
        arrow(p, true);
        break;
    case Command::Redo:
        arrow(p, false);
        break;
    case Command::SwitchView:
        tiles(p);
        p.setPen(pen(Qt::black));
        p.setFont(QFont(QStringLiteral("IPAGothic"), 6));
        break;
    case Command::Refresh:
        p.setPen(pen(QColor(20, 130, 60), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 300 * 16);
        p.drawLine(QPointF(13, 2), QPointF(13, 6));
        p.drawLine(QPointF(13, 6), QPointF(9, 6));
        break;
    case Command::PictureCheck:
        tiles(p);
        p.setPen(pen(QColor(30, 30, 30), 1.5));
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(QPointF(7, 7), 4.5, 4.5);
        p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 14.5));
        break;
    case Command::Close:
        p.setPen(pen(QColor(170, 40, 40), 2.5));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    }
    return QIcon(pm);
}

QIcon Icons::tool(int kind)
{
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(30, 30, 30);
    // A dark line inside a light rim reads on light and dark palettes alike.
    const auto outlined = [&](const QPainterPath &path, Qt::PenStyle style = Qt::SolidLine) {
        p.strokePath(path, pen(kRim, 3));
        QPen line = pen(ink);
        line.setStyle(style);
        p.strokePath(path, line);
    };
    QPainterPath path;
    switch (kind) {
    case 0:
        path.addRect(QRectF(2.5, 2.5, 11, 11));
        outlined(path, Qt::DashLine);
        break;
    case 1:
        pencil(p);
        break;
    case 2:
        bucket(p);
        break;
    case 3:
        path.moveTo(2, 14);
        path.lineTo(14, 2);
        outlined(path);
        break;
    case 4:
        path.addRect(QRectF(2.5, 3.5, 11, 9));
        outlined(path);
        break;
    case 5:
        path.addEllipse(QRectF(1.5, 3.5, 13, 9));
        outlined(path);
        break;
    case 6: {
        const QFont font = AppFonts::ui(14, true);
        const QFontMetricsF metrics(font);
        const QString letter = QStringLiteral("A");
        path.addText(QPointF((S - metrics.horizontalAdvance(letter)) / 2, (S + metrics.capHeight()) / 2),
                     font, letter);
        p.strokePath(path, pen(kRim, 2.5));
        p.fillPath(path, ink);
        break;
    }
    default:
        break;
    }
    return QIcon(pm);
}

QIcon Icons::penWidth(int width)
{
    QPixmap pm = blank();
    QPainter p(&pm);
    const QRect bar(1, 8 - width, 14, 2 * width - 1);
    p.fillRect(bar.adjusted(-1, -1, 1, 1), kRim);
    p.fillRect(bar, Qt::black);
    return QIcon(pm);
}

QCursor Icons::penCursor()
{
    QPixmap pm = blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0, 16);
    pencil(p);
    p.end();
    // The tip of the pencil is the hot spot.
    return QCursor(pm, 1, 31);
}

QCursor Icons::bucketCursor()
{
    QPixmap pm = blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    bucket(p);
    p.end();
    return QCursor(pm, 13, 15);
}

QCursor Icons::lensCursor()
{
    QPixmap pm = blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A white rim keeps the lens visible over black print.
    p.setPen(pen(Qt::white, 6));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.setPen(pen(Qt::black, 4));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.setPen(pen(Qt::white, 4));
    p.setBrush(QColor(200, 230, 255, 120));
    p.drawEllipse(QPointF(11, 11), 8, 8);
    p.setPen(pen(Qt::black, 2));
    p.drawEllipse(QPointF(11, 11), 8, 8);
    p.end();
    // The middle of the lens is the hot spot.
    return QCursor(pm, 11, 11);
}

QIcon Icons::program()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIcon(size)));
    return icon;
}

} // namespace tessell
