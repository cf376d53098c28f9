#pragma once

#include "core/print/Distribution.h"

#include <QRect>

namespace tessell {

// One sheet of large print: a rectangle of the design's cells of one class.
struct Sheet {
    // The class (0-based), the sheet within it (0-based) and its sheets.
    int classIndex = 0;
    int index = 0;
    int count = 0;
    // Design columns and rows (0-based) on the sheet.
    QRect cells;

    bool operator==(const Sheet &) const = default;
};

// How large print cuts each class's block into sheets: bands of at most
// rowsPerSheet rows from the top, each band cut into bands of at most
// BandColumns columns from the left. Sheets follow class by class, then row
// band by row band, then column band by column band.
class SheetSplit {
public:
    static constexpr int BandColumns = 20;
    static constexpr int MinRows = 10;
    static constexpr int MaxRows = 50;
    static constexpr int DefaultRows = 25;

    // rowsPerSheet is taken within MinRows..MaxRows. The distribution must
    // pass Distribution::check for the design.
    SheetSplit(const Distribution &distribution, int designRows, int rowsPerSheet);

    int rowsPerSheet() const { return m_rowsPerSheet; }
    int sheetCount() const { return m_sheets; }
    int sheetsOfClass(int k) const;
    // Sheet n (0-based) in print order.
    Sheet sheet(int n) const;
    // The widest column band of class k: sheets of a class share their cell size.
    int widestBand(int k) const;

private:
    Distribution m_distribution;
    int m_designRows;
    int m_rowsPerSheet;
    int m_rowBands;
    int m_sheets = 0;
};

} // namespace tessell
