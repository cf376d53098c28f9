#include "WindowFixture.h"

#include "core/document/DesignFile.h"
#include "core/document/TextFile.h"
#include "core/render/TileRenderer.h"
#include "ui/app/HistoryControl.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ToolBox.h"
#include "ui/editing/WorkArea.h"
#include "ui/shell/HelpWindow.h"

#include <QTextBrowser>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

// Start-up, the picture refresh, the cell check, palette choice, the pen and
// the history buttons, on the real widgets.
class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void startUpState();
    void refreshDrawsTilesAtTheirPlace();
    void invalidCellStopsSaveAndShowsNumberView();
    void paletteChoicePressesCountButton_data();
    void paletteChoicePressesCountButton();
    void penStrokeStampsAndRecords();
    void toolButtonsSwitchTools_data();
    void toolButtonsSwitchTools();
    void viewSwitchDisablesToolBox();
    void undoAndRedoThroughTheButtons();
    void undoAndRedoByKeys();
    void historyListJumpsToAnEntry();
    void helpOpensAtTheContents();
    void commandLineArgumentsAreJoinedWithBlanks();
    void editRedrawsTheCellsItReports();
    void buttonsFollowTheirCommands_data();
    void buttonsFollowTheirCommands();
    void largeDesignScrollsBetweenTheBars();
    void twoCharacterCellShowsInNumberView();
    void paletteNamesReadWhole_data();
    void paletteNamesReadWhole();
    void toolWindowsOpenBesideTheMainWindow();

private:
    MainWindow &w() { return *f.window; }
    void stroke(const QPoint &pixel)
    {
        QTest::mouseClick(w().editor().pictureView(), Qt::LeftButton, {}, pixel);
    }
    WindowFixture f;
};

void MainWindowTest::startUpState()
{
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("新規作成")});
    const QStringList log = TextFile::readLines(QDir(f.historyDir()).filePath(QStringLiteral("0.log")));
    QCOMPARE(log.size(), 117);
    QCOMPARE(log.first(), QStringLiteral("160,100"));
    QCOMPARE(w().editor().countBar()->counts()[0], 16000);
    for (int n = 1; n < 16; ++n)
        QCOMPARE(w().editor().countBar()->counts()[n], 0);
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell"));
    QCOMPARE(w().statusText(), QStringLiteral("作業可能"));
    QCOMPARE(w().placeText(), QStringLiteral("1列-1行:0"));
    QVERIFY(w().editor().paletteBar()->button(0)->isChecked());
    QVERIFY(w().editor().countBar()->button(0)->isChecked());
    QVERIFY(!w().editor().countBar()->button(1)->isChecked());
    QVERIFY(w().editor().toolBox()->button(ToolKind::Pen)->isChecked());
    QVERIFY(!w().commands().button(Command::Undo)->isEnabled());
    QVERIFY(!w().commands().button(Command::Redo)->isEnabled());
    QVERIFY(!w().commands().action(Command::Undo)->isEnabled());
    QVERIFY(!w().commands().button(Command::Copy)->isEnabled());
    QCOMPARE(w().historyControl()->shownName(), QStringLiteral("新規作成"));
    QCOMPARE(w().editor().pictureView()->size(), QSize(959, 499));
    QVERIFY(w().editor().pictureView()->isVisible());
    QVERIFY(!w().editor().numberView()->isVisible());
    QCOMPARE(f.prompter->shown.size(), 0);
}

