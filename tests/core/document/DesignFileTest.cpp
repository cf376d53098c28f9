#include "core/document/DesignFile.h"
#include "core/Error.h"
#include "core/document/Design.h"
#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "core/document/TextFile.h"
#include "support/ReadOnlyFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace tessell;
using namespace tessell::test;

namespace {
const QString kWhite20 = QStringLiteral("clWhite,").repeated(20);

QStringList whitePalette(const QString &name = QStringLiteral("None"))
{
    return QStringList(16, kWhite20 + name);
}

// ASCII lines, each ended by eol.

QString message(const char *utf8)
{

    return QString::fromUtf8(utf8);
}

// A design that is not the default one, to see that a failed read keeps it.
void makeNonDefault(Design &design)
{
    design.makeNew(3, 2);
    design.setCell(0, 0, QStringLiteral("A"));
    design.setCell(2, 1, QStringLiteral("F"));
    Palette p = design.palette();
    p[0].fill(qRgb(255, 0, 0));
    p[0].setName(QStringLiteral("Red"));
    p[15].setPixel(2, 2, qRgb(1, 2, 3));
    design.setPalette(p);
    design.setFileName(QStringLiteral("/old/place.tsl"));
    design.changeFirstContent();
}

} // namespace

class DesignFileTest : public QObject {
    Q_OBJECT
private slots:
    void defaultFile();
    void smallExample();
    void names_data();
    void names();
    void rowLines_data();
    void rowLines();
    void lineEnds_data();
    void lineEnds();
    void paletteRead();
    void headerRefused_data();
    void headerRefused();
    void readErrors_data();
    void readErrors();
    void sizeLimits_data();
    void sizeLimits();
    void failedReadKeepsDesign_data();
    void failedReadKeepsDesign();
    void unreadable_data();
    void unreadable();
    void unwritable_data();
    void unwritable();
    void writeReplacesLongerFile();
    void shiftJisNamesRoundTrip();
    void shiftJisNameWritten_data();
    void shiftJisNameWritten();
    void storableNamesRoundTrip();
};

// The default design, byte for byte, and the same again after reading it back.
void DesignFileTest::defaultFile()
{
    Scratch scratch;
    Design design;
    const QString path = scratch.file("default.tsl");
    DesignFile::write(design, path);

    QByteArray expected = "tsfile,160,100\r\n";
    for (int n = 0; n < 16; ++n)
        expected +=
            "clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,"
            "clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,clWhite,None\r\n";
    const QByteArray row = QByteArray("0,").repeated(159) + "0\r\n";
    for (int r = 0; r < 100; ++r)
        expected += row;
    const QByteArray written = test::readAll(path);
    QCOMPARE(written.count("\r\n"), 117);
    QCOMPARE(written.size(), 16 + 16 * 166 + 100 * 321);
    QCOMPARE(written, expected);

    Design reread;
    DesignFile::open(path, reread);
    QCOMPARE(reread.fileName(), path);
    const QString again = scratch.file("again.tsl");
    DesignFile::write(reread, again);
    QCOMPARE(test::readAll(again), expected);
}

void DesignFileTest::smallExample()
{
    Scratch scratch;
    Design design;
    design.makeNew(3, 2);
    const char *cells[2][3] = {{"0", "A", "F"}, {"1", "1", "1"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            design.setCell(c, r, QString::fromLatin1(cells[r][c]));
    const QString path = scratch.file("small.tsl");
    DesignFile::write(design, path);
    QCOMPARE(test::readAll(path),
             fileOf(QStringList{"tsfile,3,2"} + whitePalette() + QStringList{"0,A,F", "1,1,1"}));

    Design back;
    DesignFile::open(path, back);
    QCOMPARE(cellsOf(back), (QStringList{"0|A|F", "1|1|1"}));
}

void DesignFileTest::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");

    // Names that need it are quoted, so nothing of a name is lost.
    QTest::newRow("blank") << "Light Blue"
                           << "\"Light Blue\"";
    QTest::newRow("comma") << "Red,Dark"
                           << "\"Red,Dark\"";
    QTest::newRow("empty name") << ""
                                << "";
    QTest::newRow("quotes") << "\"a b\""
                            << "\"\"\"a b\"\"\"";
    QTest::newRow("japanese") << QString::fromUtf8("水色") << QString::fromUtf8("水色");
    QTest::newRow("plain") << "Aqua"
                           << "Aqua";
}

void DesignFileTest::names()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    Scratch scratch;
    Design design;
    design.makeNew(2, 1);
    Palette p = design.palette();
    p[4].setName(name);
    p[4].fill(qRgb(166, 202, 240));
    design.setPalette(p);
    const QString path = scratch.file("names.tsl");
    DesignFile::write(design, path);
    // The name comes right after the tile text.
    QCOMPARE(TextFile::readLines(path).at(5), QStringLiteral("clSkyBlue,").repeated(20) + written);

    Design back;
    DesignFile::open(path, back);
    QCOMPARE(back.entry(4).name(), name);
    QCOMPARE(back.entry(4).pixel(4, 3), qRgb(166, 202, 240));
    QCOMPARE(back.entry(3).name(), QStringLiteral("None"));
    QCOMPARE(back.entry(5).name(), QStringLiteral("None"));
}

