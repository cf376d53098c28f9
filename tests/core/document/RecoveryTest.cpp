#include "core/document/Recovery.h"
#include "core/document/Design.h"
#include "core/document/History.h"
#include "core/document/HistoryFolder.h"
#include "core/document/LeftHistory.h"
#include "core/document/TextFile.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <memory>

using namespace tessell;
using namespace tessell::test;

namespace {
const QString kFileName = QString::fromUtf8("/designs/壁画.tsl");

// Every write gets its own second, so "newer" never depends on the clock's grain.
void stamp(const QString &path, int second)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2024, 5, 1), QTime(8, 0)).addSecs(second), QFileDevice::FileModificationTime));
}

void rewrite(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

qint64 deadPid()
{
    QProcess p;
    p.start(QStringLiteral("true"));
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.waitForFinished();
    return pid;
}

// The lock as its holder would leave it when killed: still there, naming a process that is gone.
void leaveStale(const QString &folder, std::unique_ptr<QLockFile> held = nullptr)
{
    if (!held) {
        held = HistoryFolder::lockFor(folder);
        QVERIFY(held->tryLock(0));
    }
    QByteArray contents = test::readAll(HistoryFolder::lockPathOf(folder));
    held.reset();
    rewrite(HistoryFolder::lockPathOf(folder), QByteArray::number(deadPid()) + contents.mid(contents.indexOf('\n')));
}

// One entry holding the cell, written the given second.
void leaveEntry(const QString &folder, const QString &cell, int second)
{
    Design design;
    design.makeNew(1, 1);
    design.setCell(0, 0, cell);
    History history(folder);
    history.makeLog(QStringLiteral("e"), design);
    Recovery::writeSideFile(history, design);
    stamp(history.entryPath(0), second);
    stamp(Recovery::sideFilePath(folder), second);
}
} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void readFolder_data();
    void readFolder();
    void leftFolders_data();
    void leftFolders();
};

void RecoveryTest::readFolder_data()
{
    // m: the next digit into cell (0,0), an entry, the side file. M: the same, killed before the
    // side file. u: undo. p: the palette editor gives entry 1 a blue tile named Blue.
    // t<i>: entry i cut inside its last line. x<i>: a bad tile value. f: a Korean file name.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("blue");

    const QString one = QString::fromUtf8("一 番");
    QTest::newRow("newest entry") << "m m m" << 2 << "2" << one << kFileName << false;
    QTest::newRow("newest half-written") << "m m m t2" << 1 << "1" << one << kFileName << false;
    QTest::newRow("newest with a bad tile") << "m m m x2" << 1 << "1" << one << kFileName << false;
    QTest::newRow("undo, then a new entry below older higher ones")
        << "m m m m u u m" << 2 << "4" << one << kFileName << false;
    QTest::newRow("undone") << "m m m u" << 1 << "1" << one << kFileName << false;
    QTest::newRow("killed between entry and side file") << "m m M" << 2 << "2" << one << kFileName << false;
    QTest::newRow("palette edited after the last entry") << "m m p" << 1 << "1" << "Blue" << kFileName << true;
    QTest::newRow("file name outside code page 932") << "f m" << 0 << "0" << one << "" << false;
}

