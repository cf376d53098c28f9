// tessell-cli print: the class pages of a design as a PDF (or one page as a PNG).
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/print/ClassPages.h"
#include "core/print/PdfPrintTarget.h"
#include "core/scan/PictureIntegrity.h"

#include <QImage>

namespace tessell::cli {

namespace {
int integerOption(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok)
        throw Error(texts::notAnInteger(text));
    return v;
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
        const std::optional<Distribution> d = Distribution::fromText(classes);
        if (!d)
            return usage();
        options.distribution = *d;
    } else {
        options.distribution = Distribution::fair(integerOption(fair), design.columns());
    }
    // More pages than columns is refused at once, before any page is laid out.
    options.distribution.check(design.columns());
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
        PictureIntegrity::writePicture(pages.pageImage(page - 1), out, "PNG");
        return Ok;
    }
    PdfPrintTarget pdf(out);
    pages.print(pdf);
    return Ok;
}

} // namespace tessell::cli
