#include "WindowFixture.h"

#include "core/document/DesignFile.h"
#include "core/editing/BlockText.h"
#include "core/settings/SettingsStore.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/ToolBox.h"
#include "ui/editing/WrapSpinField.h"

#include <QAction>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

// The selection tool, the floating block, the clipboard and the text tool,
// driven by mouse and keys on the real window.
class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QGuiApplication::clipboard()->clear();
        f.start();
    }
    void cleanup() { f = WindowFixture(); }

    void selectingLiftsTheRectangle_data();
    void selectingLiftsTheRectangle();
    void clickLiftsOneCell();
    void dragPastTheEdge_data();
    void dragPastTheEdge();
    void newSelectionPlacesTheFloatingOne();
    void frameMovesInWholeCells_data();
    void frameMovesInWholeCells();
    void moveWithoutLeftButtonAloneFinishes_data();
    void moveWithoutLeftButtonAloneFinishes();
    void cutThenPasteAtTopLeft();
    void copyLeavesBlockFloating();
    void pasteFollowsClipboardText_data();
    void pasteFollowsClipboardText();
    void pasteEnabledAtStartUp();
    void malformedClipboardTextIsRefused_data();
    void malformedClipboardTextIsRefused();
    void wideBlockIntoNarrowDesign();
    void openedDesignGetsNoFloatingBlock();
    void savePlacesTheFloatingBlockFirst();
    void unmovedSelectionAsksNothingOnNew();
    void textDialogCannotBeClosedAndKeepsPlace();
    void typedTextRendersRecoloursAndPlaces();
    void fontChosenThroughPrompter();
    void clearedTextPlacesNothingButRecords();

private:
    MainWindow &w() { return *f.window; }
    PictureView *pic() { return w().editor().pictureView(); }
    static QPoint pixelOf(int column, int row) { return QPoint(6 * column + 2, 5 * row + 2); }
    static QString pattern(int column, int row) { return CellGrid::digit((column + 3 * row) % 16); }
    // Every cell of the design gets its pattern digit, drawn and counted.
    void fillPattern()
    {
        for (int r = 0; r < w().design().rows(); ++r)
            for (int c = 0; c < w().design().columns(); ++c)
                w().design().setCell(c, r, pattern(c, r));
        QVERIFY(w().editor().refreshPicture());
    }
    void chooseTool(ToolKind kind) { QTest::mouseClick(w().editor().toolBox()->button(kind), Qt::LeftButton); }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(pic(), Qt::LeftButton, {}, from);
        QTest::mouseMove(pic(), (from + to) / 2);
        QTest::mouseMove(pic(), to);
        QTest::mouseRelease(pic(), Qt::LeftButton, {}, to);
    }
    void select(QPoint fromCell, QPoint toCell)
    {
        chooseTool(ToolKind::Selection);
        drag(pixelOf(fromCell.x(), fromCell.y()), pixelOf(toCell.x(), toCell.y()));
    }
    QStringList names() { return w().history().names(); }
    bool cutCopyEnabled(bool enabled)
    {
        return w().commands().action(Command::Cut)->isEnabled() == enabled
            && w().commands().action(Command::Copy)->isEnabled() == enabled
            && w().commands().button(Command::Cut)->isEnabled() == enabled
            && w().commands().button(Command::Copy)->isEnabled() == enabled;
    }
    bool pasteEnabled(bool enabled)
    {
        return w().commands().action(Command::Paste)->isEnabled() == enabled
            && w().commands().button(Command::Paste)->isEnabled() == enabled;
    }
    void newDesignOfSize(int columns, int rows)
    {
        f.prompter->answers.enqueue(Prompter::Answer::No);
        whenModal([columns, rows](QWidget *dialog) {
            auto *size = qobject_cast<SizeDialog *>(dialog);
            QVERIFY(size);
            size->columnsField()->setText(QString::number(columns));
            size->rowsField()->setText(QString::number(rows));
            clickButton(dialog, QStringLiteral("okButton"));
        });
        QTest::mouseClick(w().commands().button(Command::New), Qt::LeftButton);
        QCOMPARE(w().design().columns(), columns);
        QCOMPARE(w().design().rows(), rows);
    }
    WindowFixture f;
};