void DesignFileTest::rowLines_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("five row lines in a 2x2 file")
        << "tsfile,2,2" << QStringList{"1,2", "3,4", "5,6", "7,8", "9,A"} << QStringList{"1|2", "3|4"};
    QTest::newRow("missing row lines stay 0")
        << "tsfile,3,3" << QStringList{"1,2,3"} << QStringList{"1|2|3", "0|0|0", "0|0|0"};
    QTest::newRow("no row lines at all") << "tsfile,2,2" << QStringList{} << QStringList{"0|0", "0|0"};
    QTest::newRow("short row line leaves empty cells")
        << "tsfile,3,1" << QStringList{"5"} << QStringList{"5||"};
    QTest::newRow("long row line is cut") << "tsfile,2,1" << QStringList{"1,2,3,4"} << QStringList{"1|2"};
    QTest::newRow("empty item is a blank") << "tsfile,3,1" << QStringList{"1,,2"} << QStringList{"1| |2"};
    QTest::newRow("invalid cells are read as they are")
        << "tsfile,3,1" << QStringList{"10,G,a"} << QStringList{"10|G|a"};
    QTest::newRow("blanks separate cells") << "tsfile,3,1" << QStringList{"1 2  3"} << QStringList{"1|2|3"};
    QTest::newRow("header items separated by blanks")
        << "tsfile 2 1" << QStringList{"1,2"} << QStringList{"1|2"};
}

void DesignFileTest::rowLines()
{
    QFETCH(QString, header);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, cells);
    Scratch scratch;
    const QString path = scratch.write("rows.tsl", fileOf(QStringList{header} + whitePalette() + rows));
    Design design;
    DesignFile::open(path, design);
    QCOMPARE(cellsOf(design), cells);
}

void DesignFileTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QStringList lines =
        QStringList{"tsfile,3,2"} + whitePalette("Grey") + QStringList{"0,A,F", "1,1,1"};
    QTest::newRow("CR LF") << fileOf(lines, "\r\n");
    QTest::newRow("CR only") << fileOf(lines, "\r");
    QTest::newRow("LF only") << fileOf(lines, "\n");
    QByteArray mixed;
    const QByteArray ends[3] = {"\r\n", "\r", "\n"};
    for (int i = 0; i < lines.size(); ++i)
        mixed += lines[i].toLatin1() + ends[i % 3];
    QTest::newRow("mixed") << mixed;
    QByteArray noFinal = fileOf(lines, "\r\n");
    noFinal.chop(2);
    QTest::newRow("no final line end") << noFinal;
    QTest::newRow("extra empty line at the end") << fileOf(lines + QStringList{""}, "\r\n");
}

void DesignFileTest::lineEnds()
{
    QFETCH(QByteArray, bytes);
    Scratch scratch;
    const QString path = scratch.write("ends.tsl", bytes);
    Design design;
    DesignFile::open(path, design);
    QCOMPARE(design.columns(), 3);
    QCOMPARE(design.rows(), 2);
    QCOMPARE(cellsOf(design), (QStringList{"0|A|F", "1|1|1"}));
    QCOMPARE(design.entry(15).name(), QStringLiteral("Grey"));
    // Written back with CR LF whatever the file had.
    DesignFile::write(design, scratch.file("out.tsl"));
    QCOMPARE(test::readAll(scratch.file("out.tsl")),
             fileOf(QStringList{"tsfile,3,2"} + whitePalette("Grey") + QStringList{"0,A,F", "1,1,1"}));
}

