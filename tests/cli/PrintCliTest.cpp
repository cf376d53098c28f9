#include "support/CliRun.h"
#include "support/PrintedPages.h"
#include "support/TestSupport.h"

#include "core/print/LargeSheet.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

using namespace tessell;
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
    void largePrint();
    void largePrintOfAnySize();
    void englishPages();
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
    // Counts as large as an int holds: refused at once, never laid out or wrapped around.
    QTest::newRow("more class pages than columns")
        << none << QStringList{"--classes", "2147483647x2"} << 2 << line("列数が有効範囲を超えています");
    QTest::newRow("class counts whose sum wraps around")
        << none << QStringList{"--classes", "1x1,2147483647x1,2147483647x1"} << 2
        << line("列数が有効範囲を超えています");
    QTest::newRow("columns whose total wraps around")
        << none << QStringList{"--classes", "1x2147483647,1x2147483647,1x2"} << 2
        << line("合計 4294967296列 : 余り-4294967136列");
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
    QTest::newRow("runs without large print")
        << none << QStringList{"--classes", "7x7", "--runs"} << 2
        << QString::fromUtf8("--runs には --large を指定してください") + usage;
    QTest::newRow("9 rows a sheet") << none
                                    << QStringList{"--classes", "7x7", "--large", "--rows-per-page", "9"} << 2
                                    << line("1枚の行数は 10 から 50 までです。");
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
    const CliRun r = cli(QStringList{"print", in} + options + QStringList{"-o", out}, 30000);
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