void SelectionTest::selectingLiftsTheRectangle_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("down right") << QPoint(2, 1) << QPoint(5, 3);
    QTest::newRow("up left") << QPoint(5, 3) << QPoint(2, 1);
    QTest::newRow("up right") << QPoint(2, 3) << QPoint(5, 1);
    QTest::newRow("down left") << QPoint(5, 1) << QPoint(2, 3);
}

void SelectionTest::selectingLiftsTheRectangle()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    Palette palette = w().design().palette();
    palette[7].fill(qRgb(255, 0, 0));
    w().design().setPalette(palette);
    w().editor().changeSetting(true);
    fillPattern();
    const QRect lifted(QPoint(2, 1), QPoint(5, 3));
    QStringList values{BlockText::Token, QStringLiteral("4"), QStringLiteral("3")};
    for (int r = 1; r <= 3; ++r)
        for (int c = 2; c <= 5; ++c)
            values << pattern(c, r);

    select(from, to);
    QCOMPARE(w().editor().floatingBlock().frame(), FloatingBlock::Frame::Selection);
    QCOMPARE(w().editor().floatingBlock().cells(), lifted);
    QCOMPARE(w().editor().floatingBlock().block().format(), values.join(QLatin1Char(',')));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            QCOMPARE(w().design().cell(c, r), lifted.contains(c, r) ? QStringLiteral("0") : pattern(c, r));
    // Cell (4, 1) holds 7 (red): the picture under the block shows entry 0's white tile.
    QCOMPARE(pic()->image().pixel(6 * 4 + 1, 5 * 1 + 1), qRgb(255, 255, 255));
    QCOMPARE(pic()->image().pixel(6 * 7 + 1, 5 * 0 + 1), qRgb(255, 0, 0)); // (7, 0) untouched
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QVERIFY(cutCopyEnabled(true));

    // The pen places the unmoved block: the cells come back and it is recorded.
    chooseTool(ToolKind::Pen);
    QVERIFY(!w().editor().floatingBlock().isShown());
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            QCOMPARE(w().design().cell(c, r), pattern(c, r));
    QCOMPARE(pic()->image().pixel(6 * 4 + 1, 5 * 1 + 1), qRgb(255, 0, 0));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
    QVERIFY(cutCopyEnabled(false));
}

void SelectionTest::clickLiftsOneCell()
{
    w().design().setCell(7, 4, QStringLiteral("B"));
    chooseTool(ToolKind::Selection);
    QTest::mouseClick(pic(), Qt::LeftButton, {}, pixelOf(7, 4));
    QCOMPARE(w().editor().floatingBlock().block().format(), QStringLiteral("tsdata,1,1,B"));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(7, 4, 1, 1));
    QCOMPARE(w().design().cell(7, 4), QStringLiteral("0"));
    QCOMPARE(w().placeText(), QStringLiteral("8列-5行"));
    QTest::mouseClick(w().commands().button(Command::Copy), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("tsdata,1,1,B"));
}

void SelectionTest::dragPastTheEdge_data()
{
    QTest::addColumn<QList<QPoint>>("moves"); // pointer positions in picture pixels; the last is the release
    QTest::addColumn<QRect>("cells");
    // Less than a cell left of or above the picture still counts as column or row 0.
    QTest::newRow("just above and left") << QList<QPoint>{{-5, -4}} << QRect(QPoint(0, 0), QPoint(5, 3));
    QTest::newRow("far outside keeps the last cell")
        << QList<QPoint>{{8, 12}, {-6, -5}} << QRect(QPoint(1, 2), QPoint(5, 3));
    QTest::newRow("columns outside, rows inside")
        << QList<QPoint>{{8, 12}, {-40, 27}} << QRect(QPoint(1, 3), QPoint(5, 5));
    QTest::newRow("right and bottom edge pixels") << QList<QPoint>{{959, 499}} << QRect(QPoint(5, 3), QPoint(159, 99));
    QTest::newRow("past right and bottom")
        << QList<QPoint>{{950, 490}, {1100, 600}} << QRect(QPoint(5, 3), QPoint(158, 98));
}

