#pragma once

#include <array>

namespace tessell {

// Cells per palette number, as counted by reCount.
using PieceCounts = std::array<int, 16>;

} // namespace tessell
