// The image scan window on the real main window: the crop by the mouse, the
// choices, reading, transfer and closing, pictures that fail, and the result
// against tessell-cli convert.
#include "WindowFixture.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/DesignFile.h"
#include "core/plan/StockLimit.h"
#include "core/settings/SettingsStore.h"
#include "scanner/ScanUi.h"
#include "scanner/ScannerFactory.h"
#include "support/CliRun.h"
#include "ui/common/HelpPages.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/PaletteBar.h"
#include "ui/scan/ImageScanWindow.h"
#include "ui/scan/ScanPictureView.h"
#include "ui/shell/HelpWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// Offers one device through the window's chooser; a scan always fails.
class FailingScanner : public ScannerService {
public:
    bool selectSource(ScanUi &ui) override
    {
        return ui.chooseDevice({QStringLiteral("Maker Model")}).has_value();
    }
    bool acquire(QImage &, bool, ScanUi &) override { throw Error(texts::transferFailed()); }
};

void drag(QWidget *view, const QList<QPoint> &path)
{
    QTest::mousePress(view, Qt::LeftButton, {}, path.first());
    for (const QPoint &p : path.mid(1))
        QTest::mouseMove(view, p);
    QTest::mouseRelease(view, Qt::LeftButton, {}, path.last());
}
} // namespace

class ImageScanWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup()
    {
        f = WindowFixture();
        releaseScannerService();
    }
    void cropByMouse_data();
    void cropByMouse();
    void choicesAndClosing_data();
    void choicesAndClosing();
    void failures_data();
    void failures();
    void sameAsTheCommandLine_data();
    void sameAsTheCommandLine();
    void previewConvertsAtOnce();
    void coloursFromThePicture();
    void adjustmentsAndViewKept();
    void cropAtTheDesignShape_data();
    void cropAtTheDesignShape();
    void withinStock();

private:
    // The captions the progress panel really painted.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_painted && event->type() == QEvent::Paint)
            m_painted->append(qobject_cast<QLabel *>(watched)->text());
        return false;
    }
    MainWindow &w() { return *f.window; }
    // Opens the window by its command and runs steps in it; closes it if they did not.
    void inScanWindow(const std::function<void(ImageScanWindow *)> &steps)
    {
        QVERIFY(withModal<ImageScanWindow>([this] { w().commands().action(Command::ImageScan)->trigger(); },
                                           steps));
    }
    WindowFixture f;
    QStringList *m_painted = nullptr;
};

void ImageScanWindowTest::cropByMouse_data()
{
    QTest::addColumn<QList<QPoint>>("path"); // press, moves, release in widget pixels
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QRect>("crop"); // nothing: the crop stays disabled
    QTest::newRow("up and left") << QList<QPoint>{{50, 40}, {10, 10}} << false << QRect(10, 10, 40, 30);
    QTest::newRow("click without movement") << QList<QPoint>{{30, 30}, {30, 30}} << false << QRect();
    QTest::newRow("level line") << QList<QPoint>{{10, 30}, {60, 30}} << false << QRect();
    QTest::newRow("out on the right keeps the last x inside")
        << QList<QPoint>{{50, 40}, {70, 20}, {200, 25}} << false << QRect(50, 25, 20, 15);
    QTest::newRow("out at the top left")
        << QList<QPoint>{{20, 30}, {5, 10}, {-20, -5}} << false << QRect(5, 10, 15, 20);
    QTest::newRow("up to the far edge")
        << QList<QPoint>{{50, 40}, {80, 60}} << false << QRect(50, 40, 30, 20);
    // Fitted to an eighth, the same widget pixels stand for eight times as many picture pixels.
    QTest::newRow("fitted") << QList<QPoint>{{50, 40}, {10, 10}} << true << QRect(80, 80, 320, 240);
}