void SelectionTest::dragPastTheEdge()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QRect, cells);
    fillPattern();
    chooseTool(ToolKind::Selection);
    QTest::mousePress(pic(), Qt::LeftButton, {}, pixelOf(5, 3));
    for (const QPoint &m : moves)
        QTest::mouseMove(pic(), m);
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, moves.last());
    QCOMPARE(w().editor().floatingBlock().cells(), cells);
    QCOMPARE(w().design().cell(cells.right(), cells.bottom()), QStringLiteral("0"));
    QCOMPARE(w().editor().floatingBlock().block().value(cells.width() - 1, cells.height() - 1),
             pattern(cells.right(), cells.bottom()));
}

void SelectionTest::newSelectionPlacesTheFloatingOne()
{
    fillPattern();
    select(QPoint(2, 2), QPoint(3, 3));
    // Drag the block one cell right, then start another selection elsewhere.
    drag(pixelOf(2, 2), pixelOf(2, 2) + QPoint(6, 0));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(3, 2));
    drag(pixelOf(20, 20), pixelOf(21, 20));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
    QCOMPARE(w().design().cell(2, 2), QStringLiteral("0"));
    QCOMPARE(w().design().cell(3, 2), pattern(2, 2));
    QCOMPARE(w().design().cell(4, 3), pattern(3, 3));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(20, 20, 2, 1));
    QCOMPARE(w().design().cell(21, 20), QStringLiteral("0"));
}

void SelectionTest::frameMovesInWholeCells_data()
{
    QTest::addColumn<QList<QPoint>>("moves"); // pointer offsets from the press
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("one cell right") << QList<QPoint>{{6, 0}} << QPoint(3, 1);
    QTest::newRow("less than a cell") << QList<QPoint>{{5, 4}} << QPoint(2, 1);
    QTest::newRow("two rows down") << QList<QPoint>{{0, 10}} << QPoint(2, 3);
    QTest::newRow("left truncates to zero") << QList<QPoint>{{-11, -9}} << QPoint(1, 0);
    QTest::newRow("past the left edge at once") << QList<QPoint>{{-18, 5}} << QPoint(2, 2);
    QTest::newRow("past the edge after fitting") << QList<QPoint>{{-6, 0}, {-18, 0}} << QPoint(1, 1);
    QTest::newRow("to the right edge") << QList<QPoint>{{6 * 154, 0}} << QPoint(156, 1);
    QTest::newRow("one past the right edge") << QList<QPoint>{{6 * 155, 0}} << QPoint(2, 1);
    QTest::newRow("to the bottom edge") << QList<QPoint>{{0, 5 * 96}} << QPoint(2, 97);
    QTest::newRow("one past the bottom edge") << QList<QPoint>{{0, 5 * 97}} << QPoint(2, 1);
}

void SelectionTest::frameMovesInWholeCells()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, origin);
    fillPattern();
    select(QPoint(2, 1), QPoint(5, 3));
    const QPoint press = pixelOf(2, 1);
    QTest::mousePress(pic(), Qt::LeftButton, {}, press);
    for (const QPoint &m : moves)
        QTest::mouseMove(pic(), press + m);
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, press + moves.last());
    QCOMPARE(w().editor().floatingBlock().origin(), origin);
    QCOMPARE(w().editor().floatingBlock().frameRect(), QRect(6 * origin.x() - 1, 5 * origin.y() - 1, 25, 16));
    // Moving the frame lifts nothing more and records nothing.
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});

    chooseTool(ToolKind::Pen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            QCOMPARE(w().design().cell(origin.x() + c, origin.y() + r), pattern(2 + c, 1 + r));
    const QRect moved(origin, QSize(4, 3));
    for (int r = 1; r <= 3; ++r)
        for (int c = 2; c <= 5; ++c)
            if (!moved.contains(c, r))
                QCOMPARE(w().design().cell(c, r), QStringLiteral("0"));
    QCOMPARE(names().last(), QStringLiteral("範囲選択"));
}

