#include "core/document/History.h"
#include "core/Error.h"
#include "core/document/Design.h"
#include "core/document/HistoryFolder.h"
#include "core/document/TextFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <functional>
#include <memory>

using namespace tessell;
using namespace tessell::test;

namespace {
const QString kWhite20 = QStringLiteral("clWhite,").repeated(20);


QStringList filesIn(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void startEntry();
    void entryLayout();
    void steps_data();
    void steps();
    void newEntryAfterUndoOverwritesFile();
    void selectFirstAfterFive();
    void delHistoryLeavesOneFile();
    void delHistoryWithoutName();
    void restoreReadsOnlyCellLines();
    void restoreIntoResizedGrid_data();
    void restoreIntoResizedGrid();
    void missingEntryFile();
    void unwritableFolder();
    void twoUsersOfOneFolder();
    void emptyCellsRestoredAsZero();
};

// After start-up: one entry, 0.log of 117 lines, neither undo nor redo.
void HistoryTest::startEntry()
{
    Scratch scratch;
    const QString folder = scratch.file("log");
    QVERIFY(QDir().mkdir(folder));
    Design design;
    History history(folder);
    QCOMPARE(history.currentIndex(), -1);
    QVERIFY(!history.canUndo() && !history.canRedo());

    history.makeLog(QString::fromUtf8("新規作成"), design);
    QCOMPARE(history.names(), QStringList{QString::fromUtf8("新規作成")});
    QCOMPARE(history.currentIndex(), 0);
    QCOMPARE(history.currentName(), QString::fromUtf8("新規作成"));
    QVERIFY(!history.canUndo());
    QVERIFY(!history.canRedo());
    QCOMPARE(filesIn(folder), QStringList{"0.log"});

    const QByteArray bytes = test::readAll(QDir(folder).filePath("0.log"));
    QCOMPARE(bytes.count("\r\n"), 117);
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    QCOMPARE(lines[0], QStringLiteral("160,100"));
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(lines[n], kWhite20);
    for (int r = 17; r < 117; ++r)
        QCOMPARE(lines[r], QStringLiteral("0,").repeated(159) + "0");
}

void HistoryTest::entryLayout()
{
    Scratch scratch;
    Design design;
    design.makeNew(3, 2);
    Palette p = design.palette();
    p[1].fill(qRgb(0, 0, 255));
    p[1].setName(QStringLiteral("Blue")); // names are not part of an entry
    p[2].setPixel(0, 0, qRgb(1, 2, 3));
    design.setPalette(p);
    design.setCell(1, 0, QStringLiteral("A"));
    design.setCell(2, 0, QStringLiteral("F"));
    for (int c = 0; c < 3; ++c)
        design.setCell(c, 1, QStringLiteral("1"));
    History history(scratch.path());
    history.makeLog(QStringLiteral("x"), design);

    QByteArray expected = "3,2\r\n" + kWhite20.toLatin1() + "\r\n" + QByteArray("clBlue,").repeated(20) +
                          "\r\n" + "$00030201," + QByteArray("clWhite,").repeated(19) + "\r\n";
    for (int n = 3; n < 16; ++n)
        expected += kWhite20.toLatin1() + "\r\n";
    expected += "0,A,F\r\n1,1,1\r\n";
    QCOMPARE(test::readAll(history.entryPath(0)), expected);
    QCOMPARE(history.entryPath(0), QDir(scratch.path()).filePath("0.log"));
}

void HistoryTest::steps_data()
{
    // Each "m" puts the next digit into cell (0, 0) and records it as entry "e<digit>".
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("redo");
    QTest::addColumn<QString>("cell");

    QTest::newRow("nothing recorded") << "" << QStringList{} << -1 << false << false << "0";
    QTest::newRow("start") << "m" << QStringList{"e0"} << 0 << false << false << "0";
    QTest::newRow("pen then bucket") << "m m m" << QStringList{"e0", "e1", "e2"} << 2 << true << false << "2";
    QTest::newRow("undo once") << "m m m u" << QStringList{"e0", "e1", "e2"} << 1 << true << true << "1";
    QTest::newRow("undo twice") << "m m m u u" << QStringList{"e0", "e1", "e2"} << 0 << false << true << "0";
    QTest::newRow("undo twice, redo once")
        << "m m m u u r" << QStringList{"e0", "e1", "e2"} << 1 << true << true << "1";
    QTest::newRow("undo past the first") << "m m u u" << QStringList{"e0", "e1"} << 0 << false << true << "0";
    QTest::newRow("redo past the last") << "m m r" << QStringList{"e0", "e1"} << 1 << true << false << "1";
    QTest::newRow("undo twice, then a new entry")
        << "m m m u u m" << QStringList{"e0", "e3"} << 1 << true << false << "3";
    QTest::newRow("new entry after undo, then undo")
        << "m m m u u m u" << QStringList{"e0", "e3"} << 0 << false << true << "0";
    QTest::newRow("select the first of six")
        << "m m m m m m s0" << QStringList{"e0", "e1", "e2", "e3", "e4", "e5"} << 0 << false << true << "0";
    QTest::newRow("select the middle")
        << "m m m m s2" << QStringList{"e0", "e1", "e2", "e3"} << 2 << true << true << "2";
    QTest::newRow("select out of range") << "m m s5" << QStringList{"e0", "e1"} << 1 << true << false << "1";
    QTest::newRow("cleared") << "m m d" << QStringList{} << -1 << false << false << "1";
    QTest::newRow("cleared, then recorded") << "m m d m" << QStringList{"e2"} << 0 << false << false << "2";
}

void HistoryTest::steps()
{
    QFETCH(QString, actions);
    QFETCH(QStringList, names);
    QFETCH(int, index);
    QFETCH(bool, undo);
    QFETCH(bool, redo);
    QFETCH(QString, cell);
    Scratch scratch;
    Design design;
    design.makeNew(2, 2);
    History history(scratch.path());
    int next = 0;
    for (const QString &a : actions.split(' ', Qt::SkipEmptyParts)) {
        if (a == "m") {
            design.setCell(0, 0, CellGrid::digit(next));
            history.makeLog(QStringLiteral("e%1").arg(next), design);
            ++next;
        } else if (a == "u") {
            history.step(-1, design);
        } else if (a == "r") {
            history.step(+1, design);
        } else if (a == "d") {
            history.delHistory();
        } else if (a.startsWith('s')) {
            history.select(a.mid(1).toInt(), design);
        }
    }
    QCOMPARE(history.names(), names);
    QCOMPARE(history.currentIndex(), index);
    QCOMPARE(history.canUndo(), undo);
    QCOMPARE(history.canRedo(), redo);
    QCOMPARE(design.cell(0, 0), cell);
}

// The dropped entries' files stay; the new entry 1 overwrites 1.log.
void HistoryTest::newEntryAfterUndoOverwritesFile()
{
    Scratch scratch;
    Design design;
    design.makeNew(2, 1);
    History history(scratch.path());
    history.makeLog(QString::fromUtf8("新規作成"), design);
    design.setCell(0, 0, QStringLiteral("1"));
    history.makeLog(QString::fromUtf8("ペンツール"), design);
    design.setCell(1, 0, QStringLiteral("2"));
    history.makeLog(QString::fromUtf8("バケツツール"), design);
    history.step(-1, design);
    history.step(-1, design);
    QCOMPARE(cellsOf(design), QStringList{"0|0"});

    design.setCell(1, 0, QStringLiteral("9"));
    history.makeLog(QString::fromUtf8("ペンツール"), design);
    QCOMPARE(history.names(), (QStringList{QString::fromUtf8("新規作成"), QString::fromUtf8("ペンツール")}));
    QCOMPARE(history.currentIndex(), 1);
    QVERIFY(!history.canRedo());
    QCOMPARE(TextFile::readLines(history.entryPath(1)).value(17), QStringLiteral("0,9"));
    QCOMPARE(TextFile::readLines(history.entryPath(2)).value(17), QStringLiteral("1,2"));

    // Undo and redo now move between the entry 0 and the new entry 1.
    history.step(-1, design);
    QCOMPARE(cellsOf(design), QStringList{"0|0"});
    history.step(+1, design);
    QCOMPARE(cellsOf(design), QStringList{"0|9"});
}

void HistoryTest::selectFirstAfterFive()
{
    Scratch scratch;
    Design design;
    History history(scratch.path());
    history.makeLog(QString::fromUtf8("新規作成"), design);
    const QStringList start = cellsOf(design);
    const char *names[5] = {"ペンツール", "バケツツール", "直線ツール", "置換", "回転"};
    for (int i = 0; i < 5; ++i) {
        design.setCell(i * 7, i * 3, QStringLiteral("C"));
        history.makeLog(QString::fromUtf8(names[i]), design);
    }
    history.select(0, design);
    QCOMPARE(cellsOf(design), start);
    QCOMPARE(history.names().size(), 6);
    QCOMPARE(history.currentIndex(), 0);
    QVERIFY(history.canRedo());
    QVERIFY(!history.canUndo());
    history.select(5, design);
    QCOMPARE(design.reCount()[12], 5);
}

void HistoryTest::delHistoryLeavesOneFile()
{
    Scratch scratch;
    const QString folder = scratch.file("log");
    QVERIFY(QDir().mkdir(folder));
    Design design;
    design.makeNew(2, 2);
    History history(folder);
    for (int i = 0; i < 4; ++i) {
        design.setCell(i % 2, i / 2, QStringLiteral("7"));
        history.makeLog(QStringLiteral("e%1").arg(i), design);
    }
    // Files left by an earlier run go too.
    QFile stray(QDir(folder).filePath("17.log"));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QFile other(QDir(folder).filePath("notes.txt"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();

    design.setCell(0, 0, QStringLiteral("B"));
    history.delHistory(QString::fromUtf8("ヒストリー削除"), design);
    QCOMPARE(history.names(), QStringList{QString::fromUtf8("ヒストリー削除")});
    QCOMPARE(history.currentIndex(), 0);
    QVERIFY(!history.canUndo() && !history.canRedo());
    QCOMPARE(filesIn(folder), QStringList{"0.log"});
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(TextFile::readLines(history.entryPath(0)).mid(17), (QStringList{"B,7", "7,7"}));
}

void HistoryTest::delHistoryWithoutName()
{
    Scratch scratch;
    Design design;
    History history(scratch.path());
    history.makeLog(QStringLiteral("a"), design);
    history.makeLog(QStringLiteral("b"), design);
    history.delHistory();
    QVERIFY(history.names().isEmpty());
    QCOMPARE(history.currentIndex(), -1);
    QVERIFY(filesIn(scratch.path()).isEmpty());
    // Nothing to undo or redo into.
    history.step(-1, design);
    history.step(+1, design);
    QCOMPARE(history.currentIndex(), -1);
    history.makeLog(QStringLiteral("c"), design);
    QCOMPARE(history.currentIndex(), 0);
    QCOMPARE(filesIn(scratch.path()), QStringList{"0.log"});
}

// Lines 1 to 17 of an entry are never read: size and palette stay as they are.
void HistoryTest::restoreReadsOnlyCellLines()
{
    Scratch scratch;
    Design design;
    design.makeNew(2, 2);
    History history(scratch.path());
    design.setCell(1, 1, QStringLiteral("4"));
    history.makeLog(QStringLiteral("a"), design);
    QStringList lines = TextFile::readLines(history.entryPath(0));
    lines[0] = QStringLiteral("9,9");
    lines[1] = QStringLiteral("not,a,tile");
    TextFile::writeLines(history.entryPath(0), lines);

    Palette p = design.palette();
    p[0].setName(QStringLiteral("Kept"));
    design.setPalette(p);
    design.setCell(0, 0, QStringLiteral("E"));
    history.select(0, design);
    QCOMPARE(cellsOf(design), (QStringList{"0|0", "0|4"}));
    QCOMPARE(design.columns(), 2);
    QCOMPARE(design.rows(), 2);
    QCOMPARE(design.entry(0).name(), QStringLiteral("Kept"));
}

void HistoryTest::restoreIntoResizedGrid_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("cells");
    // Recorded as 2 x 2 [1 2 / 3 4]; after the resize every cell is set to 9.
    QTest::newRow("grown") << 3 << 3 << QStringList{"1|2|", "3|4|", "9|9|9"};
    QTest::newRow("shrunk") << 1 << 1 << QStringList{"1"};
    QTest::newRow("wider, fewer rows") << 4 << 1 << QStringList{"1|2||"};
    QTest::newRow("narrower, more rows") << 1 << 3 << QStringList{"1", "3", "9"};
}

void HistoryTest::restoreIntoResizedGrid()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QStringList, cells);
    Scratch scratch;
    Design design;
    design.makeNew(2, 2);
    design.setCell(0, 0, QStringLiteral("1"));
    design.setCell(1, 0, QStringLiteral("2"));
    design.setCell(0, 1, QStringLiteral("3"));
    design.setCell(1, 1, QStringLiteral("4"));
    History history(scratch.path());
    history.makeLog(QStringLiteral("recorded"), design);
    history.makeLog(QStringLiteral("later"), design);

