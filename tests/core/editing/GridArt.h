#pragma once

#include "core/document/CellGrid.h"

#include <QStringList>

// Grids written as pictures: one character a cell, "." standing for "0".
namespace GridArt {
inline tessell::CellGrid grid(const QStringList &lines)
{
    tessell::CellGrid g(lines.isEmpty() ? 0 : int(lines.first().size()), int(lines.size()));
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.columns(); ++c) {
            const QChar ch = lines[r][c];
            g.setCell(c, r, ch == u'.' ? QStringLiteral("0") : QString(ch));
        }
    return g;
}

inline QStringList art(const tessell::CellGrid &g)
{
    QStringList lines;
    for (int r = 0; r < g.rows(); ++r) {
        QString line;
        for (int c = 0; c < g.columns(); ++c) {
            const QString &cell = g.cell(c, r);
            line += cell == QLatin1String("0") ? QStringLiteral(".")
                    : cell.size() == 1         ? cell
                                               : QStringLiteral("?");
        }
        lines << line;
    }
    return lines;
}

// A blank picture of the given size.
inline QStringList blank(int columns, int rows)
{
    return QStringList(rows, QString(columns, u'.'));
}
} // namespace GridArt
