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
// no cell can be moved afterwards without changing every later one. There
// the conversion runs once as it would without a stock, noting by how much
// each cell preferred its entry to the next choice, then once more within
// the stock: while what is left of an entry's stock is less than what the
// first run still took from that point on, the entry carries a price, added
// to its distance, that makes just that share of cells choose otherwise,
// those that lose least first. So the cells given another entry are spread
// over the picture, and diffusion carries the error of the entry actually
// placed onto the neighbours, which may then pay the price. An entry whose
// stock is gone is no longer offered.

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