void ImageScanWindowTest::cropByMouse()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(bool, fit);
    QFETCH(QRect, crop);
    ImageScanWindow window(w().editor(), &w());
    window.show();
    const int areaWidth = window.pictureArea()->maximumViewportSize().width();
    const QImage source = noisePicture(fit ? 8 * areaWidth : 80, fit ? 480 : 60, 1);
    window.setPicture(source);
    // "全体表示" is on the first time: a large picture is seen whole at once.
    QVERIFY(window.fitBox()->isChecked());
    if (fit)
        QCOMPARE(window.pictureView()->width(), areaWidth);
    drag(window.pictureView(), path);
    QCOMPARE(window.cropButton()->isEnabled(), !crop.isNull());
    if (crop.isNull())
        return;
    QCOMPARE(window.cropRectangle(), crop); // top-left corner first
    QTest::mouseClick(window.cropButton(), Qt::LeftButton);
    QCOMPARE(window.picture(), source.copy(crop));
    QVERIFY(!window.cropButton()->isEnabled());
    QVERIFY(!window.pictureView()->isOutlineVisible());
    // Cropping again works on what is left, which fits at natural size.
    drag(window.pictureView(), {{2, 3}, {7, 9}});
    QTest::mouseClick(window.cropButton(), Qt::LeftButton);
    QCOMPARE(window.picture(), source.copy(crop).copy(QRect(2, 3, 5, 6)));
}

void ImageScanWindowTest::choicesAndClosing_data()
{
    QTest::addColumn<QString>("stored"); // scantype and compare, "" for none
    QTest::addColumn<bool>("diffusionShown");
    QTest::addColumn<bool>("emphasizedShown");
    QTest::addColumn<QString>("closing");
    QTest::newRow("nothing stored, close box") << "" << false << false << "close box";
    QTest::newRow("1 and 1, cancel") << "1,1" << true << true << "cancel";
    QTest::newRow("0 and 1, Escape") << "0,1" << false << true << "escape";
    QTest::newRow("out of range reads as the first") << "5,-1" << false << false << "close box";
    QTest::newRow("1 and 0, transfer") << "1,0" << true << false << "transfer";
}

void ImageScanWindowTest::choicesAndClosing()
{
    QFETCH(QString, stored);
    QFETCH(bool, diffusionShown);
    QFETCH(bool, emphasizedShown);
    QFETCH(QString, closing);
    SettingsStore &store = w().settings();
    if (!stored.isEmpty()) {
        store.writeInteger("scan", "scantype", stored.section(',', 0, 0).toInt());
        store.writeInteger("scan", "compare", stored.section(',', 1, 1).toInt());
    }
    // Every cell F under white tiles: the conversion gives 0 everywhere.
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 160; ++c)
            w().design().setCell(c, r, "F");
    const QStringList before = cellsOf(w().design());
    QStringList painted;
    inScanWindow([&](ImageScanWindow *scan) {
        ImageScanWindow &window = *scan;
        QCOMPARE(window.diffusionButton()->isChecked(), diffusionShown);
        QCOMPARE(window.emphasizedButton()->isChecked(), emphasizedShown);
        // A picture covering a few cells' worth; every row is filled all the same.
        f.prompter->fileNames.enqueue(f.scratch->file("small.png"));
        QVERIFY(noisePicture(10, 3, 2).save(f.prompter->fileNames.head()));
        QVERIFY(!window.readButton()->isEnabled());
        QTest::mouseClick(window.fileButton(), Qt::LeftButton);
        QVERIFY(window.readButton()->isEnabled() && !window.transferButton()->isEnabled());
        QTest::mouseClick(diffusionShown ? window.paintButton() : window.diffusionButton(), Qt::LeftButton);
        QTest::mouseClick(emphasizedShown ? window.averageButton() : window.emphasizedButton(),
                          Qt::LeftButton);
        window.progressCaption()->installEventFilter(this);
        m_painted = &painted;
        QTest::mouseClick(window.readButton(), Qt::LeftButton);
        m_painted = nullptr;
        QVERIFY(!window.progressPanel()->isVisible() && window.transferButton()->isEnabled());
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(w().helpWindow());
        QCOMPARE(w().helpWindow()->browser()->source().fileName(),
                 HelpPages::fileForTopic(HelpPages::ImageScan));
        if (closing == "close box")
            window.close();
        else if (closing == "escape")
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(closing == "cancel" ? window.cancelButton() : window.transferButton(),
                              Qt::LeftButton);
        QVERIFY(!window.isVisible());
    });
    painted.removeDuplicates();
    QCOMPARE(painted, (QStringList{"画像を変換中", "画像を読み取り中"}));
    QCOMPARE(store.readInteger("scan", "scantype", -1), diffusionShown ? 0 : 1);
    QCOMPARE(store.readInteger("scan", "compare", -1), emphasizedShown ? 0 : 1);
    QStringList names{"新規作成"};
    if (closing == "transfer") {
        QCOMPARE(cellsOf(w().design()), QStringList(100, QStringList(160, "0").join('|')));
        names << "イメージスキャン";
        QCOMPARE(w().editor().countBar()->counts()[0], 16000);
    } else {
        QCOMPARE(cellsOf(w().design()), before);
    }
    QCOMPARE(w().history().names(), names);
    QCOMPARE(f.prompter->unexpected, 0);
}