void DesignFileTest::paletteRead()
{
    Scratch scratch;
    QStringList palette = whitePalette();
    QStringList items(20, QStringLiteral("clBlack"));
    items[0] = QStringLiteral("$00030201");
    items[4] = QStringLiteral("CLRED");
    items[5] = QStringLiteral("65280");
    items[19] = QStringLiteral("clSkyBlue");
    palette[7] = items.join(',') + QStringLiteral(",Mixed");
    const QString path =
        scratch.write("palette.tsl", fileOf(QStringList{"tsfile,1,1"} + palette + QStringList{"7"}));
    Design design;
    DesignFile::open(path, design);
    const PaletteEntry &e = design.entry(7);
    QCOMPARE(e.name(), QStringLiteral("Mixed"));
    QCOMPARE(e.pixel(0, 0), qRgb(1, 2, 3));
    QCOMPARE(e.pixel(4, 0), qRgb(255, 0, 0));
    QCOMPARE(e.pixel(0, 1), qRgb(0, 255, 0));
    QCOMPARE(e.pixel(4, 3), qRgb(166, 202, 240));
    QCOMPARE(e.pixel(2, 2), qRgb(0, 0, 0));
    QCOMPARE(design.entry(6), PaletteEntry());
}

void DesignFileTest::headerRefused_data()
{
    QTest::addColumn<QString>("header");
    QTest::newRow("upper case") << "TSFILE,2,2";
    QTest::newRow("capitalised") << "Tsfile,2,2";
    QTest::newRow("longer first item") << "tsfileX,2,2";
    QTest::newRow("quoted with blank") << "\"tsfile \",2,2";
    QTest::newRow("arrangement line") << "0,1,2";
    QTest::newRow("history entry header") << "2,2";
}

void DesignFileTest::headerRefused()
{
    QFETCH(QString, header);
    Scratch scratch;
    const QString path =
        scratch.write("h.tsl", fileOf(QStringList{header} + whitePalette() + QStringList{"1,1", "1,1"}));
    Design design;
    makeNonDefault(design);
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), message("ファイルを読み込めません。"));
}

void DesignFileTest::readErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QString header = QStringLiteral("tsfile,2,2");
    const QString shortLine = QStringLiteral("clWhite,").repeated(19) + QStringLiteral("clWhite");
    const auto index = [](int i) { return message("リストのインデックスが範囲を超えています (%1)").arg(i); };
    const auto notInt = [](const QString &t) { return message("'%1' は整数ではありません").arg(t); };

    QTest::newRow("empty file") << QByteArray() << index(0);
    QTest::newRow("one empty line") << QByteArray("\r\n") << index(0);
    QTest::newRow("header without sizes") << fileOf({"tsfile"}) << index(1);
    QTest::newRow("header without rows") << fileOf({"tsfile,5"}) << index(2);
    QTest::newRow("header only") << fileOf({header}) << index(1);
    QTest::newRow("ends in line 5") << fileOf(QStringList{header} + whitePalette().mid(0, 4)) << index(5);
    QTest::newRow("ends in line 16") << fileOf(QStringList{header} + whitePalette().mid(0, 15)) << index(16);
    {
        QStringList p = whitePalette();
        p[0] = shortLine;
        QTest::newRow("palette line of 20 items") << fileOf(QStringList{header} + p) << index(20);
    }
    {
        QStringList p = whitePalette();
        p[9] = QStringLiteral("clWhite,clWhite,clWhite");
        QTest::newRow("palette line 11 of 3 items") << fileOf(QStringList{header} + p) << index(20);
    }
    {
        QStringList p = whitePalette();
        p[1] = kWhite20;
        p[1].replace(8 * 6, 7, QStringLiteral("clPink"));
        QTest::newRow("unknown colour") << fileOf(QStringList{header} + p) << notInt("clPink");
    }
    {
        QStringList p = whitePalette();
        p[15] = QStringLiteral("$00FFFFFF,").repeated(19) + QStringLiteral("$0000GG00,Last");
        QTest::newRow("bad value in the last palette line")
            << fileOf(QStringList{header} + p) << notInt("$0000GG00");
    }
    {
        // File order: the short line 2 is met before the bad colour of line 3.
        QStringList p = whitePalette();
        p[0] = shortLine;
        p[1] = QStringLiteral("x,") + QStringLiteral("clWhite,").repeated(19) + QStringLiteral("None");
        QTest::newRow("short line before bad colour") << fileOf(QStringList{header} + p) << index(20);
    }
    {
        // Within a line the name is taken first, so a missing name wins.
        QStringList p = whitePalette();
        p[2] = QStringLiteral("bad,") + QStringLiteral("clWhite,").repeated(18) + QStringLiteral("clWhite");
        QTest::newRow("bad colour and no name") << fileOf(QStringList{header} + p) << index(20);
    }
    QTest::newRow("columns not a number")
        << fileOf(QStringList{"tsfile,abc,2"} + whitePalette()) << notInt("abc");
    QTest::newRow("rows not a number") << fileOf(QStringList{"tsfile,2,x"} + whitePalette()) << notInt("x");
    QTest::newRow("columns bad, rows missing") << fileOf({"tsfile,abc"}) << notInt("abc");
    QTest::newRow("rows empty") << fileOf(QStringList{"tsfile,2,"} + whitePalette()) << notInt("");
    QTest::newRow("columns beyond int")
        << fileOf(QStringList{"tsfile,99999999999,2"} + whitePalette()) << notInt("99999999999");
}

