#include "ui/editing/PaletteBar.h"

#include "core/document/CellGrid.h"
#include "ui/common/AppFonts.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace tessell {

PaletteBar::PaletteBar(QWidget *parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("ImagePreView"));
    m_preview->setFixedSize(60, 48);
    m_preview->setFrameShape(QFrame::Box);
    m_label = new QLabel(m_preview);
    m_label->setObjectName(QStringLiteral("LabelNumber"));
    m_label->setFont(AppFonts::digit(21, true));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(0, 0, 60, 48);
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    layout->addWidget(m_preview);
    layout->addSpacing(4);
    for (int n = 0; n < 16; ++n) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("paletteButton%1").arg(n));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFixedSize(44, 48);
        b->setIconSize(QSize(36, 43));
        m_group->addButton(b, n);
        layout->addWidget(b);
        m_buttons[n] = b;
    }
    layout->addStretch();
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &PaletteBar::numberChosen);
    setPalette(Palette());
    setCurrent(0);
}

QImage PaletteBar::buttonImage(int number, const PaletteEntry &entry, const QColor &text)
{
    QImage img(36, 43, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(text);
    // The digit small and bold above the name, and the name in a face whose
    // whole height fits above the tile, so four Japanese characters read whole
    // (voiced marks included).
    p.setFont(AppFonts::ui(8, true));
    p.drawText(QRect(1, 0, 35, 9), Qt::AlignLeft | Qt::AlignTop, CellGrid::digit(number));
    p.setFont(AppFonts::ui(9));
    p.drawText(QRect(0, 8, 36, 11), Qt::AlignLeft | Qt::AlignTop, entry.name());
    // The tile stretched into (3, 19)-(33, 43), pixel for pixel, no smoothing.
    p.drawImage(QRect(3, 19, 30, 24), entry.tileImage());
    return img;
}

void PaletteBar::setPalette(const Palette &palette)
{
    // Only entries that changed are drawn again: opening a design of the same palette costs nothing.
    const bool all = !m_drawn;
    m_drawn = true;
    for (int n = 0; n < 16; ++n)
        if (all || !(m_palette[n] == palette[n])) {
            m_buttons[n]->setIcon(QIcon(
                QPixmap::fromImage(buttonImage(n, palette[n], this->palette().color(QPalette::ButtonText)))));
            // A long name is cut on the button; the tip shows it whole.
            m_buttons[n]->setToolTip(palette[n].name());
        }
    m_palette = palette;
    updatePreview();
}

void PaletteBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The digits and names follow the desktop's colours, dark ones included.
    if (event->type() == QEvent::PaletteChange) {
        m_drawn = false;
        setPalette(m_palette);
    }
}

void PaletteBar::setCurrent(int number)
{
    m_current = number & 15;
    m_buttons[m_current]->setChecked(true);
    updatePreview();
}

void PaletteBar::updatePreview()
{
    m_preview->setPixmap(QPixmap::fromImage(m_palette[m_current].tileImage().scaled(
        m_preview->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    m_label->setText(CellGrid::digit(m_current));
    // Black on a light tile, white on a dark one, whatever the desktop's colours.
    QPalette colours = m_label->palette();
    colours.setColor(QPalette::WindowText,
                     qGray(m_palette[m_current].meanColor()) >= 128 ? Qt::black : Qt::white);
    m_label->setPalette(colours);
}

} // namespace tessell
