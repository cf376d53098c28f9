#include "core/scan/ColourMatch.h"

#include <cmath>

namespace tessell {

namespace {
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
    for (std::size_t i = 0; i < m_means.size(); ++i)
        m_labs[i] = Cielab::fromRgb(m_means[i]);
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
    // An entry whose lightness alone puts it further than the best so far is passed over.
    const Lab lab = Cielab::fromSrgb(colour.red, colour.green, colour.blue);
    double bestDistance = Cielab::ciede2000(lab, m_labs[0]);
    for (int i = 1; i < int(m_labs.size()); ++i) {
        const Lab &entry = m_labs[std::size_t(i)];
        if (Cielab::ciede2000LightnessBound(lab, entry) > bestDistance * (1 + 1e-12))
            continue;
        const double d = Cielab::ciede2000(lab, entry);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

int NearestEntry::choose(const CellColour &colour)
{
    if (m_match.comparison() != Comparison::Perceptual)
        return m_match.nearest(colour);
    const bool whole = colour.red == std::floor(colour.red) && colour.green == std::floor(colour.green) &&
                       colour.blue == std::floor(colour.blue);
    if (!whole)
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
