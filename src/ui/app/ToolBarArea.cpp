#include "ui/app/ToolBarArea.h"

#include "core/settings/SettingsStore.h"
#include "ui/app/ToolBarPanel.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

namespace tessell {

namespace {
struct BarInfo {
    const char *caption;
    QSize size;
    bool dockable;
};
const BarInfo kBars[ToolBarArea::BarCount] = {
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "メニュー"), QSize(290, 25), false},
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "標準"), QSize(406, 25), true},
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "場所"), QSize(195, 50), true},
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "ステータス"), QSize(307, 25), true},
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "パレット"), QSize(789, 50), true},
    {QT_TRANSLATE_NOOP("tessell::ToolBarArea", "ツールボックス"), QSize(203, 25), true},
};
// Item n is the default left of bar n, item n + 8 its default top.
const int kDefaultPlaces[16] = {11, 11, 813, 646, 11, 430, 0, 0, 2, 31, 60, 31, 60, 31, 0, 0};

QString section(int bar) { return QStringLiteral("ToolBar%1").arg(bar); }
} // namespace

ToolBarArea::ToolBarArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toolBarArea"));
    setFixedHeight(29);
    for (int n = 0; n < BarCount; ++n) {
        m_bars[n] = new ToolBarPanel(n, tr(kBars[n].caption), kBars[n].size, kBars[n].dockable, this);
        connect(m_bars[n], &ToolBarPanel::visibilityChanged, this, &ToolBarArea::updateToolBarChecks);
    }
    buildMenus();
}

void ToolBarArea::buildMenus()
{
    // The same actions in both menus, so that both show the same check marks.
    const struct {
        int bar;
        const char *text;
    } barItems[] = {{StandardBar, QT_TR_NOOP("標準(&D)")},
                    {PaletteBarIndex, QT_TR_NOOP("パレット(&P)")},
                    {ToolBoxBar, QT_TR_NOOP("ツールボックス(&T)")},
                    {StatusBar, QT_TR_NOOP("ステータス(&S)")},
                    {PlaceBar, QT_TR_NOOP("場所(&L)")}};
    m_toolBarMenu = new QMenu(tr("ツールバー(&T)"), this);
    m_contextMenu = new QMenu(this);
    for (const auto &item : barItems) {
        auto *a = new QAction(tr(item.text), this);
        a->setObjectName(QStringLiteral("ToolBarItem%1").arg(item.bar));
        a->setCheckable(true);
        a->setChecked(true);
        const int bar = item.bar;
        connect(a, &QAction::triggered, this, [this, bar] { toggleToolBar(bar); });
        m_toolBarActions[bar] = a;
        m_toolBarMenu->addAction(a);
        m_contextMenu->addAction(a);
    }
    connect(m_toolBarMenu, &QMenu::aboutToShow, this, &ToolBarArea::updateToolBarChecks);
    connect(m_contextMenu, &QMenu::aboutToShow, this, &ToolBarArea::updateToolBarChecks);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_contextMenu->popup(mapToGlobal(pos)); });
}

void ToolBarArea::addPanel(ToolBarPanel *panel)
{
    m_panels.append(panel);
    updateHeight();
}

void ToolBarArea::setUpdatesSuspended(bool suspended)
{
    m_suspended = suspended;
    if (!suspended)
        updateHeight();
}

void ToolBarArea::updateHeight()
{
    if (m_suspended)
        return;
    int bottom = 27;
    for (ToolBarPanel *p : m_panels)
        if (!p->isFloating() && p->isBarVisible())
            bottom = qMax(bottom, p->geometry().bottom() + 1);
    const int h = bottom + 2;
    if (h != height()) {
        setFixedHeight(h);
        emit heightChanged();
    }
}

bool ToolBarArea::containsGlobal(const QPoint &global) const
{
    return rect().contains(mapFromGlobal(global));
}

void ToolBarArea::readIni(const SettingsStore &store, bool reset)
{
    setUpdatesSuspended(true);
    for (int n = 0; n < BarCount; ++n) {
        ToolBarPanel *bar = m_bars[n];
        const QString sec = section(n);
        if (reset)
            bar->setBarVisible(false);
        const int parentLeft = store.readInteger(sec, QStringLiteral("ParentLeft"), 0);
        const int parentTop = store.readInteger(sec, QStringLiteral("ParentTop"), 0);
        const bool docking = store.readBool(sec, QStringLiteral("Docking"), true);
        const QPoint defaults(kDefaultPlaces[n], kDefaultPlaces[n + 8]);
        const QPoint place = reset ? defaults
                                   : QPoint(store.readInteger(sec, QStringLiteral("Left"), defaults.x()),
                                            store.readInteger(sec, QStringLiteral("Top"), defaults.y()));
        if (docking || reset || !bar->isDockable()) {
            bar->dockAt(place);
        } else {
            bar->setBarPos(place);
            bar->floatAt(QPoint(parentLeft, parentTop));
        }
        bar->setBarVisible(reset || store.readBool(sec, QStringLiteral("Visible"), true));
    }
    setUpdatesSuspended(false);
    updateToolBarChecks();
}

void ToolBarArea::writeIni(SettingsStore &store) const
{
    for (int n = 0; n < BarCount; ++n) {
        const ToolBarPanel *bar = m_bars[n];
        const QString sec = section(n);
        store.writeBool(sec, QStringLiteral("Visible"), bar->isBarVisible());
        store.writeInteger(sec, QStringLiteral("Left"), bar->barPos().x());
        store.writeInteger(sec, QStringLiteral("Top"), bar->barPos().y());
        store.writeInteger(sec, QStringLiteral("ParentLeft"), bar->parentPos().x());
        store.writeInteger(sec, QStringLiteral("ParentTop"), bar->parentPos().y());
        store.writeBool(sec, QStringLiteral("Docking"), !bar->isFloating());
    }
}

void ToolBarArea::toggleToolBar(int index)
{
    m_bars[index]->setBarVisible(!m_bars[index]->isBarVisible());
    updateToolBarChecks();
}

void ToolBarArea::updateToolBarChecks()
{
    for (int n = 0; n < BarCount; ++n)
        if (m_toolBarActions[n])
            m_toolBarActions[n]->setChecked(m_bars[n]->isBarVisible());
}

void ToolBarArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

} // namespace tessell
