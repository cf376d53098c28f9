#include "ui/editing/ToolBox.h"

#include "ui/common/Icons.h"
#include "ui/editing/Tool.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace tessell {

ToolBox::ToolBox(QWidget *parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_group->setExclusive(true);
    for (int k = 0; k < ToolKindCount; ++k) {
        const auto kind = ToolKind(k);
        auto *b = new QToolButton(this);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setToolTip(hint(kind));
        b->setIcon(Icons::tool(k));
        b->setFixedSize(23, 22);
        b->setObjectName(QStringLiteral("toolButton%1").arg(k));
        m_group->addButton(b, k);
        layout->addWidget(b);
        m_buttons[k] = b;
        connect(b, &QToolButton::clicked, this, [this, kind] { emit toolChosen(kind); });
    }
    m_buttons[int(ToolKind::Pen)]->setChecked(true);

    m_widthButton = new QToolButton(this);
    m_widthButton->setObjectName(QStringLiteral("widthButton"));
    m_widthButton->setAutoRaise(true);
    m_widthButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_widthButton->setFixedSize(36, 22);
    m_widthMenu = new QMenu(m_widthButton);
    for (int w = 1; w <= 5; ++w)
        m_widthMenu->addAction(QStringLiteral("  %1").arg(w), this, [this, w] { setPenWidth(w); });
    m_widthButton->setMenu(m_widthMenu);
    connect(m_widthButton, &QToolButton::clicked, this, &ToolBox::stepPenWidth);
    layout->addSpacing(4);
    layout->addWidget(m_widthButton);
    layout->addStretch();
    setPenWidth(1);
}

QString ToolBox::hint(ToolKind kind)
{
    switch (kind) {
    case ToolKind::Selection: return tr("領域選択");
    case ToolKind::Pen: return tr("ペン");
    case ToolKind::Bucket: return tr("バケツ");
    case ToolKind::Line: return tr("直線");
    case ToolKind::Rectangle: return tr("四角形");
    case ToolKind::Ellipse: return tr("楕円");
    case ToolKind::Text: return tr("文字入れ");
    }
    return {};
}

void ToolBox::registerTool(ToolKind kind, Tool *tool) { m_tools[int(kind)] = tool; }

void ToolBox::setCurrent(ToolKind kind)
{
    m_current = kind;
    m_buttons[int(kind)]->setChecked(true);
}

void ToolBox::setPenWidth(int width)
{
    m_width = qBound(1, width, 5);
    m_widthButton->setIcon(Icons::penWidth(m_width));
    m_widthButton->setToolTip(tr("太さ : %1").arg(m_width));
}

void ToolBox::stepPenWidth() { setPenWidth(m_width % 5 + 1); }

bool ToolBox::usesWidth(ToolKind kind) const
{
    const Tool *t = m_tools[int(kind)];
    return t && t->usesWidth();
}

} // namespace tessell
