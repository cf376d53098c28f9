#include "support/CliRun.h"
#include "support/ReadOnlyFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>

#include "core/Texts.h"
#include "core/document/FileAccess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace tessell::test;

namespace {
const QString kWhite20 = QStringLiteral("clWhite,").repeated(20);

struct Measured {
    int exitCode = -1;
    QString err;
    long peakKiB = -1;
};

// Runs tessell-cli as a child of its own, so that wait4 gives its peak resident size.
Measured measured(const QStringList &args, const Scratch &scratch)
{
    QByteArrayList words{TESSELL_CLI_PATH};
    for (const QString &a : args)
        words << QFile::encodeName(a);
    std::vector<char *> argv;
    for (QByteArray &w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const QByteArray out = QFile::encodeName(scratch.file("stdout.txt"));
    const QByteArray err = QFile::encodeName(scratch.file("stderr.txt"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Measured m;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    struct rusage usage {};
    if (spawned != 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return m;
    m.exitCode = WEXITSTATUS(status);
    m.err = QString::fromUtf8(tessell::test::readAll(scratch.file("stderr.txt")));
    m.peakKiB = usage.ru_maxrss;
    return m;
}

QByteArray designFile(int columns, int rows, const QStringList &rowLines, const QByteArray &eol = "\r\n")
{
    return fileOf(QStringList{QStringLiteral("tsfile,%1,%2").arg(columns).arg(rows)} +
                      QStringList(16, kWhite20 + QStringLiteral("None")) + rowLines,
                  eol);
}

QString line(const char *utf8)
{
    return QString::fromUtf8(utf8) + QLatin1Char('\n');
}
} // namespace

class TessellCliTest : public QObject {
    Q_OBJECT
private slots:
    void newDesign_data();
    void newDesign();
    void info();
    void infoInvalid_data();
    void infoInvalid();
    void readFailures_data();
    void readFailures();
    void resave();
    void resaveRefusesInvalidCell();
    void writeFailures_data();
    void writeFailures();
    void import();
    void importRefusesInvalidCell();
    void importUnreadableArrangement();
    void readFilesStayUnchanged_data();
    void readFilesStayUnchanged();
    void hugeInputsWithinMemory_data();
    void hugeInputsWithinMemory();
    void specialFilesLeftAlone_data();
    void specialFilesLeftAlone();
};

void TessellCliTest::newDesign_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("3x2") << "3x2" << 0 << "";
    QTest::newRow("1x1") << "1x1" << 0 << "";
    QTest::newRow("zero columns") << "0x5" << 2 << line("列数・行数が範囲外です (0×5)");
    QTest::newRow("zero rows") << "5x0" << 2 << line("列数・行数が範囲外です (5×0)");
    QTest::newRow("1000 columns") << "1000x5" << 2 << line("列数・行数が範囲外です (1000×5)");
}

void TessellCliTest::newDesign()
{
    QFETCH(QString, size);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    Scratch scratch;
    const QString out = scratch.file("new.tsl");
    const Run r = cli({"new", size, "-o", out});
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.err, error);
    QVERIFY(r.out.isEmpty());
    if (exitCode != 0) {
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    const QStringList parts = size.split('x');
    const int columns = parts[0].toInt(), rows = parts[1].toInt();
    const QString row = QStringLiteral("0,").repeated(columns - 1) + QStringLiteral("0");
    QCOMPARE(tessell::test::readAll(out), designFile(columns, rows, QStringList(rows, row)));
}

void TessellCliTest::info()
{
    Scratch scratch;
    QStringList lines{"tsfile,3,2"};
    for (int n = 0; n < 16; ++n)
        lines << kWhite20 + QStringLiteral("None");
    lines[2] = QStringLiteral("$00FF8000,").repeated(20) + QStringLiteral("Orange");
    // Entry 2: 19 black pixels and one white: 255 / 20 drops to 12.
    lines[3] = QStringLiteral("clBlack,").repeated(19) + QStringLiteral("clWhite,Dark");
    // Row 1 is short: its last cell counts as the "0" the check makes of it.
    lines << "0,A,F"
          << "1,a";
    QByteArray bytes = fileOf(lines);
    bytes.replace("Dark", "\x88\xC3"); // 暗 in code page 932
    const QString path = scratch.write("info.tsl", bytes);

    const Run r = cli({"info", path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    QJsonParseError parseError;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &parseError).object();
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    QCOMPARE(o.value("columns").toInt(), 3);
    QCOMPARE(o.value("rows").toInt(), 2);

    const QJsonArray palette = o.value("palette").toArray();
    QCOMPARE(palette.size(), 16);
    QCOMPARE(palette[0].toObject().value("name").toString(), QStringLiteral("None"));
    QCOMPARE(palette[0].toObject().value("mean").toString(), QStringLiteral("#FFFFFF"));
    QCOMPARE(palette[0].toObject().value("tile").toString(), kWhite20);
    QCOMPARE(palette[1].toObject().value("name").toString(), QStringLiteral("Orange"));
    QCOMPARE(palette[1].toObject().value("mean").toString(), QStringLiteral("#0080FF"));
    QCOMPARE(palette[1].toObject().value("tile").toString(), QStringLiteral("$00FF8000,").repeated(20));
    QCOMPARE(palette[2].toObject().value("name").toString(), QString::fromUtf8("暗"));
    QCOMPARE(palette[2].toObject().value("mean").toString(), QStringLiteral("#0C0C0C"));

    // 0: two (one written, one filled in); 1, A and F once; lower-case a nowhere.
    const QJsonArray counts = o.value("counts").toArray();
    QCOMPARE(counts.size(), 16);
    const int expected[16] = {2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int n = 0; n < 16; ++n)
        QCOMPARE(counts[n].toInt(-1), expected[n]);
    QVERIFY(o.contains("invalid"));
    QVERIFY(o.value("invalid").isNull());
}

void TessellCliTest::infoInvalid_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    // In a 3 x 2 design.
    QTest::newRow("10") << QStringList{"0,0,0", "0,10,0"} << 1 << 1 << "10";
    QTest::newRow("empty item is a blank") << QStringList{"0,,1", "0,0,0"} << 1 << 0 << " ";
    QTest::newRow("empty cells pass, G does not") << QStringList{"0", "G"} << 0 << 1 << "G";
    QTest::newRow("row before column") << QStringList{"0,0,X", "Y,0,0"} << 2 << 0 << "X";
}

void TessellCliTest::infoInvalid()
{
    QFETCH(QStringList, rows);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    Scratch scratch;
    const QString path = scratch.write("bad.tsl", designFile(3, 2, rows));
    const Run r = cli({"info", path});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.trimmed(), QStringLiteral("エラーが発見されました。"));
    const QJsonObject bad = QJsonDocument::fromJson(r.out).object().value("invalid").toObject();
    QCOMPARE(bad.value("column").toInt(-1), column);
    QCOMPARE(bad.value("row").toInt(-1), row);
    QCOMPARE(bad.value("text").toString(), text);
}

void TessellCliTest::readFailures_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty name below: no file at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");

    QTest::newRow("missing file") << QByteArray() << ""
                                  << "ファイル %1 は開けません";
    QTest::newRow("empty file") << QByteArray() << "empty.tsl"
                                << "リストのインデックスが範囲を超えています (0)";
    QTest::newRow("not a design") << QByteArray("0,1,2\r\n") << "a.csv"
                                  << "ファイルを読み込めません。";
    QTest::newRow("header without rows") << QByteArray("tsfile,3\r\n") << "h.tsl"
                                         << "リストのインデックスが範囲を超えています (2)";
    QTest::newRow("size out of range") << QByteArray("tsfile,3,0\r\n") << "s.tsl"
                                       << "列数・行数が範囲外です (3×0)";
    QTest::newRow("bad colour") << designFile(1, 1, {"0"}).replace("clWhite,None", "clPink,None") << "c.tsl"
                                << "'clPink' は整数ではありません";
}

// Every command that reads a design reports the reader's message and exits 2.
void TessellCliTest::readFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, error);
    Scratch scratch;
    const QString path = name.isEmpty() ? scratch.file("missing.tsl") : scratch.write(name, bytes);
    const QString expected = (error.contains("%1") ? error.arg(path) : error) + '\n';
    const QString out = scratch.file("out.tsl");
    const QString arrangement = scratch.write("arr.csv", "1\r\n");

    const QList<QStringList> commands{
        {"info", path}, {"resave", path, out}, {"import", path, arrangement, "-o", out}};
    for (const QStringList &args : commands) {
        const Run r = cli(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, expected);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFileInfo::exists(out));
    }
}

