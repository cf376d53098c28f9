#pragma once

#include "core/plan/CollectionPlan.h"
#include "core/scan/MosaicConversion.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tessell {

// "在庫にあわせる": the conversion's pass 2 within the pieces on hand, so that
// no entry lands on more cells than its stock.
//
// Without diffusion every cell is matched on its own, and the limit is met
// exactly: the cells first take their nearest entries; then, while an entry
// has more cells than its stock, the cell whose move to the nearest other
// entry that still has stock adds the least difference (by the comparison
// chosen) moves there, one cell at a time, cheapest first.
//
// With diffusion a cell's colour depends on the entries placed before it, so
// no cell can be moved afterwards without changing every later one. There the
// conversion runs again with a price on each over-stock entry, added to its
// distance: a price that makes just the cells with the least extra difference
// choose another entry, raised from what the last run showed until the counts
// fit (a few runs). Every run diffuses the error of the entry it places. A
// last run, if still needed, takes an entry only while its stock lasts.
namespace StockLimit {

// The cells that the stock cannot cover: the cells less every piece on hand,
// or 0 when an entry has no limit.
int shortfall(const Stock &stock, std::size_t cells);

// The entries for the cells (pass 1, adjusted) within the stock; with stock
// enough for the nearest entries, exactly what MosaicConversion::match gives.
// Throws "在庫が足りません (あと %1 枚)" when the stock cannot cover the cells.
// rowDone hears the rows of the first run.
std::vector<std::uint8_t> match(const std::vector<QRgb> &cells, int columns, int rows,
                                const MeanColours &means, const ScanOptions &options, const Stock &stock,
                                const std::function<void(int row)> &rowDone = {});

} // namespace StockLimit

} // namespace tessell
