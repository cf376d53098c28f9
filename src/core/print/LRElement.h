#pragma once

#include "core/print/LRTypes.h"

#include <QColor>
#include <QRect>

#include <memory>
#include <vector>

namespace tessell {

// Common ground of the report, its panels and its items: a rectangle in page
// units inside its container, docking, and the font and colour passed down.
// A container owns what is placed on it.
class LRElement {
public:
    virtual ~LRElement();
    LRElement(const LRElement &) = delete;
    LRElement &operator=(const LRElement &) = delete;

    LRElement *parent() const { return m_parent; }
    // In the container's coordinates.
    const QRect &bounds() const { return m_bounds; }
    void setBounds(const QRect &bounds);
    void setBounds(int left, int top, int width, int height) { setBounds(QRect(left, top, width, height)); }
    void setWidth(int width) { setBounds(QRect(m_bounds.topLeft(), QSize(width, m_bounds.height()))); }
    void setHeight(int height) { setBounds(QRect(m_bounds.topLeft(), QSize(m_bounds.width(), height))); }
    int width() const { return m_bounds.width(); }
    int height() const { return m_bounds.height(); }
    // The rectangle on the page: own bounds moved by every container's corner.
    QRect pageRect() const;

    LRAlign align() const { return m_align; }
    void setAlign(LRAlign align);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // The font in use: the container's while parentFont() holds.
    const LRFont &font() const;
    void setFont(const LRFont &font);
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool parentFont) { m_parentFont = parentFont; }
    QColor color() const;
    void setColor(const QColor &color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool parentColor) { m_parentColor = parentColor; }

    // Places a new child here; throws LRError where that kind may not go.
    template <class T, class... Args> T *add(Args &&...args)
    {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T *raw = child.get();
        adopt(std::move(child));
        return raw;
    }
    const std::vector<std::unique_ptr<LRElement>> &children() const { return m_children; }

protected:
    LRElement(const QRect &bounds, LRAlign align);

    // Throws LRError when this element may not be placed on the container.
    virtual void checkPlacement(const LRElement &container) const = 0;
    // Where children placed on this element really go.
    virtual LRElement &childHost() { return *this; }
    // The part of the element its children dock into, in own coordinates.
    virtual QRect dockArea() const { return QRect(QPoint(0, 0), m_bounds.size()); }
    // Whether the element takes a new size (a report with a paper size does not).
    virtual bool acceptsSize(const QSize &) const { return true; }
    virtual void resized() { realign(); }

    // Sets the bounds without asking the container to dock again.
    void place(const QRect &bounds);
    void realign();
    void setParentElement(LRElement *parent) { m_parent = parent; }

private:
    // A grid sizes its template and its linked sub panels.
    friend class LRGridPanel;
    void adopt(std::unique_ptr<LRElement> child);

    LRElement *m_parent = nullptr;
    QRect m_bounds;
    LRAlign m_align;
    bool m_visible = true;
    LRFont m_font;
    bool m_parentFont = true;
    QColor m_color = Qt::white;
    bool m_parentColor = false;
    std::vector<std::unique_ptr<LRElement>> m_children;
};

} // namespace tessell