void SelectionTest::moveWithoutLeftButtonAloneFinishes_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("released outside") << int(Qt::NoButton) << int(Qt::NoModifier);
    QTest::newRow("shift held") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
    QTest::newRow("control held") << int(Qt::LeftButton) << int(Qt::ControlModifier);
    QTest::newRow("right button too") << int(Qt::LeftButton | Qt::RightButton) << int(Qt::NoModifier);
}

void SelectionTest::moveWithoutLeftButtonAloneFinishes()
{
    QFETCH(int, buttons);
    QFETCH(int, modifiers);
    fillPattern();
    chooseTool(ToolKind::Selection);
    QTest::mousePress(pic(), Qt::LeftButton, {}, pixelOf(3, 2));
    QTest::mouseMove(pic(), pixelOf(4, 3));
    QVERIFY(!w().editor().floatingBlock().isShown());
    // The window system delivers a move whose button state is not the left button alone.
    const QPoint at = pixelOf(6, 4);
    QMouseEvent move(QEvent::MouseMove, at, pic()->mapToGlobal(at), Qt::NoButton, Qt::MouseButtons(buttons),
                     Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(pic(), &move);
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(QPoint(3, 2), QPoint(6, 4)));
    QCOMPARE(w().design().cell(6, 4), QStringLiteral("0"));
    QVERIFY(cutCopyEnabled(true));
    // Further moves and the release change the finished selection no more.
    QTest::mouseMove(pic(), pixelOf(9, 9));
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, pixelOf(9, 9));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(QPoint(3, 2), QPoint(6, 4)));
    QCOMPARE(w().design().cell(9, 9), pattern(9, 9));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
}

void SelectionTest::cutThenPasteAtTopLeft()
{
    fillPattern();
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    QVERIFY(pasteEnabled(false));
    select(QPoint(10, 5), QPoint(12, 6));
    const QString text = w().editor().floatingBlock().block().format();
    QTest::mouseClick(w().commands().button(Command::Cut), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QVERIFY(text.startsWith(QStringLiteral("tsdata,3,2,")));
    QVERIFY(!w().editor().floatingBlock().isShown());
    for (int r = 5; r <= 6; ++r)
        for (int c = 10; c <= 12; ++c)
            QCOMPARE(w().design().cell(c, r), QStringLiteral("0"));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QVERIFY(cutCopyEnabled(false));
    QVERIFY(pasteEnabled(true));
    QVERIFY(w().editor().toolBox()->button(ToolKind::Selection)->isChecked());

    QTest::mouseClick(w().commands().button(Command::Paste), Qt::LeftButton);
    QCOMPARE(w().editor().floatingBlock().frame(), FloatingBlock::Frame::Selection);
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(0, 0, 3, 2));
    QCOMPARE(w().editor().floatingBlock().frameRect(), QRect(-1, -1, 19, 11));
    // Pasting only floats the block; cut and copy stay for lifted blocks.
    QCOMPARE(w().design().cell(0, 0), pattern(0, 0));
    QVERIFY(cutCopyEnabled(false));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    chooseTool(ToolKind::Bucket);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(w().design().cell(c, r), pattern(10 + c, 5 + r));
    QCOMPARE(w().design().cell(3, 0), pattern(3, 0));
    QCOMPARE(w().design().cell(10, 5), QStringLiteral("0"));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
}

void SelectionTest::copyLeavesBlockFloating()
{
    fillPattern();
    QGuiApplication::clipboard()->setText(QStringLiteral("plain words"));
    select(QPoint(4, 4), QPoint(5, 4));
    w().commands().action(Command::Copy)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("tsdata,2,1,%1,%2").arg(pattern(4, 4), pattern(5, 4)));
    // Paste follows the clipboard's notification of the copied text.
    QVERIFY(pasteEnabled(true));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(4, 4, 2, 1));
    QCOMPARE(w().design().cell(4, 4), QStringLiteral("0"));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});

    // Paste places the copied block first and floats the copy at the top-left.
    w().commands().action(Command::Paste)->trigger();
    QCOMPARE(w().design().cell(4, 4), pattern(4, 4));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(0, 0, 2, 1));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
    chooseTool(ToolKind::Pen);
    QCOMPARE(w().design().cell(0, 0), pattern(4, 4));
    QCOMPARE(w().design().cell(1, 0), pattern(5, 4));
    QCOMPARE(w().design().cell(2, 0), pattern(2, 0));
    QCOMPARE(names().size(), 3);
}

