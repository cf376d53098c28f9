// The summary pages of tessell-cli print --summary, read back by poppler: the
// words against the plan's own JSON, the picture by its pixels.
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/plan/CollectionPlan.h"
#include "core/settings/SettingsStore.h"

#include "support/PrintedPages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Patches of 8 columns x 10 rows in entries 1..15 (none black, so frames stand out).
int patch(int c, int r)
{
    return 1 + (c / 8 + r / 10) % 15;
}

QString number(const QJsonValue &v)
{
    return v.isNull() ? QString() : QString::number(v.toInt());
}

// The top of the first word `word` on the page, in page units; -1 when absent.
double wordTop(const QString &pdf, int page, const QString &word)
{
    const Run r = runProgram("pdftotext",
                             {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    const auto m = QRegularExpression(QStringLiteral("yMin=\"([\\d.]+)\"[^>]*>%1<").arg(word))
                       .match(QString::fromUtf8(r.out));
    return m.hasMatch() ? m.captured(1).toDouble() * 4 / 3 : -1;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
} // namespace

class SummaryPageTest : public QObject {
    Q_OBJECT
private slots:
    void summaryPages_data();
    void summaryPages();
};

void SummaryPageTest::summaryPages_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("classes");
    QTest::addColumn<QString>("perCarton");
    QTest::addColumn<QString>("stock");
    QTest::addRow("22 classes") << 160 << 100 << 22 << "1=12,2=7,9=40"
                                << "1=100,3=0";
    QTest::addRow("99 classes continue") << 990 << 100 << 99 << "5=3"
                                         << "";
}

void SummaryPageTest::summaryPages()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, classes);
    QFETCH(QString, perCarton);
    QFETCH(QString, stock);
    Scratch scratch;
    Design design;
    design.makeNew(columns, rows);
    design.setPalette(distinctPalette());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            design.setCell(c, r, CellGrid::digit(patch(c, r)));
    const QString designPath = scratch.file("mural.tsl"), out = scratch.file("pages.pdf");
    DesignFile::write(design, designPath);
    // The plan lies in the data.dat beside the program.
    const QString program = scratch.file("tessell-cli");
    QVERIFY(QFile::copy(TESSELL_CLI_PATH, program));
    CollectionPlan plan;
    for (int n = 0; n < 16; ++n)
        plan.perCarton[n] =
            CollectionPlan::parseEntries(perCarton, CollectionPlan::parsePerCarton)->at(n).value_or(1);
    plan.stock = CollectionPlan::parseEntries(stock, CollectionPlan::parseStock).value_or(Stock{});
    SettingsStore store(scratch.file("data.dat"));
    QVERIFY(plan.write(store));

    const QStringList split{"--classes-fair", QString::number(classes)};
    const Run printed = runProgram(
        program, QStringList{"print", designPath, "--summary", "--title", "壁画", "-o", out} + split);
    QCOMPARE(printed.err, QString());
    QCOMPARE(printed.exitCode, 0);
    QStringList planArgs{"plan", designPath, "--per-carton", perCarton};
    if (!stock.isEmpty())
        planArgs << "--stock" << stock;
    const QJsonObject json = QJsonDocument::fromJson(cli(planArgs + split).out).object();
    const QJsonArray jsonClasses = json["classes"].toArray();
    QCOMPARE(jsonClasses.size(), classes);

    // The summary pages come first; the class pages follow unchanged.
    const int pages = pdfPages(out), summaries = pages - classes;
    QVERIFY2(summaries >= 1, qPrintable(QString::number(pages)));
    QVERIFY(pdfPageText(out, summaries + 1).contains("No.1"));

    // Page 1: the title, the class numbers over the picture, every colour's line as the plan has it.
    const QList<QStringList> first = pdfLines(out, 1);
    QVERIFY(pdfPageText(out, 1).contains("壁画"));
    // Every class numbered, or every n-th where the blocks are too narrow for the numbers.
    bool numbered = false;
    for (const QStringList &line : first) {
        const int step = line.value(1).toInt() - 1;
        bool steady = line.value(0) == "1" && step >= 1;
        for (int i = 0; steady && i < line.size(); ++i)
            steady = line[i] == QString::number(1 + i * step);
        numbered = numbered || (steady && 1 + line.size() * step > classes);
    }
    QVERIFY(numbered);
    for (int n = 0; n < 16; ++n) {
        const QJsonObject e = json["colours"][n].toObject();
        QStringList expected{CellGrid::digit(n),     design.palette()[n].name(),   number(e["pieces"]),
                             number(e["perCarton"]), number(e["cartons"]),         number(e["stock"]),
                             number(e["toCollect"]), number(e["cartonsToCollect"])};
        expected.removeAll(QString());
        QVERIFY2(first.contains(expected), qPrintable(expected.join(' ')));
    }

    // The class table over every summary page: each class's column of "pieces (cartons)" as the plan has it.
    QStringList seen;
    for (int page = 1; page <= summaries; ++page) {
        const QList<QStringList> lines = pdfLines(out, page);
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].value(0) != texts::planClass())
                continue;
            const QStringList heads = lines[i].mid(1);
            seen << heads;
            for (int n = 0; n < 16; ++n) {
                QStringList expected{CellGrid::digit(n)};
                for (const QString &head : heads) {
                    const QJsonObject c = jsonClasses[head.mid(3).toInt() - 1].toObject();
                    const int pieces = c["pieces"][n].toInt();
                    expected << (pieces ? QStringList{number(pieces),
                                                      QStringLiteral("(%1)").arg(number(c["cartons"][n]))}
                                        : QStringList{"–"});
                }
                QCOMPARE(lines.value(i + 2 + n), expected);
            }
        }
    }
    QStringList heads;
    for (int k = 1; k <= classes; ++k)
        heads << QStringLiteral("No.%1").arg(k);
    QCOMPARE(seen, heads);

    // The picture: the tiles' colours in the design's places and shape, a
    // frame at every class edge.
    const QImage image = pdfPageImage(out, 1, scratch.path());
    QVERIFY(!image.isNull());
    const int tableTop = int(wordTop(out, 1, texts::planColourHeaders()[0]));
    QVERIFY(tableTop > 0);
    QRect picture;
    for (int y = 0; y < tableTop; ++y)
        for (int x = 0; x < image.width(); ++x)
            for (int n = 1; n < 16; ++n)
                if (near(image.pixel(x, y), design.palette()[n].meanColor(), 8))
                    picture |= QRect(x, y, 1, 1);
    QVERIFY(!picture.isEmpty());
    QVERIFY2(qAbs(picture.height() - double(picture.width()) * rows / columns) <= 4,
             qPrintable(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height())));
    const auto xOf = [&](double column) { return picture.left() + column * picture.width() / columns; };
    int checked = 0;
    for (int r = 5; r < rows; r += 10)
        for (int c = 4; c < columns; c += 8) {
            const QPoint at(int(xOf(c + 0.5)), picture.top() + int((r + 0.5) * picture.height() / rows));
            bool edge = false;
            for (const QJsonValue &k : jsonClasses)
                edge = edge || qAbs(xOf(k["firstColumn"].toInt() - 1) - at.x()) < 3 ||
                       qAbs(xOf(k["lastColumn"].toInt()) - at.x()) < 3;
            if (edge)
                continue;
            ++checked;
            QVERIFY2(near(image.pixel(at), design.palette()[patch(c, r)].meanColor(), 24),
                     qPrintable(QStringLiteral("cell %1,%2").arg(c).arg(r)));
        }
    QVERIFY(checked > 10);
    // Dark runs along the middle row, a light pixel or two of smoothing inside one run forgiven.
    int frames = 0, lastDark = -100;
    for (int x = picture.left() - 4; x <= picture.right() + 4; ++x) {
        const QRgb p = image.pixel(x, picture.center().y());
        if (qMax(qRed(p), qMax(qGreen(p), qBlue(p))) >= 40)
            continue;
        frames += x - lastDark > 3;
        lastDark = x;
    }
    QCOMPARE(frames, classes + 1);
}

QTEST_GUILESS_MAIN(SummaryPageTest)
#include "SummaryPageTest.moc"
