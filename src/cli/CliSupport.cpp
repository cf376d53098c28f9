#include "cli/CliSupport.h"

#include "cli/CommandLine.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include <cstdio>

namespace tessell::cli {

void printError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int checkAndSave(Design &design, const QString &out)
{
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    DesignFile::write(design, out);
    return Ok;
}

namespace {
// "7x7,7x7,8x7": up to three groups of classes x columns, as the six fields
// would hold them; rows not given have no classes.
std::optional<Distribution> parseClasses(const QString &text)
{
    const QStringList groups = text.split(QLatin1Char(','));
    if (groups.size() > 3)
        return std::nullopt;
    Distribution::Fields fields{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
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
    Distribution::fromFields(fields);
    return Distribution::fromFields(*Distribution::normalise(fields));
}
} // namespace

std::optional<Distribution> distributionOption(const Invocation &call, int designColumns)
{
    const QString classes = QStringLiteral("classes"), fair = QStringLiteral("classes-fair");
    if (call.isSet(classes) && call.isSet(fair))
        throw UsageError(usageText::notTogether(dashed(classes), dashed(fair)));
    std::optional<Distribution> d;
    if (call.isSet(classes)) {
        d = parseClasses(call.value(classes));
        if (!d)
            throw call.malformed(classes);
    } else if (call.isSet(fair)) {
        d = Distribution::fair(call.integer(fair), designColumns);
    } else {
        return std::nullopt;
    }
    d->checkPositive();
    // The dialog would not print a split that gives away more columns than there are.
    if (d->remainder(designColumns) < 0)
        throw Error(d->totalLine(designColumns));
    return d;
}

Stock stockOption(const Invocation &call, const QString &option)
{
    if (!call.isSet(option))
        return {};
    const std::optional<Stock> stock =
        CollectionPlan::parseEntries(call.value(option), CollectionPlan::parseStock);
    if (!stock)
        throw call.malformed(option);
    return *stock;
}

std::array<int, 16> perCartonOption(const Invocation &call, const QString &option)
{
    CollectionPlan plan;
    if (!call.isSet(option))
        return plan.perCarton;
    const std::optional<Stock> given =
        CollectionPlan::parseEntries(call.value(option), CollectionPlan::parsePerCarton);
    if (!given)
        throw call.malformed(option);
    for (std::size_t n = 0; n < 16; ++n)
        plan.perCarton[n] = given->at(n).value_or(plan.perCarton[n]);
    return plan.perCarton;
}

} // namespace tessell::cli
