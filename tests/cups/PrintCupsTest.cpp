// Prints the class pages through the print dialog to a real CUPS: a private
// cupsd in a scratch folder with a file queue that keeps Qt's PDF and, as
// root, the cups-pdf virtual printer. Without CUPS this test fails.
#include "../ui/WindowFixture.h"

#include "core/print/ClassPages.h"
#include "core/settings/SettingsStore.h"
#include "support/PrintedPages.h"
#include "ui/common/QtPrompter.h"
#include "ui/print/PrintDialog.h"

#include <QDirIterator>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace tessell;
using namespace tessell::test;

namespace {
const QString kSection = QStringLiteral("print");
const QStringList kSbin{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")};

QString tool(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    return path.isEmpty() ? QStandardPaths::findExecutable(name, kSbin) : path;
}

// The first row of each dark run down the vertical through x, from y 20 to 140.
QList<int> linesDown(const QImage &page, int x)
{
    QList<int> found;
    for (int y = 20; y < 140; ++y)
        if (qGray(page.pixel(x, y)) < 128 && (y == 20 || qGray(page.pixel(x, y - 1)) >= 128))
            found << y;
    return found;
}

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(text.toUtf8());
}
} // namespace

class PrintCupsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noPrinterWarns();
    void fileQueue();
    void cupsPdfQueue();

private:
    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    CliRun cups(const QString &program, const QStringList &args)
    {
        return runProgram(tool(program), args, 30000);
    }
    bool addQueue(const QStringList &args);
    // Prints the 22 pages on the queue through the dialog and waits until CUPS has finished.
    void printThrough(const QString &queue);
    void checkPage1(const QString &pdf, int slack);

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    WindowFixture f;
    QImage m_expected;
};

void PrintCupsTest::initTestCase()
{
    const QString cupsd = tool(QStringLiteral("cupsd"));
    if (cupsd.isEmpty() || tool(QStringLiteral("lpadmin")).isEmpty() ||
        tool(QStringLiteral("lpstat")).isEmpty())
        QFAIL("CUPS is not installed (cupsd, lpadmin, lpstat): run scripts/install-deps");
    QVERIFY(m_dir.isValid());
    const QString d = m_dir.path();
    for (const char *sub :
         {"etc", "spool/tmp", "cache", "state", "log", "out", "cups-pdf-spool", "cups-pdf-log"})
        QVERIFY(QDir(d).mkpath(QLatin1String(sub)));
    // The backends run as lp and write into out.
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                     QFileDevice::ExeOther;
    QFile::setPermissions(d, all);
    QFile::setPermissions(d + QStringLiteral("/out"),
                          all | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    writeFile(
        d + QStringLiteral("/etc/cups-files.conf"),
        QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                       "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                       "PageLog %1/log/page_log\nFileDevice Yes\nPrintcap %1/printcap\n"
                       "ServerKeychain %1/ssl\nUser lp\nGroup lp\nSystemGroup root lpadmin\n")
            .arg(d));
    writeFile(
        d + QStringLiteral("/etc/cupsd.conf"),
        QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n<Policy default>\n"
                       "  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n</Policy>\n")
            .arg(socket()));

    m_cupsd.setWorkingDirectory(d);
    m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_cupsd.start(cupsd, {"-f", "-c", d + QStringLiteral("/etc/cupsd.conf"), "-s",
                          d + QStringLiteral("/etc/cups-files.conf")});
    QVERIFY2(m_cupsd.waitForStarted(), "cupsd does not start");
    QTRY_VERIFY_WITH_TIMEOUT(
        cups(QStringLiteral("lpstat"), {"-h", socket(), "-r"}).out.contains("is running"), 10000);
    // Qt's printing reaches the private scheduler only, and only through its socket.
    qputenv("CUPS_SERVER", QFile::encodeName(socket()));
    QDir(d).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(d + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(d + QStringLiteral("/runtime")));
}

void PrintCupsTest::cleanupTestCase()
{
    f = WindowFixture();
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(10000);
    }
}

bool PrintCupsTest::addQueue(const QStringList &args)
{
    const CliRun r = cups(QStringLiteral("lpadmin"), QStringList{"-h", socket()} + args);
    if (r.exitCode != 0)
        qWarning("lpadmin: %s", qPrintable(r.err));
    return r.exitCode == 0;
}

// Before any queue exists the system print dialog is not offered.
void PrintCupsTest::noPrinterWarns()
{
    QtPrompter prompter;
    QPrinter printer;
    QString warning;
    whenModal([&](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            warning = box->text();
        modal->close();
    });
    QVERIFY(!prompter.choosePrinter(nullptr, printer, 22));
    QCOMPARE(warning, QtPrompter::noPrinterText());
}

