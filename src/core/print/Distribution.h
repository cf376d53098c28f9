#pragma once

#include <QString>

#include <array>
#include <optional>

namespace tessell {

// How the design's columns are divided among the classes: three rows of a class
// count and the columns each of those classes gets. The blocks follow one
// another from column 0; the columns left over at the right belong to nobody.
class Distribution {
public:
    struct Row {
        int classes = 1;
        int columns = 1;
        bool operator==(const Row &) const = default;
    };
    // The six fields in their order: the three class counts, then the three
    // column counts.
    using Fields = std::array<QString, 6>;
    struct Block {
        int first = 0;
        int width = 0;
        bool operator==(const Block &) const = default;
    };

    Distribution() = default;
    Distribution(Row row1, Row row2, Row row3) : m_rows{row1, row2, row3} {}

    const Row &row(int i) const { return m_rows[i]; }
    // Columns given to classes, the columns left of the design's width, and
    // one page per class, in 64 bits: counts typed on the command line may be
    // as large as an int holds.
    qint64 total() const;
    qint64 remainder(int designColumns) const { return designColumns - total(); }
    qint64 pageCount() const;
    // The columns of class page k (0-based). A block that would reach past
    // the largest int has no columns and starts there, past every design.
    Block block(int k) const;
    // "合計 154列 : 余り6列".
    QString totalLine(int designColumns) const;

    // Throws "正の整数値を入力してください。" for a negative count (or no class
    // at all), before any page is drawn.
    void checkPositive() const;
    // checkPositive(), then "列数が有効範囲を超えています" for more class pages
    // than the design has columns, which no class could fill; after it the
    // page count fits an int.
    void check(int designColumns) const;

    // The recomputation's rewrite of the fields: each as its integer, text that
    // is no integer as the row's default (1, 0, 0 classes; 1 column), and "0"
    // as "1" where a row of 1 class or a column count may not be 0. Nothing
    // when a field is empty.
    static std::optional<Fields> normalise(const Fields &fields);
    // The six fields as integers; throws "'%s' は整数ではありません" for the first
    // that holds none.
    static Distribution fromFields(const Fields &fields);
    // The command line's "7x7,7x7,8x7": up to three groups of classes x
    // columns, as the six fields would hold them, then normalised as the
    // dialog does; rows not given have no classes. Nothing for text of another
    // form; throws as fromFields() for a count that is no integer.
    static std::optional<Distribution> fromText(const QString &text);
    Fields fields() const;

    // Every column to a class, the classes differing by one column at most and
    // the wider ones first. Throws "クラス数が列数を超えています。" when there are
    // more classes than columns.
    static Distribution fair(int classes, int designColumns);

    bool operator==(const Distribution &) const = default;

private:
    std::array<Row, 3> m_rows;
};

} // namespace tessell
