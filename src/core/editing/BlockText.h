#pragma once

#include "core/document/CellGrid.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace tessell {

// A rectangle of cell values and its text form, which is also the clipboard
// form: "tsdata", W, H and the W x H values row by row as one comma list.
// A value is a palette digit or "-1", transparent.
class BlockText {
public:
    static inline const QString Token = QStringLiteral("tsdata");
    static inline const QString Transparent = QStringLiteral("-1");

    BlockText() = default;
    // width x height values, all transparent.
    BlockText(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    const QString &value(int column, int row) const { return m_values[index(column, row)]; }
    void setValue(int column, int row, const QString &value) { m_values[index(column, row)] = value; }
    bool isTransparent(int column, int row) const { return value(column, row) == Transparent; }

    // Reads clipboard or block text. Throws Error unless it is well formed:
    // the token, a width and a height of at least 1, exactly W x H values, each
    // one digit 0..F or -1. Lower-case a..f are taken and stored in upper case.
    static BlockText parse(const QString &text);
    QString format() const;

    // Takes the cells of rect (clipped to the grid) as a block, their texts
    // unchanged, and leaves "0" in each of them.
    static BlockText lift(CellGrid &grid, const QRect &rect);
    // Writes every non-transparent value with its top-left at origin; values
    // beyond the grid are dropped. Answers the cells written.
    QRect place(CellGrid &grid, QPoint origin) const;

    bool operator==(const BlockText &other) const = default;

private:
    qsizetype index(int column, int row) const { return qsizetype(row) * m_width + column; }

    int m_width = 0;
    int m_height = 0;
    QStringList m_values;
};

} // namespace tessell