void DesignFileTest::readErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    Scratch scratch;
    const QString path = scratch.write("bad.tsl", bytes);
    Design design;
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), error);
}

void DesignFileTest::sizeLimits_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("error"); // empty: accepted
    const auto range = [](const char *s) {
        return message("列数・行数が範囲外です (%1)").arg(QString::fromUtf8(s));
    };

    QTest::newRow("999 columns") << "tsfile,999,1"
                                 << "";
    QTest::newRow("999 rows") << "tsfile,1,999"
                              << "";
    QTest::newRow("1 x 1") << "tsfile,1,1"
                           << "";
    QTest::newRow("zero columns") << "tsfile,0,5" << range("0×5");
    QTest::newRow("zero rows") << "tsfile,5,0" << range("5×0");
    QTest::newRow("1000 columns") << "tsfile,1000,1" << range("1000×1");
    QTest::newRow("1000 rows") << "tsfile,1,1000" << range("1×1000");
    QTest::newRow("negative rows") << "tsfile,5,-3" << range("5×-3");
    QTest::newRow("huge both") << "tsfile,2000000000,2000000000" << range("2000000000×2000000000");
}

void DesignFileTest::sizeLimits()
{
    QFETCH(QString, header);
    QFETCH(QString, error);
    Scratch scratch;
    const QString path = scratch.write("size.tsl", fileOf(QStringList{header} + whitePalette()));
    Design design;
    if (error.isEmpty()) {
        DesignFile::open(path, design);
        const QStringList items = header.split(',');
        QCOMPARE(design.columns(), items[1].toInt());
        QCOMPARE(design.rows(), items[2].toInt());
        QCOMPARE(design.reCount()[0], design.columns() * design.rows());
        return;
    }
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), error);
    // The size is refused before the palette lines are looked at.
    const QString headerOnly = scratch.write("size-header.tsl", fileOf({header}));
    QCOMPARE(errorOf([&] { DesignFile::open(headerOnly, design); }), error);
}

void DesignFileTest::failedReadKeepsDesign_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString header = QStringLiteral("tsfile,4,4");
    const QStringList rows{"1,1,1,1", "2,2,2,2", "3,3,3,3", "4,4,4,4"};
    QTest::newRow("wrong header") << fileOf(QStringList{"TSFILE,4,4"} + whitePalette() + rows);
    QTest::newRow("size out of range") << fileOf(QStringList{"tsfile,0,4"} + whitePalette() + rows);
    {
        QStringList p = whitePalette("New");
        p[15] = QStringLiteral("clPink,") + QStringLiteral("clWhite,").repeated(19) + QStringLiteral("Last");
        QTest::newRow("bad colour in the last palette line") << fileOf(QStringList{header} + p + rows);
    }
    {
        QStringList p = whitePalette("New");
        p[8] = QStringLiteral("clBlack,clBlack");
        QTest::newRow("short palette line half-way") << fileOf(QStringList{header} + p + rows);
    }
    QTest::newRow("ends in the palette") << fileOf(QStringList{header} + whitePalette("New").mid(0, 10));
    QTest::newRow("empty file") << QByteArray();
}

