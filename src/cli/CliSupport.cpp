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

std::optional<Distribution> distributionOption(const Invocation &call, int designColumns)
{
    const QString classes = QStringLiteral("classes"), fair = QStringLiteral("classes-fair");
    if (call.isSet(classes) && call.isSet(fair))
        throw UsageError(usageText::notTogether(dashed(classes), dashed(fair)));
    std::optional<Distribution> d;
    if (call.isSet(classes)) {
        d = Distribution::fromText(call.value(classes));
        if (!d)
            throw call.malformed(classes);
    } else if (call.isSet(fair)) {
        d = Distribution::fair(call.integer(fair), designColumns);
    } else {
        return std::nullopt;
    }
    // More pages than columns is refused at once, before any page is laid out.
    d->check(designColumns);
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
