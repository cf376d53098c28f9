#include "core/plan/StockLimit.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <unordered_map>

namespace tessell::StockLimit {

namespace {
using Limits = std::array<std::int64_t, 16>;
constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();
// Runs of the diffused conversion, the first at no price, before the capped one.
constexpr int kPricingRuns = 6;

Limits limitsOf(const Stock &stock)
{
    Limits limits;
    for (std::size_t i = 0; i < 16; ++i)
        limits[i] = stock[i] ? *stock[i] : kNoLimit;
    return limits;
}

std::array<std::int64_t, 16> countsOf(const std::vector<std::uint8_t> &entries)
{
    std::array<std::int64_t, 16> counts{};
    for (std::uint8_t e : entries)
        ++counts[e & 15];
    return counts;
}

bool fits(const std::array<std::int64_t, 16> &counts, const Limits &limits)
{
    for (std::size_t i = 0; i < 16; ++i)
        if (counts[i] > limits[i])
            return false;
    return true;
}

// The distances of a colour to the sixteen entries, kept for whole colours,
// which come again and again (the halftone picture has 256 of them).
class Distances {
public:
    explicit Distances(const ColourMatch &match) : m_match(match) {}

    const std::array<double, 16> &of(const CellColour &c)
    {
        if (c.red != std::floor(c.red) || c.green != std::floor(c.green) || c.blue != std::floor(c.blue)) {
            m_scratch = m_match.distances(c);
            return m_scratch;
        }
        const std::uint32_t key = qRgb(int(c.red), int(c.green), int(c.blue));
        auto known = m_known.find(key);
        if (known == m_known.end())
            known = m_known.emplace(key, m_match.distances(c)).first;
        return known->second;
    }

private:
    const ColourMatch &m_match;
    std::unordered_map<std::uint32_t, std::array<double, 16>> m_known;
    std::array<double, 16> m_scratch{};
};

// The nearest entry, with the colour each cell was matched in kept.
class Recorded final : public EntryChoice {
public:
    Recorded(const ColourMatch &match, std::vector<CellColour> &seen) : m_nearest(match), m_seen(seen) {}
    int choose(const CellColour &colour, std::size_t cell) override
    {
        m_seen[cell] = colour;
        return m_nearest.choose(colour, cell);
    }

private:
    NearestEntry m_nearest;
    std::vector<CellColour> &m_seen;
};

// Without diffusion: move the cheapest cells off every over-stock entry.
void moveCheapest(std::vector<std::uint8_t> &entries, const std::vector<CellColour> &seen,
                  Distances &distances, const Limits &limits)
{
    const std::array<std::int64_t, 16> counts = countsOf(entries);
    std::array<std::int64_t, 16> over{}, spare{};
    for (std::size_t i = 0; i < 16; ++i) {
        over[i] = limits[i] == kNoLimit ? 0 : std::max<std::int64_t>(0, counts[i] - limits[i]);
        spare[i] = limits[i] == kNoLimit ? kNoLimit : std::max<std::int64_t>(0, limits[i] - counts[i]);
    }
    struct Move {
        double cost;
        std::size_t cell;
        int to;
        // The queue's top is the cheapest move, the first cell among equals.
        bool operator<(const Move &o) const { return cost != o.cost ? cost > o.cost : cell > o.cell; }
    };
    const auto cheapest = [&](std::size_t cell) {
        const int from = entries[cell];
        const std::array<double, 16> &d = distances.of(seen[cell]);
        int to = -1;
        for (int i = 0; i < 16; ++i)
            if (i != from && spare[std::size_t(i)] > 0 && (to < 0 || d[std::size_t(i)] < d[std::size_t(to)]))
                to = i;
        return Move{to < 0 ? 0 : d[std::size_t(to)] - d[std::size_t(from)], cell, to};
    };
    std::priority_queue<Move> moves;
    for (std::size_t cell = 0; cell < entries.size(); ++cell)
        if (over[entries[cell]] > 0)
            moves.push(cheapest(cell));
    while (!moves.empty()) {
        const Move m = moves.top();
        moves.pop();
        const int from = entries[m.cell];
        if (over[std::size_t(from)] == 0 || m.to < 0)
            continue;
        if (spare[std::size_t(m.to)] == 0) {
            // Filled meanwhile: the next entry with stock, at its own cost.
            moves.push(cheapest(m.cell));
            continue;
        }
        entries[m.cell] = std::uint8_t(m.to);
        --over[std::size_t(from)];
        if (spare[std::size_t(m.to)] != kNoLimit)
            --spare[std::size_t(m.to)];
    }
}

// With diffusion: the entry of least distance plus price, among the entries
// that still have stock when capped. For the entries under a limit it keeps
// by how much each cell preferred it to the next choice.
class PricedChoice final : public EntryChoice {
public:
    PricedChoice(const ColourMatch &match, Distances &distances, const Limits &limits,
                 const std::array<double, 16> &prices, bool capped)
        : m_nearest(match), m_distances(distances), m_limits(limits), m_prices(prices), m_remaining(limits),
          m_capped(capped)
    {
    }

