#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/plan/StockLimit.h"
#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"
#include "core/settings/SettingsStore.h"

#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// A 12 x 8 design with sixteen distinct tiles and some cells already set.
QString writeDesign(const Scratch &scratch)
{
    Design design;
    design.makeNew(12, 8);
    design.setPalette(distinctPalette());
    design.setCell(3, 3, QStringLiteral("E"));
    const QString path = scratch.file(QStringLiteral("design.tsl"));
    DesignFile::write(design, path);
    return path;
}

// Smooth colour ramps, so that both comparisons and the diffusion have work.
QImage picture()
{
    QImage image(47, 29, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 46, y * 255 / 28, (x * y) % 256));
    return image;
}

// What the window does: convert, write every row into the cells, check, save.
QByteArray convertedInProcess(const QString &designPath, const QString &picturePath, ScanOptions options,
                              const std::optional<QRect> &crop, const QString &out)
{
    Design design;
    DesignFile::open(designPath, design);
    const QStringList lines =
        MosaicConversion::convert(PictureLoader::load(picturePath, crop), design.columns(), design.rows(),
                                  MosaicConversion::meanColours(design.palette()), options);
    MosaicConversion::writeIntoCells(lines, design);
    if (design.listcheck())
        return {};
    DesignFile::write(design, out);
    return readAll(out);
}
} // namespace

class ConvertCommandTest : public QObject {
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void failures_data();
    void failures();
    void damagedPictures_data();
    void damagedPictures();
    void choices_data();
    void choices();
    void stockFromPlan();
};

void ConvertCommandTest::convert_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<bool>("diffusion");
    QTest::addColumn<bool>("emphasized");
    QTest::addColumn<QRect>("crop");
    // A bitmap is streamed from its file, a PNG loaded whole: both give what the window gives.
    // Each choice on its own in some row, so that a swapped flag shows.
    QTest::newRow("bmp, paint, average") << "bmp" << QStringList{} << false << false << QRect();
    QTest::newRow("bmp, diffusion, cropped")
        << "bmp" << QStringList{"--diffusion", "--crop", "5,3,20,17"} << true << false << QRect(5, 3, 20, 17);
    QTest::newRow("png, emphasized, crop reaching past the edge")
        << "png" << QStringList{"--emphasized", "--crop", "30,20,100,100"} << false << true
        << QRect(30, 20, 100, 100);
}

void ConvertCommandTest::convert()
{
    QFETCH(QString, format);
    QFETCH(QStringList, flags);
    QFETCH(bool, diffusion);
    QFETCH(bool, emphasized);
    QFETCH(QRect, crop);
    Scratch scratch;
    const QString designPath = writeDesign(scratch);
    const QByteArray designBefore = readAll(designPath);
    const QString picturePath = scratch.file(QStringLiteral("photo.") + format);
    QVERIFY(picture().save(picturePath));
    const QString out = scratch.file(QStringLiteral("out.tsl"));

    const Run r =
        cli(QStringList{"convert", picturePath, "--design", designPath} + flags + QStringList{"-o", out});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const QByteArray expected = convertedInProcess(
        designPath, picturePath, ScanOptions::fromItems(diffusion ? 1 : 0, emphasized ? 1 : 0),
        crop.isNull() ? std::nullopt : std::optional<QRect>(crop), scratch.file("expected.tsl"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readAll(out), expected);
    QCOMPARE(readAll(designPath), designBefore);
    // The conversion really changed the cells.
    Design converted;
    DesignFile::open(out, converted);
    QVERIFY(cellsOf(converted) != QStringList(8, QStringLiteral("0|0|0|0|0|0|0|0|0|0|0|0")));
}

void ConvertCommandTest::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error"); // the whole of standard error, or how it starts with the usage
    // DESIGN, PICTURE, BROKEN, MISSING and OUT stand for files of the scratch folder.
    const auto args = [](const QString &line) { return QStringList{"convert"} + line.split(' '); };
    const QString invalid = texts::invalidBitmap() + '\n', missing = texts::cannotOpen("MISSING") + '\n';
    QTest::newRow("picture cannot be decoded") << args("BROKEN --design DESIGN -o OUT") << invalid;
    QTest::newRow("picture missing") << args("MISSING --design DESIGN -o OUT") << missing;
    QTest::newRow("design missing") << args("PICTURE --design MISSING -o OUT") << missing;
    QTest::newRow("crop outside the picture")
        << args("PICTURE --design DESIGN --crop 47,0,5,5 -o OUT") << texts::cropOutsidePicture() + '\n';
    // Usage errors name what is wrong; the usage follows.
    const auto usage = [](const char *message) { return QString::fromUtf8(message) + "\n使い方:"; };
    QTest::newRow("no design") << args("PICTURE -o OUT")
                               << usage("convert には --design DESIGN.tsl を指定してください");
    QTest::newRow("no output") << args("PICTURE --design DESIGN")
                               << usage("convert には -o OUT.tsl を指定してください");
    QTest::newRow("no picture") << args("--design DESIGN -o OUT")
                                << usage("convert には PICTURE を指定してください");
    QTest::newRow("two pictures") << args("PICTURE PICTURE --design DESIGN -o OUT")
                                  << usage("余分な引数 PICTURE があります");
    const QString crop = usage("--crop には X,Y,W,H を指定してください");
    QTest::newRow("crop of three numbers") << args("PICTURE --design DESIGN --crop 1,2,3 -o OUT") << crop;
    QTest::newRow("crop of no width") << args("PICTURE --design DESIGN --crop 1,2,0,3 -o OUT") << crop;
    QTest::newRow("crop without value") << args("PICTURE --design DESIGN -o OUT --crop") << crop;
    QTest::newRow("unknown flag") << args("PICTURE --design DESIGN --dithering -o OUT")
                                  << usage("--dithering というオプションはありません");
    QTest::newRow("unknown comparison")
        << args("PICTURE --design DESIGN --compare nearest -o OUT")
        << usage("--compare には average|emphasized|perceptual を指定してください");
    QTest::newRow("brightness past 100") << args("PICTURE --design DESIGN --brightness 101 -o OUT")
                                         << usage("--brightness には N を指定してください");
    QTest::newRow("one colour from the picture")
        << args("PICTURE --design DESIGN --palette-from-picture 1 -o OUT")
        << usage("--palette-from-picture には K を指定してください");
    QTest::newRow("stock too small") << args(
                                            "PICTURE --design DESIGN -o OUT --stock "
                                            "0=1,1=1,2=1,3=1,4=1,5=1,6=1,7=1,8=1,9=1,A=1,B=1,C=1,D=1,E=1,F=1")
                                     << texts::stockTooSmall(80) + '\n';
    QTest::newRow("stock of another form") << args("PICTURE --design DESIGN --stock 0:5 -o OUT")
                                           << usage("--stock には N=K,... を指定してください");
    QTest::newRow("stock given and from the plan")
        << args("PICTURE --design DESIGN --stock 0=5 --stock-from-plan -o OUT")
        << usage("--stock と --stock-from-plan は同時に指定できません");
    QTest::newRow("a word and its old flag")
        << args("PICTURE --design DESIGN --compare average --emphasized -o OUT")
        << usage("--compare と --emphasized は同時に指定できません");
}