void SelectionTest::pasteFollowsClipboardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asMime"); // put there as another program would: bare mime data
    QTest::addColumn<bool>("enabled");
    QTest::newRow("block") << QStringLiteral("tsdata,1,1,3") << false << true;
    QTest::newRow("block from elsewhere") << QStringLiteral("tsdata,2,1,A,-1") << true << true;
    QTest::newRow("token alone") << QStringLiteral("tsdata") << false << true;
    QTest::newRow("another word") << QStringLiteral("hello world") << false << false;
    QTest::newRow("another word from elsewhere") << QStringLiteral("tsdat") << true << false;
    QTest::newRow("upper case") << QStringLiteral("TSDATA,1,1,3") << false << false;
    QTest::newRow("leading blank") << QStringLiteral(" tsdata,1,1,3") << false << false;
    QTest::newRow("empty") << QString() << false << false;
}

void SelectionTest::pasteFollowsClipboardText()
{
    QFETCH(QString, text);
    QFETCH(bool, asMime);
    QFETCH(bool, enabled);
    QClipboard *clipboard = QGuiApplication::clipboard();
    // Start from the opposite state, so the change must be followed.
    clipboard->setText(enabled ? QStringLiteral("words") : QStringLiteral("tsdata,1,1,0"));
    QVERIFY(pasteEnabled(!enabled));
    if (asMime) {
        auto *mime = new QMimeData;
        mime->setData(QStringLiteral("text/plain"), text.toUtf8());
        clipboard->setMimeData(mime);
    } else {
        clipboard->setText(text);
    }
    QVERIFY(pasteEnabled(enabled));

    // Data without any text disables paste too.
    auto *image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clipboard->setMimeData(image);
    QVERIFY(pasteEnabled(false));
}

void SelectionTest::pasteEnabledAtStartUp()
{
    QVERIFY(pasteEnabled(false));
    f.stop();
    // A block put on the clipboard while the program was not running.
    QGuiApplication::clipboard()->setText(QStringLiteral("tsdata,1,2,4,5"));
    f.start();
    QVERIFY(pasteEnabled(true));
    QVERIFY(cutCopyEnabled(false));
    QTest::mouseClick(w().commands().button(Command::Paste), Qt::LeftButton);
    chooseTool(ToolKind::Pen);
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("4"));
    QCOMPARE(w().design().cell(0, 1), QStringLiteral("5"));
}

void SelectionTest::malformedClipboardTextIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("token alone") << QStringLiteral("tsdata");
    QTest::newRow("too few values") << QStringLiteral("tsdata,2,1,3");
    QTest::newRow("too many values") << QStringLiteral("tsdata,1,1,3,4");
    QTest::newRow("width no number") << QStringLiteral("tsdata,x,1,3");
    QTest::newRow("height no number") << QStringLiteral("tsdata,1,,3");
    QTest::newRow("zero size") << QStringLiteral("tsdata,0,0");
    QTest::newRow("negative size") << QStringLiteral("tsdata,-1,-1,3");
    QTest::newRow("letter beyond F") << QStringLiteral("tsdata,1,1,G");
    QTest::newRow("two digits") << QStringLiteral("tsdata,1,1,10");
    QTest::newRow("minus two") << QStringLiteral("tsdata,1,1,-2");
    QTest::newRow("empty value") << QStringLiteral("tsdata,2,1,3,");
    QTest::newRow("token glued") << QStringLiteral("tsdatax,1,1,3");
}

