#include "cli/CommandLine.h"

#include <algorithm>

namespace tessell::cli {

namespace {
const QString kTool = QStringLiteral("tessell-cli");

QString translated(const char *text)
{
    return QCoreApplication::translate("tessell::cli", text);
}

QString helpOptionText()
{
    return CliTexts::tr("この使い方を表示します");
}

QString usageHeading()
{
    return CliTexts::tr("使い方:");
}

// Rows of "  left  right", the right texts in one column.
QString table(const QList<std::pair<QString, QString>> &rows)
{
    qsizetype width = 0;
    for (const auto &row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto &[left, right] : rows)
        text += QStringLiteral("  ") + left.leftJustified(width + 2) + right + u'\n';
    return text;
}

QString optionLabel(const Option &option)
{
    QStringList names;
    for (const QString &n : option.names)
        names << dashed(n);
    QString label = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        label += u' ' + option.valueName;
    return label;
}

QString exitStatusText()
{
    return CliTexts::tr("終了コード: 0 成功、1 図案に数値でないセルがある、\n2 "
                        "ファイルを読み書きできない、または引数の誤り。");
}
} // namespace

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

namespace usageText {
QString unknownOption(const QString &option)
{
    return CliTexts::tr("%1 というオプションはありません").arg(option);
}
QString unknownCommand(const QString &command)
{
    return CliTexts::tr("%1 というコマンドはありません").arg(command);
}
QString needs(const QString &what, const QString &value)
{
    return CliTexts::tr("%1 には %2 を指定してください").arg(what, value);
}
QString takesNoValue(const QString &option)
{
    return CliTexts::tr("%1 には値を付けられません").arg(option);
}
QString unexpectedArgument(const QString &argument)
{
    return CliTexts::tr("余分な引数 %1 があります").arg(argument);
}
QString notTogether(const QString &a, const QString &b)
{
    return CliTexts::tr("%1 と %2 は同時に指定できません").arg(a, b);
}
QString eitherOf(const QString &a, const QString &b)
{
    return CliTexts::tr("%1 か %2 のどちらかを指定してください").arg(a, b);
}
} // namespace usageText

Invocation::Invocation(const Command &command, const QStringList &args) : m_command(command)
{
    for (const Option &o : command.options)
        m_parser.addOption(o.valueName.isEmpty() ? QCommandLineOption(o.names)
                                                 : QCommandLineOption(o.names, QString(), o.valueName));
    // parse() takes the program's name first.
    if (!m_parser.parse(QStringList{kTool} + args)) {
        if (!m_parser.unknownOptionNames().isEmpty())
            throw UsageError(usageText::unknownOption(dashed(m_parser.unknownOptionNames().first())));
        // Qt names no option in the two other failures: a value missing after
        // the last argument, or a value given to a flag with "=".
        for (qsizetype i = 0; i < args.size() && args[i] != QLatin1String("--"); ++i) {
            if (!args[i].startsWith(u'-') || args[i].size() < 2)
                continue;
            const QString body = args[i].mid(args[i].startsWith(QLatin1String("--")) ? 2 : 1);
            const QString name = body.section(u'=', 0, 0);
            const auto o = std::find_if(command.options.begin(), command.options.end(),
                                        [&](const Option &o) { return o.names.contains(name); });
            if (o == command.options.end())
                continue;
            if (o->valueName.isEmpty() && body.contains(u'='))
                throw UsageError(usageText::takesNoValue(dashed(name)));
            if (!o->valueName.isEmpty() && !body.contains(u'=') && i + 1 == args.size())
                throw UsageError(usageText::needs(dashed(name), o->valueName));
        }
        throw UsageError(m_parser.errorText());
    }
    m_arguments = m_parser.positionalArguments();
    if (m_arguments.size() < command.arguments.size())
        throw UsageError(
            usageText::needs(QString::fromLatin1(command.name), command.arguments[m_arguments.size()].name));
    if (m_arguments.size() > command.arguments.size())
        throw UsageError(usageText::unexpectedArgument(m_arguments[command.arguments.size()]));
}

const Option &Invocation::option(const QString &name) const
{
    for (const Option &o : m_command.options)
        if (o.names.contains(name))
            return o;
    // Only the command's own code names options; a name it lacks is a fault there.
    qFatal("tessell-cli: the option %s is not in the table of %s", qPrintable(name), m_command.name);
}

QString Invocation::required(const QString &name) const
{
    if (!m_parser.isSet(name)) {
        const Option &o = option(name);
        throw UsageError(usageText::needs(QString::fromLatin1(m_command.name),
                                          dashed(o.names.first()) + u' ' + o.valueName));
    }
    return m_parser.value(name);
}

int Invocation::integer(const QString &name) const
{
    bool ok = false;
    const int v = m_parser.value(name).toInt(&ok, 10);
    if (!ok)
        throw malformed(name);
    return v;
}

UsageError Invocation::malformed(const QString &name) const
{
    const Option &o = option(name);
    return UsageError(usageText::needs(dashed(o.names.last()), o.valueName));
}

QString usageLines(const Command &command)
{
    return usageHeading() +
           QStringLiteral("\n  %1 %2 %3\n").arg(kTool, QLatin1String(command.name), command.synopsis) +
           CliTexts::tr("「%1 help %2」で引数とオプションの説明を表示します。")
               .arg(kTool, QLatin1String(command.name)) +
           u'\n';
}

QString commandHelp(const Command &command)
{
    QString text =
        usageHeading() +
        QStringLiteral("\n  %1 %2 %3\n\n").arg(kTool, QLatin1String(command.name), command.synopsis) +
        translated(command.summary) + QStringLiteral("\n\n");
    if (!command.arguments.isEmpty()) {
        QList<std::pair<QString, QString>> rows;
        for (const Argument &a : command.arguments)
            rows.append({a.name, translated(a.description)});
        text += CliTexts::tr("引数:") + u'\n' + table(rows) + u'\n';
    }
    QList<std::pair<QString, QString>> rows;
    for (const Option &o : command.options)
        rows.append({optionLabel(o), translated(o.description)});
    rows.append({QStringLiteral("-h, --help"), helpOptionText()});
    text += CliTexts::tr("オプション:") + u'\n' + table(rows) + u'\n' + exitStatusText() + u'\n';
    return text;
}

QString toolHelp(const QList<const Command *> &commands)
{
    QString text = usageHeading() + QStringLiteral("\n  %1 COMMAND ARGUMENTS [OPTIONS]\n"
                                                   "  %1 help [COMMAND]\n"
                                                   "  %1 --version\n\n")
                                        .arg(kTool);
    QList<std::pair<QString, QString>> rows;
    for (const Command *c : commands)
        rows.append({QString::fromLatin1(c->name), translated(c->summary)});
    text += CliTexts::tr("コマンド:") + u'\n' + table(rows) + u'\n';
    text += CliTexts::tr(
                "「%1 help COMMAND」または「%1 COMMAND --help」で、コマンドの引数とオプションを表示します。")
                .arg(kTool) +
            u'\n' + exitStatusText() + u'\n';
    return text;
}

} // namespace tessell::cli
