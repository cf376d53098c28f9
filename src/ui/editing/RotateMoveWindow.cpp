#include "ui/editing/RotateMoveWindow.h"

#include "core/document/Design.h"
#include "core/editing/Rotation.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandHost.h"
#include "ui/common/WindowPlaces.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <algorithm>

namespace tessell {

namespace {
const char *kSection = "move";

struct MoveButton {
    Moves::Direction direction;
    const char *caption;
    const char *history;
    int row, column;
};

// One row per entry; lupdate needs the context spelled out in each.
// clang-format off
const MoveButton kMoves[8] = {
    {Moves::Direction::UpLeft, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "   左上   "), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（左上）"), 0, 0},
    {Moves::Direction::Up, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "上"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（上）"), 0, 1},
    {Moves::Direction::UpRight, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "右上"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（右上）"), 0, 2},
    {Moves::Direction::Left, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "左"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（左）"), 1, 0},
    {Moves::Direction::Right, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "右"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（右）"), 1, 2},
    {Moves::Direction::DownLeft, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "左下"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（左下）"), 2, 0},
    {Moves::Direction::Down, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "下"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（下）"), 2, 1},
    {Moves::Direction::DownRight, QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "右下"), QT_TRANSLATE_NOOP("tessell::RotateMoveWindow", "移動（右下）"), 2, 2},
};
// clang-format on

// A 32-pixel arrow pointing the way the design moves; red stands for transparent
// in the icon strips, so the arrow is drawn on a transparent background.
QIcon arrowIcon(QPoint offset)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(qRadiansToDegrees(std::atan2(double(offset.y()), double(offset.x()))));
    QPainterPath path;
    path.moveTo(12, 0);
    path.lineTo(2, -9);
    path.lineTo(2, -4);
    path.lineTo(-12, -4);
    path.lineTo(-12, 4);
    path.lineTo(2, 4);
    path.lineTo(2, 9);
    path.closeSubpath();
    p.fillPath(path, QColor(0, 0, 128));
    return QIcon(pixmap);
}
} // namespace

RotateMoveWindow::RotateMoveWindow(CommandHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | TitleAndCloseHints), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("回転・移動"));
    setFixedSize(177, 169);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(3);
    for (int i = 0; i < 8; ++i) {
        const MoveButton &m = kMoves[i];
        auto *b = new QToolButton(this);
        b->setFixedSize(55, 51);
        b->setText(tr(m.caption));
        b->setIcon(arrowIcon(Moves::offset(m.direction)));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        grid->addWidget(b, m.row, m.column);
        const Moves::Direction direction = m.direction;
        connect(b, &QToolButton::clicked, this, [this, direction] { m_host.run([=, this] { moveDesign(direction); }); });
        m_buttons[int(m.direction)] = b;
    }
    m_rotate = new QToolButton(this);
    m_rotate->setFixedSize(55, 51);
    m_rotate->setText(tr("回転"));
    // An empty icon keeps the caption level with the others; the angle sits in its place.
    QPixmap blank(32, 32);
    blank.fill(Qt::transparent);
    m_rotate->setIcon(QIcon(blank));
    m_rotate->setIconSize(QSize(32, 32));
    m_rotate->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    grid->addWidget(m_rotate, 1, 1);
    connect(m_rotate, &QToolButton::clicked, this, [this] { m_host.run([this] { rotateDesign(); }); });

    // The angle display and its up-down lie on the rotate button.
    m_angleLabel = new QLabel(m_rotate);
    m_angleLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_angleLabel->setAlignment(Qt::AlignCenter);
    m_angleLabel->setGeometry(8, 8, 28, 18);
    m_up = new QToolButton(m_rotate);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setGeometry(37, 8, 12, 9);
    m_down = new QToolButton(m_rotate);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setGeometry(37, 17, 12, 9);
    connect(m_up, &QToolButton::clicked, this, [this] { stepAngle(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepAngle(-1); });

    const SettingsStore &store = m_host.settings();
    m_angle = store.readInteger(kSection, QStringLiteral("shita"), 0);
    // A stored angle outside the control's steps is brought onto them.
    m_angle = ((m_angle / 5) * 5 % 360 + 360) % 360;
    if (m_angle > 350)
        m_angle = 0;
    const QPoint place = placeBeside(parent, QPoint(3, 135));
    move(store.readInteger(kSection, QStringLiteral("left"), place.x()),
         store.readInteger(kSection, QStringLiteral("top"), place.y()));
    showAngle();
}

QToolButton *RotateMoveWindow::button(Moves::Direction direction) const { return m_buttons[int(direction)]; }

void RotateMoveWindow::stepAngle(int steps)
{
    m_angle = ((m_angle + 5 * steps) % 355 + 355) % 355;
    showAngle();
}

void RotateMoveWindow::showAngle() { m_angleLabel->setText(tr("%1ﾟ").arg(m_angle)); }

void RotateMoveWindow::moveDesign(Moves::Direction direction)
{
    const MoveButton &m =
        *std::find_if(std::begin(kMoves), std::end(kMoves),
                      [direction](const MoveButton &b) { return b.direction == direction; });
    m_host.edit(tr(m.history), EditOrder::RedrawThenRecord, [&] {
        m_host.design().editCells([direction](CellGrid &grid) {
            Moves::move(grid, direction);
            return QRect(0, 0, grid.columns(), grid.rows());
        });
    });
}

void RotateMoveWindow::rotateDesign()
{
    const int degrees = m_angle;
    m_host.edit(tr("回転"), EditOrder::RedrawThenRecord, [&] {
        m_host.design().editCells([degrees](CellGrid &grid) {
            Rotation::rotate(grid, degrees);
            return QRect(0, 0, grid.columns(), grid.rows());
        });
    });
}

void RotateMoveWindow::closeEvent(QCloseEvent *event)
{
    SettingsStore &store = m_host.settings();
    store.writeInteger(kSection, QStringLiteral("shita"), m_angle);
    store.writeInteger(kSection, QStringLiteral("left"), pos().x());
    store.writeInteger(kSection, QStringLiteral("top"), pos().y());
    event->accept();
}

} // namespace tessell
