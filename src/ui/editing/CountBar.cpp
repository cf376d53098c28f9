#include "ui/editing/CountBar.h"

#include "ui/common/AppFonts.h"
#include "core/document/CellGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace tessell {

namespace {
QFont countFont(bool bold)
{
    // Small enough for "16000枚" to fit right of the digit.
    return AppFonts::ui(bold ? 10 : 9, bold);
}
} // namespace

CountBar::CountBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("countBar"));
    // Display only: no hover, no press.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int n = 0; n < 16; ++n) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("CountBar%1").arg(n));
        b->setCheckable(true);
        b->setFixedSize(56, 20);
        b->setIconSize(QSize(49, 14));
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
        m_buttons[n] = b;
    }
    layout->addStretch();
    auto *logo = new QLabel(QStringLiteral("Tessell"), this);
    QFont lf = AppFonts::ui(14, true);
    lf.setItalic(true);
    logo->setFont(lf);
    logo->setStyleSheet(QStringLiteral("color: #3a6ea5"));
    layout->addWidget(logo);
    setFixedHeight(24);
    setCounts(m_counts);
    setCurrent(0);
}

QImage CountBar::countImage(int number, int count)
{
    QImage img(49, 14, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setFont(countFont(true));
    const QString digit = CellGrid::digit(number) + QLatin1Char(':');
    p.drawText(QRect(0, 1, 49, 13), Qt::AlignLeft | Qt::AlignTop, digit);
    p.setFont(countFont(false));
    // The count keeps a clear blank after the colon, however long it is.
    const int room = 49 - QFontMetrics(countFont(true)).horizontalAdvance(digit) - Gap;
    const QString text = tr("%1枚").arg(count);
    const int w = p.fontMetrics().horizontalAdvance(text);
    if (w > room) {
        // Too wide even pulled left (six digits, or a longer unit in another
        // language): squeezed beside the digit rather than drawn over it.
        p.translate(49 - room, 0);
        p.scale(double(room) / w, 1.0);
        p.drawText(QRect(0, 1, w, 13), Qt::AlignLeft | Qt::AlignTop, text);
        return img;
    }
    // Large counts are pulled left rather than cut off at the image's edge.
    const int x = qMin((49 - w) / 2 + 6, 49 - w);
    p.drawText(QRect(x, 1, 49, 13), Qt::AlignLeft | Qt::AlignTop, text);
    return img;
}

void CountBar::setCounts(const PieceCounts &counts)
{
    // Only the counts that changed are drawn again: the bar is recounted after every stroke.
    const bool all = !m_drawn;
    m_drawn = true;
    const PieceCounts before = m_counts;
    m_counts = counts;
    for (int n = 0; n < 16; ++n) {
        if (!all && before[n] == counts[n])
            continue;
        m_buttons[n]->setIcon(QIcon(QPixmap::fromImage(countImage(n, counts[n]))));
        m_buttons[n]->setToolTip(QString::number(counts[n]));
    }
}

void CountBar::setCurrent(int number)
{
    m_current = number & 15;
    for (int n = 0; n < 16; ++n)
        m_buttons[n]->setChecked(n == m_current);
}

} // namespace tessell