// Read with the editor's reader, written with its writer: CR LF, commas, no blanks.
void TessellCliTest::resave()
{
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(3, 3, {"0 A  F", "\"1\",2,3"}, "\n"));
    const QString out = scratch.file("out.tsl");
    const Run r = cli({"resave", in, out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(tessell::test::readAll(out), designFile(3, 3, {"0,A,F", "1,2,3", "0,0,0"}));
}

void TessellCliTest::resaveRefusesInvalidCell()
{
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(2, 1, {"0,10"}));
    const QString out = scratch.file("out.tsl");
    Run r = cli({"resave", in, out});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, line("エラーが発見されました。"));
    QVERIFY(!QFileInfo::exists(out));

    // An existing target is not touched either.
    scratch.write("out.tsl", "previous\r\n");
    r = cli({"resave", in, out});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(tessell::test::readAll(out), QByteArray("previous\r\n"));
}

void TessellCliTest::writeFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("target is a folder") << "folder";
    QTest::newRow("read-only file") << "read-only";
}

void TessellCliTest::writeFailures()
{
    QFETCH(QString, kind);
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(1, 1, {"5"}));
    const QString arrangement = scratch.write("arr.csv", "7\r\n");
    const QByteArray old = "old\r\n";
    QString out;
    std::unique_ptr<tessell::test::ReadOnlyFile> guard;
    if (kind == "missing folder") {
        out = scratch.file("no/such/out.tsl");
    } else if (kind == "folder") {
        out = scratch.file("out.tsl");
        QVERIFY(QDir().mkdir(out));
    } else {
        out = scratch.write("out.tsl", old);
        guard = std::make_unique<tessell::test::ReadOnlyFile>(out);
        if (!guard->refusesWrites())
            QSKIP("this file system lets the current user write read-only files");
    }
    const QString expected = line("ファイル %1 を作成できません").arg(out);
    const QList<QStringList> commands{
        {"new", "2x2", "-o", out}, {"resave", in, out}, {"import", in, arrangement, "-o", out}};
    for (const QStringList &args : commands) {
        const Run r = cli(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, expected);
    }
    if (kind == "read-only")
        QCOMPARE(tessell::test::readAll(out), old);
}