void SelectionTest::malformedClipboardTextIsRefused()
{
    QFETCH(QString, text);
    fillPattern();
    select(QPoint(2, 2), QPoint(3, 2));
    QGuiApplication::clipboard()->setText(text);
    QVERIFY(pasteEnabled(true));
    QTest::mouseClick(w().commands().button(Command::Paste), Qt::LeftButton);
    QCOMPARE(f.prompter->shown.size(), 1);
    QCOMPARE(f.prompter->shown[0].text, QStringLiteral("クリップボードの内容が正しくありません。"));
    QCOMPARE(f.prompter->shown[0].icon, Prompter::Icon::Error);
    QCOMPARE(f.prompter->shown[0].caption, QStringLiteral("Tessell"));
    // The lifted block still floats where it was; nothing was placed or recorded.
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(2, 2, 2, 1));
    QCOMPARE(w().design().cell(2, 2), QStringLiteral("0"));
    QCOMPARE(w().design().cell(0, 0), pattern(0, 0));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QVERIFY(cutCopyEnabled(true));
}

void SelectionTest::wideBlockIntoNarrowDesign()
{
    fillPattern();
    chooseTool(ToolKind::Selection);
    // The whole of rows 0 and 1, dragged from the first cell to the last pixel.
    drag(pixelOf(0, 0), QPoint(958, 7));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(0, 0, 160, 2));
    QTest::mouseClick(w().commands().button(Command::Copy), Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("tsdata,160,2,")));

    newDesignOfSize(50, 20);
    // The block floating over the old design is not written into the new one.
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("0"));
    QCOMPARE(pic()->size(), QSize(299, 99));
    QVERIFY(pasteEnabled(true));
    QTest::mouseClick(w().commands().button(Command::Paste), Qt::LeftButton);
    QCOMPARE(w().editor().floatingBlock().cells(), QRect(0, 0, 160, 2));
    // Sideways the block does not move; downwards it does.
    QTest::mousePress(pic(), Qt::LeftButton, {}, QPoint(20, 3));
    QTest::mouseMove(pic(), QPoint(32, 3));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(0, 0));
    QTest::mouseMove(pic(), QPoint(32, 8));
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, QPoint(32, 8));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(0, 1));

    chooseTool(ToolKind::Pen);
    QCOMPARE(w().design().columns(), 50);
    for (int c = 0; c < 50; ++c) {
        QCOMPARE(w().design().cell(c, 0), QStringLiteral("0"));
        QCOMPARE(w().design().cell(c, 1), pattern(c, 0));
        QCOMPARE(w().design().cell(c, 2), pattern(c, 1));
    }
    QCOMPARE(w().design().cell(0, 3), QStringLiteral("0"));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
    QVERIFY(w().editor().refreshPicture());
}

void SelectionTest::openedDesignGetsNoFloatingBlock()
{
    const QString path = f.scratch->file(QStringLiteral("plain.tsl"));
    {
        Design d;
        d.setCell(1, 1, QStringLiteral("2"));
        DesignFile::write(d, path);
    }
    fillPattern();
    select(QPoint(0, 0), QPoint(3, 3));
    drag(pixelOf(1, 1), pixelOf(1, 1) + QPoint(12, 5));
    f.prompter->answers.enqueue(Prompter::Answer::No);
    f.prompter->fileNames.enqueue(path);
    QTest::mouseClick(w().commands().button(Command::Open), Qt::LeftButton);
    QCOMPARE(w().design().fileName(), path);
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("2"));
    QCOMPARE(w().editor().floatingBlock().cells(), QRect());
    // Where the block floated the opened design keeps its own cells.
    for (int r = 1; r <= 4; ++r)
        for (int c = 2; c <= 5; ++c)
            QCOMPARE(w().design().cell(c, r), QStringLiteral("0"));
    QCOMPARE(names(), QStringList{QStringLiteral("ファイルを開く")});
    QVERIFY(!w().design().isModified());
}

