#include "WindowFixture.h"

#include "core/Texts.h"
#include "ui/shell/PictureCheckWindow.h"

#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

using Kind = ScriptedPrompter::Kind;

namespace {
// Entry n's tile: every pixel its own colour, so a misplaced pixel shows.
QRgb tilePixel(int n, int x, int y)
{
    return qRgb(n * 15, x * 50, y * 60);
}
} // namespace

// The picture check window: opened after the cell check, the picture it
// builds and shows, saving and closing.
class PictureCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void showsEveryTileWithoutLines_data();
    void showsEveryTileWithoutLines();
    void invalidCellKeepsTheWindowClosed();
    void saves_data();
    void saves();
    void failedSaveKeepsTheWindowOpen();

private:
    MainWindow &w() { return *f.window; }
    // Clicks the tool button and runs action in the window once it is up.
    bool withWindow(const std::function<void(PictureCheckWindow *)> &action)
    {
        return withModal<PictureCheckWindow>(
            [&] { QTest::mouseClick(w().commands().button(Command::PictureCheck), Qt::LeftButton); }, action);
    }
    WindowFixture f;
};

void PictureCheckWindowTest::showsEveryTileWithoutLines_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QSize>("picture");
    QTest::newRow("default design") << QSize(160, 100) << QSize(800, 400);
    // Larger than the screen: cut off equally on both sides.
    QTest::newRow("larger than the screen") << QSize(330, 250) << QSize(1650, 1000);
}

void PictureCheckWindowTest::showsEveryTileWithoutLines()
{
    QFETCH(QSize, cells);
    QFETCH(QSize, picture);
    Design &design = w().design();
    design.makeNew(cells.width(), cells.height());
    Palette palette;
    for (int n = 0; n < 16; ++n)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                palette[n].setPixel(x, y, tilePixel(n, x, y));
    design.setPalette(palette);
    const QPoint last(cells.width() - 1, cells.height() - 1), middle(cells.width() / 2, cells.height() / 2);
    // A lower-case digit passes the check and shows its entry's tile.
    const QList<std::pair<QPoint, int>> numbers = {{{3, 2}, 10}, {middle, 10}, {last, 15}, {{0, 0}, 0}};
    design.setCell(3, 2, QStringLiteral("a"));
    design.setCell(middle.x(), middle.y(), QStringLiteral("a"));
    design.setCell(last.x(), last.y(), QStringLiteral("F"));
    QSignalSpy status(&w().editor(), &DesignEditor::statusChanged);

    QVERIFY(withWindow([&](PictureCheckWindow *window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QImage &image = window->picture();
        QCOMPARE(image.size(), picture);
        for (const auto &[cell, n] : numbers)
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x)
                    QCOMPARE(image.pixel(5 * cell.x() + x, 4 * cell.y() + y), tilePixel(n, x, y));
        // On the screen: the picture centred, black around it.
        QCOMPARE(window->geometry(), window->screen()->geometry());
        const QImage shown = window->grab().toImage();
        const QPoint origin = window->pictureOrigin();
        QCOMPARE(origin,
                 QPoint((window->width() - picture.width()) / 2, (window->height() - picture.height()) / 2));
        const QPoint centre(shown.width() / 2, shown.height() / 2);
        QCOMPARE(shown.pixel(centre), image.pixel(centre - origin));
        if (origin.x() > 0)
            QCOMPARE(shown.pixel(origin.x() - 1, centre.y()), qRgb(0, 0, 0));
    }));
    // The cell check, then the building of the picture.
    QCOMPARE(status.size(), 3);
    QCOMPARE(status.at(1).first().toString(), QStringLiteral("プレビュー準備中"));
    QCOMPARE(w().statusText(), texts::ready());
    QCOMPARE(w().progressBar()->value(), 0);
}

void PictureCheckWindowTest::invalidCellKeepsTheWindowClosed()
{
    w().design().setCell(7, 4, QStringLiteral("G"));
    QCOMPARE(
        modalDuring([&] { QTest::mouseClick(w().commands().button(Command::PictureCheck), Qt::LeftButton); }),
        QString());
    QCOMPARE(f.prompter->texts(Kind::Message), QStringList{texts::errorFound()});
}

void PictureCheckWindowTest::saves_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("bitmap") << "a.bmp" << 0 << "a.bmp" << QByteArray("BM");
    QTest::newRow("no extension: .bmp added") << "a" << 0 << "a.bmp" << QByteArray("BM");
    QTest::newRow(".jpg is still a bitmap") << "photo.jpg" << 0 << "photo.jpg" << QByteArray("BM");
    QTest::newRow(".png under every file is a bitmap") << "a.png" << 2 << "a.png" << QByteArray("BM");
    QTest::newRow("PNG filter") << "small.png" << 1 << "small.png" << QByteArray("\x89PNG");
    QTest::newRow("PNG filter, no extension") << "small" << 1 << "small.png" << QByteArray("\x89PNG");
}

void PictureCheckWindowTest::saves()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    f.prompter->fileNames << f.scratch->file(typed);
    f.prompter->chosenFilters << filter;
    QImage shown;
    QVERIFY(withWindow([&](PictureCheckWindow *window) {
        shown = window->picture();
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
        QVERIFY(window->isVisible());
    }));
    const QByteArray bytes = readAll(f.scratch->file(written));
    QCOMPARE(bytes.left(magic.size()), magic);
    QCOMPARE(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32),
             shown.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(f.prompter->shown.last().filters.at(1).label, QStringLiteral("PNG (*.png)"));
    QCOMPARE(f.prompter->unexpected, 0);
}

void PictureCheckWindowTest::failedSaveKeepsTheWindowOpen()
{
    // First an existing file kept ("いいえ" asks again), then a folder that is not there.
    const QString existing = f.scratch->write("kept.bmp", "old");
    const QString impossible = f.scratch->file("no such folder/a.bmp");
    f.prompter->fileNames << existing << impossible;
    f.prompter->answers << Prompter::Answer::No;
    QVERIFY(withWindow([&](PictureCheckWindow *window) {
        window->contextMenu()->actions().first()->trigger();
        QVERIFY(window->isVisible());
        // A left click anywhere closes.
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(window->width() / 2, window->height() - 5));
        QVERIFY(!window->isVisible());
    }));
    QCOMPARE(readAll(existing), QByteArray("old"));
    QCOMPARE(f.prompter->texts(Kind::Message),
             QStringList{QStringLiteral("ファイル %1 を作成できません.").arg(impossible)});
    QCOMPARE(f.prompter->unexpected, 0);
}

QTEST_MAIN(PictureCheckWindowTest)
#include "PictureCheckWindowTest.moc"
