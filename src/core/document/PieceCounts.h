#pragma once

#include <QString>

#include <array>

namespace tessell {

// Cells per palette number, as counted by reCount.
using PieceCounts = std::array<int, 16>;

// Counts the characters of one cell text: a cell "AA" counts twice, lower-case
// letters count nowhere.
inline void addPieces(PieceCounts &counts, const QString &cell)
{
    for (QChar ch : cell) {
        if (ch >= u'0' && ch <= u'9')
            ++counts[ch.unicode() - '0'];
        else if (ch >= u'A' && ch <= u'F')
            ++counts[ch.unicode() - 'A' + 10];
    }
}

} // namespace tessell
