#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The command line of tessell-cli: every command is one table entry (its
// arguments and options), parsed with QCommandLineParser; the help and the
// usage errors are written from the same table.
namespace tessell::cli {

// The translation context of the command line's own texts.
class CliTexts {
    Q_DECLARE_TR_FUNCTIONS(tessell::cli)
};

// One option: its names without dashes ("o", "design"), the value it takes
// ("OUT.tsl", "X,Y,W,H"; empty for a flag), and its help text, written with
// QT_TRANSLATE_NOOP("tessell::cli", ...).
struct Option {
    QStringList names;
    QString valueName;
    const char *description;
};

// One argument after the command name, always required.
struct Argument {
    QString name;
    const char *description;
};

class Invocation;

struct Command {
    const char *name;
    // One line for the list of commands (QT_TRANSLATE_NOOP).
    const char *summary;
    // What follows the name in the usage line.
    QString synopsis;
    QList<Argument> arguments;
    QList<Option> options;
    int (*run)(const Invocation &);
    // Drawing text needs a GUI application's fonts (no window is shown).
    bool drawsText = false;
};

// A wrong command line: the message names what is wrong; exit status 2.
class UsageError {
public:
    explicit UsageError(QString text) : m_text(std::move(text)) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// A command's arguments parsed against its table entry. The constructor
// throws UsageError for an unknown option, a missing value or a wrong number
// of arguments.
class Invocation {
public:
    Invocation(const Command &command, const QStringList &args);

    const Command &command() const { return m_command; }
    const QStringList &arguments() const { return m_arguments; }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    // The last value given, empty when the option is absent.
    QString value(const QString &option) const { return m_parser.value(option); }
    // The value; UsageError "COMMAND needs -o OUT.tsl" when it is absent.
    QString required(const QString &option) const;
    // A whole number; UsageError "--png-page needs K" for any other text.
    int integer(const QString &option) const;
    // "--crop needs X,Y,W,H": for a value the command cannot use.
    UsageError malformed(const QString &option) const;

private:
    const Option &option(const QString &name) const;
    const Command &m_command;
    QCommandLineParser m_parser;
    QStringList m_arguments;
};

namespace usageText {
QString unknownOption(const QString &option);
QString unknownCommand(const QString &command);
// "--crop needs X,Y,W,H", "info needs FILE.tsl".
QString needs(const QString &what, const QString &value);
QString takesNoValue(const QString &option);
QString unexpectedArgument(const QString &argument);
QString notTogether(const QString &a, const QString &b);
QString eitherOf(const QString &a, const QString &b);
} // namespace usageText

// "--crop", "-o": an option name as it is typed.
QString dashed(const QString &name);
// The full help of the tool (the list of commands) and of one command.
QString toolHelp(const QList<const Command *> &commands);
QString commandHelp(const Command &command);
// "Usage: tessell-cli convert ..." and a line naming the full help.
QString usageLines(const Command &command);

} // namespace tessell::cli