void ImageScanWindowTest::failures_data()
{
    QTest::addColumn<QString>("source"); // a file to load, or "scanner"
    QTest::addColumn<bool>("chosen");    // the scanner's device list answered
    QTest::addColumn<QString>("message");
    QTest::newRow("file that cannot be decoded") << "broken.bmp" << false << texts::invalidBitmap() + ".";
    QTest::newRow("missing file") << "missing.png" << false << texts::cannotOpen("PATH") + ".";
    QTest::newRow("no scanner chosen") << "scanner" << false << "デバイスの準備ができていません。";
    QTest::newRow("scanner fails") << "scanner" << true << texts::transferFailed() + ".";
}

// Nothing changes, with or without a picture before.
void ImageScanWindowTest::failures()
{
    QFETCH(QString, source);
    QFETCH(bool, chosen);
    QFETCH(QString, message);
    installScannerService(std::make_unique<FailingScanner>());
    f.scratch->write("broken.bmp", QByteArray("BM") + QByteArray(60, '\x7f'));
    const QString path = f.scratch->file(source);
    message.replace("PATH", path);
    for (const QImage &before : {QImage(), noisePicture(20, 10, 3)}) {
        ImageScanWindow window(w().editor(), &w());
        window.show();
        if (!before.isNull())
            window.setPicture(before);
        f.prompter->shown.clear();
        f.prompter->fileNames.enqueue(path);
        f.prompter->items.enqueue(chosen ? std::optional<int>(0) : std::nullopt);
        QTest::mouseClick(source == "scanner" ? window.scannerButton() : window.fileButton(), Qt::LeftButton);
        QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Message), QStringList{message});
        QCOMPARE(f.prompter->shown.last().caption, source == "scanner" && !chosen ? "エラー" : "Tessell");
        QCOMPARE(window.picture(), before);
        QCOMPARE(window.readButton()->isEnabled(), !before.isNull());
    }
}

void ImageScanWindowTest::sameAsTheCommandLine_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QList<QPoint>>("path"); // the crop drawn, or none
    QTest::addColumn<QStringList>("flags");  // the same choices and crop for the command line
    // The conversion itself is checked in the core; here the buttons and the crop reach it.
    QTest::newRow("bitmap, diffusion, cropped") << "bmp" << QList<QPoint>{{250, 150}, {20, 31}}
                                                << QStringList{"--diffusion", "--crop", "20,31,230,119"};
    QTest::newRow("PNG, emphasized") << "png" << QList<QPoint>{} << QStringList{"--emphasized"};
}