void MainWindowTest::refreshDrawsTilesAtTheirPlace()
{
    Palette palette = w().design().palette();
    palette[3].fill(qRgb(255, 0, 0));
    palette[3].setPixel(4, 3, qRgb(0, 0, 255));
    w().design().setPalette(palette);
    w().editor().changeSetting(true);
    w().design().setCell(2, 1, QStringLiteral("3"));
    w().design().setCell(159, 99, QStringLiteral("3"));
    QTest::keyClick(&w(), Qt::Key_R, Qt::ControlModifier);

    const QImage shot = w().editor().pictureView()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(959, 499));
    // Cell (2, 1): its tile from (12, 5) to (16, 8), the last pixel blue.
    QCOMPARE(shot.pixel(12, 5), qRgb(255, 0, 0));
    QCOMPARE(shot.pixel(15, 8), qRgb(255, 0, 0));
    QCOMPARE(shot.pixel(16, 8), qRgb(0, 0, 255));
    // Grid lines right of and below it; the neighbours keep white tiles.
    QCOMPARE(shot.pixel(17, 5), qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(shot.pixel(12, 9), qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(shot.pixel(18, 5), qRgb(255, 255, 255));
    QCOMPARE(shot.pixel(12, 10), qRgb(255, 255, 255));
    // The last cell reaches the picture's last pixel.
    QCOMPARE(shot.pixel(958, 498), qRgb(0, 0, 255));
    QCOMPARE(w().editor().countBar()->counts()[3], 2);
    QCOMPARE(w().editor().countBar()->counts()[0], 15998);
    QCOMPARE(w().statusText(), QStringLiteral("作業可能"));
    QCOMPARE(w().progressBar()->value(), 0);
}

void MainWindowTest::invalidCellStopsSaveAndShowsNumberView()
{
    const QString path = f.scratch->file(QStringLiteral("kept.tsl"));
    w().design().setFileName(path);
    w().design().setCell(4, 2, QStringLiteral("10"));
    w().design().setCell(7, 5, QString());
    QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(f.prompter->texts(), QStringList{QStringLiteral("エラーが発見されました。")});
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(w().editor().numberView()->isVisible());
    QVERIFY(!w().editor().pictureView()->isVisible());
    QCOMPARE(w().editor().numberView()->currentCell(), QPoint(4, 2));
    QVERIFY(w().commands().action(Command::ShowNumbers)->isChecked());
    QVERIFY(!w().commands().action(Command::ShowPicture)->isChecked());
    // Cells before the bad one were checked and an empty one filled; after it, not.
    QCOMPARE(w().design().cell(4, 2), QStringLiteral("10"));
    QCOMPARE(w().design().cell(7, 5), QString());
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("新規作成")});
    QCOMPARE(w().placeText(), QStringLiteral("5列-3行:10"));
}

void MainWindowTest::paletteChoicePressesCountButton_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("digit");
    QTest::newRow("B") << 11 << QStringLiteral("B");
    QTest::newRow("F") << 15 << QStringLiteral("F");
    QTest::newRow("1") << 1 << QStringLiteral("1");
}

void MainWindowTest::paletteChoicePressesCountButton()
{
    QFETCH(int, number);
    QFETCH(QString, digit);
    QTest::mouseClick(w().editor().paletteBar()->button(number), Qt::LeftButton);
    QCOMPARE(w().editor().currentNumber(), number);
    QVERIFY(w().editor().countBar()->button(number)->isChecked());
    QVERIFY(!w().editor().countBar()->button(0)->isChecked());
    QCOMPARE(w().editor().countBar()->button(number)->objectName(), QStringLiteral("CountBar%1").arg(number));
    QCOMPARE(w().editor().paletteBar()->previewLabel()->text(), digit);
    QVERIFY(!w().editor().paletteBar()->button(0)->isChecked());
    // The count bar is display only: a click on it, delivered to the window
    // as the window system would, changes nothing.
    QToolButton *zero = w().editor().countBar()->button(0);
    QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {}, zero->mapTo(&w(), zero->rect().center()));
    QCOMPARE(w().editor().currentNumber(), number);
    QVERIFY(!w().editor().countBar()->button(0)->isChecked());
}

void MainWindowTest::penStrokeStampsAndRecords()
{
    QTest::mouseClick(w().editor().paletteBar()->button(5), Qt::LeftButton);
    w().editor().toolBox()->setPenWidth(3);
    // Column 158 with width 3 reaches past the last column: only 158 and 159 change.
    QTest::mouseClick(w().editor().pictureView(), Qt::LeftButton, {}, QPoint(6 * 158 + 2, 5 * 10 + 1));
    for (int r = 10; r < 13; ++r) {
        QCOMPARE(w().design().cell(158, r), QStringLiteral("5"));
        QCOMPARE(w().design().cell(159, r), QStringLiteral("5"));
        QCOMPARE(w().design().cell(157, r), QStringLiteral("0"));
    }
    QCOMPARE(w().design().cell(158, 13), QStringLiteral("0"));
    QCOMPARE(w().history().names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("ペンツール")}));
    QCOMPARE(w().editor().countBar()->counts()[5], 6);
    QVERIFY(w().commands().button(Command::Undo)->isEnabled());
    QVERIFY(w().design().isModified());
}

void MainWindowTest::toolButtonsSwitchTools_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("widthEnabled");
    QTest::newRow("selection") << int(ToolKind::Selection) << QStringLiteral("領域選択") << false;
    QTest::newRow("pen") << int(ToolKind::Pen) << QStringLiteral("ペン") << true;
    QTest::newRow("bucket") << int(ToolKind::Bucket) << QStringLiteral("バケツ") << false;
    QTest::newRow("line") << int(ToolKind::Line) << QStringLiteral("直線") << true;
    QTest::newRow("rectangle") << int(ToolKind::Rectangle) << QStringLiteral("四角形") << true;
    QTest::newRow("ellipse") << int(ToolKind::Ellipse) << QStringLiteral("楕円") << true;
    QTest::newRow("text") << int(ToolKind::Text) << QStringLiteral("文字入れ") << false;
}

