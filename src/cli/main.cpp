// tessell-cli: the design file tools of the editor, without a window.
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Version.h"
#include "core/settings/UiLanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace tessell;
using namespace tessell::cli;

namespace {
// Every command, in the order the help lists them.
const QList<const Command *> kCommands{&newCommand,     &infoCommand,  &resaveCommand, &importCommand,
                                       &convertCommand, &printCommand, &planCommand};

const Command *find(const QString &name)
{
    for (const Command *c : kCommands)
        if (name == QLatin1String(c->name))
            return c;
    return nullptr;
}

// The tool's stderr carries its own messages only, not Qt's notes about the
// environment (such as a missing runtime folder or locale).
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    for (const Command *c : kCommands)
        if (argc > 1 && c->drawsText && std::strcmp(argv[1], c->name) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    return std::make_unique<QCoreApplication>(argc, argv);
}

void installTranslation(QCoreApplication &app)
{
    // The texts are written in Japanese; English comes from the compiled-in translation.
    if (UiLanguages::forCommandLine() == UiLanguage::Japanese)
        return;
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("tessell_en"), QStringLiteral(":/i18n")))
        app.installTranslator(translator);
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int usageError(const QString &message, const QString &usage)
{
    printError(message);
    print(stderr, usage);
    return Failure;
}

bool asksForHelp(const QStringList &args)
{
    for (const QString &a : args) {
        if (a == QLatin1String("--"))
            return false;
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return true;
    }
    return false;
}

int runCommand(const Command &command, const QStringList &args)
{
    if (asksForHelp(args)) {
        print(stdout, commandHelp(command));
        return Ok;
    }
    try {
        return command.run(Invocation(command, args));
    } catch (const UsageError &e) {
        return usageError(e.text(), usageLines(command));
    } catch (const Error &e) {
        printError(e.text());
        return Failure;
    }
}
} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    // The editor's name: where its data.dat lies may depend on it (--stock-from-plan).
    app->setApplicationName(QStringLiteral("Tessell"));
    app->setApplicationVersion(QLatin1String(kVersion));
    installTranslation(*app);

    // The tool's own options come before the command; everything after the
    // command name is the command's.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    const QString toolHelpText = toolHelp(kCommands);
    if (!parser.parse(app->arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(unknown.isEmpty() ? parser.errorText()
                                            : usageText::unknownOption(dashed(unknown.first())),
                          toolHelpText);
    }
    QStringList args = parser.positionalArguments();
    if (parser.isSet(help)) {
        print(stdout, toolHelpText);
        return Ok;
    }
    if (parser.isSet(version)) {
        std::printf("tessell-cli %s\n", kVersion);
        return Ok;
    }
    if (args.isEmpty()) {
        print(stderr, toolHelpText);
        return Failure;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("help")) {
        if (args.isEmpty()) {
            print(stdout, toolHelpText);
            return Ok;
        }
        const Command *c = find(args.first());
        if (!c)
            return usageError(usageText::unknownCommand(args.first()), toolHelpText);
        if (args.size() > 1)
            return usageError(usageText::unexpectedArgument(args[1]), usageLines(*c));
        print(stdout, commandHelp(*c));
        return Ok;
    }
    if (const Command *c = find(name))
        return runCommand(*c, args);
    return usageError(usageText::unknownCommand(name), toolHelpText);
}