void PrintCupsTest::printThrough(const QString &queue)
{
    f = WindowFixture();
    f.scratch = std::make_unique<Scratch>();
    f.start({f.scratch->write(QStringLiteral("mural.tsl"), patternDesign(160, 100))});
    for (int i = 0; i < 6; ++i)
        f.window->settings().writeString(kSection, QString::number(i + 1), i == 2 ? "8" : "7");
    f.window->settings().writeString(kSection, QStringLiteral("title"), QStringLiteral("3年2組 壁画"));
    ClassPages reference(f.window->design().grid(), f.window->design().palette());
    ClassPageOptions o;
    o.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
    o.title = QStringLiteral("3年2組 壁画");
    reference.setOptions(o);
    m_expected = reference.pageImage(0);

    PrintDialog dialog(f.window->editor(), f.window.get());
    dialog.show();
    f.prompter->printers << queue;
    QTest::mouseClick(dialog.printButton(), Qt::LeftButton);
    if (!f.prompter->texts(ScriptedPrompter::Kind::Message).isEmpty())
        qWarning("%s", qPrintable(f.prompter->texts(ScriptedPrompter::Kind::Message).join(u'\n')));
    for (int i = 0; i < 600; ++i) {
        const CliRun r = cups(QStringLiteral("lpstat"), {"-h", socket(), "-W", "not-completed", "-o", queue});
        if (r.exitCode == 0 && r.out.trimmed().isEmpty())
            break;
        QTest::qWait(100);
    }
    dialog.close();
}

// The heading row and the frames above it where the layout puts them, within `slack` pixels.
void PrintCupsTest::checkPage1(const QString &pdf, int slack)
{
    const QImage page = pdfPageImage(pdf, 1, m_dir.path());
    QCOMPARE(page.size(), QSize(794, 1123));
    for (int x : {45, 650}) {
        const QList<int> got = linesDown(page, x), want = linesDown(m_expected, x);
        QCOMPARE(got.size(), want.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(qAbs(got[i] - want[i]) <= slack,
                     qPrintable(
                         QStringLiteral("x = %1: line at %2, expected %3").arg(x).arg(got[i]).arg(want[i])));
    }
}

void PrintCupsTest::fileQueue()
{
    const QString pdf = m_dir.filePath(QStringLiteral("out/printed.pdf"));
    QVERIFY(addQueue({"-p", "TessellFile", "-E", "-v", "file://" + pdf, "-m",
                      "lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd"}));
    printThrough(QStringLiteral("TessellFile"));
    QVERIFY(f.prompter->texts(ScriptedPrompter::Kind::Message).isEmpty());
    QCOMPARE(pdfPages(pdf), 22);
    QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")),
             qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));
    const QString first = pdfPageText(pdf, 1);
    QVERIFY2(first.contains("No.1") && first.contains(QStringLiteral("3年2組 壁画")), qPrintable(first));
    QCOMPARE(columnHeadings(first), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    QVERIFY(pdfPageText(pdf, 22).contains("No.22"));
    checkPage1(pdf, 1);
}

// The virtual printer many schools have; it needs a scheduler running as root.
void PrintCupsTest::cupsPdfQueue()
{
    if (geteuid() != 0)
        QSKIP("cups-pdf needs a scheduler running as root");
    const QString original = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
    QFile in(original);
    QVERIFY2(in.open(QIODevice::ReadOnly), "printer-driver-cups-pdf is not installed");
    // Its output, spool and log folders relative to the scheduler's folder: CUPS
    // cuts the defaults at the first slash.
    const QByteArray ppd = in.readAll();
    const qsizetype general = ppd.indexOf("*CloseGroup: General");
    QVERIFY(general > 0);
    QByteArray options;
    for (const auto &[key, value] :
         {std::pair{"Out", "out"}, {"Spool", "cups-pdf-spool"}, {"Log", "cups-pdf-log"}})
        options += QStringLiteral("*OpenUI *%1/%1: PickOne\n*Default%1: %2\n*%1 %2/%2: \"\"\n*CloseUI: *%1\n")
                       .arg(QLatin1String(key), QLatin1String(value))
                       .toUtf8();
    const QString copy = m_dir.filePath(QStringLiteral("cups-pdf.ppd"));
    QFile out(copy);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(ppd.left(general) + options + ppd.mid(general));
    out.close();
    QVERIFY(addQueue({"-p", "TessellPDF", "-E", "-v", "cups-pdf:/tessell", "-P", copy, "-o", "Label=1", "-o",
                      "TitlePref=1"}));
    printThrough(QStringLiteral("TessellPDF"));
    QVERIFY(f.prompter->texts(ScriptedPrompter::Kind::Message).isEmpty());
    QStringList made;
    for (QDirIterator it(m_dir.filePath(QStringLiteral("out")), {"job_*.pdf"}, QDir::Files); it.hasNext();)
        made << it.next();
    QCOMPARE(made.size(), 1);
    QCOMPARE(pdfPages(made[0]), 22);
    checkPage1(made[0], 2);
}

QTEST_MAIN(PrintCupsTest)
#include "PrintCupsTest.moc"