void PrintCliTest::largePrint()
{
    // 12 columns, 30 rows: row r repeats each number 1 + r mod 4 times.
    const auto cell = [](int c, int r) { return (c / (1 + r % 4)) % 16; };
    const auto digit = [&](int c, int r) { return QString(QChar(u"0123456789ABCDEF"[cell(c, r)])); };
    Scratch scratch;
    const QString in = scratch.write("runs.tsl", designOf(12, 30, cell));
    const QString out = scratch.file("large.pdf");
    const CliRun r = cli({"print", in, "--classes", "1x12", "--large", "--runs", "-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    // Rows 1-25 and 26-30, each sheet followed by its rows as runs.
    QCOMPARE(pdfPages(out), 4);

    // The sheet as poppler reads it: the heading box, the column numbers, then
    // each row between its row numbers, every cell as the design has it.
    const QList<QStringList> grid = pdfLines(out, 1, QRectF(0, 75, 624, 1100));
    QCOMPARE(grid.size(), 2 + 25);
    QCOMPARE(grid[0].join(u' '), QString::fromUtf8("列 1–12 行 1–25"));
    QStringList columns;
    for (int c = 1; c <= 12; ++c)
        columns << QString::number(c);
    QCOMPARE(grid[1], columns);
    for (int row = 0; row < 25; ++row) {
        QStringList expected{QString::number(row + 1)};
        for (int c = 0; c < 12; ++c)
            expected << digit(c, row);
        QCOMPARE(grid[2 + row], expected << QString::number(row + 1));
    }
    QCOMPARE(pdfLines(out, 1, QRectF(0, 0, 800, 75)).value(0), (QStringList{"No.1", "1/2"}));
    QCOMPARE(pdfLines(out, 3, QRectF(0, 75, 624, 100)).value(0).join(u' '),
             QString::fromUtf8("列 1–12 行 26–30"));
    // The counts of this sheet and of the whole class beside each number.
    std::array<int, 16> sheet{}, whole{};
    for (int row = 0; row < 30; ++row)
        for (int c = 0; c < 12; ++c)
            ++(row < 25 ? sheet : whole)[cell(c, row)];
    int found = 0;
    for (const QStringList &line : pdfLines(out, 1, QRectF(624, 380, 200, 700))) {
        const auto m = QRegularExpression("^([0-9A-F]) ?: (\\d+) (\\d+)$").match(line.join(u' '));
        if (!m.hasMatch())
            continue;
        const int n = m.captured(1).toInt(nullptr, 16);
        QCOMPARE(m.captured(2).toInt(), sheet[n]);
        QCOMPARE(m.captured(3).toInt(), sheet[n] + whole[n]);
        ++found;
    }
    QCOMPARE(found, 16);

    // The runs read out again give every row's cells, on both pages of runs.
    for (int page : {2, 4}) {
        QMap<int, QStringList> rows;
        int row = -1;
        for (const QStringList &line : pdfLines(out, page, QRectF(0, 110, 800, 1100))) {
            QStringList runs = line;
            if (!runs.isEmpty() && runs.first() == QString::fromUtf8("行")) {
                row = runs.value(1).chopped(1).toInt() - 1;
                runs = runs.mid(2);
            }
            for (const QString &run : runs) {
                const QStringList parts = run.split(QChar(0x00D7));
                for (int n = 0; n < parts.value(0).toInt(); ++n)
                    rows[row] << parts.value(1);
            }
        }
        QCOMPARE(rows.size(), page == 2 ? 25 : 5);
        for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
            QStringList expected;
            for (int c = 0; c < 12; ++c)
                expected << digit(c, it.key());
            QCOMPARE(it.value(), expected);
        }
    }

    // The sheet as poppler draws it, one unit a pixel: cells from the grid's corner.
    const QImage image = pdfPageImage(out, 1, scratch.path());
    const QSize size = LargeSheet::cellSize(12, 25);
    const QPoint corner(37 + LargeSheet::NumberWidth + LargeSheet::FrameRoom, 75 + LargeSheet::HeadingHeight);
    // Bold digits of at least 60 % of the cell's height (the first row's "0").
    int top = 10000, bottom = -1;
    for (int y = corner.y() + size.height() + 2; y < corner.y() + 2 * size.height() - 2; ++y)
        for (int x = corner.x() + 3; x < corner.x() + size.width() - 3; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                top = qMin(top, y), bottom = qMax(bottom, y);
    QVERIFY2(bottom - top + 1 >= 0.6 * size.height(),
             qPrintable(QStringLiteral("%1 of %2").arg(bottom - top + 1).arg(size.height())));
    // A thin line under every row, a heavy one under every fifth and after every fifth column.
    const int x = corner.x() + size.width() / 2, y = corner.y() + 3 * size.height() / 2;
    const auto grey = [&](int x, int y) { return qGray(image.pixel(x, y)); };
    const int underFirst = corner.y() + 2 * size.height() - 1,
              underFifth = corner.y() + 6 * size.height() - 1;
    const auto dark = [&](int y) { return grey(x, y) < 128; };
    QVERIFY(dark(underFirst) && !dark(underFirst - 1) && !dark(underFirst + 1));
    QVERIFY(dark(underFifth) && dark(underFifth - 1) && !dark(underFifth - 2) && !dark(underFifth + 1));
    QVERIFY(grey(corner.x() + 5 * size.width() - 1, y) < 128);
    // A double frame round the cells: two heavy lines with light between.
    QVERIFY(grey(corner.x() - 1, y) < 128 && grey(corner.x() - 5, y) < 128);
    QVERIFY(grey(corner.x() - 3, y) > 200);
}

void PrintCliTest::largePrintOfAnySize()
{
    // One class of all 999 columns of a 999 x 999 design: 50 bands of 20
    // columns by 40 of 25 rows; the last sheet holds column 999 and row 999.
    Scratch scratch;
    const QString in =
        scratch.write("big.tsl", designOf(999, 999, [](int c, int r) { return (c + r) % 16; }));
    const QString out = scratch.file("last.png");
    const CliRun r = cli({"print", in, "--classes", "1x999", "--large", "--png-page", "2000", "-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QImage last(out);
    QCOMPARE(last.size(), QSize(794, 1123));
    // "2000/2000" fits its header box (the right 96 units): the columns with ink
    // in the header's middle are the box's two lines and, clear of both, the text.
    QList<QPair<int, int>> inked;
    for (int x = 640; x < 780; ++x) {
        bool dark = false;
        for (int y = 40; y < 64 && !dark; ++y)
            dark = qGray(last.pixel(x, y)) < 128;
        if (dark && !inked.isEmpty() && inked.last().second == x - 1)
            inked.last().second = x;
        else if (dark)
            inked.append({x, x});
    }
    QStringList runs;
    for (const auto &[from, to] : inked)
        runs << QStringLiteral("%1-%2").arg(from).arg(to);
    const auto bare = [](const QPair<int, int> &run) { return run.second - run.first <= 2; };
    QVERIFY2(inked.size() >= 3 && bare(inked.first()) && bare(inked.last()) &&
                 inked[1].first - inked.first().second > 3 &&
                 inked.last().first - inked[inked.size() - 2].second > 3,
             qPrintable(runs.join(u' ')));
    const CliRun beyond =
        cli({"print", in, "--classes", "1x999", "--large", "--png-page", "2001", "-o", out});
    QCOMPARE(beyond.err, line("ページ 2001 はありません (1〜2000)"));
}

void PrintCliTest::englishPages()
{
    // In English the pages say "Col N" and "n pcs"; the Japanese ones are above.
    Scratch scratch;
    const QString in = scratch.write("mural.tsl", patternDesign(160, 100));
    const QString out = scratch.file("pages.pdf");
    const QByteArray language = qgetenv("TESSELL_LANG");
    qputenv("TESSELL_LANG", "en");
    const CliRun r = cli({"print", in, "--classes", "7x7,7x7,8x7", "-o", out});
    qputenv("TESSELL_LANG", language);
    QCOMPARE(r.exitCode, 0);
    const QString first = pdfPageText(out, 1);
    QStringList headings;
    auto it = QRegularExpression("Col ?(\\d+)").globalMatch(first);
    while (it.hasNext())
        headings << it.next().captured(1);
    QCOMPARE(headings, (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    // Columns 1 to 7 hold 0 to 6, a hundred each.
    QCOMPARE(first.count(QRegularExpression("(^|\\s)100 ?pcs")), 7);
    QCOMPARE(first.count(QRegularExpression("(^|\\s)0 ?pcs")), 9);
    QVERIFY2(!first.contains(QString::fromUtf8("列")) && !first.contains(QString::fromUtf8("枚")),
             qPrintable(first));
}

QTEST_MAIN(PrintCliTest)
#include "PrintCliTest.moc"