void ImageScanWindowTest::sameAsTheCommandLine()
{
    QFETCH(QString, format);
    QFETCH(QList<QPoint>, path);
    QFETCH(QStringList, flags);
    Design design;
    design.makeNew(57, 41);
    design.setPalette(distinctPalette());
    const QString designPath = f.scratch->file("design.tsl"),
                  picturePath = f.scratch->file("photo." + format);
    DesignFile::write(design, designPath);
    QVERIFY(noisePicture(301, 187, 9).save(picturePath));
    w().openCommandLine({designPath});

    ImageScanWindow window(w().editor(), &w());
    window.show();
    f.prompter->fileNames.enqueue(picturePath);
    QTest::mouseClick(window.fileButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->shown.last().filters.first().label, texts::pictureFilesFilter());
    if (!path.isEmpty()) {
        drag(window.pictureView(), path);
        QTest::mouseClick(window.cropButton(), Qt::LeftButton);
    }
    if (flags.contains("--diffusion"))
        QTest::mouseClick(window.diffusionButton(), Qt::LeftButton);
    if (flags.contains("--emphasized"))
        QTest::mouseClick(window.emphasizedButton(), Qt::LeftButton);
    QTest::mouseClick(window.readButton(), Qt::LeftButton);
    QTest::mouseClick(window.transferButton(), Qt::LeftButton);
    DesignFile::write(w().design(), f.scratch->file("window.tsl"));
    QVERIFY(w().design().reCount()[0] < 57 * 41); // the conversion had work

    const Run r =
        cli(QStringList{"convert", picturePath, "--design", designPath, "-o", f.scratch->file("cli.tsl")} +
            flags);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readAll(f.scratch->file("window.tsl")), readAll(f.scratch->file("cli.tsl")));
}

// With "結果を表示" on, each change converts again at once, the area shows the
// cells in their tiles' mean colours, and the transfer takes what is shown.
void ImageScanWindowTest::previewConvertsAtOnce()
{
    w().design().setPalette(distinctPalette());
    const MeanColours means = MosaicConversion::meanColours(w().design().palette());
    const QImage photo = noisePicture(413, 251, 5);
    inScanWindow([&](ImageScanWindow *window) {
        window->setPicture(photo);
        QVERIFY(!window->transferButton()->isEnabled());
        QTest::mouseClick(window->previewBox(), Qt::LeftButton);
        QVERIFY(window->pictureView()->isPreviewShown() && window->transferButton()->isEnabled());
        // Each change by a real event; the shown result follows every one.
        ScanOptions expected;
        const auto check = [&] {
            const QStringList lines = MosaicConversion::convert(photo, 160, 100, means, expected);
            QCOMPARE(window->resultLines(), lines);
            const QImage shown = window->pictureView()->preview();
            QCOMPARE(shown.size(), QSize(160, 100));
            QCOMPARE(shown.pixel(37, 81), means[lines[81].split(',')[37].toInt(nullptr, 16)]);
            QVERIFY(window->differenceLabel()->text().startsWith("色の差 ΔE "));
        };
        check();
        QTest::mouseClick(window->perceptualButton(), Qt::LeftButton);
        expected.comparison = Comparison::Perceptual;
        check();
        const QString perceptualDifference = window->differenceLabel()->text();
        QTest::mouseClick(window->smoothButton(), Qt::LeftButton);
        expected.dithering = Dithering::FloydSteinberg;
        check();
        window->contrastSlider()->setFocus();
        QTest::keyClick(window->contrastSlider(), Qt::Key_PageUp);
        QTest::keyClick(window->contrastSlider(), Qt::Key_Right);
        expected.adjustments.contrast = 11;
        check();
        QTest::mouseClick(window->paintButton(), Qt::LeftButton);
        QTest::mouseClick(window->resetButton(), Qt::LeftButton);
        expected.dithering = Dithering::None;
        expected.adjustments = {};
        check();
        QCOMPARE(window->differenceLabel()->text(), perceptualDifference);
        // The crop is not drawn over the result; off again, the photo is back.
        drag(window->pictureView(), {{10, 10}, {50, 40}});
        QVERIFY(!window->cropButton()->isEnabled());
        QTest::mouseClick(window->previewBox(), Qt::LeftButton);
        QVERIFY(!window->pictureView()->isPreviewShown());
        QTest::mouseClick(window->transferButton(), Qt::LeftButton);
    });
    ScanOptions last;
    last.comparison = Comparison::Perceptual;
    Design expected;
    expected.makeNew(160, 100);
    MosaicConversion::writeIntoCells(MosaicConversion::convert(photo, 160, 100, means, last), expected);
    QCOMPARE(cellsOf(w().design()), cellsOf(expected));
    QCOMPARE(w().history().names(), (QStringList{"新規作成", "イメージスキャン"}));
}

