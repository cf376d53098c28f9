#pragma once

#include <QList>
#include <QWidget>

#include <array>

class QAction;
class QMenu;

namespace tessell {

class SettingsStore;
class ToolBarPanel;

// The area along the top of the main window in which the six tool bars sit at
// their own places; it grows to fit the lowest docked bar. It makes the bars,
// keeps their places in data.dat and offers the menu that hides and shows them.
class ToolBarArea : public QWidget {
    Q_OBJECT
public:
    // Indices of the six tool bars.
    enum Bar { MenuBar = 0, StandardBar = 1, PlaceBar = 2, StatusBar = 3, PaletteBarIndex = 4, ToolBoxBar = 5 };
    static constexpr int BarCount = 6;

    explicit ToolBarArea(QWidget *parent = nullptr);

    void addPanel(ToolBarPanel *panel);
    const QList<ToolBarPanel *> &panels() const { return m_panels; }
    ToolBarPanel *bar(int index) const { return m_bars[index]; }
    // Suspends the height updates while many bars move.
    void setUpdatesSuspended(bool suspended);
    void updateHeight();
    // Whether a screen position lies over the area (docking a dragged bar).
    bool containsGlobal(const QPoint &global) const;

    // Places the bars as stored (sections ToolBar0..5), or at their default
    // places, all shown and docked, when reset.
    void readIni(const SettingsStore &store, bool reset);
    void writeIni(SettingsStore &store) const;

    // The bar items with check marks, for the view menu and the context menu.
    QMenu *toolBarMenu() const { return m_toolBarMenu; }
    QMenu *contextMenu() const { return m_contextMenu; }
    void toggleToolBar(int index);
    void updateToolBarChecks();

signals:
    void heightChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildMenus();

    QList<ToolBarPanel *> m_panels;
    std::array<ToolBarPanel *, BarCount> m_bars{};
    std::array<QAction *, BarCount> m_toolBarActions{};
    QMenu *m_toolBarMenu = nullptr;
    QMenu *m_contextMenu = nullptr;
    bool m_suspended = false;
};

} // namespace tessell