// Size, palette, cells, file name and saved rows stay, and nothing is signalled.
void DesignFileTest::failedReadKeepsDesign()
{
    QFETCH(QByteArray, bytes);
    Scratch scratch;
    const QString path = scratch.write("half.tsl", bytes);
    Design design;
    makeNonDefault(design);
    design.setCell(1, 0, QString()); // an empty cell the reader must not fill either
    const CellGrid grid = design.grid();
    const Palette palette = design.palette();
    const QStringList saved = design.savedRows();
    QSignalSpy cells(&design, &Design::cellsChanged);
    QSignalSpy size(&design, &Design::sizeChanged);
    QSignalSpy pal(&design, &Design::paletteChanged);
    QSignalSpy name(&design, &Design::fileNameChanged);

    QVERIFY_THROWS_EXCEPTION(Error, DesignFile::open(path, design));
    QCOMPARE(design.columns(), 3);
    QCOMPARE(design.rows(), 2);
    QVERIFY(design.grid() == grid);
    QVERIFY(design.palette() == palette);
    QCOMPARE(design.fileName(), QStringLiteral("/old/place.tsl"));
    QCOMPARE(design.savedRows(), saved);
    QCOMPARE(cells.count() + size.count() + pal.count() + name.count(), 0);
}

void DesignFileTest::unreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::newRow("missing file") << "missing.tsl" << false;
    QTest::newRow("a folder") << "folder.tsl" << true;
}

void DesignFileTest::unreadable()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    Scratch scratch;
    const QString path = scratch.file(name);
    if (folder)
        QVERIFY(QDir().mkdir(path));
    Design design;
    makeNonDefault(design);
    const CellGrid grid = design.grid();
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), message("ファイル %1 は開けません").arg(path));
    QVERIFY(design.grid() == grid);
    QCOMPARE(design.fileName(), QStringLiteral("/old/place.tsl"));
}

void DesignFileTest::unwritable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("target is a folder") << "folder";
    QTest::newRow("read-only file") << "read-only";
}

void DesignFileTest::unwritable()
{
    QFETCH(QString, kind);
    Scratch scratch;
    Design design;
    design.makeNew(2, 2);
    const QByteArray old = "old content\r\n";
    QString path;
    std::unique_ptr<test::ReadOnlyFile> guard;
    if (kind == "missing folder") {
        path = scratch.file("no/such/folder/out.tsl");
    } else if (kind == "folder") {
        path = scratch.file("out.tsl");
        QVERIFY(QDir().mkdir(path));
    } else {
        path = scratch.write("out.tsl", old);
        guard = std::make_unique<test::ReadOnlyFile>(path);
        if (!guard->refusesWrites())
            QSKIP("this file system lets the current user write read-only files");
    }
    QCOMPARE(errorOf([&] { DesignFile::write(design, path); }),
             message("ファイル %1 を作成できません").arg(path));
    if (kind == "missing folder")
        QVERIFY(!QFileInfo::exists(path));
    else if (kind == "folder")
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(test::readAll(path), old);
    // No temporary file is left behind beside the target.
    const QStringList left = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, kind == "read-only" ? QStringList{"out.tsl"} : QStringList{});
}

void DesignFileTest::writeReplacesLongerFile()
{
    Scratch scratch;
    const QString path = scratch.write("long.tsl", QByteArray(100000, 'x'));
    Design design;
    design.makeNew(1, 1);
    DesignFile::write(design, path);
    QCOMPARE(test::readAll(path), fileOf(QStringList{"tsfile,1,1"} + whitePalette() + QStringList{"0"}));
}

// Names in code page 932 survive reading and writing byte for byte.
void DesignFileTest::shiftJisNamesRoundTrip()
{
    struct Name {
        QByteArray bytes;
        const char *text; // nullptr: only the bytes are compared
    };
    const Name names[16] = {
        {"\x90\xD4", "赤"},
        {"\x83\x5C", "ソ"}, // second byte is a backslash
        {"\x95\x5C\x8E\xA6", "表示"},
        {"\xB1\xB2\xB3", "ｱｲｳ"},
        {"\x87\x40", "①"},
        {"\x81\x60", nullptr},
        {"\x81\x5F", nullptr},
        {"\x88\xEA", "一"},
        {"\x83\x7C", "ポ"}, // second byte is a vertical bar
        {"\x81\x7C", nullptr},
        {"\x82\xA0", "あ"},
        {"\x93\xFA\x96\x7B", "日本"},
        {"\x83\x8A\x83\x93\x83\x53", "リンゴ"},
        {"a\x82\xA0z", "aあz"},
        {"\x82\xCC\x82\xE8", "のり"},
        {"None", "None"},
    };
    QByteArray bytes = "tsfile,2,1\r\n";
    for (const Name &n : names)
        bytes += kWhite20.toLatin1() + n.bytes + "\r\n";
    bytes += "1,F\r\n";
    Scratch scratch;
    const QString path = scratch.write("sjis.tsl", bytes);
    Design design;
    DesignFile::open(path, design);
    for (int i = 0; i < 16; ++i)
        if (names[i].text)
            QCOMPARE(design.entry(i).name(), QString::fromUtf8(names[i].text));
    const QString out = scratch.file("sjis-out.tsl");
    DesignFile::write(design, out);
    QCOMPARE(test::readAll(out), bytes);
}