void RecoveryTest::readFolder()
{
    QFETCH(QString, actions);
    QFETCH(int, index);
    QFETCH(QString, cell);
    QFETCH(QString, name1);
    QFETCH(QString, fileName);
    QFETCH(bool, blue);
    const QString one = QString::fromUtf8("一 番");
    Scratch scratch;
    Design design;
    design.makeNew(2, 2);
    Palette p = design.palette();
    p[1].setName(one);
    design.setPalette(p);
    design.setFileName(kFileName);
    History history(scratch.path());
    int next = 0, second = 0;
    const auto side = [&] {
        Recovery::writeSideFile(history, design);
        stamp(Recovery::sideFilePath(scratch.path()), ++second);
    };
    for (const QString &a : actions.split(u' ', Qt::SkipEmptyParts)) {
        const QString entry = history.entryPath(a.mid(1).toInt());
        if (a == "m" || a == "M") {
            design.setCell(0, 0, CellGrid::digit(next++));
            history.makeLog(QStringLiteral("e"), design);
            stamp(history.entryPath(history.currentIndex()), ++second);
            if (a == "m")
                side();
        } else if (a == "u") {
            history.step(-1, design);
            side();
        } else if (a == "p") {
            Palette q = design.palette();
            q[1].fill(qRgb(0, 0, 255));
            q[1].setName(QStringLiteral("Blue"));
            design.setPalette(q);
            side();
        } else if (a.startsWith(u't')) {
            rewrite(entry, test::readAll(entry).chopped(3));
        } else if (a.startsWith(u'x')) {
            QStringList lines = TextFile::readLines(entry);
            lines[3] = QStringLiteral("clWhite,").repeated(19) + QStringLiteral("clWhit,");
            TextFile::writeLines(entry, lines);
        } else if (a == "f") {
            design.setFileName(QString::fromUtf8("/도안.tsl"));
        }
    }

    const auto recovered = Recovery::readFolder(scratch.path());
    QCOMPARE(recovered.has_value(), index >= 0);
    if (!recovered)
        return;
    QCOMPARE(recovered->entryIndex, index);
    QCOMPARE(cellsOf(recovered->grid), (QStringList{cell + "|0", "0|0"}));
    QCOMPARE(recovered->palette[1].name(), name1);
    QCOMPARE(recovered->fileName, fileName);
    // Code page 932, quoted for the blank.
    QCOMPARE(test::readAll(Recovery::sideFilePath(scratch.path())).contains("\"\x88\xea \x94\xd4\""), name1 == one);
    QCOMPARE(recovered->palette[1].pixel(4, 3), blue ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
    Design restored;
    recovered->applyTo(restored);
    QVERIFY(restored.isModified());
}

void RecoveryTest::leftFolders_data()
{
    // shared: the shared folder's lock as the last run left it (none, stale, running) and
    // whether entries are in it (cell S). others: second copies' folders, each with an entry
    // holding its position's digit: stale, running, absent (lock gone), empty (stale, no entry).
    QTest::addColumn<QString>("shared");
    QTest::addColumn<bool>("sharedEntries");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<int>("foldersLeft");

    QTest::newRow("lock absent, entries left") << "none" << true << QStringList{} << QStringList{"S"} << 0;
    QTest::newRow("stale lock") << "stale" << true << QStringList{} << QStringList{"S"} << 0;
    QTest::newRow("first copy still running") << "running" << true << QStringList{} << QStringList{} << 0;
    QTest::newRow("second copy killed, first running")
        << "running" << true << QStringList{"stale"} << QStringList{"1"} << 0;
    QTest::newRow("two killed, newest first")
        << "stale" << true << QStringList{"stale", "absent"} << QStringList{"2", "1", "S"} << 0;
    QTest::newRow("running second copy kept")
        << "stale" << false << QStringList{"running", "stale"} << QStringList{"2"} << 1;
    QTest::newRow("nothing readable is removed unasked")
        << "none" << false << QStringList{"empty"} << QStringList{} << 0;
}

void RecoveryTest::leftFolders()
{
    QFETCH(QString, shared);
    QFETCH(bool, sharedEntries);
    QFETCH(QStringList, others);
    QFETCH(QStringList, offered);
    QFETCH(int, foldersLeft);
    Scratch scratch;
    const QString preferred = scratch.file("log");
    QVERIFY(QDir().mkpath(preferred));
    std::unique_ptr<HistoryFolder> running;
    if (shared == "running")
        running = std::make_unique<HistoryFolder>(preferred);
    if (sharedEntries)
        leaveEntry(preferred, QStringLiteral("S"), 0);
    if (shared == "stale")
        leaveStale(preferred);
    std::vector<std::unique_ptr<QLockFile>> held;
    for (int i = 0; i < others.size(); ++i) {
        std::unique_ptr<QLockFile> lock;
        const QString folder = HistoryFolder::claimPrivate(preferred, &lock);
        QVERIFY(!folder.isEmpty());
        if (others[i] != "empty")
            leaveEntry(folder, CellGrid::digit(i + 1), i + 1);
        if (others[i] == "running")
            held.push_back(std::move(lock));
        else if (others[i] == "absent")
            lock.reset();
        else
            leaveStale(folder, std::move(lock));
    }

    HistoryFolder own(preferred);
    QCOMPARE(own.isPrivate(), shared == "running");
    // Our own work, already recorded, is never offered.
    if (own.isPrivate())
        leaveEntry(own.path(), QStringLiteral("O"), 99);

    std::vector<LeftHistory> found = LeftHistory::find(own);
    QStringList cells;
    for (const LeftHistory &l : found)
        cells << l.design().grid.cell(0, 0);
    QCOMPARE(cells, offered);
    // Claiming the shared folder set its leftovers aside before anything was recorded.
    if (!own.isPrivate())
        QVERIFY(!Recovery::hasEntries(preferred));
    else if (sharedEntries)
        QVERIFY(Recovery::hasEntries(preferred));

    // While offered here, nobody else offers them.
    {
        HistoryFolder third(preferred);
        QVERIFY(LeftHistory::find(third).empty());
    }
    for (LeftHistory &l : found) {
        const QString folder = l.folder();
        l.remove();
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(HistoryFolder::lockPathOf(folder)));
    }
    QStringList left;
    for (const QString &name : QDir(scratch.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (HistoryFolder::isPrivateName(preferred, name) && scratch.file(name) != own.path())
            left << name;
    QCOMPARE(left.size(), foldersLeft);
}

QTEST_GUILESS_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