// "写真から色を選ぶ" writes that many plain tiles with names, records no
// history, converts again with them, and the main window takes the palette.
void ImageScanWindowTest::coloursFromThePicture()
{
    const Palette before = w().design().palette();
    QTest::mouseClick(w().editor().paletteBar()->button(5), Qt::LeftButton);
    QCOMPARE(w().editor().paletteBar()->current(), 5);
    inScanWindow([&](ImageScanWindow *window) {
        QVERIFY(!window->chooseColoursButton()->isEnabled());
        // Four flat quarters: four colours, each found exactly.
        QImage photo(200, 120, QImage::Format_RGB32);
        const QRgb quarters[4] = {qRgb(200, 30, 30), qRgb(20, 40, 100), qRgb(250, 250, 250),
                                  qRgb(30, 140, 60)};
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x)
                photo.setPixel(x, y, quarters[(y < 60 ? 0 : 2) + (x < 100 ? 0 : 1)]);
        window->setPicture(photo);
        QTest::mouseClick(window->previewBox(), Qt::LeftButton);
        window->colourCountBox()->setValue(6);
        QTest::mouseClick(window->chooseColoursButton(), Qt::LeftButton);
        const Palette &p = w().design().palette();
        QSet<QString> names;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(std::find(std::begin(quarters), std::end(quarters), p[i].meanColor()) !=
                    std::end(quarters));
            QCOMPARE(p[i].pixel(4, 3), p[i].pixel(0, 0));
            names << p[i].name();
        }
        QCOMPARE(names, (QSet<QString>{"赤", "紺", "白", "緑"}));
        for (int i = 4; i < 16; ++i)
            QCOMPARE(p[i], before[i]);
        // Converted again with them: every cell finds its own colour.
        QCOMPARE(window->differenceLabel()->text(), "色の差 ΔE 0.0");
        QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(w().history().names(), QStringList{"新規作成"});
    // Applied as after the palette editor: the current number back to 0.
    QCOMPARE(w().editor().paletteBar()->current(), 0);
    QCOMPARE(f.prompter->unexpected, 0);
}

// Adjustments, the result view's neighbours and the colour count are kept in
// section "scan"; "元に戻す" puts the three sliders back to 0.
void ImageScanWindowTest::adjustmentsAndViewKept()
{
    SettingsStore &store = w().settings();
    store.writeInteger("scan", "brightness", 30);
    store.writeInteger("scan", "compare", 2);
    store.writeInteger("scan", "scantype", 2);
    inScanWindow([&](ImageScanWindow *window) {
        QCOMPARE(window->brightnessSlider()->value(), 30);
        QVERIFY(window->perceptualButton()->isChecked() && window->smoothButton()->isChecked());
        QTest::mouseClick(window->resetButton(), Qt::LeftButton);
        QCOMPARE(window->brightnessSlider()->value(), 0);
        window->saturationSlider()->setFocus();
        QTest::keyClick(window->saturationSlider(), Qt::Key_PageDown);
        QTest::mouseClick(window->fitBox(), Qt::LeftButton);
        QTest::mouseClick(window->aspectBox(), Qt::LeftButton);
        window->colourCountBox()->setValue(5);
        window->close();
    });
    QCOMPARE(store.readInteger("scan", "brightness", -1), 0);
    QCOMPARE(store.readInteger("scan", "saturation", 0), -10);
    QCOMPARE(store.readBool("scan", "fit", true), false);
    QCOMPARE(store.readBool("scan", "aspect", false), true);
    QCOMPARE(store.readInteger("scan", "colours", 0), 5);
    QCOMPARE(store.readInteger("scan", "compare", -1), 2);
}

