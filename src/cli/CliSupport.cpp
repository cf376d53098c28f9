#include "cli/CliSupport.h"

#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/Texts.h"

#include <cstdio>

namespace tessell::cli {

namespace {
const char *kUsage =
    "Usage:\n"
    "  tessell-cli new COLSxROWS -o OUT.tsl\n"
    "  tessell-cli info FILE.tsl\n"
    "  tessell-cli resave IN.tsl OUT.tsl\n"
    "  tessell-cli import DESIGN.tsl ARRANGEMENT -o OUT.tsl\n"
    "  tessell-cli --version\n"
    "  tessell-cli convert PICTURE --design DESIGN.tsl [--diffusion] [--emphasized]\n"
    "                      [--crop X,Y,W,H] -o OUT.tsl\n"
    "  tessell-cli print DESIGN.tsl (--classes CxW[,CxW[,CxW]] | --classes-fair N)\n"
    "              [--color] [--no-numbers] [--no-quantities] [--title TEXT] [--notes TEXT]\n"
    "              [--overview] [--neighbours] [--png-page K] -o OUT.pdf\n"
    "\n"
    "Exit status: 0 success, 1 an invalid cell was found, 2 a file could not be\n"
    "read or written, or the arguments are wrong.\n";
} // namespace

const char *usageText() { return kUsage; }

void printError(const QString &text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

int usage()
{
    std::fputs(kUsage, stderr);
    return Failure;
}

bool takeOutput(QStringList &args, QString *out) { return takeOption(args, QStringLiteral("-o"), out); }

bool takeOption(QStringList &args, const QString &name, QString *value)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return false;
    *value = args[i + 1];
    args.remove(i, 2);
    return true;
}

bool takeFlag(QStringList &args, const QString &name) { return args.removeAll(name) > 0; }

int checkAndSave(Design &design, const QString &out)
{
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    DesignFile::write(design, out);
    return Ok;
}

} // namespace tessell::cli
