#include "core/document/CellGrid.h"

#include "core/document/CommaList.h"

#include <array>

namespace tessell {

namespace {
// The texts of the one-byte codes, built once; cell() answers references into it.
const QString &codeText(quint8 code)
{
    static const QVector<QString> texts = [] {
        QVector<QString> t(0x81);
        for (int c = 0; c < 0x80; ++c)
            t[c] = QString(QChar(c));
        return t;
    }();
    return texts[code];
}

// The palette number of each one-byte code, -1 where it is none.
const qint8 *codeNumbers()
{
    static const auto table = [] {
        std::array<qint8, 256> t;
        t.fill(-1);
        for (int d = 0; d < 10; ++d)
            t['0' + d] = qint8(d);
        for (int d = 0; d < 6; ++d)
            t['A' + d] = t['a' + d] = qint8(10 + d);
        return t;
    }();
    return table.data();
}

// One character that needs no quotes in a comma list.
bool isPlainCode(quint8 code) { return code > 32 && code < 0x80 && code != '"' && code != ','; }
} // namespace

CellGrid::CellGrid(int columns, int rows, const QString &fill) { reset(columns, rows, fill); }

quint8 CellGrid::codeOf(const QString &text)
{
    if (text.isEmpty())
        return Empty;
    if (text.size() == 1 && text[0].unicode() < 0x80)
        return quint8(text[0].unicode());
    return Aside;
}

const QString &CellGrid::cell(int column, int row) const
{
    const qsizetype i = index(column, row);
    const quint8 code = m_codes[i];
    if (code != Aside)
        return codeText(code);
    return *m_aside.constFind(i);
}

void CellGrid::setCell(int column, int row, const QString &text)
{
    const qsizetype i = index(column, row);
    const quint8 code = codeOf(text);
    if (m_codes[i] == Aside && code != Aside)
        m_aside.remove(i);
    m_codes[i] = code;
    if (code == Aside)
        m_aside.insert(i, text);
}

std::optional<int> CellGrid::cellValue(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // The common case first: one upper-case digit.
    if (text.size() == 1) {
        const char16_t c = text[0].unicode();
        if (c >= u'0' && c <= u'9')
            return int(c - u'0');
        if (c >= u'A' && c <= u'F')
            return int(c - u'A' + 10);
    }
    int value = 0;
    for (QChar c : text) {
        int d;
        if (c >= u'0' && c <= u'9')
            d = c.unicode() - '0';
        else if (c >= u'A' && c <= u'F')
            d = c.unicode() - 'A' + 10;
        else if (c >= u'a' && c <= u'f')
            d = c.unicode() - 'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + d;
        if (value > 15)
            return std::nullopt;
    }
    return value;
}

void CellGrid::reset(int columns, int rows, const QString &fill)
{
    m_columns = qMax(0, columns);
    m_rows = qMax(0, rows);
    m_aside.clear();
    const quint8 code = codeOf(fill);
    m_codes = QVector<quint8>(qsizetype(m_columns) * m_rows, code);
    if (code == Aside)
        for (qsizetype i = 0; i < m_codes.size(); ++i)
            m_aside.insert(i, fill);
}

void CellGrid::resize(int columns, int rows)
{
    CellGrid grown(columns, rows);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(columns, m_columns); ++c)
            grown.setCell(c, r, cell(c, r));
    *this = std::move(grown);
}

PieceCounts CellGrid::pieceCounts() const
{
    // A histogram of the bytes, then the digits' bins; texts aside on their own.
    std::array<qsizetype, 256> bins{};
    for (const quint8 code : m_codes)
        ++bins[code];
    PieceCounts counts{};
    for (int d = 0; d < 16; ++d)
        counts[d] = int(bins[quint8(digit(d)[0].unicode())]);
    for (const QString &text : m_aside)
        addPieces(counts, text);
    return counts;
}