void SelectionTest::savePlacesTheFloatingBlockFirst()
{
    fillPattern();
    select(QPoint(0, 0), QPoint(3, 3));
    // Two columns right, one row down.
    drag(pixelOf(1, 1), pixelOf(1, 1) + QPoint(12, 5));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(2, 1));
    const QString path = f.scratch->file(QStringLiteral("moved.tsl"));
    f.prompter->fileNames.enqueue(path);
    QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w().design().fileName(), path);
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(names(), QStringList{QStringLiteral("保存")});
    Design saved;
    DesignFile::open(path, saved);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            QCOMPARE(saved.cell(c + 2, r + 1), pattern(c, r));
    // Lifted cells the block no longer covers stay "0".
    QCOMPARE(saved.cell(0, 0), QStringLiteral("0"));
    QCOMPARE(saved.cell(1, 3), QStringLiteral("0"));
    QCOMPARE(saved.cell(3, 0), QStringLiteral("0"));
    QCOMPARE(f.prompter->unexpected, 0);
}

void SelectionTest::unmovedSelectionAsksNothingOnNew()
{
    // A block lifted and left where it was changes nothing, so New asks nothing.
    w().design().changeFirstContent();
    select(QPoint(1, 1), QPoint(4, 2));
    whenModal([](QWidget *dialog) { clickButton(dialog, QStringLiteral("cancelButton")); });
    QTest::mouseClick(w().commands().button(Command::New), Qt::LeftButton);
    QVERIFY(f.prompter->texts(ScriptedPrompter::Kind::Question).isEmpty());
    QVERIFY(!w().editor().floatingBlock().isShown());
    QVERIFY(!w().design().isModified());
}

void SelectionTest::textDialogCannotBeClosedAndKeepsPlace()
{
    {
        SettingsStore store(AppPaths::dataFile());
        store.writeInteger(QStringLiteral("text"), QStringLiteral("left"), 300);
        store.writeInteger(QStringLiteral("text"), QStringLiteral("top"), 210);
    }
    chooseTool(ToolKind::Text);
    QPointer<TextDialog> dialog = w().editor().textDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("文字入れ"));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(dialog->pos(), QPoint(300, 210));
    QVERIFY(dialog->textField()->text().isEmpty());
    QVERIFY(!w().editor().toolBox()->widthButton()->isEnabled());
    QVERIFY(!dialog->close());
    QVERIFY(dialog->isVisible());

    dialog->move(410, 220);
    chooseTool(ToolKind::Pen);
    QTRY_VERIFY(!dialog);
    QVERIFY(!w().editor().textDialog());
    const SettingsStore store(AppPaths::dataFile());
    QCOMPARE(store.readInteger(QStringLiteral("text"), QStringLiteral("left"), 0), 410);
    QCOMPARE(store.readInteger(QStringLiteral("text"), QStringLiteral("top"), 0), 220);
    // Opened and left without typing: nothing rendered, placed or recorded.
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("0"));
}

