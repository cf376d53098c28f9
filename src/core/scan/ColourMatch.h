#pragma once

#include "core/colour/Cielab.h"

#include <QRgb>

#include <array>
#include <cstdint>
#include <unordered_map>

namespace tessell {

using MeanColours = std::array<QRgb, 16>;

// How a cell's colour is compared with the entries' mean colours.
enum class Comparison {
    Average,    // "平均色を比較": the sum of the three channel differences
    Emphasized, // "強調色を比較": the same over the cell's two strongest channels
    Perceptual, // "見た目で比較": CIEDE2000 in CIELAB
};

// A cell's colour as it is matched: channels 0..255, with fractions where
// error diffusion left them.
struct CellColour {
    double red = 0;
    double green = 0;
    double blue = 0;

    static CellColour of(QRgb c) { return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))}; }
};

// The sixteen mean colours seen through one comparison.
class ColourMatch {
public:
    ColourMatch(const MeanColours &means, Comparison comparison);

    const MeanColours &means() const { return m_means; }
    Comparison comparison() const { return m_comparison; }
    // How far colour is from an entry, in the comparison's own measure.
    double distance(const CellColour &colour, int entry) const;
    // The entry at the least distance; ties go to the lower number.
    int nearest(const CellColour &colour) const;
    // The distance to every entry, as nearest() weighs them.
    std::array<double, 16> distances(const CellColour &colour) const;

    // Among the entries allowed (bit i for entry i), the one of least distance
    // plus its offset (ties to the lower number), that value, and the next
    // least value (infinite when only one entry is allowed). With no offsets
    // and every entry allowed, best is nearest().
    struct Ranking {
        int best = -1;
        double bestValue = 0;
        double secondValue = 0;
    };
    Ranking rank(const CellColour &colour, const std::array<double, 16> &offsets, std::uint32_t allowed) const;

private:
    MeanColours m_means;
    Comparison m_comparison;
    std::array<Lab, 16> m_labs;
    std::array<double, 16> m_chromas;
};

// Picks each cell's entry. The conversion asks once a cell, in the order it
// converts them, and diffuses the error of the entry answered; a choice under
// other rules (such as a limited stock of pieces per colour) can stand in for
// the nearest one. cell is the cell's index, row by row.
class EntryChoice {
public:
    virtual ~EntryChoice() = default;
    virtual int choose(const CellColour &colour, std::size_t cell) = 0;
};

// The nearest entry, remembered for whole colours that come again.
class NearestEntry final : public EntryChoice {
public:
    explicit NearestEntry(const ColourMatch &match) : m_match(match) {}
    int choose(const CellColour &colour, std::size_t cell = 0) override;

private:
    const ColourMatch &m_match;
    std::unordered_map<std::uint32_t, int> m_known;
};

} // namespace tessell
