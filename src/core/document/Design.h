#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"
#include "core/document/PieceCounts.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

namespace tessell {

// The one open design: cells, palette, file name and saved rows. Views redraw
// themselves from its signals; nothing else keeps a copy.
class Design : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultColumns = 160;
    static constexpr int DefaultRows = 100;
    // The header's size fields hold three characters.
    static constexpr int MaxSize = 999;

    explicit Design(QObject *parent = nullptr);

    int columns() const { return m_grid.columns(); }
    int rows() const { return m_grid.rows(); }
    const CellGrid &grid() const { return m_grid; }
    const QString &cell(int column, int row) const { return m_grid.cell(column, row); }
    void setCell(int column, int row, const QString &text);

    // Replaces every cell at once (size kept or changed).
    void setGrid(const CellGrid &grid);
    // Changes the cells through fn, which answers the rectangle it really
    // changed; the views redraw just that. Answers the rectangle.
    template <typename Fn> QRect editCells(Fn fn)
    {
        const QRect changed = fn(m_grid);
        if (!changed.isEmpty())
            emit cellsChanged(changed);
        return changed;
    }
    QRect allCells() const { return QRect(0, 0, columns(), rows()); }
    void setRowFromList(int row, const QStringList &items);

    const Palette &palette() const { return m_palette; }
    const PaletteEntry &entry(int number) const { return m_palette[number]; }
    void setPalette(const Palette &palette);

    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // Default design: size, all cells "0", white tiles named "None".
    void makeNew(int columns, int rows);
    // New size with every cell "0"; palette untouched.
    void resetCells(int columns, int rows);
    // Canvas size change: cells kept at the top-left, new ones "0".
    void resizeCanvas(int columns, int rows);

    // The saved rows and the unsaved-change comparison (palette changes do not count).
    void changeFirstContent();
    // Nothing counts as saved: every design is a change.
    void forgetSaved() { m_saved = CellGrid(); }
    QStringList savedRows() const { return m_saved.rowTexts(); }
    bool isModified() const;

    // Counts upper-case digits only; cells of other forms count nowhere.
    PieceCounts reCount() const;
    // Empty cells become "0"; answers the first invalid cell, row by row.
    std::optional<QPoint> listcheck();

signals:
    void cellsChanged(const QRect &cells);
    void sizeChanged();
    void paletteChanged();
    void fileNameChanged(const QString &fileName);

private:
    CellGrid m_grid;
    Palette m_palette;
    QString m_fileName;
    CellGrid m_saved; // shares the cells until either side changes
};

} // namespace tessell