void SelectionTest::typedTextRendersRecoloursAndPlaces()
{
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 40; ++c)
            w().design().setCell(c, r, QStringLiteral("7"));
    QVERIFY(w().editor().refreshPicture());
    QTest::mouseClick(w().editor().paletteBar()->button(5), Qt::LeftButton);
    chooseTool(ToolKind::Text);
    QVERIFY(w().editor().textDialog());
    QTest::keyClicks(w().editor().textDialog()->textField(), QStringLiteral("Hi"));
    const FloatingBlock &fb = w().editor().floatingBlock();
    QCOMPARE(fb.frame(), FloatingBlock::Frame::Text);
    QCOMPARE(fb.origin(), QPoint(0, 0));
    // The initial font is 9 cells high; every cell is ink (5) or transparent.
    QCOMPARE(fb.block().height(), 9);
    QVERIFY(fb.block().width() > 2);
    int ink = 0;
    for (int r = 0; r < fb.block().height(); ++r)
        for (int c = 0; c < fb.block().width(); ++c) {
            const QString v = fb.block().value(c, r);
            QVERIFY2(v == QStringLiteral("5") || v == BlockText::Transparent, qPrintable(v));
            ink += v == QStringLiteral("5");
        }
    QVERIFY(ink > 0);
    const BlockText five = fb.block();

    // Another palette number recolours the same ink.
    QTest::mouseClick(w().editor().paletteBar()->button(9), Qt::LeftButton);
    QCOMPARE(fb.block().width(), five.width());
    for (int r = 0; r < five.height(); ++r)
        for (int c = 0; c < five.width(); ++c)
            QCOMPARE(fb.block().value(c, r), five.isTransparent(c, r) ? BlockText::Transparent : QStringLiteral("9"));
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});

    // Drag the text two cells right and one down, then place it.
    const QPoint press(3, 3);
    QTest::mousePress(pic(), Qt::LeftButton, {}, press);
    QTest::mouseMove(pic(), press + QPoint(13, 6));
    QTest::mouseRelease(pic(), Qt::LeftButton, {}, press + QPoint(13, 6));
    QCOMPARE(fb.origin(), QPoint(2, 1));
    chooseTool(ToolKind::Pen);
    QTRY_VERIFY(!w().editor().textDialog());
    for (int r = 0; r < five.height(); ++r)
        for (int c = 0; c < five.width(); ++c)
            QCOMPARE(w().design().cell(2 + c, 1 + r),
                     five.isTransparent(c, r) ? QStringLiteral("7") : QStringLiteral("9"));
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("7"));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("文字入れ")}));
}

void SelectionTest::fontChosenThroughPrompter()
{
    newDesignOfSize(120, 40);
    chooseTool(ToolKind::Text);
    QTest::keyClicks(w().editor().textDialog()->textField(), QStringLiteral("A"));
    QCOMPARE(w().editor().floatingBlock().block().height(), 9);

    QFont chosen(QStringLiteral("IPAGothic"));
    chosen.setPointSize(20);
    chosen.setBold(true);
    f.prompter->fonts.enqueue(chosen);
    QTest::mouseClick(w().editor().textDialog()->fontButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->lastMaxFontSize, 40);
    // "ＭＳ ゴシック" 9 points under the name of its stand-in, which the dialog lists.
    const QFont start = f.prompter->fontStarts.value(0);
    QCOMPARE(start.family(), QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family());
    QVERIFY(start.pointSize() == 9 && !start.bold() && !start.italic());
    f.prompter->shown.clear();
    QCOMPARE(w().editor().floatingBlock().block().height(), 20);
    // The field takes the face and style, not the size.
    QCOMPARE(w().editor().textDialog()->textField()->font().family(), chosen.family());
    QVERIFY(w().editor().textDialog()->textField()->font().bold());
    QVERIFY(w().editor().textDialog()->textField()->font().pointSize() < 20);

    // A cancelled font dialog keeps the chosen font, also for the next opening.
    f.prompter->fonts.enqueue(std::nullopt);
    QTest::mouseClick(w().editor().textDialog()->fontButton(), Qt::LeftButton);
    QCOMPARE(w().editor().floatingBlock().block().height(), 20);
    QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Font), QStringList{chosen.family()});
    QCOMPARE(f.prompter->fontStarts.last(), chosen);
    QCOMPARE(f.prompter->unexpected, 0);
    chooseTool(ToolKind::Pen);
    QCOMPARE(names().last(), QStringLiteral("文字入れ"));
}

void SelectionTest::clearedTextPlacesNothingButRecords()
{
    fillPattern();
    chooseTool(ToolKind::Text);
    QLineEdit *field = w().editor().textDialog()->textField();
    QTest::keyClicks(field, QStringLiteral("W"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(field->text().isEmpty());
    const BlockText &block = w().editor().floatingBlock().block();
    QCOMPARE(block.width(), 1);
    QCOMPARE(block.height(), 9);
    for (int r = 0; r < 9; ++r)
        QVERIFY(block.isTransparent(0, r));
    chooseTool(ToolKind::Selection);
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 12; ++c)
            QCOMPARE(w().design().cell(c, r), pattern(c, r));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("文字入れ")}));
}

QTEST_MAIN(SelectionTest)
#include "SelectionTest.moc"
