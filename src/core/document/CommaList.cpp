#include "core/document/CommaList.h"

namespace tessell {

namespace {
bool isBlank(QChar c) { return c.unicode() >= 1 && c.unicode() <= 32; }
bool needsQuotes(const QString &item)
{
    for (QChar c : item)
        if (c.unicode() <= 32 || c == u'"' || c == u',')
            return true;
    return false;
}
} // namespace

QString CommaList::join(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += u',';
        const QString &item = items[i];
        if (needsQuotes(item)) {
            out += u'"';
            out += QString(item).replace(u'"', QStringLiteral("\"\""));
            out += u'"';
        } else {
            out += item;
        }
    }
    return out;
}

QStringList CommaList::split(const QString &line, qsizetype maxItems)
{
    QStringList items;
    // A NUL ends the text, as it does for the line readers this format came from.
    const qsizetype end = line.indexOf(QChar(0)) >= 0 ? line.indexOf(QChar(0)) : line.size();
    qsizetype p = 0;
    while (p < end && isBlank(line[p]))
        ++p;
    // Readers that use only the first items stop there, however long the line.
    while (p < end && items.size() != maxItems) {
        QString item;
        if (line[p] == u'"') {
            ++p;
            while (p < end) {
                if (line[p] == u'"') {
                    if (p + 1 < end && line[p + 1] == u'"') {
                        item += u'"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += line[p++];
            }
        } else {
            const qsizetype start = p;
            while (p < end && line[p].unicode() > 32 && line[p] != u',')
                ++p;
            item = line.mid(start, p - start);
        }
        items << item;
        while (p < end && isBlank(line[p]))
            ++p;
        if (p < end && line[p] == u',') {
            if (p + 1 >= end && items.size() != maxItems)
                items << QString();
            ++p;
            while (p < end && isBlank(line[p]))
                ++p;
        }
    }
    return items;
}

bool parseInteger(const QString &text, qint64 *value)
{
    QString t = text;
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        const bool ok = base == 10 ? (c >= u'0' && c <= u'9') : (c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f'));
        if (!ok || c.unicode() > 127)
            return false;
    }
    bool ok = false;
    const qulonglong magnitude = t.toULongLong(&ok, base);
    if (!ok)
        return false;
    // Hex texts may use the whole 32 bits; decimal ones must fit a signed int.
    if (base == 16 ? magnitude > 0xFFFFFFFFull : magnitude > (negative ? 2147483648ull : 2147483647ull))
        return false;
    qint64 v = qint64(magnitude);
    if (base == 16 && v > 0x7FFFFFFF)
        v -= 0x100000000ll;
    *value = negative ? -v : v;
    return true;
}

} // namespace tessell
