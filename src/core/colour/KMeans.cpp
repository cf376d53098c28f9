#include "core/colour/KMeans.h"

#include "core/colour/Cielab.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>

namespace tessell::KMeans {

namespace {
constexpr std::uint64_t Seed = 0x7e55e11;
constexpr int MaxRounds = 100;

struct Point {
    QRgb rgb;
    double weight;
    Lab lab;
};

double distance2(const Lab &p, const Lab &q)
{
    const double dl = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return dl * dl + da * da + db * db;
}

// [0, 1) from the generator's bits, the same on every platform (the standard
// distributions are not).
double unit(std::mt19937_64 &random)
{
    return double(random() >> 11) * 0x1.0p-53;
}

std::vector<Point> distinctPoints(const std::vector<QRgb> &colours)
{
    std::vector<QRgb> sorted(colours.size());
    std::transform(colours.begin(), colours.end(), sorted.begin(), [](QRgb c) { return c & 0xFFFFFFu; });
    std::sort(sorted.begin(), sorted.end());
    std::vector<Point> points;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i;
        while (j < sorted.size() && sorted[j] == sorted[i])
            ++j;
        const QRgb c = sorted[i] | 0xFF000000u;
        points.push_back({c, double(j - i), Cielab::fromRgb(c)});
        i = j;
    }
    return points;
}

// k-means++: each further centre drawn with odds in proportion to its weight
// times the squared distance to the nearest centre so far.
std::vector<Lab> seedCentres(const std::vector<Point> &points, int count)
{
    std::mt19937_64 random(Seed);
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    std::vector<Lab> centres;
    const auto draw = [&](const auto &odds) {
        double total = 0;
        for (std::size_t i = 0; i < points.size(); ++i)
            total += odds(i);
        double at = unit(random) * total;
        for (std::size_t i = 0; i < points.size(); ++i) {
            at -= odds(i);
            if (at < 0 && odds(i) > 0)
                return i;
        }
        // Rounding left a sliver: the last point that had any odds.
        for (std::size_t i = points.size(); i-- > 0;)
            if (odds(i) > 0)
                return i;
        return std::size_t(0);
    };
    std::size_t chosen = draw([&](std::size_t i) { return points[i].weight; });
    while (true) {
        centres.push_back(points[chosen].lab);
        if (int(centres.size()) == count)
            return centres;
        for (std::size_t i = 0; i < points.size(); ++i)
            nearest[i] = std::min(nearest[i], distance2(points[i].lab, centres.back()));
        chosen = draw([&](std::size_t i) { return points[i].weight * nearest[i]; });
    }
}
} // namespace

std::vector<QRgb> chooseColours(const std::vector<QRgb> &colours, int count)
{
    std::vector<Point> points = distinctPoints(colours);
    count = std::max(count, 1);
    std::vector<double> weights;
    std::vector<QRgb> answer;
    if (int(points.size()) <= count) {
        std::stable_sort(points.begin(), points.end(),
                         [](const Point &p, const Point &q) { return p.weight > q.weight; });
        for (const Point &p : points)
            answer.push_back(p.rgb);
        return answer;
    }

    std::vector<Lab> centres = seedCentres(points, count);
    std::vector<int> member(points.size(), -1);
    for (int round = 0; round < MaxRounds; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            int best = 0;
            double bestDistance = distance2(points[i].lab, centres[0]);
            for (int k = 1; k < count; ++k) {
                const double d = distance2(points[i].lab, centres[std::size_t(k)]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = k;
                }
            }
            moved = moved || member[i] != best;
            member[i] = best;
        }
        if (!moved)
            break;
        std::vector<Lab> sums(static_cast<std::size_t>(count));
        weights.assign(std::size_t(count), 0.0);
        for (std::size_t i = 0; i < points.size(); ++i) {
            Lab &s = sums[std::size_t(member[i])];
            const double w = points[i].weight;
            s.L += w * points[i].lab.L;
            s.a += w * points[i].lab.a;
            s.b += w * points[i].lab.b;
            weights[std::size_t(member[i])] += w;
        }
        for (int k = 0; k < count; ++k) {
            const std::size_t kk = std::size_t(k);
            if (weights[kk] > 0) {
                centres[kk] = {sums[kk].L / weights[kk], sums[kk].a / weights[kk], sums[kk].b / weights[kk]};
                continue;
            }
            // An empty cluster takes the point its centre stands for worst.
            std::size_t worst = 0;
            double worstCost = -1;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const double cost =
                    points[i].weight * distance2(points[i].lab, centres[std::size_t(member[i])]);
                if (cost > worstCost) {
                    worstCost = cost;
                    worst = i;
                }
            }
            centres[kk] = points[worst].lab;
            member[worst] = k;
        }
    }

    weights.assign(std::size_t(count), 0.0);
    for (std::size_t i = 0; i < points.size(); ++i)
        weights[std::size_t(member[i])] += points[i].weight;
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int p, int q) { return weights[std::size_t(p)] > weights[std::size_t(q)]; });
    for (int k : order)
        answer.push_back(Cielab::toRgb(centres[std::size_t(k)]));
    return answer;
}

} // namespace tessell::KMeans
