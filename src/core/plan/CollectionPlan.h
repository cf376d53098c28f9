#pragma once

#include "core/document/CellGrid.h"
#include "core/document/PaletteEntry.h"
#include "core/document/PieceCounts.h"
#include "core/print/Distribution.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tessell {

class SettingsStore;

// Pieces on hand per palette entry; nothing means no limit.
using Stock = std::array<std::optional<int>, 16>;

// What the school has and gets: how many pieces one carton of each colour
// gives, and how many pieces are on hand. Kept in section "plan" of the
// settings store as two comma lists of sixteen items ("percarton", "stock";
// an empty stock item is no limit).
struct CollectionPlan {
    static constexpr int MinPerCarton = 1;
    static constexpr int MaxPerCarton = 9999;
    static constexpr int MaxStock = 999999;

    std::array<int, 16> perCarton = filled(1);
    Stock stock{};

    // A whole number 1..9999 (blanks around it allowed), else nothing.
    static std::optional<int> parsePerCarton(const QString &text);
    // A whole number 0..999999, else nothing.
    static std::optional<int> parseStock(const QString &text);

    // Items that are missing or not valid read as the defaults.
    static CollectionPlan read(const SettingsStore &store);
    // False when the store cannot be written.
    bool write(SettingsStore &store) const;

    // "0=12,5=20,A=6": the value of every entry named (0..15, or one hex
    // digit), checked by parse, and nothing for the others; nothing at all
    // when an item is malformed, names an entry twice or fails parse.
    static std::optional<Stock> parseEntries(const QString &text,
                                             std::optional<int> (*parse)(const QString &));

    bool operator==(const CollectionPlan &) const = default;

private:
    static constexpr std::array<int, 16> filled(int v)
    {
        std::array<int, 16> a{};
        a.fill(v);
        return a;
    }
};

// Whole cartons for that many pieces: rounded up.
inline int cartonsFor(int pieces, int perCarton)
{
    return pieces <= 0 ? 0 : (pieces + perCarton - 1) / perCarton;
}

// One colour's line of the plan, or the total line (perCarton 0 there).
struct PlanLine {
    int pieces = 0;
    int perCarton = 0;
    int cartons = 0;
    // Nothing when no limit was given (in the total: when no colour has one).
    std::optional<int> stock;
    int toCollect = 0;
    int cartonsToCollect = 0;
};

// One class's block of columns and what it needs, as its class page counts them.
struct ClassNeeds {
    Distribution::Block block;
    PieceCounts pieces{};
    std::array<int, 16> cartons{};
};

// The plan's numbers for one design.
struct PlanTable {
    std::array<PlanLine, 16> colours;
    PlanLine total;
    // One per class page, in class order; empty without a distribution.
    std::vector<ClassNeeds> classes;
    // The columns right of the last class, which no class page shows; width 0 when none.
    ClassNeeds leftOver;

    // Pieces per colour (upper-case digits only, as reCount and the class
    // pages count), cartons rounded up per colour, and what the stock does not
    // cover. The distribution must fit the design (remainder not negative).
    static PlanTable compute(const CellGrid &grid, const CollectionPlan &plan,
                             const std::optional<Distribution> &distribution = std::nullopt);
    // The cartons and what is still to collect again for another plan, from
    // the pieces already counted.
    void apply(const CollectionPlan &plan);

    // Both tables as one CSV file for a spreadsheet: UTF-8 with a byte-order
    // mark, CRLF line ends, fields quoted where they must be.
    QByteArray csv(const Palette &palette) const;
};

// The print dialog's distribution as it keeps it in section "print", when the
// dialog would preview it: every field holds text, the counts are positive and
// the classes take no more columns than the design has.
std::optional<Distribution> storedDistribution(const SettingsStore &store, int designColumns);

} // namespace tessell
