#pragma once

#include <QList>
#include <QWidget>

namespace tessell {

class ToolBarPanel;

// The area along the top of the main window in which the tool bars sit at
// their own places; it grows to fit the lowest docked bar.
class ToolBarArea : public QWidget {
    Q_OBJECT
public:
    explicit ToolBarArea(QWidget *parent = nullptr);

    void addPanel(ToolBarPanel *panel);
    const QList<ToolBarPanel *> &panels() const { return m_panels; }
    // Suspends the height updates while many bars move.
    void setUpdatesSuspended(bool suspended);
    void updateHeight();
    // Whether a screen position lies over the area (docking a dragged bar).
    bool containsGlobal(const QPoint &global) const;

signals:
    void heightChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ToolBarPanel *> m_panels;
    bool m_suspended = false;
};

} // namespace tessell