std::optional<QPoint> CellGrid::fillEmptyAndCheck(bool *filled)
{
    *filled = false;
    const qint8 *numbers = codeNumbers();
    const qsizetype n = m_codes.size();
    quint8 *codes = m_codes.data();
    // Blocks of ordinary digits, the whole of an ordinary design, are passed
    // over with a test the compiler can do many bytes at a time.
    constexpr qsizetype Block = 64;
    for (qsizetype i = 0; i < n; ++i) {
        if (i % Block == 0 && i + Block <= n) {
            unsigned digits = 1;
            for (qsizetype k = i; k < i + Block; ++k) {
                const quint8 c = codes[k];
                digits &= unsigned(quint8(c - '0') < 10) | unsigned(quint8(c - 'A') < 6) | unsigned(quint8(c - 'a') < 6);
            }
            if (digits) {
                i += Block - 1;
                continue;
            }
        }
        if (codes[i] == Empty) {
            codes[i] = '0';
            *filled = true;
        }
        const bool valid = codes[i] == Aside ? cellValue(*m_aside.constFind(i)).has_value() : numbers[codes[i]] >= 0;
        if (!valid)
            return QPoint(int(i % m_columns), int(i / m_columns));
    }
    return std::nullopt;
}

QString CellGrid::rowText(int row) const
{
    // The common row of one-character cells that need no quotes, written straight.
    const quint8 *codes = m_codes.constData() + index(0, row);
    bool plain = m_columns > 0;
    for (int c = 0; c < m_columns && plain; ++c)
        plain = codes[c] > 32 && codes[c] < 0x80 && codes[c] != '"' && codes[c] != ',';
    if (plain) {
        QString text(2 * m_columns - 1, u',');
        QChar *out = text.data();
        for (int c = 0; c < m_columns; ++c)
            out[2 * c] = QChar(codes[c]);
        return text;
    }
    QStringList items;
    items.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c)
        items << cell(c, row);
    return CommaList::join(items);
}

QStringList CellGrid::rowTexts() const
{
    QStringList rows;
    rows.reserve(m_rows);
    for (int r = 0; r < m_rows; ++r)
        rows << rowText(r);
    return rows;
}

void CellGrid::setRowFromList(int row, const QStringList &items)
{
    if (row < 0 || row >= m_rows)
        return;
    for (int c = 0; c < m_columns; ++c)
        setCell(c, row, items.value(c).isEmpty() && c < items.size() ? QStringLiteral(" ") : items.value(c));
}

void CellGrid::setRowFromText(int row, const QString &line) { setRowFromList(row, CommaList::split(line)); }

bool CellGrid::setRowFromPlainLine(int row, const char *line, qsizetype length)
{
    if (length % 2 == 0)
        return false;
    // Checked without a branch a byte, so that the compiler can take many at once.
    const auto *bytes = reinterpret_cast<const quint8 *>(line);
    unsigned plain = 1;
    for (qsizetype k = 0; k < length; k += 2) {
        const quint8 c = bytes[k];
        plain &= unsigned(c > 32) & unsigned(c < 0x80) & unsigned(c != '"') & unsigned(c != ',');
    }
    for (qsizetype k = 1; k < length; k += 2)
        plain &= unsigned(bytes[k] == ',');
    if (!plain)
        return false;
    if (row < 0 || row >= m_rows)
        return true;
    if (!m_aside.isEmpty())
        for (int c = 0; c < m_columns; ++c)
            m_aside.remove(index(c, row));
    const int items = int(qMin<qsizetype>((length + 1) / 2, m_columns));
    quint8 *codes = m_codes.data() + index(0, row);
    for (int c = 0; c < items; ++c)
        codes[c] = bytes[2 * c];
    // Cells past the last item are empty, as setRowFromList leaves them.
    std::fill(codes + items, codes + m_columns, Empty);
    return true;
}

bool CellGrid::appendPlainRow(int row, QByteArray &out) const
{
    const quint8 *codes = rowCodes(row);
    const qsizetype start = out.size();
    out.resize(start + qMax(0, 2 * m_columns - 1));
    char *dst = out.data() + start;
    for (int c = 0; c < m_columns; ++c) {
        const quint8 code = codes[c];
        if (code != Empty && !isPlainCode(code)) {
            out.truncate(start);
            return false;
        }
        dst[2 * c] = code == Empty ? '0' : char(code);
        if (c + 1 < m_columns)
            dst[2 * c + 1] = ',';
    }
    return true;
}

} // namespace tessell
