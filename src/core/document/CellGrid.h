#pragma once

#include "core/document/PieceCounts.h"

#include <QHash>
#include <QPoint>
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
    int numberAt(int column, int row) const
    {
        const quint8 code = m_codes[index(column, row)];
        if (code >= 0x80)
            return code == Aside ? cellValue(*m_aside.constFind(index(column, row))).value_or(-1) : -1;
        if (code >= '0' && code <= '9')
            return code - '0';
        const int lower = code | 0x20;
        return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
    }

    // The palette number a valid cell stands for (hex, leading zeros allowed),
    // or nothing for a cell that is not a number 0..15.
    static std::optional<int> cellValue(const QString &text);
    static QString digit(int number) { return QString(QChar(u"0123456789ABCDEF"[number & 15])); }

    // Every cell "0" (or fill) at the new size.
    void reset(int columns, int rows, const QString &fill = QStringLiteral("0"));
    // The new size with the cells kept at the top-left; new cells are "0".
    void resize(int columns, int rows);

    // Whole-grid work straight on the one-byte store. A code below 0x80 is the
    // cell's one-character text; codes from OtherText up stand for every other
    // text (empty, or kept aside), which cell() reads.
    static constexpr quint8 OtherText = 0x80;
    const quint8 *rowCodes(int row) const { return m_codes.constData() + index(0, row); }
    // Stores the one-character text of an ASCII code (below 0x80).
    void setCode(int column, int row, quint8 code)
    {
        const qsizetype i = index(column, row);
        if (m_codes[i] == Aside)
            m_aside.remove(i);
        m_codes[i] = code;
    }
    // The cell of another grid, copied without building its text.
    void copyCell(int column, int row, const CellGrid &from, int fromColumn, int fromRow)
    {
        const quint8 code = from.m_codes[from.index(fromColumn, fromRow)];
        if (code == Aside)
            setCell(column, row, from.cell(fromColumn, fromRow));
        else
            setCode(column, row, code);
    }
    // Counts upper-case digits only; a cell of other form counts each of its
    // upper-case digit characters.
    PieceCounts pieceCounts() const;
    // Empty cells become "0", row by row up to the first cell that is not a
    // number 0..15, which is answered; cells after it stay as they are.
    // filled tells whether any cell was filled.
    std::optional<QPoint> fillEmptyAndCheck(bool *filled);

    QString rowText(int row) const;
    QStringList rowTexts() const;
    // Empties the row, then stores the items from column 0; an empty item is
    // stored as a blank; items past the last column are dropped. Rows at or
    // beyond the last are ignored.
    void setRowFromList(int row, const QStringList &items);
    void setRowFromText(int row, const QString &line);
    // The row from a line of one-character items joined by single commas
    // ("0,1,F"), the form every ordinary row is written in; false, with the
    // row untouched, for a line of any other form.
    bool setRowFromPlainLine(int row, const char *line, qsizetype length);
    // The row's text with an empty cell written as "0", as ASCII bytes, appended
    // to out; false, with nothing appended, for a row that needs quotes or holds
    // a cell of other form.
    bool appendPlainRow(int row, QByteArray &out) const;

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
