// Our default application set in, and taken out of, any mimeapps.list: the
// other lines stay as they were, setting twice changes nothing more, and
// clearing leaves no default of ours behind.
#include "FuzzSupport.h"

#include "core/shell/FreedesktopAssociation.h"

#include <cstdint>

using namespace tessell;

namespace {
bool aboutOurType(const QString &line)
{
    return line.section(QLatin1Char('='), 0, 0).trimmed() == FreedesktopAssociation::mimeType();
}

// The lines that are not about our type, in their order.
QStringList others(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        if (!aboutOurType(line))
            out << line;
    return out;
}

// The default application of our type as the desktop reads the file: the
// last key of our type in a defaults section wins, its first entry.
QString defaultOf(const QStringList &lines)
{
    QString found;
    bool inSection = false;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')))
            inSection = t == QLatin1String("[Default Applications]");
        else if (inSection && aboutOurType(line))
            found = line.section(QLatin1Char('='), 1).split(QLatin1Char(';')).value(0).trimmed();
    }
    return found;
}

// Whether some line of a defaults section still names our program for our type.
bool namesUs(const QStringList &lines)
{
    bool inSection = false;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')))
            inSection = t == QLatin1String("[Default Applications]");
        else if (inSection && aboutOurType(line) &&
                 line.section(QLatin1Char('='), 1)
                     .split(QLatin1Char(';'))
                     .contains(FreedesktopAssociation::desktopName()))
            return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList lines = QString::fromUtf8(fuzz::bytesOf(data, size)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QStringList set = FreedesktopAssociation::editDefaults(lines, true).value_or(lines);
    fuzz::require(defaultOf(set) == FreedesktopAssociation::desktopName(), "our default is there");
    fuzz::require(others(set).mid(0, others(lines).size()) == others(lines), "other lines kept");
    fuzz::require(!FreedesktopAssociation::editDefaults(set, true), "setting twice changes nothing");
    const QStringList cleared = FreedesktopAssociation::editDefaults(set, false).value_or(set);
    fuzz::require(!namesUs(cleared), "cleared");
    fuzz::require(others(cleared).mid(0, others(lines).size()) == others(lines),
                  "other lines kept when cleared");
    return 0;
}
