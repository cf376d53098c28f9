#include "core/print/LRElement.h"

#include "core/print/PageFont.h"

namespace tessell {

LRElement::LRElement(const QRect &bounds, LRAlign align) : m_bounds(bounds), m_align(align)
{
    m_font.family = pageFontFamily();
}

LRElement::~LRElement() = default;

void LRElement::setBounds(const QRect &bounds)
{
    if (!acceptsSize(bounds.size()))
        return;
    place(bounds);
    if (m_parent)
        m_parent->realign();
}

QRect LRElement::pageRect() const
{
    QRect r = m_bounds;
    for (const LRElement *p = m_parent; p; p = p->m_parent)
        r.translate(p->m_bounds.topLeft());
    return r;
}

void LRElement::setAlign(LRAlign align)
{
    m_align = align;
    if (m_parent)
        m_parent->realign();
}

void LRElement::setVisible(bool visible)
{
    m_visible = visible;
    if (m_parent)
        m_parent->realign();
}

const LRFont &LRElement::font() const
{
    return m_parentFont && m_parent ? m_parent->font() : m_font;
}

void LRElement::setFont(const LRFont &font)
{
    m_font = font;
    m_parentFont = false;
}

QColor LRElement::color() const
{
    return m_parentColor && m_parent ? m_parent->color() : m_color;
}

void LRElement::setColor(const QColor &color)
{
    m_color = color;
    m_parentColor = false;
}

void LRElement::place(const QRect &bounds)
{
    const QRect r(bounds.topLeft(), bounds.size().expandedTo(QSize(0, 0)));
    if (r == m_bounds)
        return;
    const bool sized = r.size() != m_bounds.size();
    m_bounds = r;
    if (sized)
        resized();
}

void LRElement::realign()
{
    // Top strips first, then bottom, left and right; the client child takes the rest.
    const QRect area = dockArea();
    int l = area.left(), t = area.top(), r = l + area.width(), b = t + area.height();
    for (LRAlign pass : {LRAlign::Top, LRAlign::Bottom, LRAlign::Left, LRAlign::Right, LRAlign::Client}) {
        for (const auto &child : m_children) {
            if (!child->m_visible || child->m_align != pass)
                continue;
            const int w = child->width(), h = child->height();
            switch (pass) {
            case LRAlign::Top:
                child->place(QRect(l, t, r - l, h));
                t += h;
                break;
            case LRAlign::Bottom:
                child->place(QRect(l, b - h, r - l, h));
                b -= h;
                break;
            case LRAlign::Left:
                child->place(QRect(l, t, w, b - t));
                l += w;
                break;
            case LRAlign::Right:
                child->place(QRect(r - w, t, w, b - t));
                r -= w;
                break;
            default:
                child->place(QRect(l, t, r - l, b - t));
                break;
            }
        }
    }
}

void LRElement::adopt(std::unique_ptr<LRElement> child)
{
    LRElement &host = childHost();
    child->checkPlacement(host);
    child->m_parent = &host;
    host.m_children.push_back(std::move(child));
    host.realign();
}

} // namespace tessell