void MainWindowTest::toolButtonsSwitchTools()
{
    QFETCH(int, kind);
    QFETCH(QString, hint);
    QFETCH(bool, widthEnabled);
    QToolButton *button = w().editor().toolBox()->button(ToolKind(kind));
    QCOMPARE(button->toolTip(), hint);
    w().design().setCell(0, 0, QStringLiteral("3"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->isChecked());
    QCOMPARE(int(w().editor().toolBox()->currentKind()), kind);
    QCOMPARE(w().editor().toolBox()->widthButton()->isEnabled(), widthEnabled);
    QVERIFY(!w().commands().action(Command::Copy)->isEnabled());
    QVERIFY(!w().commands().button(Command::Cut)->isEnabled());
    // Choosing a tool recounts.
    QCOMPARE(w().editor().countBar()->counts()[3], 1);
    QCOMPARE(w().editor().pictureView()->tool(), w().editor().toolBox()->tool(ToolKind(kind)));
    // The width button steps 1..5 and back, its hint following.
    if (widthEnabled) {
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(w().editor().toolBox()->widthButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w().editor().penWidth(), 1);
        QTest::mouseClick(w().editor().toolBox()->widthButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w().editor().toolBox()->widthButton()->toolTip(), QStringLiteral("太さ : 2"));
    }
}

void MainWindowTest::viewSwitchDisablesToolBox()
{
    QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Ellipse), Qt::LeftButton);
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    QVERIFY(w().editor().numberView()->isVisible());
    QVERIFY(!w().editor().toolBox()->isEnabled());
    // The number view works with the pen selected.
    QVERIFY(w().editor().toolBox()->button(ToolKind::Pen)->isChecked());
    w().design().setCell(2, 2, QStringLiteral("9"));
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    QVERIFY(w().editor().pictureView()->isVisible());
    QVERIFY(w().editor().toolBox()->isEnabled());
    // Back in the picture view the cells changed meanwhile are drawn.
    QCOMPARE(w().editor().countBar()->counts()[9], 1);
}

void MainWindowTest::undoAndRedoThroughTheButtons()
{
    QTest::mouseClick(w().editor().paletteBar()->button(2), Qt::LeftButton);
    stroke(QPoint(1, 1));
    stroke(QPoint(13, 1));
    QCOMPARE(w().history().names().size(), 3);
    QToolButton *undo = w().commands().button(Command::Undo);
    QToolButton *redo = w().commands().button(Command::Redo);

    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(w().design().cell(2, 0), QStringLiteral("0"));
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("2"));
    QVERIFY(redo->isEnabled());
    QVERIFY(w().commands().action(Command::Redo)->isEnabled());
    QCOMPARE(w().historyControl()->shownName(), QStringLiteral("ペンツール"));

    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("0"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!w().commands().action(Command::Undo)->isEnabled());
    QCOMPARE(w().historyControl()->shownName(), QStringLiteral("新規作成"));
    QCOMPARE(w().editor().countBar()->counts()[2], 0);
    // The picture follows the restored cells.
    QCOMPARE(w().editor().pictureView()->image().pixel(0, 0), qRgb(255, 255, 255));

    QTest::mouseClick(redo, Qt::LeftButton);
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("2"));
    QCOMPARE(w().design().cell(2, 0), QStringLiteral("0"));
    QVERIFY(undo->isEnabled());

    // A new stroke after undo drops the later entry; redo is off again.
    stroke(QPoint(30, 30));
    QCOMPARE(w().history().names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("ペンツール"),
                                                 QStringLiteral("ペンツール")}));
    QVERIFY(!redo->isEnabled());
    QCOMPARE(w().history().currentIndex(), 2);
}

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; Ctrl+C stays the picture check.
void MainWindowTest::undoAndRedoByKeys()
{
    QTest::mouseClick(w().editor().paletteBar()->button(2), Qt::LeftButton);
    stroke(QPoint(1, 1));
    QString seen;
    for (const char *keys : {"Ctrl+Z", "Ctrl+Y", "Ctrl+Z", "Ctrl+Shift+Z"}) {
        QTest::keySequence(&w(), QKeySequence(QString::fromLatin1(keys)));
        seen += w().design().cell(0, 0);
    }
    QCOMPARE(seen, QStringLiteral("0202"));
    QCOMPARE(modalDuring([this] { QTest::keyClick(&w(), Qt::Key_C, Qt::ControlModifier); }),
             QStringLiteral("tessell::PictureCheckWindow"));
}

