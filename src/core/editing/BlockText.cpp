#include "core/editing/BlockText.h"

#include "core/Error.h"
#include "core/editing/CellBounds.h"
#include "core/Texts.h"
#include "core/document/CommaList.h"

namespace tessell {

namespace {
QString malformed()
{
    return CoreTexts::tr("クリップボードの内容が正しくありません。");
}

// One digit or -1, normalised to upper case; empty when not a block value.
QString blockValue(const QString &item)
{
    if (item == BlockText::Transparent)
        return item;
    if (item.size() != 1)
        return {};
    const QChar c = item[0];
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))
        return item;
    if (c >= u'a' && c <= u'f')
        return item.toUpper();
    return {};
}
} // namespace

BlockText::BlockText(int width, int height)
    : m_width(qMax(0, width)), m_height(qMax(0, height)), m_values(qsizetype(m_width) * m_height, Transparent)
{
}

BlockText BlockText::parse(const QString &text)
{
    const QStringList items = CommaList::split(text);
    if (items.size() < 3 || items[0] != Token)
        throw Error(malformed());
    qint64 width = 0, height = 0;
    if (!parseInteger(items[1], &width) || !parseInteger(items[2], &height) || width < 1 || height < 1)
        throw Error(malformed());
    if (width * height != items.size() - 3)
        throw Error(malformed());
    BlockText block{int(width), int(height)};
    for (qsizetype i = 3; i < items.size(); ++i) {
        const QString value = blockValue(items[i]);
        if (value.isEmpty())
            throw Error(malformed());
        block.m_values[i - 3] = value;
    }
    return block;
}

QString BlockText::format() const
{
    QStringList items;
    items.reserve(m_values.size() + 3);
    items << Token << QString::number(m_width) << QString::number(m_height);
    items += m_values;
    return CommaList::join(items);
}

BlockText BlockText::lift(CellGrid &grid, const QRect &rect)
{
    const QRect area = rect.intersected(QRect(0, 0, grid.columns(), grid.rows()));
    if (area.isEmpty())
        return {};
    BlockText block(area.width(), area.height());
    const QString emptied = QStringLiteral("0");
    for (int r = 0; r < area.height(); ++r)
        for (int c = 0; c < area.width(); ++c) {
            const QPoint cell = area.topLeft() + QPoint(c, r);
            block.setValue(c, r, grid.cell(cell.x(), cell.y()));
            grid.setCell(cell.x(), cell.y(), emptied);
        }
    return block;
}

QRect BlockText::place(CellGrid &grid, QPoint origin) const
{
    CellBounds changed;
    for (int r = 0; r < m_height; ++r)
        for (int c = 0; c < m_width; ++c) {
            const int x = origin.x() + c, y = origin.y() + r;
            if (!grid.contains(x, y) || isTransparent(c, r))
                continue;
            grid.setCell(x, y, value(c, r));
            changed.add(x, y);
        }
    return changed.rect();
}

} // namespace tessell