void TessellCliTest::import()
{
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(4, 3, {"5,5,5,5", "5,5,5,5", "5,5,5,5"}));
    const QString arrangement = scratch.write("arr.csv", "A B C\n1,2,3,4,5,6\n");
    const QString out = scratch.file("out.tsl");
    const Run r = cli({"import", in, arrangement, "-o", out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    // Cells the arrangement does not fill become "0"; row 2 keeps its 5s.
    QCOMPARE(tessell::test::readAll(out), designFile(4, 3, {"A,B,C,0", "1,2,3,4", "5,5,5,5"}));
}

void TessellCliTest::importRefusesInvalidCell()
{
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(3, 1, {"0,0,0"}));
    const QString arrangement = scratch.write("arr.csv", "1,,2\r\n");
    const QString out = scratch.file("out.tsl");
    const Run r = cli({"import", in, arrangement, "-o", out});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, line("エラーが発見されました。"));
    QVERIFY(!QFileInfo::exists(out));
}

void TessellCliTest::importUnreadableArrangement()
{
    Scratch scratch;
    const QString in = scratch.write("in.tsl", designFile(1, 1, {"0"}));
    const QString arrangement = scratch.file("missing.csv");
    const QString out = scratch.file("out.tsl");
    const Run r = cli({"import", in, arrangement, "-o", out});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.err, line("ファイル %1 は開けません").arg(arrangement));
    QVERIFY(!QFileInfo::exists(out));
}

void TessellCliTest::readFilesStayUnchanged_data()
{
    QTest::addColumn<QByteArray>("design");
    // Files a writer would change: empty cells, LF ends, blanks, an invalid cell.
    QTest::newRow("empty cells, LF ends") << designFile(3, 2, {"1", ""}, "\n");
    QTest::newRow("CR ends, blanks") << designFile(3, 2, {"1 2 3", "4  5 6"}, "\r");
    QTest::newRow("invalid cell") << designFile(2, 1, {"0,g1"});
    QTest::newRow("extra row lines") << designFile(1, 1, {"1", "2", "3"});
}

