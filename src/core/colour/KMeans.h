#pragma once

#include <QRgb>

#include <vector>

namespace tessell::KMeans {

// Up to count colours that stand for the given ones (each counted as often as
// it occurs): k-means in CIELAB, started by k-means++ from a fixed seed, so the
// same colours always give the same answer. Fewer colours come back only when
// fewer distinct ones were given. The most used colour comes first.
std::vector<QRgb> chooseColours(const std::vector<QRgb> &colours, int count);

} // namespace tessell::KMeans