void ConvertCommandTest::failures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    Scratch scratch;
    const QMap<QString, QString> files{
        {"DESIGN", writeDesign(scratch)},
        {"PICTURE", scratch.file("photo.png")},
        {"BROKEN", scratch.write("broken.bmp", QByteArray("BM") + QByteArray(60, '\x7f'))},
        {"MISSING", scratch.file("missing.png")},
        {"OUT", scratch.file("out.tsl")}};
    QVERIFY(picture().save(files["PICTURE"]));
    for (QString &a : args)
        a = files.value(a, a);
    error.replace(QLatin1String("MISSING"), files["MISSING"])
        .replace(QString::fromUtf8("引数 PICTURE"), QString::fromUtf8("引数 ") + files["PICTURE"]);

    const Run r = cli(args);
    QCOMPARE(r.exitCode, 2);
    if (error.endsWith(QString::fromUtf8("使い方:")))
        QVERIFY2(r.err.startsWith(error), qPrintable(r.err));
    else
        QCOMPARE(r.err, error);
    QVERIFY(!QFileInfo::exists(files["OUT"]));
}

void ConvertCommandTest::damagedPictures_data()
{
    QTest::addColumn<QString>("name");
    // The libraries would say so on the terminal, each in its own words.
    QTest::newRow("PNG cut short (libpng)") << "cut.png";
    QTest::newRow("JPEG cut short (Qt's plugin)") << "cut.jpg";
    QTest::newRow("TIFF cut short (libtiff)") << "cut.tif";
}

// Refused with our one line: no blank or grey design, no library's own words.
void ConvertCommandTest::damagedPictures()
{
    QFETCH(QString, name);
    Scratch scratch;
    QVERIFY(picture().save(scratch.file(name)));
    const QByteArray whole = readAll(scratch.file(name));
    const QString designPath = writeDesign(scratch);
    const QString out = scratch.write("out.tsl", "old");
    const Run r = cli({"convert", scratch.write(name, whole.left(whole.size() * 2 / 3)), "--design",
                       designPath, "-o", out});
    QCOMPARE(r.err, texts::invalidBitmap() + '\n');
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(readAll(out), QByteArray("old"));
}

