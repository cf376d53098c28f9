#include "core/print/Distribution.h"

#include "core/Error.h"
#include "core/Texts.h"

namespace tessell {

namespace {
std::optional<int> integerOf(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}
} // namespace

int Distribution::total() const
{
    int sum = 0;
    for (const Row &r : m_rows)
        sum += r.classes * r.columns;
    return sum;
}

int Distribution::pageCount() const
{
    return m_rows[0].classes + m_rows[1].classes + m_rows[2].classes;
}

Distribution::Block Distribution::block(int k) const
{
    const auto &[c1, w1] = m_rows[0];
    const auto &[c2, w2] = m_rows[1];
    const int w3 = m_rows[2].columns;
    if (k < c1)
        return {k * w1, w1};
    if (k < c1 + c2)
        return {c1 * w1 + (k - c1) * w2, w2};
    return {c1 * w1 + c2 * w2 + (k - c1 - c2) * w3, w3};
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
