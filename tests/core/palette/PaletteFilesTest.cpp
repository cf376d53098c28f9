#include "core/palette/PaletteFiles.h"
#include "core/document/TextFile.h"
#include "core/palette/PaletteEdit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
const QRgb kOld = qRgb(0, 200, 0);

Palette oldPalette()
{
    Palette p;
    for (int n = 0; n < 16; ++n) {
        p[n].fill(kOld);
        p[n].setName(QStringLiteral("old%1").arg(n));
    }
    return p;
}

QRgb colourOf(int i) { return qRgb(10 * i + 5, 100, 50); }

// Picture i of a row is a solid 5 x 4 of colourOf(i); a name ending in "!" gets bytes that are no picture.
void writePictures(const Scratch &scratch, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i) {
        QString name = names[i];
        QDir().mkpath(QFileInfo(scratch.file(name)).path());
        if (name.endsWith(u'!')) {
            scratch.write(name.chopped(1), "BM not really");
            continue;
        }
        QImage image(5, 4, QImage::Format_RGB32);
        image.fill(colourOf(i));
        QVERIFY(image.save(scratch.file(name), name.endsWith(".png") ? "PNG" : "BMP"));
    }
}

// Per entry: '.' for the old tile, else the hex index of the picture it took; then the names.
QString summary(const Palette &p)
{
    QString tiles;
    QStringList names;
    for (const PaletteEntry &e : p) {
        QChar c = e.pixel(4, 3) == kOld ? u'.' : u'?';
        for (int i = 0; i < 16; ++i)
            if (e.pixel(0, 0) == colourOf(i) && e.pixel(4, 3) == colourOf(i))
                c = QString::number(i, 16).toUpper().front();
        tiles += c;
        names << e.name();
    }
    return tiles + u' ' + names.join(u'|');
}

const QString kFifteenEmpty = QStringLiteral("|").repeated(15);
} // namespace

class PaletteFilesTest : public QObject {
    Q_OBJECT
private slots:
    void openSettings_data();
    void openSettings();
    void unscaledTile_data();
    void unscaledTile();
    void autoCreate_data();
    void autoCreate();
    void stretch();
    void arrows();
};

void PaletteFilesTest::openSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("stop"); // the message shown, or the error thrown
    const auto missing = [](const char *d) {
        return QString::fromUtf8("ファイル\"%1.bmp\"の読み込みに失敗しました。").arg(QLatin1String(d));
    };
    QByteArray design = "tsfile,1,1\r\n";
    for (int n = 0; n < 16; ++n)
        design += QByteArray("clRed,").repeated(20) + "Red\r\n";
    const QString red = QStringLiteral("?").repeated(16) + u' ' + QStringList(16, "Red").join(u'|');

    QTest::newRow("only n3, no bitmaps") << "p.ini" << TextFile::encodeCp932(QString::fromUtf8("[name]\r\nn3=赤\r\n"))
                                         << QStringList{} << QStringLiteral(".").repeated(16) + " |||" +
                                                                 QString::fromUtf8("赤") + "||||||||||||"
                                         << missing("0");
    QTest::newRow("stops at the first missing, earlier tiles kept")
        << "p.ini" << QByteArray("[other]\npath=pal/\n") << QStringList{"pal/0.bmp", "pal/1.bmp", "pal/2.bmp", "pal/4.bmp"}
        << "012............. " + kFifteenEmpty << missing("3");
    QTest::newRow("all sixteen, any letter case, absolute path")
        << "p.ini" << QByteArray("[name]\nnA=ten\n[other]\npath=$/pal/\n")
        << QStringList{"pal/0.bmp", "pal/1.bmp", "pal/2.bmp", "pal/3.bmp", "pal/4.bmp", "pal/5.bmp", "pal/6.bmp",
                       "pal/7.bmp", "pal/8.bmp", "pal/9.bmp", "pal/a.bmp", "pal/B.BMP", "pal/C.bmp", "pal/D.bmp",
                       "pal/E.bmp", "pal/F.bmp"}
        << "0123456789ABCDEF ||||||||||ten|||||" << "";
    QTest::newRow("control characters in names become blanks")
        << "p.ini"
        << QByteArray("[name]\nn1=a\tb\nn2=c\x01\x7f"
                      "d\n")
        << QStringList{} << QStringLiteral(".").repeated(16) + " |a b|c  d|||||||||||||" << missing("0");
    QTest::newRow(".tsl: palette lines") << "p.tsl" << design << QStringList{} << red << "";
    QTest::newRow(".TSL: a settings file") << "p.TSL" << design << QStringList{}
                                           << "................ " + kFifteenEmpty << missing("0");
    QTest::newRow("ends within the palette") << "p.tsl" << design.left(design.indexOf("Red\r\n") + 5)
                                             << QStringList{} << summary(oldPalette())
                                             << QString::fromUtf8("リストのインデックスが範囲を超えています (2)");
    QTest::newRow("palette line without a name")
        << "p.tsl" << QByteArray(design).replace(QByteArray("clRed,").repeated(20) + "Red", "clRed,clRed")
        << QStringList{} << summary(oldPalette()) << QString::fromUtf8("リストのインデックスが範囲を超えています (20)");
}