    design.resizeCanvas(columns, rows);
    design.setGrid(CellGrid(columns, rows, QStringLiteral("9")));
    history.step(-1, design);
    QCOMPARE(design.columns(), columns);
    QCOMPARE(design.rows(), rows);
    QCOMPARE(cellsOf(design), cells);
    // The refresh after the restore makes the empty cells "0".
    QVERIFY(!design.listcheck());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            QVERIFY(!design.cell(c, r).isEmpty());
}

void HistoryTest::missingEntryFile()
{
    Scratch scratch;
    Design design;
    design.makeNew(2, 1);
    History history(scratch.path());
    history.makeLog(QStringLiteral("a"), design);
    design.setCell(0, 0, QStringLiteral("5"));
    history.makeLog(QStringLiteral("b"), design);
    QVERIFY(QFile::remove(history.entryPath(0)));

    QCOMPARE(errorOf([&] { history.step(-1, design); }),
             QString::fromUtf8("ファイル %1 は開けません").arg(history.entryPath(0)));
    QCOMPARE(cellsOf(design), QStringList{"5|0"});
    QCOMPARE(history.currentIndex(), 1);
    QVERIFY(history.canUndo());
    QVERIFY(!history.canRedo());
}

// An entry whose file cannot be written stays in the list.
void HistoryTest::unwritableFolder()
{
    Scratch scratch;
    const QString folder = scratch.file("gone");
    Design design;
    History history(folder);
    const QString expected =
        QString::fromUtf8("ファイル %1 を作成できません").arg(QDir(folder).filePath("0.log"));
    QCOMPARE(errorOf([&] { history.makeLog(QStringLiteral("a"), design); }), expected);
    QCOMPARE(history.names(), QStringList{"a"});
    QCOMPARE(history.currentIndex(), 0);
}

