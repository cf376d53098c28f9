#pragma once

#include <QFrame>
#include <QPointer>

namespace tessell {

class ToolBarArea;

// One of the six tool bars: a fixed-size body with a grip at its left. It sits
// in the tool bar area at its Left/Top (the body's position; the grip lies in
// the margin left of it) or, when dockable, floats in a small window of its own.
class ToolBarPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int GripWidth = 11;

    ToolBarPanel(int index, const QString &caption, const QSize &barSize, bool dockable, ToolBarArea *area);
    ~ToolBarPanel() override;

    int index() const { return m_index; }
    const QString &caption() const { return m_caption; }
    QSize barSize() const { return m_barSize; }
    bool isDockable() const { return m_dockable; }
    // The bar's body, where its controls go.
    QWidget *body() const { return m_body; }

    bool isFloating() const { return m_floating; }
    // Left and Top: the body's place in the area (kept while floating).
    QPoint barPos() const { return m_dockPos; }
    void setBarPos(const QPoint &pos);
    // The floating window's screen position, or the area's position when docked.
    QPoint parentPos() const;

    void dock();
    void dockAt(const QPoint &barPos);
    // Floats the bar with its window's top-left at the screen position.
    void floatAt(const QPoint &screenPos);
    QWidget *floatingWindow() const { return m_window; }

    bool isBarVisible() const { return m_visible; }
    void setBarVisible(bool visible);

    // Shows or hides the bar (and its floating window) as it should be now.
    void applyVisibility();

signals:
    // After the bar was docked or floated (end of dock).
    void dockChanged();
    void visibilityChanged(bool visible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void floatingWindowClosed();

    friend class FloatingToolWindow;

    int m_index;
    QString m_caption;
    QSize m_barSize;
    bool m_dockable;
    ToolBarArea *m_area;
    QWidget *m_grip;
    QWidget *m_body;
    QPointer<QWidget> m_window;
    bool m_floating = false;
    bool m_visible = true;
    QPoint m_dockPos;
    // Grip drag: offset of the pointer from the dragged window's corner.
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace tessell
