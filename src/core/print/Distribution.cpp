#include "core/print/Distribution.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QStringList>
#include <QtNumeric>

#include <limits>

namespace tessell {

namespace {
std::optional<int> integerOf(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}
} // namespace

qint64 Distribution::total() const
{
    // Each product fits; their sum may not, and stops at the limit.
    qint64 sum = 0;
    for (const Row &r : m_rows)
        if (qAddOverflow(sum, qint64(r.classes) * r.columns, &sum))
            return r.classes * qint64(r.columns) < 0 ? std::numeric_limits<qint64>::min()
                                                     : std::numeric_limits<qint64>::max();
    return sum;
}

qint64 Distribution::pageCount() const
{
    return qint64(m_rows[0].classes) + m_rows[1].classes + m_rows[2].classes;
}

Distribution::Block Distribution::block(int k) const
{
    const qint64 c1 = m_rows[0].classes, w1 = m_rows[0].columns;
    const qint64 c2 = m_rows[1].classes, w2 = m_rows[1].columns;
    const qint64 w3 = m_rows[2].columns;
    qint64 first = 0, width = w3;
    if (k < c1)
        first = k * w1, width = w1;
    else if (k < c1 + c2)
        first = c1 * w1 + (k - c1) * w2, width = w2;
    else
        first = c1 * w1 + c2 * w2 + (k - c1 - c2) * w3;
    // Past the largest int: no columns, past every design, so first + width stays an int.
    if (first + width > std::numeric_limits<int>::max())
        return {std::numeric_limits<int>::max(), 0};
    return {int(first), int(width)};
}

QString Distribution::totalLine(int designColumns) const
{
    return texts::distributionTotal(total(), remainder(designColumns));
}

void Distribution::checkPositive() const
{
    bool ok = m_rows[0].classes > 0;
    for (const Row &r : m_rows)
        ok = ok && r.classes >= 0 && r.columns > 0;
    if (!ok)
        throw Error(texts::positiveIntegerRequired());
}

void Distribution::check(int designColumns) const
{
    checkPositive();
    if (pageCount() > designColumns)
        throw Error(texts::columnCountOutOfRange());
}

std::optional<Distribution::Fields> Distribution::normalise(const Fields &fields)
{
    for (const QString &f : fields)
        if (f.isEmpty())
            return std::nullopt;
    static constexpr int NoInteger[6] = {1, 0, 0, 1, 1, 1};
    static constexpr bool NeverZero[6] = {true, false, false, true, true, true};
    Fields out;
    for (int i = 0; i < 6; ++i) {
        const int v = integerOf(fields[i]).value_or(NoInteger[i]);
        out[i] = QString::number(v == 0 && NeverZero[i] ? 1 : v);
    }
    return out;
}

Distribution Distribution::fromFields(const Fields &fields)
{
    int v[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> n = integerOf(fields[i]);
        if (!n)
            throw Error(texts::notAnInteger(fields[i]));
        v[i] = *n;
    }
    return Distribution({v[0], v[3]}, {v[1], v[4]}, {v[2], v[5]});
}

std::optional<Distribution> Distribution::fromText(const QString &text)
{
    const QStringList groups = text.split(QLatin1Char(','));
    if (groups.size() > 3)
        return std::nullopt;
    Fields fields{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                  QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    for (int i = 0; i < groups.size(); ++i) {
        const QStringList parts = groups[i].split(QLatin1Char('x'));
        if (parts.size() != 2)
            return std::nullopt;
        fields[i] = parts[0];
        fields[i + 3] = parts[1];
    }
    // Texts that are no integer are refused here rather than turned into 1 or 0 as
    // the dialog would: a mistyped command should not print a different split.
    fromFields(fields);
    const std::optional<Fields> normal = normalise(fields);
    if (!normal)
        return std::nullopt;
    return fromFields(*normal);
}

Distribution::Fields Distribution::fields() const
{
    Fields f;
    for (int i = 0; i < 3; ++i) {
        f[i] = QString::number(m_rows[i].classes);
        f[i + 3] = QString::number(m_rows[i].columns);
    }
    return f;
}

Distribution Distribution::fair(int classes, int designColumns)
{
    if (classes < 1)
        throw Error(texts::positiveIntegerRequired());
    if (classes > designColumns)
        throw Error(texts::classesExceedColumns());
    const int narrow = designColumns / classes, wider = designColumns % classes;
    // Rows that carry no class keep 1 column, as the fields would after typing.
    if (wider == 0)
        return Distribution({classes, narrow}, {0, 1}, {0, 1});
    return Distribution({wider, narrow + 1}, {classes - wider, narrow}, {0, 1});
}

} // namespace tessell
