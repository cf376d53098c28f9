// tessell-cli print: the class pages of a design as a PDF (or one page as a PNG).
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/print/ClassPages.h"
#include "core/print/PdfPrintTarget.h"

#include <QImage>
#include <QSaveFile>

namespace tessell::cli {

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

int integerOption(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok)
        throw Error(texts::notAnInteger(text));
    return v;
}

void writePng(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw Error(texts::cannotCreate(path));
}
} // namespace

int cmdPrint(QStringList args)
{
    QString out, classes, fair, pngPage;
    ClassPageOptions options;
    const bool hasClasses = takeOption(args, QStringLiteral("--classes"), &classes);
    const bool hasFair = takeOption(args, QStringLiteral("--classes-fair"), &fair);
    const bool png = takeOption(args, QStringLiteral("--png-page"), &pngPage);
    takeOption(args, QStringLiteral("--title"), &options.title);
    takeOption(args, QStringLiteral("--notes"), &options.notes);
    options.colour = takeFlag(args, QStringLiteral("--color"));
    options.numberTable = !takeFlag(args, QStringLiteral("--no-numbers"));
    options.quantityTable = !takeFlag(args, QStringLiteral("--no-quantities"));
    options.overview = takeFlag(args, QStringLiteral("--overview"));
    options.neighbours = takeFlag(args, QStringLiteral("--neighbours"));
    if (!takeOutput(args, &out) || args.size() != 1 || hasClasses == hasFair)
        return usage();

    Design design;
    DesignFile::open(args[0], design);
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    if (hasClasses) {
        const std::optional<Distribution> d = parseClasses(classes);
        if (!d)
            return usage();
        options.distribution = *d;
    } else {
        options.distribution = Distribution::fair(integerOption(fair), design.columns());
    }
    options.distribution.checkPositive();
    // The dialog would not print a split that gives away more columns than there are.
    if (options.distribution.remainder(design.columns()) < 0) {
        printError(options.distribution.totalLine(design.columns()));
        return Failure;
    }

    ClassPages pages(design.grid(), design.palette());
    pages.setOptions(options);
    pages.checkPages();
    if (png) {
        const int page = integerOption(pngPage);
        if (page < 1 || page > pages.pageCount())
            throw Error(texts::noSuchPage(page, pages.pageCount()));
        writePng(pages.pageImage(page - 1), out);
        return Ok;
    }
    PdfPrintTarget pdf(out);
    pages.print(pdf);
    return Ok;
}

} // namespace tessell::cli