void MainWindowTest::historyListJumpsToAnEntry()
{
    QTest::mouseClick(w().editor().paletteBar()->button(1), Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        stroke(QPoint(6 * i + 1, 1));
    QComboBox *list = w().historyControl()->list();
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->currentIndex(), 5);
    // The list item is picked as the user would, through the list's own signal.
    emit list->activated(0);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(w().design().cell(c, 0), QStringLiteral("0"));
    QCOMPARE(w().history().names().size(), 6);
    QVERIFY(w().commands().button(Command::Redo)->isEnabled());
    QCOMPARE(list->currentIndex(), 0);
}

void MainWindowTest::helpOpensAtTheContents()
{
    QTest::keyClick(&w(), Qt::Key_F1);
    HelpWindow *help = w().helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY2(help->browser()->source().toString().endsWith(QStringLiteral("index.html")),
             qPrintable(help->browser()->source().toString()));
    QCOMPARE(f.prompter->shown.size(), 0);
}

void MainWindowTest::commandLineArgumentsAreJoinedWithBlanks()
{
    f.stop();
    // A path with blanks passed unquoted arrives as several arguments.
    QDir(f.scratch->path()).mkpath(QStringLiteral("my dir"));
    const QString path = f.scratch->file(QStringLiteral("my dir/design  x.tsl"));
    {
        Design d;
        d.setCell(1, 1, QStringLiteral("7"));
        DesignFile::write(d, path);
    }
    f.start(path.split(QLatin1Char(' ')));
    QCOMPARE(w().design().fileName(), path);
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("7"));
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell - [%1]").arg(path));
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("ファイルを開く")});
    QCOMPARE(f.prompter->shown.size(), 0);
}

// The picture follows the design: the cells an edit reports are drawn again,
// and nothing else is.
void MainWindowTest::editRedrawsTheCellsItReports()
{
    Palette palette = w().design().palette();
    palette[6].fill(qRgb(0, 200, 0));
    w().design().setPalette(palette);
    w().editor().changeSetting(true);
    QImage &image = w().editor().pictureView()->image();
    const QRgb planted = qRgb(1, 2, 3);
    image.setPixel(6 * 2 + 1, 5 * 2 + 1, planted);
    image.setPixel(6 * 3 + 1, 5 * 2 + 1, planted);
    w().design().editCells([](CellGrid &grid) {
        grid.setCell(2, 2, QStringLiteral("6"));
        grid.setCell(3, 2, QStringLiteral("6"));
        return QRect(2, 2, 1, 1);
    });
    QCOMPARE(image.pixel(6 * 2 + 1, 5 * 2 + 1), qRgb(0, 200, 0));
    QCOMPARE(image.pixel(6 * 3 + 1, 5 * 2 + 1), planted);

    // Typing in the number view changes one cell; its tile shows it at once.
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *numbers = w().editor().numberView();
    numbers->setCurrentCell(QPoint(5, 7));
    QTest::keyClick(numbers, Qt::Key_6);
    QCOMPARE(image.pixel(6 * 5 + 1, 5 * 7 + 1), qRgb(0, 200, 0));
}

void MainWindowTest::buttonsFollowTheirCommands_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QList<Command>>("enabled");
    QTest::newRow("start") << "" << QList<Command>{};
    QTest::newRow("a stroke") << "stroke" << QList<Command>{Command::Undo};
    QTest::newRow("undone") << "undo" << QList<Command>{Command::Redo};
    QTest::newRow("a lifted block") << "lift" << QList<Command>{Command::Cut, Command::Copy};
    QTest::newRow("a block on the clipboard") << "clipboard" << QList<Command>{Command::Paste};
}

// A button is made from its command's action: both are enabled together.
void MainWindowTest::buttonsFollowTheirCommands()
{
    QFETCH(QString, step);
    QFETCH(QList<Command>, enabled);
    QGuiApplication::clipboard()->setText(QStringLiteral("not a block"));
    if (step == QLatin1String("stroke") || step == QLatin1String("undo"))
        stroke(QPoint(10, 10));
    if (step == QLatin1String("undo"))
        QTest::mouseClick(w().commands().button(Command::Undo), Qt::LeftButton);
    if (step == QLatin1String("lift")) {
        QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Selection), Qt::LeftButton);
        PictureView *picture = w().editor().pictureView();
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseMove(picture, QPoint(30, 20));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(30, 20));
    }
    if (step == QLatin1String("clipboard"))
        QGuiApplication::clipboard()->setText(QStringLiteral("tsdata,1,1,5"));
    const QList<Command> switchable{Command::Undo, Command::Redo, Command::Cut, Command::Copy, Command::Paste};
    for (Command c : switchable) {
        QToolButton *button = w().commands().button(c);
        QVERIFY(button);
        QCOMPARE(w().commands().action(c)->isEnabled(), enabled.contains(c));
        QCOMPARE(button->isEnabled(), enabled.contains(c));
    }
}


