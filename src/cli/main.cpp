// tessell-cli: the design file tools of the editor, without a window.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace tessell;
using namespace tessell::cli;

namespace {
struct Command {
    const char *name;
    int (*run)(QStringList);
    // Drawing text needs a GUI application's fonts (no window is shown).
    bool drawsText = false;
};

const Command kCommands[] = {
    {"new", cmdNew},
    {"info", cmdInfo},
    {"resave", cmdResave},
    {"import", cmdImport},
    {"convert", cmdConvert},
    {"print", cmdPrint, true},
};

// The tool's stderr carries its own messages only, not Qt's notes about the
// environment (such as a missing runtime folder).
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    for (const Command &c : kCommands)
        if (argc > 1 && c.drawsText && std::strcmp(argv[1], c.name) == 0) {
            qInstallMessageHandler(quietMessages);
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    return std::make_unique<QCoreApplication>(argc, argv);
}
} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList args = app->arguments().mid(1);
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
