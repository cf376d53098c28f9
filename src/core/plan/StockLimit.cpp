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

constexpr std::uint32_t kEveryEntry = 0xFFFF;

bool whole(const CellColour &c)
{
    return c.red == std::floor(c.red) && c.green == std::floor(c.green) && c.blue == std::floor(c.blue);
}

// The distances of a colour to the sixteen entries, kept for whole colours,
// which come again and again (the halftone picture has 256 of them), and the
// entries ranked by distance plus price.
class Distances {
public:
    explicit Distances(const ColourMatch &match) : m_match(match) {}

    const std::array<double, 16> &of(const CellColour &c)
    {
        if (!whole(c)) {
            m_scratch = m_match.distances(c);
            return m_scratch;
        }
        const std::uint32_t key = qRgb(int(c.red), int(c.green), int(c.blue));
        auto known = m_known.find(key);
        if (known == m_known.end())
            known = m_known.emplace(key, m_match.distances(c)).first;
        return known->second;
    }

    ColourMatch::Ranking rank(const CellColour &c, const std::array<double, 16> &prices,
                              std::uint32_t allowed)
    {
        // Any other colour seldom comes again: only the entries that can rank are measured.
        if (!whole(c))
            return m_match.rank(c, prices, allowed);
        const std::array<double, 16> &d = of(c);
        ColourMatch::Ranking r;
        r.secondValue = std::numeric_limits<double>::infinity();
        for (int i = 0; i < 16; ++i) {
            if (!(allowed & (1u << i)))
                continue;
            const double v = d[std::size_t(i)] + prices[std::size_t(i)];
            if (r.best < 0 || v < r.bestValue) {
                if (r.best >= 0)
                    r.secondValue = r.bestValue;
                r.best = i;
                r.bestValue = v;
            } else if (v < r.secondValue) {
                r.secondValue = v;
            }
        }
        return r;
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

// With diffusion, the first run: the nearest entries, as the plain conversion
// chooses them. It keeps, in the order the cells are converted, each cell's
// entry, and for every entry under a limit the margins by which its cells
// preferred it to their next choice.
class FirstRun final : public EntryChoice {
public:
    FirstRun(Distances &distances, const Limits &limits) : m_distances(distances), m_limits(limits) {}

    int choose(const CellColour &colour, std::size_t) override
    {
        const ColourMatch::Ranking r = m_distances.rank(colour, {}, kEveryEntry);
        const double margin = r.secondValue - r.bestValue;
        if (m_limits[std::size_t(r.best)] != kNoLimit)
            margins[std::size_t(r.best)].push_back(margin);
        order.push_back(std::uint8_t(r.best));
        orderMargins.push_back(margin);
        return r.best;
    }

    // Per cell in conversion order, its entry and margin.
    std::vector<std::uint8_t> order;
    std::vector<double> orderMargins;
    // Per entry under a limit, the margins of its cells.
    std::array<std::vector<double>, 16> margins;

private:
    Distances &m_distances;
    const Limits &m_limits;
};

// With diffusion, the run within the stock. An entry is rationed while what
// is left of its stock is less than what the first run still took after this
// point: its price is then the margin below which that share of the first
// run's cells gave it up, so the cells that lose least move. And an entry is
// paced: of the first run's cells, those that would keep it within the stock
// are the ones that preferred it most; the entry is offered only while what
// it used keeps up with how many of those cells have been passed, a little
// ahead at most. So the stock goes where the picture wants the entry most and
// lasts that far, rather than being spent in the first rows (diffusion pushes
// cells towards a rationed entry; without the pace the last rows would get
// none and, the error piling up, turn one flat colour). An entry whose stock
// is gone is no longer offered.
class RationedRun final : public EntryChoice {
public:
    RationedRun(const ColourMatch &match, Distances &distances, const Limits &limits, FirstRun &first)
        : m_nearest(match), m_distances(distances), m_limits(limits), m_first(first)
    {
        for (std::size_t i = 0; i < 16; ++i) {
            std::vector<double> &m = first.margins[i];
            std::sort(m.begin(), m.end());
            m_taken[i] = std::int64_t(m.size());
            if (limits[i] == kNoLimit)
                continue;
            m_keepers[i] = std::min(m_taken[i], limits[i]);
            if (m_taken[i] <= limits[i]) {
                m_keeperMargin[i] = -std::numeric_limits<double>::infinity();
                continue;
            }
            // Cells at the least margin share what is left among them.
            const double least = m_keeperMargin[i] = m[std::size_t(m_taken[i] - limits[i])];
            const auto above = std::int64_t(m.end() - std::upper_bound(m.begin(), m.end(), least));
            const auto level = std::int64_t(std::upper_bound(m.begin(), m.end(), least) -
                                            std::lower_bound(m.begin(), m.end(), least));
            m_tieShare[i] = double(limits[i] - above) / double(level);
        }
    }

    int choose(const CellColour &colour, std::size_t cell) override
    {
        const std::uint8_t before = m_first.order[m_step];
        std::array<double, 16> prices{};
        std::uint32_t allowed = kEveryEntry;
        bool priced = false;
        for (std::size_t i = 0; i < 16; ++i)
            if (m_limits[i] != kNoLimit) {
                if (!offer(i, prices[i]))
                    allowed &= ~(1u << i);
                priced = priced || prices[i] > 0;
            }
        const int entry = priced || allowed != kEveryEntry ? m_distances.rank(colour, prices, allowed).best
                                                           : m_nearest.choose(colour, cell);
        if (m_limits[std::size_t(entry)] != kNoLimit)
            ++m_used[std::size_t(entry)];
        if (m_limits[before] != kNoLimit) {
            ++m_passed[before];
            const double margin = m_first.orderMargins[m_step];
            if (margin > m_keeperMargin[before])
                m_keepersPassed[before] += 1;
            else if (margin == m_keeperMargin[before])
                m_keepersPassed[before] += m_tieShare[before];
        }
        ++m_step;
        return entry;
    }

private:
    // Whether entry i is offered to this cell, and at what price.
    bool offer(std::size_t i, double &price) const
    {
        const std::int64_t stock = m_limits[i], left = stock - m_used[i];
        if (left <= 0)
            return false;
        const double along = m_keepers[i] > 0 ? m_keepersPassed[i] / double(m_keepers[i])
                                              : double(m_step) / double(m_first.order.size());
        if (double(m_used[i]) >= along * double(stock) + 1 + double(stock) / 50)
            return false;
        const std::int64_t wanted = m_taken[i] - m_passed[i];
        if (wanted > left) {
            const std::vector<double> &m = m_first.margins[i];
            const double share = 1.0 - double(left) / double(wanted);
            const double at = m[std::min(m.size() - 1, std::size_t(share * double(m.size())))];
            price = at + 1e-9 * (1 + at);
        }
        return true;
    }

    NearestEntry m_nearest;
    Distances &m_distances;
    const Limits &m_limits;
    FirstRun &m_first;
    // Per entry: the cells the first run gave it, those of them passed so far,
    // and the pieces used in this run.
    std::array<std::int64_t, 16> m_taken{};
    std::array<std::int64_t, 16> m_passed{};
    std::array<std::int64_t, 16> m_used{};
    // Per entry: how many of the first run's cells would keep it within the
    // stock, the least margin among them, and how many of them were passed.
    std::array<std::int64_t, 16> m_keepers{};
    std::array<double, 16> m_keeperMargin{};
    std::array<double, 16> m_tieShare{};
    std::array<double, 16> m_keepersPassed{};
    std::size_t m_step = 0;
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

    FirstRun first(distances, limits);
    std::vector<std::uint8_t> entries =
        MosaicConversion::match(cells, columns, rows, means, options, &first, rowDone);
    if (fits(countsOf(entries), limits))
        return entries;
    RationedRun rationed(colourMatch, distances, limits, first);
    return MosaicConversion::match(cells, columns, rows, means, options, &rationed);
}

} // namespace tessell::StockLimit
