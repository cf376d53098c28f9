#include "core/scan/ColourMatch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace tessell {

namespace {
bool whole(const CellColour &c)
{
    return c.red == std::floor(c.red) && c.green == std::floor(c.green) && c.blue == std::floor(c.blue);
}

// The cell's two strongest channels, by the same strict comparisons as for whole channels.
std::array<double, 2> emphasizedPair(const CellColour &c, const std::array<double, 3> &d)
{
    const double r = c.red, g = c.green, b = c.blue;
    if (g < b && b < r)
        return {d[0], d[2]};
    if (b < r && r < g)
        return {d[1], d[0]};
    if (r < b && b < g)
        return {d[1], d[2]};
    if (g < r && r < b)
        return {d[2], d[0]};
    if (r < g && g < b)
        return {d[2], d[1]};
    return {d[0], d[1]};
}
} // namespace

ColourMatch::ColourMatch(const MeanColours &means, Comparison comparison)
    : m_means(means), m_comparison(comparison)
{
    for (std::size_t i = 0; i < m_means.size(); ++i) {
        m_labs[i] = Cielab::fromRgb(m_means[i]);
        m_chromas[i] = Cielab::chroma(m_labs[i]);
    }
}

double ColourMatch::distance(const CellColour &colour, int entry) const
{
    const QRgb m = m_means[std::size_t(entry)];
    const std::array<double, 3> d = {std::abs(colour.red - qRed(m)), std::abs(colour.green - qGreen(m)),
                                     std::abs(colour.blue - qBlue(m))};
    switch (m_comparison) {
    case Comparison::Average:
        return d[0] + d[1] + d[2];
    case Comparison::Emphasized: {
        const std::array<double, 2> pair = emphasizedPair(colour, d);
        return pair[0] + pair[1];
    }
    case Comparison::Perceptual:
        break;
    }
    return Cielab::ciede2000(Cielab::fromSrgb(colour.red, colour.green, colour.blue),
                             m_labs[std::size_t(entry)]);
}

int ColourMatch::nearest(const CellColour &colour) const
{
    int best = 0;
    if (m_comparison != Comparison::Perceptual) {
        double bestDistance = distance(colour, 0);
        for (int i = 1; i < int(m_means.size()); ++i) {
            const double d = distance(colour, i);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return best;
    }
    // The entry nearest in plain CIELAB distance first, then the others,
    // passing over those whose bound already puts them further than the best.
    const Lab lab = whole(colour)
                        ? Cielab::fromRgb(qRgb(int(colour.red), int(colour.green), int(colour.blue)))
                        : Cielab::fromSrgb(colour.red, colour.green, colour.blue);
    double plainBest = 0;
    for (int i = 0; i < int(m_labs.size()); ++i) {
        const Lab &e = m_labs[std::size_t(i)];
        const double dl = e.L - lab.L, da = e.a - lab.a, db = e.b - lab.b;
        const double plain = dl * dl + da * da + db * db;
        if (i == 0 || plain < plainBest) {
            plainBest = plain;
            best = i;
        }
    }
    const int first = best;
    const double chroma = Cielab::chroma(lab);
    double bestDistance = Cielab::ciede2000(lab, m_labs[std::size_t(best)]);
    for (int i = 0; i < int(m_labs.size()); ++i) {
        if (i == first)
            continue;
        const Lab &entry = m_labs[std::size_t(i)];
        const double bound = Cielab::ciede2000BoundSquared(lab, chroma, entry, m_chromas[std::size_t(i)]);
        if (bound > bestDistance * bestDistance * (1 + 1e-9))
            continue;
        const double d = Cielab::ciede2000(lab, entry);
        if (d < bestDistance || (d == bestDistance && i < best)) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::array<double, 16> ColourMatch::distances(const CellColour &colour) const
{
    std::array<double, 16> d;
    if (m_comparison != Comparison::Perceptual) {
        for (int i = 0; i < 16; ++i)
            d[std::size_t(i)] = distance(colour, i);
        return d;
    }
    // The colour's CIELAB once, taken as nearest() takes it.
    const Lab lab = whole(colour)
                        ? Cielab::fromRgb(qRgb(int(colour.red), int(colour.green), int(colour.blue)))
                        : Cielab::fromSrgb(colour.red, colour.green, colour.blue);
    for (std::size_t i = 0; i < 16; ++i)
        d[i] = Cielab::ciede2000(lab, m_labs[i]);
    return d;
}

ColourMatch::Ranking ColourMatch::rank(const CellColour &colour, const std::array<double, 16> &offsets,
                                       std::uint32_t allowed) const
{
    Ranking r;
    r.secondValue = std::numeric_limits<double>::infinity();
    const auto consider = [&](int i, double value) {
        if (r.best < 0 || value < r.bestValue || (value == r.bestValue && i < r.best)) {
            if (r.best >= 0)
                r.secondValue = r.bestValue;
            r.best = i;
            r.bestValue = value;
        } else if (value < r.secondValue) {
            r.secondValue = value;
        }
    };
    if (m_comparison != Comparison::Perceptual) {
        for (int i = 0; i < 16; ++i)
            if (allowed & (1u << i))
                consider(i, distance(colour, i) + offsets[std::size_t(i)]);
        return r;
    }
    // CIEDE2000 only where the bound from lightness and chroma leaves an
    // entry a chance of being among the two least, the likeliest first.
    const Lab lab = whole(colour)
                        ? Cielab::fromRgb(qRgb(int(colour.red), int(colour.green), int(colour.blue)))
                        : Cielab::fromSrgb(colour.red, colour.green, colour.blue);
    const double chroma = Cielab::chroma(lab);
    std::array<std::pair<double, int>, 16> order;
    int count = 0;
    for (int i = 0; i < 16; ++i)
        if (allowed & (1u << i))
            order[std::size_t(count++)] = {
                std::sqrt(Cielab::ciede2000BoundSquared(lab, chroma, m_labs[std::size_t(i)],
                                                        m_chromas[std::size_t(i)])) +
                    offsets[std::size_t(i)],
                i};
    std::sort(order.begin(), order.begin() + count);
    for (int k = 0; k < count; ++k) {
        const auto [bound, i] = order[std::size_t(k)];
        if (bound > r.secondValue + 1e-9 * (1 + r.secondValue))
            break;
        consider(i, Cielab::ciede2000(lab, m_labs[std::size_t(i)]) + offsets[std::size_t(i)]);
    }
    return r;
}

int NearestEntry::choose(const CellColour &colour, std::size_t)
{
    if (m_match.comparison() != Comparison::Perceptual)
        return m_match.nearest(colour);
    if (!whole(colour))
        return m_match.nearest(colour);
    const std::uint32_t key = qRgb(int(colour.red), int(colour.green), int(colour.blue));
    const auto known = m_known.find(key);
    if (known != m_known.end())
        return known->second;
    const int entry = m_match.nearest(colour);
    m_known.emplace(key, entry);
    return entry;
}

} // namespace tessell
