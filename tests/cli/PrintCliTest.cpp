#include "support/CliRun.h"
#include "support/PrintedPages.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

using namespace tessell::test;

namespace {
QString line(const char *utf8)
{
    return QString::fromUtf8(utf8) + QLatin1Char('\n');
}
} // namespace

class PrintCliTest : public QObject {
    Q_OBJECT
private slots:
    void pdfPages22();
    void fairSplitWithOptions();
    void pngPage();
    void failures_data();
    void failures();
    void unwritableOutput_data();
    void unwritableOutput();
};

void PrintCliTest::pdfPages22()
{
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100, {"100,5,a"}));
    const QString out = scratch.file("pages.pdf");
    const CliRun r =
        cli({"print", in, "--classes", "7x7,7x7,8x7", "--title", QString::fromUtf8("3年2組 壁画"), "--notes",
             QString::fromUtf8("裏を上に\n貼ること"), "-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(pdfPages(out), 22);
    // Nothing left beside it: the PDF was written under a temporary name and renamed.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files), (QStringList{"mural.tsl", "pages.pdf"}));

    const QString first = pdfPageText(out, 1);
    QVERIFY2(first.contains("No.1"), qPrintable(first));
    QCOMPARE(columnHeadings(first), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    for (const char *text : {"3年2組 壁画", "裏を上に", "貼ること", "Tessell"})
        QVERIFY2(first.contains(QString::fromUtf8(text)), text);
    QCOMPARE(first.count(QRegularExpression("(^|\\s)F ?:")), 2);
    for (const char *name : kPatternNames)
        QVERIFY2(first.contains(QString::fromLatin1(name)), name);
    // Page 15: columns 99..105; the lower-case "a" in column 101 prints as stored
    // and counts nowhere (column 101 holds 4: 99 of them).
    const QString fifteen = pdfPageText(out, 15);
    QVERIFY(fifteen.contains("No.15"));
    QCOMPARE(columnHeadings(fifteen), (QStringList{"99", "100", "101", "102", "103", "104", "105"}));
    QVERIFY(fifteen.contains(QRegularExpression(QString::fromUtf8("(^|\\s)99 ?枚"))));
    QVERIFY(fifteen.contains(QRegularExpression("(^|\\s)a(\\s|$)")));
}

void PrintCliTest::fairSplitWithOptions()
{
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100));
    const QString out = scratch.file("fair.pdf");
    const CliRun r =
        cli({"print", in, "--classes-fair", "22", "--overview", "--neighbours", "--color", "-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(pdfPages(out), 22);
    // Six classes of 8 columns, then sixteen of 7: page 7 is columns 49..55 with both neighbours.
    QCOMPARE(columnHeadings(pdfPageText(out, 7)),
             (QStringList{"48", "49", "50", "51", "52", "53", "54", "55", "56"}));
}

void PrintCliTest::pngPage()
{
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100));
    const QString out = scratch.file("page.png");
    const CliRun r = cli({"print", in, "--classes", "7x7,7x7,8x7", "--png-page", "15", "-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QImage page(out);
    QCOMPARE(page.size(), QSize(794, 1123));
    // The double left line of the block's second column, and white inside it.
    QVERIFY(qGray(page.pixel(119, 150)) < 128);
    QCOMPARE(page.pixel(125, 150) | 0xFF000000u, qRgb(255, 255, 255));
}

void PrintCliTest::failures_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    const QStringList none;
    QTest::newRow("invalid cell") << QStringList{"3,4,G"} << QStringList{"--classes", "7x7"} << 1
                                  << line("エラーが発見されました。");
    QTest::newRow("59 columns a class")
        << none << QStringList{"--classes", "1x59"} << 2 << line("列数が有効範囲を超えています");
    QTest::newRow("not an integer") << none << QStringList{"--classes", "7x7,7xq"} << 2
                                    << line("'q' は整数ではありません");
    QTest::newRow("more columns than the design")
        << none << QStringList{"--classes", "30x7"} << 2 << line("合計 210列 : 余り-50列");
    QTest::newRow("more classes than columns")
        << none << QStringList{"--classes-fair", "161"} << 2 << line("クラス数が列数を超えています。");
    QTest::newRow("no such page") << none << QStringList{"--classes", "7x7,7x7,8x7", "--png-page", "23"} << 2
                                  << line("ページ 23 はありません (1〜22)");
    // Usage errors name what is wrong; the usage follows.
    const QString usage = QString::fromUtf8("\n使い方:");
    QTest::newRow("fair split of no number")
        << none << QStringList{"--classes-fair", "x"} << 2
        << QString::fromUtf8("--classes-fair には N を指定してください") + usage;
    QTest::newRow("page of no number") << none << QStringList{"--classes", "7x7", "--png-page", "one"} << 2
                                       << QString::fromUtf8("--png-page には K を指定してください") + usage;
    QTest::newRow("both splits") << none << QStringList{"--classes", "7x7", "--classes-fair", "3"} << 2
                                 << QString::fromUtf8("--classes と --classes-fair は同時に指定できません") +
                                        usage;
    QTest::newRow("no split") << none << QStringList{"--color"} << 2
                              << QString::fromUtf8(
                                     "--classes か --classes-fair のどちらかを指定してください") +
                                     usage;
    const QString classes = QString::fromUtf8("--classes には CxW[,CxW[,CxW]] を指定してください") + usage;
    QTest::newRow("four groups") << none << QStringList{"--classes", "1x1,1x1,1x1,1x1"} << 2 << classes;
    QTest::newRow("group without x") << none << QStringList{"--classes", "7-7"} << 2 << classes;
}

void PrintCliTest::failures()
{
    QFETCH(QStringList, cells);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100, cells));
    // An old file of that name stays as it was.
    const QString out = scratch.write("pages.pdf", "old");
    const CliRun r = cli(QStringList{"print", in} + options + QStringList{"-o", out});
    QCOMPARE(r.exitCode, exitCode);
    if (error.endsWith(QString::fromUtf8("使い方:")))
        QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    else
        QCOMPARE(r.err, error);
    QCOMPARE(readAll(out), QByteArray("old"));
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files), (QStringList{"mural.tsl", "pages.pdf"}));
}

void PrintCliTest::unwritableOutput_data()
{
    QTest::addColumn<QString>("extra");
    QTest::newRow("pdf") << QString();
    QTest::newRow("png") << QStringLiteral("--png-page");
}

void PrintCliTest::unwritableOutput()
{
    QFETCH(QString, extra);
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100));
    const QString out = scratch.file("missing/pages.pdf");
    QStringList args{"print", in, "--classes", "7x7", "-o", out};
    if (!extra.isEmpty())
        args << extra << "1";
    const CliRun r = cli(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.err, QString::fromUtf8("ファイル %1 を作成できません\n").arg(out));
}

QTEST_MAIN(PrintCliTest)
#include "PrintCliTest.moc"
