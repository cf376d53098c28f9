#pragma once

#include "core/print/CustomLRPanel.h"

#include <memory>
#include <vector>

namespace tessell {

class LRGridPanel;

// The cell template of a grid panel: always one cell in size; its items are
// drawn once per cell.
class LRChildPanel : public CustomLRPanel {
public:
    LRChildPanel() : CustomLRPanel(LRAlign::None) {}

protected:
    void checkPlacement(const LRElement &container) const override;
};

// A free-standing panel linked to a grid panel: while linked, it has the grid's
// cell size. A new sub panel is hidden and not docked.
class LRSubPanel : public LRChildPanel {
public:
    LRSubPanel();
    ~LRSubPanel() override;

    LRGridPanel *gridPanel() const { return m_grid; }
    void setGridPanel(LRGridPanel *grid);

private:
    friend class LRGridPanel;
    LRGridPanel *m_grid = nullptr;
};

// Repeats its cell template over ColCount x RowCount cells. Items placed on a
// grid panel go on its template.
class LRGridPanel : public CustomLRPanel {
public:
    LRGridPanel();
    ~LRGridPanel() override;

    int colCount() const { return m_colCount; }
    // Throws "列数が有効範囲を超えています" for 0 or less, or when cells would be
    // narrower than 10 units; the current value is taken without a check.
    void setColCount(int count);
    int rowCount() const { return m_rowCount; }
    void setRowCount(int count);
    PrintDirection printDirection() const { return m_direction; }
    void setPrintDirection(PrintDirection direction) { m_direction = direction; }

    LRChildPanel &cellTemplate() { return *m_template; }
    // The rectangle of cell (col, row) for a grid drawn at rect.
    QRect cellRect(const QRect &rect, int col, int row) const;

    void setOnPrintPanel(PrintPanelEvent handler) { m_onPrintPanel = std::move(handler); }
    // The template's own before and after handlers, run once per cell.
    void setBeforePrintPanel(BeforePrintEvent handler) { m_template->setBeforePrint(std::move(handler)); }
    void setAfterPrintPanel(NotifyEvent handler) { m_template->setAfterPrint(std::move(handler)); }
    // Printed instead of the template when set (not owned).
    void setCellPanel(LRChildPanel *panel) { m_cellPanel = panel; }
    // Draws the cells in passes, every fill, then every text, then every frame
    // line a row or a column at a time, rather than cell by cell: the same page
    // far faster where no cell's fill or text reaches under the line of a cell
    // drawn before it. The handlers still run once for each cell, in order.
    void setDrawInPasses(bool passes) { m_inPasses = passes; }
    const std::vector<LRSubPanel *> &subPanels() const { return m_subPanels; }

    void print(QPainter &painter, const QRect &rect, double scale) override;

protected:
    void checkPlacement(const LRElement &container) const override;
    LRElement &childHost() override { return *m_template; }
    void resized() override;

private:
    friend class LRSubPanel;
    QSize cellSize() const;
    void fitCells();
    // Cells of fewer than 10 units are refused with the given text.
    void setCount(int &field, int count, int extent, const QString &refusal);

    std::unique_ptr<LRChildPanel> m_template;
    int m_colCount = 1;
    int m_rowCount = 1;
    PrintDirection m_direction = PrintDirection::Horz;
    bool m_inPasses = false;
    PrintPanelEvent m_onPrintPanel;
    LRChildPanel *m_cellPanel = nullptr;
    std::vector<LRSubPanel *> m_subPanels;
};

} // namespace tessell