void DesignFileTest::shiftJisNameWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("kanji") << QString::fromUtf8("青緑") << QByteArray("\x90\xC2\x97\xCE")
                           << QString::fromUtf8("青緑");
    QTest::newRow("half-width katakana")
        << QString::fromUtf8("ｱｵ") << QByteArray("\xB1\xB5") << QString::fromUtf8("ｱｵ");
    // The forms Linux input methods type for these take their code page 932 twins.
    QTest::newRow("wave dash") << QString::fromUtf8("A〜B")
                               << QByteArray("A\x81\x60"
                                             "B")
                               << QString::fromUtf8("A～B");
    QTest::newRow("minus sign") << QString::fromUtf8("−1")
                                << QByteArray("\x81\x7C"
                                              "1")
                                << QString::fromUtf8("－1");
    QTest::newRow("double bar, cent, pound, not")
        << QString::fromUtf8("‖¢£¬") << QByteArray("\x81\x61\x81\x91\x81\x92\x81\xCA")
        << QString::fromUtf8("∥￠￡￢");
    QTest::newRow("em dash") << QString::fromUtf8("a—b")
                             << QByteArray("a\x81\x5C"
                                           "b")
                             << QString::fromUtf8("a―b");
    // Characters with no code at all are written as "?", not as an undefined code.
    QTest::newRow("accented letter") << QString::fromUtf8("café") << QByteArray("caf?")
                                     << QString::fromUtf8("caf?");
    QTest::newRow("emoji") << QString::fromUtf8("a😀b") << QByteArray("a?b") << QString::fromUtf8("a?b");
}

void DesignFileTest::shiftJisNameWritten()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    Scratch scratch;
    Design design;
    design.makeNew(1, 1);
    Palette p = design.palette();
    p[0].setName(name);
    design.setPalette(p);
    const QString path = scratch.file("name.tsl");
    DesignFile::write(design, path);
    QCOMPARE(test::readAll(path).split('\n').value(1), kWhite20.toLatin1() + bytes + "\r");
    Design back;
    DesignFile::open(path, back);
    QCOMPARE(back.entry(0).name(), readBack);
}

// A name from anywhere, made storable, comes back as it was from the design
// file, and from the history entry and side file that recovery reads.
void DesignFileTest::storableNamesRoundTrip()
{
    // Blanks, quotes, commas, control characters, DEL, Japanese and its twins,
    // half-width katakana, characters code page 932 lacks, surrogates.
    const QString pool =
        QStringLiteral(" \"\",,aZ9%$\\\t\r\n\x01\x1f\x7f\u00e9\u6c34\u301c\uff5e\uff71\u2212\U0001F600") +
        QChar(0xD800) + QChar(0);
    QRandomGenerator random(22);
    Scratch scratch;
    for (int round = 0; round < 40; ++round) {
        Design design, back;
        design.makeNew(2, 1);
        Palette p = design.palette();
        for (PaletteEntry &e : p) {
            QString raw;
            for (int n = int(random.bounded(12)); n > 0; --n)
                raw += pool.at(int(random.bounded(int(pool.size()))));
            e.setName(PaletteEntry::storableName(raw));
            QCOMPARE(PaletteEntry::storableName(e.name()), e.name());
        }
        design.setPalette(p);
        const QString folder = scratch.file(QString::number(round));
        QVERIFY(QDir().mkpath(folder));
        DesignFile::write(design, folder + "/d.tsl");
        DesignFile::open(folder + "/d.tsl", back);
        History history(folder);
        history.makeLog(QStringLiteral("ペンツール"), design);
        Recovery::writeSideFile(history, design);
        const std::optional<RecoveredDesign> recovered = Recovery::readFolder(folder);
        QVERIFY(recovered);
        for (int n = 0; n < 16; ++n)
            QVERIFY(back.entry(n).name() == p[n].name() && recovered->palette[n].name() == p[n].name());
    }
}

QTEST_GUILESS_MAIN(DesignFileTest)
#include "DesignFileTest.moc"