    int choose(const CellColour &colour, std::size_t cell) override
    {
        // An entry without a limit has no price: when it is the nearest, nothing beats it.
        const int nearest = m_nearest.choose(colour, cell);
        if (m_limits[std::size_t(nearest)] == kNoLimit)
            return nearest;
        const std::array<double, 16> &d = m_distances.of(colour);
        int best = -1;
        double bestValue = 0, second = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < 16; ++i) {
            if (m_capped && m_remaining[i] <= 0)
                continue;
            const double v = d[i] + m_prices[i];
            if (best < 0 || v < bestValue) {
                if (best >= 0)
                    second = bestValue;
                best = int(i);
                bestValue = v;
            } else if (v < second) {
                second = v;
            }
        }
        const auto b = std::size_t(best);
        if (m_limits[b] != kNoLimit) {
            --m_remaining[b];
            margins[b].push_back(second - bestValue);
        }
        return best;
    }

    std::array<std::vector<double>, 16> margins;

private:
    NearestEntry m_nearest;
    Distances &m_distances;
    const Limits &m_limits;
    const std::array<double, 16> &m_prices;
    Limits m_remaining;
    bool m_capped;
};
} // namespace

int shortfall(const Stock &stock, std::size_t cells)
{
    std::int64_t total = 0;
    for (const std::optional<int> &s : stock) {
        if (!s)
            return 0;
        total += *s;
    }
    return int(std::max<std::int64_t>(0, std::int64_t(cells) - total));
}

std::vector<std::uint8_t> match(const std::vector<QRgb> &cells, int columns, int rows,
                                const MeanColours &means, const ScanOptions &options, const Stock &stock,
                                const std::function<void(int)> &rowDone)
{
    if (const int missing = shortfall(stock, cells.size()))
        throw Error(texts::stockTooSmall(missing));
    const Limits limits = limitsOf(stock);
    const ColourMatch colourMatch(means, options.comparison);
    Distances distances(colourMatch);

    if (options.dithering == Dithering::None) {
        std::vector<CellColour> seen(cells.size());
        Recorded recorded(colourMatch, seen);
        std::vector<std::uint8_t> entries =
            MosaicConversion::match(cells, columns, rows, means, options, &recorded, rowDone);
        moveCheapest(entries, seen, distances, limits);
        return entries;
    }

    // The first run, at no price, chooses what the nearest entries would.
    std::array<double, 16> prices{};
    for (int run = 0; run < kPricingRuns; ++run) {
        PricedChoice priced(colourMatch, distances, limits, prices, false);
        const std::vector<std::uint8_t> entries = MosaicConversion::match(
            cells, columns, rows, means, options, &priced, run == 0 ? rowDone : std::function<void(int)>());
        const std::array<std::int64_t, 16> counts = countsOf(entries);
        if (fits(counts, limits))
            return entries;
        for (std::size_t i = 0; i < 16; ++i) {
            if (counts[i] <= limits[i])
                continue;
            // Just enough cells to leave the entry, if nothing else changed.
            std::vector<double> &m = priced.margins[i];
            const auto excess = std::ptrdiff_t(counts[i] - limits[i]);
            std::nth_element(m.begin(), m.begin() + excess - 1, m.end());
            prices[i] += m[std::size_t(excess - 1)] + 1e-9 * (1 + prices[i]);
        }
    }
    PricedChoice capped(colourMatch, distances, limits, prices, true);
    return MosaicConversion::match(cells, columns, rows, means, options, &capped);
}

} // namespace tessell::StockLimit
