// The plan's CSV as a spreadsheet program gets it, read back by Python's csv
// module (label python): tessell-cli plan --csv against its own JSON.
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Names a spreadsheet must quote.
QString writeDesign(const Scratch &scratch)
{
    Design design;
    design.makeNew(20, 6);
    Palette palette = distinctPalette();
    palette[0].setName(QStringLiteral("赤, こい"));
    palette[1].setName(QStringLiteral("\"空\" 色"));
    design.setPalette(palette);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 20; ++c)
            design.setCell(c, r, CellGrid::digit((c + r) % 5));
    const QString path = scratch.file(QStringLiteral("design.tsl"));
    DesignFile::write(design, path);
    return path;
}
} // namespace

class PlanCsvTest : public QObject {
    Q_OBJECT
private slots:
    void csvForSpreadsheets();
};

// Every field of the JSON plan, the names with their comma and quotes, the
// Japanese headers without the byte-order mark.
void PlanCsvTest::csvForSpreadsheets()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty(),
             "python3 is missing (scripts/install-deps test)");
    Scratch scratch;
    const QString design = writeDesign(scratch), out = scratch.file("plan.csv");
    const QStringList flags{"--classes-fair", "3", "--per-carton", "0=4,3=7", "--stock", "1=10,2=30"};
    const Run json = cli(QStringList{"plan", design} + flags);
    const Run csv = cli(QStringList{"plan", design, "--csv", out} + flags);
    QCOMPARE(csv.err, QString());
    QCOMPARE(csv.exitCode, 0);
    QVERIFY(csv.out.isEmpty());
    QVERIFY(readAll(out).startsWith("\xEF\xBB\xBF"));
    const Run python =
        runProgram("python3", {"-c",
                               "import csv, json, sys\n"
                               "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                               "    print(json.dumps(list(csv.reader(f))))\n",
                               out});
    QCOMPARE(python.err, QString());
    QCOMPARE(python.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(python.out).array();

    const QJsonObject plan = QJsonDocument::fromJson(json.out).object();
    QStringList headers = texts::planColourHeaders();
    QCOMPARE(rows[0].toVariant().toStringList(), headers);
    const auto number = [](const QJsonValue &v) {
        return v.isNull() ? QString() : QString::number(v.toInt());
    };
    for (int n = 0; n < 16; ++n) {
        const QJsonObject e = plan["colours"][n].toObject();
        QCOMPARE(rows[n + 1].toVariant().toStringList(),
                 (QStringList{e["number"].toString(), e["name"].toString(), number(e["pieces"]),
                              number(e["perCarton"]), number(e["cartons"]), number(e["stock"]),
                              number(e["toCollect"]), number(e["cartonsToCollect"])}));
    }
    QCOMPARE(rows[17][0].toString(), texts::planTotal());
    QCOMPARE(rows[17][2].toString(), number(plan["total"]["pieces"]));
    QCOMPARE(rows[18].toArray().size(), 0); // the blank line between the tables
    QCOMPARE(rows[19][2].toString(), texts::planPiecesOf(QStringLiteral("0 赤, こい")));
    QCOMPARE(rows[19][5].toString(), texts::planCartonsOf(QStringLiteral("1 \"空\" 色")));
    const QJsonArray classes = plan["classes"].toArray();
    QCOMPARE(rows.size(), 20 + classes.size());
    for (int k = 0; k < classes.size(); ++k) {
        const QStringList row = rows[20 + k].toVariant().toStringList();
        QCOMPARE(row[0], QStringLiteral("No.%1").arg(k + 1));
        QCOMPARE(row[1],
                 texts::planColumnRange(classes[k]["firstColumn"].toInt(), classes[k]["lastColumn"].toInt()));
        int pieces = 0;
        for (int n = 0; n < 16; ++n) {
            QCOMPARE(row[2 + 2 * n], number(classes[k]["pieces"][n]));
            QCOMPARE(row[3 + 2 * n], number(classes[k]["cartons"][n]));
            pieces += classes[k]["pieces"][n].toInt();
        }
        QCOMPARE(row[34], QString::number(pieces));
    }
}

QTEST_GUILESS_MAIN(PlanCsvTest)
#include "PlanCsvTest.moc"