// A design file that fails leaves every entry as it was.
void PaletteFilesTest::openSettings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, pictures);
    QFETCH(QString, palette);
    QFETCH(QString, stop);
    Scratch scratch;
    writePictures(scratch, pictures);
    const QString path = scratch.write(name, bytes.replace("$", scratch.path().toUtf8()));
    Palette p = oldPalette();
    QString shown;
    const QString error = errorOf([&] { shown = PaletteFiles::openSettings(path, p).stopMessage; });
    QCOMPARE(error == "<no error>" ? shown : error, stop);
    QCOMPARE(summary(p), palette);
}

void PaletteFilesTest::unscaledTile_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("larger: its top-left") << QSize(7, 6) << false;
    QTest::newRow("smaller: the rest white") << QSize(3, 2) << false;
    QTest::newRow("transparent row white") << QSize(5, 4) << true;
}

void PaletteFilesTest::unscaledTile()
{
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    Scratch scratch;
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, alpha && y == 1 ? qRgba(0, 0, 0, 0) : qRgb(x * 40, y * 60, 7));
    QVERIFY(image.save(scratch.file("0.bmp"), alpha ? "PNG" : "BMP"));
    Palette p = oldPalette();
    QCOMPARE(PaletteFiles::loadSettingsFile(scratch.write("p.ini", ""), p).tilesLoaded, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool inside = x < size.width() && y < size.height() && !(alpha && y == 1);
            QCOMPARE(p[0].pixel(x, y), inside ? qRgb(x * 40, y * 60, 7) : qRgb(255, 255, 255));
        }
}

void PaletteFilesTest::autoCreate_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("error");
    QTest::newRow("three") << QStringList{"b.bmp", "c.bmp", "a.bmp"} << ".201............ old0|a|b|c|old4|old5|"
                              "old6|old7|old8|old9|old10|old11|old12|old13|old14|old15" << "";
    QStringList twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << QStringLiteral("%1.bmp").arg(i);
    QTest::newRow("twenty: the first fifteen in natural order")
        << twenty << ".0123456789ABCDE old0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15" << "";
    QTest::newRow("pictures only, any letter case")
        << QStringList{"img10.BMP", "img2.png", "a.b.bmp", "notes.txt", "sub/w.bmp"}
        << ".210............ old0|a.b|img2|img10|old4|old5|old6|old7|old8|old9|old10|old11|old12|old13|old14|old15"
        << "";
    // File names may hold what a design file cannot: it is named as the file will hold it.
    QTest::newRow("line breaks and other characters in file names")
        << QStringList{"01 a\nb.bmp", "02 c\rd.bmp", "03 tab\there.bmp", QString::fromUtf8("04 café.bmp")}
        << ".0123........... old0|01 a b|02 c d|03 tab here|04 caf?|"
           "old5|old6|old7|old8|old9|old10|old11|old12|old13|old14|old15"
        << "";
    QTest::newRow("one not a picture: nothing changes")
        << QStringList{"a.bmp", "b.bmp!"} << summary(oldPalette()) << QString::fromUtf8("ビットマップイメージが不正です");
}

void PaletteFilesTest::autoCreate()
{
    QFETCH(QStringList, files);
    QFETCH(QString, palette);
    QFETCH(QString, error);
    Scratch scratch;
    for (QString &f : files)
        f.prepend("pics/");
    writePictures(scratch, files);
    Palette p = oldPalette();
    QCOMPARE(errorOf([&] { PaletteFiles::autoCreate(scratch.file("pics"), p); }),
             error.isEmpty() ? QStringLiteral("<no error>") : error);
    QCOMPARE(summary(p), palette);
}

// Nearest neighbour: every tile pixel is the picture pixel nearest its centre, never a blend.
void PaletteFilesTest::stretch()
{
    const QList<QPair<QSize, QString>> cases{{QSize(10, 8), "13579 1357"}, {QSize(3, 2), "00122 0011"}};
    for (const auto &[size, sources] : cases) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x, y, 0));
        PaletteEntry e;
        PaletteFiles::setTileStretched(e, image);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                QCOMPARE(e.pixel(x, y), qRgb(sources[x].digitValue(), sources[6 + y].digitValue(), 0));
    }
}

// The arrows at 0 and F wrap; the two entries trade tile and name, the others stay.
void PaletteFilesTest::arrows()
{
    const QList<std::array<int, 3>> cases{{0, -1, 15}, {15, +1, 0}, {7, +1, 8}};
    for (const auto &[selected, step, target] : cases) {
        Palette p = oldPalette();
        p[selected].fill(qRgb(1, 2, 3));
        QCOMPARE(PaletteEdit::moveByArrow(p, selected, step), target);
        QCOMPARE(p[target].name(), QStringLiteral("old%1").arg(selected));
        QCOMPARE(p[target].pixel(2, 2), qRgb(1, 2, 3));
        QCOMPARE(p[selected].name(), QStringLiteral("old%1").arg(target));
        QCOMPARE(p[selected].pixel(2, 2), kOld);
        QCOMPARE(summary(p).count(u'.'), 15);
    }
}

QTEST_GUILESS_MAIN(PaletteFilesTest)
#include "PaletteFilesTest.moc"
