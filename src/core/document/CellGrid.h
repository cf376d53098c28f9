#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace tessell {

// Columns x Rows cells, each a short text, normally one upper-case hex digit.
// Addressed by column and row from 0.
//
// A cell of one ASCII character (every ordinary cell) is stored as one byte;
// texts of other forms are kept aside, so a 999 x 999 design takes 1 MB.
class CellGrid {
public:
    CellGrid() = default;
    CellGrid(int columns, int rows, const QString &fill = QStringLiteral("0"));

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    bool contains(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < m_columns && row < m_rows;
    }

    const QString &cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // The palette number the cell stands for, or -1 (cellValue of its text, but
    // without building the text).
    int numberAt(int column, int row) const;

    // The palette number a valid cell stands for (hex, leading zeros allowed),
    // or nothing for a cell that is not a number 0..15.
    static std::optional<int> cellValue(const QString &text);
    static QString digit(int number) { return QString(QChar(u"0123456789ABCDEF"[number & 15])); }

    // Every cell "0" (or fill) at the new size.
    void reset(int columns, int rows, const QString &fill = QStringLiteral("0"));
    // The new size with the cells kept at the top-left; new cells are "0".
    void resize(int columns, int rows);

    QString rowText(int row) const;
    QStringList rowTexts() const;
    // Empties the row, then stores the items from column 0; an empty item is
    // stored as a blank; items past the last column are dropped. Rows at or
    // beyond the last are ignored.
    void setRowFromList(int row, const QStringList &items);
    void setRowFromText(int row, const QString &line);

    bool operator==(const CellGrid &other) const = default;

private:
    // Codes below 0x80 are that ASCII character; Empty is the empty text;
    // Aside means the text is in m_aside under the cell's index.
    static constexpr quint8 Empty = 0x80;
    static constexpr quint8 Aside = 0xFF;

    qsizetype index(int column, int row) const { return qsizetype(row) * m_columns + column; }
    static quint8 codeOf(const QString &text);

    int m_columns = 0;
    int m_rows = 0;
    QVector<quint8> m_codes;
    QHash<qsizetype, QString> m_aside;
};

} // namespace tessell
