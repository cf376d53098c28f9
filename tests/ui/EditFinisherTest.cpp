#include "WindowFixture.h"

#include "core/Texts.h"
#include "core/document/DesignFile.h"
#include "core/document/Recovery.h"
#include "core/editing/CellGeometry.h"
#include "core/render/TileRenderer.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/RotateMoveWindow.h"

#include <QtTest>

using namespace tessell;
using namespace tessell::test;

// The end of an edit draws the picture once: the tiles an edit changes are
// held until it is finished. Whatever path the finish takes (a full redraw, a
// refused cell, the numbers shown, a new design), the picture must show the
// cells afterwards.
class EditFinisherTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void pictureShowsTheCellsAfterEveryEdit_data();
    void pictureShowsTheCellsAfterEveryEdit();
    void newDesignRecordsNoFileName();

private:
    MainWindow &w() { return *f.window; }
    WindowFixture f;
};

void EditFinisherTest::pictureShowsTheCellsAfterEveryEdit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("refused");
    QTest::newRow("move") << "move" << false;
    QTest::newRow("move with the numbers shown") << "numbers" << false;
    QTest::newRow("move past a refused cell") << "refused" << true;
    QTest::newRow("undo of a move") << "undo" << false;
    QTest::newRow("arrangement import") << "import" << false;
    QTest::newRow("open of another size with a refused cell") << "open" << true;
}

void EditFinisherTest::pictureShowsTheCellsAfterEveryEdit()
{
    QFETCH(QString, edit);
    QFETCH(bool, refused);
    Design &design = w().design();
    Palette palette;
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb(n * 16, 255 - n * 16, (n * 53) & 255));
    design.setPalette(palette);
    w().editor().changeSetting(true);
    for (int r = 0; r < design.rows(); ++r)
        for (int c = 0; c < design.columns(); ++c)
            design.setCell(c, r, CellGrid::digit((7 * c + 3 * r) % 16));
    QVERIFY(w().editor().refreshPicture());
    const QImage before = w().editor().pictureView()->image();

    RotateMoveWindow moves(w().editor(), &w());
    if (edit == "numbers")
        w().editor().showNumberView();
    if (edit == "refused")
        design.setCell(3, 2, QStringLiteral("G"));
    if (edit == "move" || edit == "numbers" || edit == "refused" || edit == "undo")
        moves.moveDesign(Moves::Direction::DownRight);
    if (edit == "undo")
        w().editor().undo();
    if (edit == "import") {
        f.prompter->fileNames << f.scratch->write(QStringLiteral("a.csv"), "F,E,D\r\n\r\n1 2 3\r\n");
        w().commands().action(Command::Import)->trigger();
    }
    if (edit == "open") {
        Design other;
        other.makeNew(7, 5);
        other.setCell(2, 2, QStringLiteral("G"));
        DesignFile::write(other, f.scratch->file(QStringLiteral("other.tsl")));
        w().files().fileOpen(f.scratch->file(QStringLiteral("other.tsl")));
    }
    QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Message).contains(texts::errorFound()), refused);

    // The tiles of every valid cell drawn over the picture as it was; a new
    // design's refused cell leaves its picture blank, at the new size.
    const TileRenderer renderer(design.palette());
    QImage expected = before;
    if (edit == "open")
        renderer.renderBlank(expected, design.columns(), design.rows());
    else
        renderer.drawCells(expected, design.grid(), design.allCells());
    const QImage shown = w().editor().pictureView()->image();
    QCOMPARE(shown.size(), CellGeometry::pictureSize(design.columns(), design.rows()));
    QVERIFY(shown == expected);
}

// New records its entry with the file name already gone: a crash right after
// it must not offer the empty design back under the name of the file it replaced.
void EditFinisherTest::newDesignRecordsNoFileName()
{
    const QString path = f.scratch->file(QStringLiteral("named.tsl"));
    DesignFile::write(Design(), path);
    QVERIFY(w().files().fileOpen(path));
    QCOMPARE(Recovery::readFolder(f.historyDir())->fileName, path);
    w().files().newDesign(false);
    const std::optional<RecoveredDesign> left = Recovery::readFolder(f.historyDir());
    QVERIFY(left);
    QCOMPARE(left->entryIndex, 1);
    QCOMPARE(left->fileName, QString());
}

QTEST_MAIN(EditFinisherTest)
#include "EditFinisherTest.moc"
