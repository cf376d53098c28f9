// tessell-cli: the design file tools of the editor, without a window.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Version.h"

#include <QCoreApplication>

#include <cstdio>

using namespace tessell;
using namespace tessell::cli;

namespace {
struct Command {
    const char *name;
    int (*run)(QStringList);
};

const Command kCommands[] = {
    {"new", cmdNew},
    {"info", cmdInfo},
    {"resave", cmdResave},
    {"import", cmdImport},
    {"convert", cmdConvert},
};
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(usageText(), args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? Failure : Ok;
    }
    if (args[0] == QLatin1String("--version")) {
        std::printf("tessell-cli %s\n", kVersion);
        return Ok;
    }
    const QString command = args.takeFirst();
    for (const Command &c : kCommands) {
        if (command != QLatin1String(c.name))
            continue;
        try {
            return c.run(args);
        } catch (const Error &e) {
            printError(e.text());
            return Failure;
        }
    }
    return usage();
}
