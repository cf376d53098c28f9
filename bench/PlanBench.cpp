// The collection plan: the tables of the largest design, and the conversion
// within a stock against the same conversion without one.
#include "ScanFixtures.h"

#include "core/plan/CollectionPlan.h"
#include "core/plan/StockLimit.h"
#include "core/scan/MosaicConversion.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <string>

using namespace tessell;

namespace {
// "集める数" for 999 x 999 cells in 99 classes: every piece counted, per
// colour and per class, then the cartons.
void planTables(benchmark::State &state)
{
    CellGrid grid(999, 999);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            grid.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
    CollectionPlan plan;
    for (int n = 0; n < 16; ++n)
        plan.perCarton[std::size_t(n)] = 12 + n;
    const Distribution classes = Distribution::fair(99, 999);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanTable::compute(grid, plan, classes));
}

const std::vector<QRgb> &keptCells()
{
    static const std::vector<QRgb> cells = MosaicConversion::cellAverages(bench::photo(1600, 1000), 160, 100);
    return cells;
}

// A stock that the nearest entries overrun: the three entries most used get
// half of what they would take, the others what they would take and a third more.
Stock tightStock(const std::vector<std::uint8_t> &entries)
{
    std::array<int, 16> counts{};
    for (std::uint8_t e : entries)
        ++counts[e];
    std::array<int, 16> order;
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return counts[a] > counts[b]; });
    Stock stock;
    for (int i = 0; i < 16; ++i) {
        const int n = order[std::size_t(i)];
        stock[std::size_t(n)] = i < 3 ? counts[n] / 2 : counts[n] + counts[n] / 3 + 200;
    }
    return stock;
}

const char *const kDithering[] = {"paint", "halftone", "smooth"};
const char *const kComparison[] = {"average", "emphasized", "perceptual"};

// Pass 2 of 160 x 100 cells, without a stock (range 2 = 0) and within a tight one (1).
void convertWithinStock(benchmark::State &state)
{
    const MeanColours means = MosaicConversion::meanColours(bench::palette());
    const ScanOptions options = ScanOptions::fromItems(int(state.range(0)), int(state.range(1)));
    const std::vector<QRgb> &cells = keptCells();
    const Stock stock = tightStock(MosaicConversion::match(cells, 160, 100, means, options));
    const bool limited = state.range(2) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(limited ? StockLimit::match(cells, 160, 100, means, options, stock)
                                         : MosaicConversion::match(cells, 160, 100, means, options));
    state.SetLabel(std::string(kComparison[state.range(1)]) + " " + kDithering[state.range(0)] +
                   (limited ? " within stock" : ""));
}
} // namespace

BENCHMARK(planTables)->Unit(benchmark::kMillisecond);
BENCHMARK(convertWithinStock)->ArgsProduct({{0, 1, 2}, {0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);