// A design larger than the window scrolls in the work area; the bars stay
// visible and take their own clicks, and the tools still get picture pixels.
void MainWindowTest::largeDesignScrollsBetweenTheBars()
{
    const QString path = f.scratch->file(QStringLiteral("big.tsl"));
    Design big;
    big.makeNew(999, 999);
    DesignFile::write(big, path);
    QVERIFY(w().files().fileOpen(path));
    QCoreApplication::processEvents();
    QScrollArea *work = w().workArea();
    QVERIFY(work->horizontalScrollBar()->isVisible());
    QVERIFY(work->verticalScrollBar()->isVisible());
    const QRect shown = QRect(work->viewport()->mapTo(&w(), QPoint(0, 0)), work->viewport()->size());
    QVERIFY(!shown.intersects(QRect(w().toolBarArea()->mapTo(&w(), QPoint(0, 0)), w().toolBarArea()->size())));
    QVERIFY(!shown.intersects(QRect(w().editor().countBar()->mapTo(&w(), QPoint(0, 0)), w().editor().countBar()->size())));
    auto *fileButton = w().findChild<QToolButton *>(QStringLiteral("menuButton0"));
    QCOMPARE(w().childAt(fileButton->mapTo(&w(), fileButton->rect().center())), fileButton);

    // Scrolled to the far corner, a click paints the last cell.
    work->horizontalScrollBar()->setValue(work->horizontalScrollBar()->maximum());
    work->verticalScrollBar()->setValue(work->verticalScrollBar()->maximum());
    QTest::mouseClick(w().editor().paletteBar()->button(9), Qt::LeftButton);
    const QPoint corner = work->viewport()->mapTo(&w(), work->viewport()->rect().bottomRight() - QPoint(2, 2));
    QCOMPARE(w().childAt(corner), w().editor().pictureView());
    QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {}, corner);
    QCOMPARE(w().design().cell(998, 998), QStringLiteral("9"));
}

void MainWindowTest::twoCharacterCellShowsInNumberView()
{
    w().design().setCell(4, 2, QStringLiteral("10"));
    QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
    NumberView *view = w().editor().numberView();
    const QModelIndex index = view->model()->index(2, 4);
    QCOMPARE(index.data(Qt::ToolTipRole).toString(), QStringLiteral("10"));
    const QImage shot = view->viewport()->grab(view->visualRect(index).adjusted(1, 1, -1, -1)).toImage();
    int ink = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ink += qGray(shot.pixel(x, y)) < 100;
    QVERIFY2(ink > 5, "the cell shows at least its first character");
}

void MainWindowTest::paletteNamesReadWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unmarked");
    QTest::newRow("voiced mark") << "オリーブ" << "オリーフ";
    QTest::newRow("semi-voiced mark") << "ピンク" << "ヒンク";
    QTest::newRow("fourth character") << "ぶどう色" << "ぶどう";
}

// The marks at the top of a character and the last of four characters are
// drawn, and the name leaves the digit above it as it is.
void MainWindowTest::paletteNamesReadWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, unmarked);
    PaletteEntry entry, other, none;
    entry.setName(name);
    other.setName(unmarked);
    none.setName(QString());
    const QImage named = PaletteBar::buttonImage(3, entry);
    QVERIFY(named != PaletteBar::buttonImage(3, other));
    const QImage blank = PaletteBar::buttonImage(3, none);
    QCOMPARE(named.copy(0, 0, 36, 8), blank.copy(0, 0, 36, 8));
    QCOMPARE(named.copy(0, 19, 36, 24), blank.copy(0, 19, 36, 24));
}

// The default places are taken from the main window's corner, wherever it is.
void MainWindowTest::toolWindowsOpenBesideTheMainWindow()
{
    w().move(300, 200);
    QCoreApplication::processEvents();
    const QPoint corner = w().frameGeometry().topLeft();
    w().commands().action(Command::Replace)->trigger();
    QCOMPARE(w().replaceDialog()->pos(), corner + QPoint(186, 135));
    w().commands().action(Command::RotateMove)->trigger();
    QCOMPARE(w().rotateMoveWindow()->pos(), corner + QPoint(3, 135));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