// Whatever a command does, the files it only reads keep their bytes.
void TessellCliTest::readFilesStayUnchanged()
{
    QFETCH(QByteArray, design);
    Scratch scratch;
    const QString in = scratch.write("in.tsl", design);
    const QByteArray arrangementBytes = "1 , 2\n\n3,,\r";
    const QString arrangement = scratch.write("arr.csv", arrangementBytes);
    const QString out = scratch.file("out.tsl");

    const QList<QStringList> commands{
        {"info", in}, {"resave", in, out}, {"import", in, arrangement, "-o", out}};
    for (const QStringList &args : commands) {
        const Run r = cli(args);
        QVERIFY2(r.exitCode >= 0 && r.exitCode <= 1, qPrintable(r.err));
        QCOMPARE(tessell::test::readAll(in), design);
        QCOMPARE(tessell::test::readAll(arrangement), arrangementBytes);
    }
}

void TessellCliTest::hugeInputsWithinMemory_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("fill"); // bytes of "0," after the head
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // %1: the big file

    const qint64 huge = 60 * 1024 * 1024;
    const qint64 within = tessell::FileAccess::MaxTextBytes - 4096;
    const QString tooLarge = line("ファイル %1 は大きすぎて開けません (上限 4 MB)");
    QTest::newRow("60 MB design line") << "info" << QByteArray("tsfile,1,1\r\n") << huge << 2 << tooLarge;
    QTest::newRow("60 MB arrangement line") << "import" << QByteArray() << huge << 2 << tooLarge;
    // Within the bound a long line is read, but split no further than used.
    QTest::newRow("long header line") << "info" << QByteArray("tsfile,1,1,") << within << 2
                                      << line("リストのインデックスが範囲を超えています (1)");
    QTest::newRow("long row line") << "info" << designFile(3, 1, {}) << within << 0 << "";
    QTest::newRow("many empty lines") << "info" << QByteArray(within, '\n') << qint64(0) << 2
                                      << line("リストのインデックスが範囲を超えています (0)");
    QTest::newRow("long arrangement line") << "import" << QByteArray() << within << 0 << "";
}

// Refused or not, a huge input costs the command line tool little memory.
void TessellCliTest::hugeInputsWithinMemory()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, head);
    QFETCH(qint64, fill);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    Scratch scratch;
    // Written in pieces: the child's peak is measured from this process's own size up.
    const QString big = scratch.file("big");
    {
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(head);
        const QByteArray piece = QByteArray("0,").repeated(512 * 1024);
        for (qint64 left = fill; left > 0; left -= piece.size())
            f.write(piece.left(left));
    }
    const QString out = scratch.file("out.tsl");
    const QStringList args = command == "info"
                                 ? QStringList{"info", big}
                                 : QStringList{"import", scratch.write("in.tsl", designFile(3, 1, {"5"})), big,
                                               "-o", out};
    const Measured m = measured(args, scratch);
    QCOMPARE(m.exitCode, exitCode);
    QCOMPARE(m.err, error.contains("%1") ? error.arg(big) : error);
    QVERIFY2(m.peakKiB > 0 && m.peakKiB < 50 * 1024, qPrintable(QString("peak %1 KiB").arg(m.peakKiB)));
    if (command == "import")
        QCOMPARE(tessell::test::readAll(out), exitCode == 0 ? designFile(3, 1, {"0,0,0"}) : QByteArray());
}

void TessellCliTest::specialFilesLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("character device") << "device";
}

// Read at once and refused; written over never: the node stays what it was.
void TessellCliTest::specialFilesLeftAlone()
{
    QFETCH(QString, kind);
    if (kind == "device" && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    const Node node = kind == "fifo" ? Node::Fifo : Node::Device;
    Scratch scratch;
    const QString path = scratch.file("node");
    QVERIFY(makeNode(path, node));
    const QString in = scratch.write("in.tsl", designFile(1, 1, {"5"}));
    const QString out = scratch.file("out.tsl");

    const QList<QStringList> reads{{"info", path}, {"resave", path, out}, {"import", in, path, "-o", out}};
    const QList<QStringList> writes{
        {"new", "2x2", "-o", path}, {"resave", in, path}, {"import", in, in, "-o", path}};
    for (const QStringList &args : reads + writes) {
        const Run r = cli(args, 10000);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, (reads.contains(args) ? tessell::texts::cannotOpen(path) : tessell::texts::cannotCreate(path)) + '\n');
        QVERIFY(isNode(path, node) && !QFileInfo::exists(out));
    }
}

QTEST_GUILESS_MAIN(TessellCliTest)
#include "TessellCliTest.moc"
