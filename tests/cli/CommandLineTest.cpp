// tessell-cli's command line: help, version, usage errors and the language of
// its messages, in one table.
#include "support/TestSupport.h"

#include "core/Version.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace tessell::test;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
};

void CommandLineTest::commandLine_data()
{
    QTest::addColumn<QStringList>("environment"); // over TESSELL_LANG and the locale cleared
    QTest::addColumn<QString>("args");            // split at blanks
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // how standard output (0) or standard error starts

    const QStringList en{"TESSELL_LANG=en"}, ja{"TESSELL_LANG=ja"};
    const QString version = QStringLiteral("tessell-cli %1\n").arg(tessell::kVersion);
    QTest::newRow("help") << en << "--help" << 0 << "Usage:\n  tessell-cli COMMAND";
    QTest::newRow("help convert") << en << "help convert" << 0
                                  << "Usage:\n  tessell-cli convert PICTURE --design";
    QTest::newRow("convert --help") << en << "convert --help" << 0
                                    << "Usage:\n  tessell-cli convert PICTURE --design";
    QTest::newRow("help before a wrong option")
        << en << "print --clases 7x7 -h" << 0 << "Usage:\n  tessell-cli print DESIGN.tsl";
    QTest::newRow("version") << en << "--version" << 0 << version;
    QTest::newRow("no arguments") << en << "" << 2 << "Usage:\n  tessell-cli COMMAND";
    QTest::newRow("unknown command") << en << "frob x.tsl" << 2
                                     << "unknown command frob\nUsage:\n  tessell-cli COMMAND";
    QTest::newRow("help on an unknown command") << en << "help frob" << 2 << "unknown command frob\n";
    QTest::newRow("unknown tool option") << en << "--frob" << 2 << "unknown option --frob\n";
    QTest::newRow("unknown option") << en << "print m.tsl --clases 7x7 -o p.pdf" << 2
                                    << "unknown option --clases\nUsage:\n  tessell-cli print DESIGN.tsl";
    QTest::newRow("malformed value") << en << "convert p.png --design d.tsl --crop 1,2,3 -o o.tsl" << 2
                                     << "--crop needs X,Y,W,H\nUsage:\n  tessell-cli convert";
    QTest::newRow("value missing at the end")
        << en << "convert p.png --design d.tsl -o o.tsl --crop" << 2 << "--crop needs X,Y,W,H\n";
    QTest::newRow("-o missing its value") << en << "new 3x2 -o" << 2 << "-o needs OUT.tsl\n";
    QTest::newRow("value on a flag") << en << "convert p.png --design d.tsl --diffusion=yes -o o.tsl" << 2
                                     << "--diffusion takes no value\n";
    QTest::newRow("required option missing") << en << "new 3x2" << 2 << "new needs -o OUT.tsl\n";
    QTest::newRow("bad size") << en << "new 3by2 -o x.tsl" << 2 << "new needs COLSxROWS\n";
    QTest::newRow("argument missing") << en << "import a.tsl -o o.tsl" << 2 << "import needs ARRANGEMENT\n";
    QTest::newRow("argument too many")
        << en << "resave a.tsl b.tsl c.tsl" << 2 << "unexpected argument c.tsl\n";
    QTest::newRow("two splits") << en << "print m.tsl --classes 7x7 --classes-fair 3 -o p.pdf" << 2
                                << "--classes and --classes-fair cannot be used together\n";
    QTest::newRow("no split") << en << "print m.tsl -o p.pdf" << 2
                              << "give either --classes or --classes-fair\n";
    // Options may stand anywhere; after "--" everything is an argument.
    QTest::newRow("after --") << en << "info -- --help" << 2 << "Cannot open file --help\n";

    QTest::newRow("Japanese help") << ja << "help new" << 0 << "使い方:\n  tessell-cli new COLSxROWS";
    QTest::newRow("Japanese error") << ja << "convert p.png --design d.tsl --crop 1,2,3 -o o.tsl" << 2
                                    << "--crop には X,Y,W,H を指定してください\n使い方:";
    QTest::newRow("Japanese locale") << QStringList{"LANG=ja_JP.UTF-8"} << "info" << 2
                                     << "info には FILE.tsl を指定してください\n";
    QTest::newRow("C locale") << QStringList{"LC_ALL=C.UTF-8"} << "info" << 2 << "info needs FILE.tsl\n";
    QTest::newRow("TESSELL_LANG over the locale")
        << QStringList{"LC_ALL=ja_JP.UTF-8", "TESSELL_LANG=en"} << "info" << 2 << "info needs FILE.tsl\n";
}

// Help goes to standard output with status 0, a usage error to standard error
// with status 2; no file is written either way; an English answer holds no
// Japanese.
void CommandLineTest::commandLine()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    Scratch scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"TESSELL_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    for (const QString &pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(scratch.path());
    p.start(QStringLiteral(TESSELL_CLI_PATH), args.split(u' ', Qt::SkipEmptyParts));
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), exitCode);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const QString &text = exitCode == 0 ? out : err;
    QVERIFY2(text.startsWith(output), qPrintable(text));
    QVERIFY((exitCode == 0 ? err : out).isEmpty());
    const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{9fff}]"));
    if (!output.contains(japanese))
        QVERIFY2(!text.contains(japanese), qPrintable(text));
    QVERIFY(QDir(scratch.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