void ImageScanWindowTest::cropAtTheDesignShape_data()
{
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<QRect>("crop");
    // The design is 160 x 100: the frame keeps 8 : 5 whichever way the pointer leads.
    QTest::newRow("tall drag up and left") << QList<QPoint>{{100, 70}, {90, 20}} << QRect(20, 20, 80, 50);
    QTest::newRow("held inside the picture") << QList<QPoint>{{100, 40}, {199, 95}} << QRect(100, 40, 96, 60);
}

void ImageScanWindowTest::cropAtTheDesignShape()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(QRect, crop);
    ImageScanWindow window(w().editor(), &w());
    window.show();
    window.setPicture(noisePicture(200, 100, 4));
    QTest::mouseClick(window.aspectBox(), Qt::LeftButton);
    drag(window.pictureView(), path);
    QCOMPARE(window.cropRectangle(), crop);
}

// "在庫にあわせる" converts within the stock "集める数" keeps, read and
// previewed; a stock too small converts nothing and says how many are missing.
void ImageScanWindowTest::withinStock()
{
    w().design().setPalette(distinctPalette());
    const MeanColours means = MosaicConversion::meanColours(w().design().palette());
    const QImage photo = noisePicture(320, 200, 11);
    const std::vector<QRgb> cells = MosaicConversion::cellAverages(photo, 160, 100);
    CollectionPlan plan;
    plan.stock = *CollectionPlan::parseEntries("0=900,5=0,9=1500,F=10", CollectionPlan::parseStock);
    plan.write(w().settings());
    inScanWindow([&](ImageScanWindow *window) {
        window->setPicture(photo);
        QVERIFY(!window->stockBox()->isChecked());
        QTest::mouseClick(window->diffusionButton(), Qt::LeftButton);
        QTest::mouseClick(window->stockBox(), Qt::LeftButton);
        QTest::mouseClick(window->readButton(), Qt::LeftButton);
        const auto lines = [&](const Stock &stock) {
            return MosaicConversion::resultLines(
                StockLimit::match(cells, 160, 100, means, ScanOptions::fromItems(1, 0), stock), 160, 100);
        };
        QCOMPARE(window->resultLines(), lines(plan.stock));
        QVERIFY(window->resultLines() != lines(Stock{}));
        window->close();
    });
    QVERIFY(w().settings().readBool("scan", "withinstock", false));

    // Every entry limited, 10 pieces short of 16000 cells.
    for (std::size_t n = 0; n < 16; ++n)
        plan.stock[n] = 999;
    plan.stock[0] = 16000 - 15 * 999 - 10;
    plan.write(w().settings());
    const QString missing = texts::stockTooSmall(10);
    QCOMPARE(missing, QStringLiteral("在庫が足りません (あと 10 枚)"));
    inScanWindow([&](ImageScanWindow *window) {
        QVERIFY(window->stockBox()->isChecked());
        window->setPicture(photo);
        QTest::mouseClick(window->readButton(), Qt::LeftButton);
        QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Message), QStringList{missing + "."});
        QVERIFY(!window->progressPanel()->isVisible());
        QVERIFY(!window->transferButton()->isEnabled() && window->resultLines().isEmpty());
        // Previewing, it is told beside the preview at every change.
        QTest::mouseClick(window->previewBox(), Qt::LeftButton);
        QCOMPARE(window->differenceLabel()->text(), missing);
        QTest::mouseClick(window->stockBox(), Qt::LeftButton);
        QVERIFY(window->transferButton()->isEnabled());
        QVERIFY(window->differenceLabel()->text().startsWith("色の差 ΔE "));
    });
}

QTEST_MAIN(ImageScanWindowTest)
#include "ImageScanWindowTest.moc"