// Two running copies never share a history folder.
void HistoryTest::twoUsersOfOneFolder()
{
    Scratch scratch;
    const QString preferred = scratch.file("log");
    auto first = std::make_unique<HistoryFolder>(preferred);
    QCOMPARE(first->path(), preferred);
    QVERIFY(!first->isPrivate());
    QVERIFY(QFileInfo(preferred).isDir());

    auto second = std::make_unique<HistoryFolder>(preferred);
    QVERIFY(second->isPrivate());
    QVERIFY(QFileInfo(second->path()).isDir());
    QVERIFY(QDir(second->path()).canonicalPath() != QDir(preferred).canonicalPath());

    Design design;
    design.makeNew(1, 1);
    History one(first->path());
    History two(second->path());
    one.makeLog(QStringLiteral("one"), design);
    design.setCell(0, 0, QStringLiteral("8"));
    two.makeLog(QStringLiteral("two"), design);
    QCOMPARE(TextFile::readLines(one.entryPath(0)).value(17), QStringLiteral("0"));
    QCOMPARE(TextFile::readLines(two.entryPath(0)).value(17), QStringLiteral("8"));

    // Clearing the first copy's history does not give up its claim.
    one.delHistory();
    {
        HistoryFolder third(preferred);
        QVERIFY(third.isPrivate());
        QVERIFY(third.path() != second->path());
    }

    const QString secondPath = second->path();
    second.reset();
    QVERIFY(!QFileInfo::exists(secondPath));
    QVERIFY(QFileInfo(preferred).isDir());

    // Once the first copy has gone, the folder is free again and is kept.
    first.reset();
    QVERIFY(QFileInfo(preferred).isDir());
    HistoryFolder later(preferred);
    QCOMPARE(later.path(), preferred);
    QVERIFY(!later.isPrivate());
}

// An import of short lines is recorded before the check fills its empty cells:
// restored, they are "0" as the check would make them, not blanks it refuses.
void HistoryTest::emptyCellsRestoredAsZero()
{
    Scratch scratch;
    Design design;
    design.makeNew(3, 2);
    History history(scratch.path());
    design.setRowFromList(0, {"A"});
    design.setCell(1, 1, QString());
    history.makeLog(QStringLiteral("import"), design);
    design.makeNew(3, 2);
    history.makeLog(QStringLiteral("new"), design);
    history.step(-1, design);
    QCOMPARE(cellsOf(design), (QStringList{"A|0|0", "0|0|0"}));
    QCOMPARE(design.listcheck(), std::nullopt);
}

QTEST_GUILESS_MAIN(HistoryTest)
#include "HistoryTest.moc"
