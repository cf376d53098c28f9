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

// One character that needs no quotes in a comma list; without branches, so
// that loops over many cells can test several at once.
unsigned isPlainCode(quint8 code)
{
    return unsigned(code > 32) & unsigned(code < 0x80) & unsigned(code != '"') & unsigned(code != ',');
}
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
    // Four tables taken in turn, so that runs of one code do not wait on the
    // same counter.
    std::array<std::array<quint32, 256>, 4> bins{};
    const quint8 *codes = m_codes.constData();
    const qsizetype n = m_codes.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        ++bins[0][codes[i]];
        ++bins[1][codes[i + 1]];
        ++bins[2][codes[i + 2]];
        ++bins[3][codes[i + 3]];
    }
    for (; i < n; ++i)
        ++bins[0][codes[i]];
    PieceCounts counts{};
    for (int d = 0; d < 16; ++d) {
        const quint8 code = quint8(digit(d)[0].unicode());
        counts[d] = int(bins[0][code] + bins[1][code] + bins[2][code] + bins[3][code]);
    }
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
        plain = isPlainCode(codes[c]);
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
    for (qsizetype k = 0; k < length; k += 2)
        plain &= isPlainCode(bytes[k]);
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
    const int n = m_columns; // a local: the byte stores below could alias a member
    unsigned plain = 1;
    for (int c = 0; c < n; ++c)
        plain &= unsigned(codes[c] == Empty) | isPlainCode(codes[c]);
    if (!plain || n == 0)
        return plain;
    const qsizetype start = out.size();
    out.resize(start + 2 * n - 1);
    char *dst = out.data() + start;
    // Each cell but the last with its comma, in a loop without branches.
    for (int c = 0; c + 1 < n; ++c) {
        const quint8 code = codes[c];
        dst[2 * c] = char(code == Empty ? quint8('0') : code);
        dst[2 * c + 1] = ',';
    }
    dst[2 * n - 2] = char(codes[n - 1] == Empty ? quint8('0') : codes[n - 1]);
    return true;
}

} // namespace tessell