void ConvertCommandTest::choices_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("scanType"); // the window's items
    QTest::addColumn<int>("compare");
    QTest::addColumn<QList<int>>("adjustments");
    QTest::addColumn<int>("colours");   // chosen from the picture, or 0
    QTest::addColumn<QString>("stock"); // as --stock takes it, or empty
    QTest::newRow("the old flags as words") << QStringList{"--compare", "emphasized", "--dither", "halftone"}
                                            << 1 << 1 << QList<int>{0, 0, 0} << 0 << "";
    QTest::newRow("perceptual, smooth, adjusted")
        << QStringList{"--compare", "perceptual", "--dither", "floyd-steinberg", "--brightness",
                       "10",        "--contrast", "-20",      "--saturation",    "35"}
        << 2 << 2 << QList<int>{10, -20, 35} << 0 << "";
    QTest::newRow("colours from the picture, reported") << QStringList{"--palette-from-picture",
                                                                       "5",
                                                                       "--compare",
                                                                       "perceptual",
                                                                       "--contrast",
                                                                       "30",
                                                                       "--report"}
                                                        << 0 << 2 << QList<int>{0, 30, 0} << 5 << "";
    QTest::newRow("within a stock, smooth")
        << QStringList{"--dither", "floyd-steinberg", "--stock", "0=3,3=0,C=10,F=4", "--report"} << 2 << 0
        << QList<int>{0, 0, 0} << 0 << "0=3,3=0,C=10,F=4";
}

// The result file is what the same steps give in the program itself; the
// report is the mean difference and the pieces of that result.
void ConvertCommandTest::choices()
{
    QFETCH(QStringList, flags);
    QFETCH(int, scanType);
    QFETCH(int, compare);
    QFETCH(QList<int>, adjustments);
    QFETCH(int, colours);
    QFETCH(QString, stock);
    Scratch scratch;
    const QString designPath = writeDesign(scratch), picturePath = scratch.file("photo.png");
    QVERIFY(picture().save(picturePath));
    const Run r = cli(
        QStringList{"convert", picturePath, "--design", designPath, "-o", scratch.file("out.tsl")} + flags);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);

    ScanOptions options = ScanOptions::fromItems(scanType, compare);
    options.adjustments = {adjustments[0], adjustments[1], adjustments[2]};
    Design design;
    DesignFile::open(designPath, design);
    std::vector<QRgb> cells = MosaicConversion::cellAverages(PictureLoader::load(picturePath), 12, 8);
    options.adjustments.apply(cells);
    if (colours) {
        Palette palette = design.palette();
        QCOMPARE(MosaicConversion::choosePalette(cells, colours, palette), colours);
        design.setPalette(palette);
    }
    const MeanColours means = MosaicConversion::meanColours(design.palette());
    const std::vector<std::uint8_t> entries =
        stock.isEmpty() ? MosaicConversion::match(cells, 12, 8, means, options)
                        : StockLimit::match(cells, 12, 8, means, options,
                                            *CollectionPlan::parseEntries(stock, CollectionPlan::parseStock));
    MosaicConversion::writeIntoCells(MosaicConversion::resultLines(entries, 12, 8), design);
    DesignFile::write(design, scratch.file("expected.tsl"));
    QCOMPARE(readAll(scratch.file("out.tsl")), readAll(scratch.file("expected.tsl")));

    if (!flags.contains("--report")) {
        QVERIFY(r.out.isEmpty());
        return;
    }
    const QJsonObject report = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(report.value("meanDeltaE").toDouble(),
             std::round(MosaicConversion::meanDifference(cells, entries, means) * 100) / 100);
    const QJsonArray counts = report.value("counts").toArray();
    QCOMPARE(counts.size(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(counts[i].toInt(), int(std::count(entries.begin(), entries.end(), i)));
}

// --stock-from-plan takes the stock of "集める数" from the editor's data.dat,
// which lies beside the program: a copy of tessell-cli in the scratch folder.
void ConvertCommandTest::stockFromPlan()
{
    Scratch scratch;
    const QString program = scratch.file("tessell-cli");
    QVERIFY(QFile::copy(TESSELL_CLI_PATH, program));
    const QString stock = "0=2,1=0,7=5";
    CollectionPlan plan;
    plan.stock = *CollectionPlan::parseEntries(stock, CollectionPlan::parseStock);
    SettingsStore store(scratch.file("data.dat"));
    QVERIFY(plan.write(store));
    const QString designPath = writeDesign(scratch), picturePath = scratch.file("photo.png");
    QVERIFY(picture().save(picturePath));
    const QStringList common{"convert", picturePath, "--design", designPath, "--dither", "halftone", "-o"};
    const Run fromPlan =
        runProgram(program, common + QStringList{scratch.file("plan.tsl"), "--stock-from-plan"});
    QCOMPARE(fromPlan.err, QString());
    QCOMPARE(fromPlan.exitCode, 0);
    const Run given = cli(common + QStringList{scratch.file("given.tsl"), "--stock", stock});
    QCOMPARE(given.exitCode, 0);
    const Run unlimited = cli(common + QStringList{scratch.file("unlimited.tsl")});
    QCOMPARE(readAll(scratch.file("plan.tsl")), readAll(scratch.file("given.tsl")));
    QVERIFY(readAll(scratch.file("plan.tsl")) != readAll(scratch.file("unlimited.tsl")));
}

QTEST_GUILESS_MAIN(ConvertCommandTest)
#include "ConvertCommandTest.moc"
