#include "WindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/ToolBox.h"
#include "ui/editing/WrapSpinField.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace tessell;
using namespace tessell::test;

// The replace dialog, the canvas size command and the rotate and move window
// on the real main window.
class ReplaceRotateTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void replaceWholeDesign_data();
    void replaceWholeDesign();
    void exchangeOverRange();
    void rangeMessages_data();
    void rangeMessages();
    void dialogFollowsSelectionAndPlacesIt();
    void wholeDesignLeavesSelectionFloating();
    void directionTogglesAndPersists();
    void settingsComeBackAfterRestart();
    void oneReplaceDialogAtATime();

    void canvasSizeKeepsCellsAndRecordsNothing();
    void canvasSizePlacesFloatingBlock();
    void canvasSizeCancelled();

    void movesShiftByOneCell_data();
    void movesShiftByOneCell();
    void rotation_data();
    void rotation();
    void angleWraps();
    void angleAndPlacePersist();

private:
    MainWindow &w() { return *f.window; }
    QStringList names() { return w().history().names(); }
    static QString pattern(int column, int row) { return CellGrid::digit((7 * column + 3 * row) % 16); }
    void fillPattern()
    {
        for (int r = 0; r < w().design().rows(); ++r)
            for (int c = 0; c < w().design().columns(); ++c)
                w().design().setCell(c, r, pattern(c, r));
        QVERIFY(w().editor().refreshPicture());
    }
    // The first cell that differs from expected, or an empty text.
    QString firstDifference(const std::function<QString(int, int)> &expected)
    {
        for (int r = 0; r < w().design().rows(); ++r)
            for (int c = 0; c < w().design().columns(); ++c)
                if (w().design().cell(c, r) != expected(c, r))
                    return QStringLiteral("(%1, %2) holds %3, expected %4")
                        .arg(c)
                        .arg(r)
                        .arg(w().design().cell(c, r), expected(c, r));
        return {};
    }
    ReplaceDialog *openReplace()
    {
        w().commands().action(Command::Replace)->trigger();
        ReplaceDialog *d = w().replaceDialog();
        if (d && !QTest::qWaitForWindowExposed(d))
            return nullptr;
        return d;
    }
    static void typeInto(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    static void chooseNumber(QComboBox *box, int number)
    {
        // As the user picks from the list: the list's own activation.
        box->setCurrentIndex(number);
        emit box->activated(number);
    }
    void setRange(ReplaceDialog *d, const QStringList &fields)
    {
        QTest::mouseClick(d->rangeButton(), Qt::LeftButton, {}, QPoint(4, 8));
        QLineEdit *edits[4] = {d->columnFromField(), d->columnToField(), d->rowFromField(), d->rowToField()};
        for (int i = 0; i < 4; ++i)
            typeInto(edits[i], fields[i]);
    }
    QStringList rangeFields(ReplaceDialog *d)
    {
        return {d->columnFromField()->text(), d->columnToField()->text(), d->rowFromField()->text(),
                d->rowToField()->text()};
    }
    void selectCells(QPoint from, QPoint to)
    {
        QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Selection), Qt::LeftButton);
        PictureView *pic = w().editor().pictureView();
        const QPoint a(6 * from.x() + 2, 5 * from.y() + 2), b(6 * to.x() + 2, 5 * to.y() + 2);
        QTest::mousePress(pic, Qt::LeftButton, {}, a);
        QTest::mouseMove(pic, b);
        QTest::mouseRelease(pic, Qt::LeftButton, {}, b);
    }
    void answerSizeDialog(int columns, int rows, bool cancel = false)
    {
        whenModal([=](QWidget *dialog) {
            auto *size = qobject_cast<SizeDialog *>(dialog);
            QVERIFY(size);
            size->columnsField()->setText(QString::number(columns));
            size->rowsField()->setText(QString::number(rows));
            clickButton(dialog, cancel ? QStringLiteral("cancelButton") : QStringLiteral("okButton"));
        });
    }
    void resizeCanvas(int columns, int rows)
    {
        answerSizeDialog(columns, rows);
        w().commands().action(Command::CanvasSize)->trigger();
    }
    RotateMoveWindow *openRotateMove()
    {
        w().commands().action(Command::RotateMove)->trigger();
        return w().rotateMoveWindow();
    }
    WindowFixture f;
};

// ---------------------------------------------------------------- replace

void ReplaceRotateTest::replaceWholeDesign_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("exchange");
    QTest::newRow("3 by 7") << 3 << 7 << false;
    QTest::newRow("F by 0") << 15 << 0 << false;
    QTest::newRow("3 and 7 exchanged") << 3 << 7 << true;
    QTest::newRow("same number") << 5 << 5 << false;
    QTest::newRow("same number exchanged") << 5 << 5 << true;
}

void ReplaceRotateTest::replaceWholeDesign()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, exchange);
    fillPattern();
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("置換"));
    QVERIFY(!d->isModal());
    QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(d->wholeButton()->isChecked());
    QVERIFY(!d->columnFromField()->isEnabled());
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇒"));
    if (exchange)
        QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    chooseNumber(d->fromBox(), from);
    chooseNumber(d->toBox(), to);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    const QString a = CellGrid::digit(from), b = CellGrid::digit(to);
    const QString diff = firstDifference([&](int c, int r) {
        const QString v = pattern(c, r);
        return v == a ? b : v == b && exchange ? a : v;
    });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("置換")}));
    QCOMPARE(w().statusText(), QStringLiteral("作業可能"));
    QCOMPARE(f.prompter->shown.size(), 0);
    // The picture was counted anew.
    QCOMPARE(w().editor().countBar()->counts()[to], w().design().reCount()[to]);
}

void ReplaceRotateTest::exchangeOverRange()
{
    fillPattern();
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇔"));
    setRange(d, {QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("2"), QStringLiteral("10")});
    QVERIFY(d->columnFromField()->isEnabled());
    chooseNumber(d->fromBox(), 3);
    chooseNumber(d->toBox(), 7);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    // Columns 2..19 and rows 1..9 counted from 0.
    const QRect range(QPoint(2, 1), QPoint(19, 9));
    const QString diff = firstDifference([&](int c, int r) {
        const QString v = pattern(c, r);
        if (!range.contains(c, r))
            return v;
        return v == QStringLiteral("3") ? QStringLiteral("7") : v == QStringLiteral("7") ? QStringLiteral("3") : v;
    });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(names().last(), QStringLiteral("置換"));
}

void ReplaceRotateTest::rangeMessages_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    const QString columns = QStringLiteral("列は1～160までの数値を入力してください。");
    const QString rows = QStringLiteral("行は1～100までの数値を入力してください。");
    const QString columnOrder = QStringLiteral("列の指定が正しくありません。");
    const QString rowOrder = QStringLiteral("行の指定が正しくありません。");
    const QString noNumber = QStringLiteral("列・行に正しい数値を入力してください。");
    QTest::newRow("column from 0") << QStringList{"0", "5", "1", "1"} << columns;
    QTest::newRow("column from 161") << QStringList{"161", "161", "1", "1"} << columns;
    QTest::newRow("column to 161") << QStringList{"1", "161", "1", "1"} << columns;
    QTest::newRow("column from negative") << QStringList{"-3", "5", "1", "1"} << columns;
    QTest::newRow("columns reversed") << QStringList{"9", "5", "1", "1"} << columnOrder;
    QTest::newRow("row from 0") << QStringList{"1", "1", "0", "1"} << rows;
    QTest::newRow("row to 101") << QStringList{"1", "1", "1", "101"} << rows;
    QTest::newRow("rows reversed") << QStringList{"1", "1", "5", "2"} << rowOrder;
    QTest::newRow("letter") << QStringList{"a", "5", "1", "1"} << noNumber;
    QTest::newRow("empty row to") << QStringList{"1", "5", "1", ""} << noNumber;
    QTest::newRow("columns before rows") << QStringList{"0", "5", "0", "1"} << columns;
    QTest::newRow("column order before row range") << QStringList{"9", "5", "0", "1"} << columnOrder;
    QTest::newRow("column range before a letter in rows") << QStringList{"1", "200", "x", "1"} << columns;
    QTest::newRow("row range before row order") << QStringList{"1", "1", "101", "1"} << rows;
}

void ReplaceRotateTest::rangeMessages()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    fillPattern();
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    setRange(d, fields);
    chooseNumber(d->fromBox(), 1);
    chooseNumber(d->toBox(), 2);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->shown.size(), 1);
    QCOMPARE(f.prompter->shown[0].text, message);
    QCOMPARE(f.prompter->shown[0].caption, QStringLiteral("エラー"));
    QCOMPARE(f.prompter->shown[0].icon, Prompter::Icon::Error);
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QCOMPARE(w().statusText(), QStringLiteral("作業可能"));
    const QString diff = firstDifference(&ReplaceRotateTest::pattern);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void ReplaceRotateTest::dialogFollowsSelectionAndPlacesIt()
{
    fillPattern();
    selectCells(QPoint(10, 5), QPoint(19, 8));
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QCOMPARE(rangeFields(d), (QStringList{"11", "20", "6", "9"}));
    // Dragging the frame one cell right and one down: the fields follow.
    PictureView *pic = w().editor().pictureView();
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(6 * 12, 5 * 6));
    QTest::mouseMove(pic, QPoint(6 * 13, 5 * 7));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(6 * 13, 5 * 7));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(11, 6));
    QCOMPARE(rangeFields(d), (QStringList{"12", "21", "7", "10"}));

    QTest::mouseClick(d->rangeButton(), Qt::LeftButton, {}, QPoint(4, 8));
    chooseNumber(d->fromBox(), 3);
    chooseNumber(d->toBox(), 0xE);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択"), QStringLiteral("置換")}));
    // The block's own cells, placed first, took part; the emptied cells outside
    // the range stay 0.
    const QRect block(QPoint(11, 6), QPoint(20, 9));
    const QRect lifted(QPoint(10, 5), QPoint(19, 8));
    const QString diff = firstDifference([&](int c, int r) {
        QString v = block.contains(c, r) ? pattern(c - 1, r - 1)
            : lifted.contains(c, r)      ? QStringLiteral("0")
                                         : pattern(c, r);
        if (block.contains(c, r) && v == QStringLiteral("3"))
            v = QStringLiteral("E");
        return v;
    });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    // A new selection dragged while the dialog is open is followed as it grows.
    QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Selection), Qt::LeftButton);
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(6 * 40 + 1, 5 * 30 + 1));
    QTest::mouseMove(pic, QPoint(6 * 44 + 1, 5 * 32 + 1));
    QCOMPARE(rangeFields(d), (QStringList{"41", "45", "31", "33"}));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(6 * 44 + 1, 5 * 32 + 1));
}

void ReplaceRotateTest::wholeDesignLeavesSelectionFloating()
{
    fillPattern();
    selectCells(QPoint(0, 0), QPoint(1, 1));
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QVERIFY(d->wholeButton()->isChecked());
    chooseNumber(d->fromBox(), 0);
    chooseNumber(d->toBox(), 9);
    QTest::mouseClick(d->startButton(), Qt::LeftButton);
    // The emptied cells are replaced like any other; the block's 0 is not.
    QVERIFY(w().editor().floatingBlock().isShown());
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("9"));
    QCOMPARE(w().editor().floatingBlock().block().value(0, 0), QStringLiteral("0"));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("置換")}));
}

void ReplaceRotateTest::directionTogglesAndPersists()
{
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇒"));
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇔"));
    chooseNumber(d->fromBox(), 4);
    QTest::mouseClick(d->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!w().replaceDialog());
    QCOMPARE(SettingsStore(AppPaths::dataFile()).readString(QStringLiteral("replace"), QStringLiteral("each")),
             QStringLiteral("⇔"));

    d = openReplace();
    QVERIFY(d);
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇔"));
    // The numbers start at 0 every time, and show their tile and name as the palette changes.
    QCOMPARE(d->fromBox()->currentIndex(), 0);
    Palette p = w().design().palette();
    p[9].fill(qRgb(20, 30, 110));
    p[9].setName(QStringLiteral("紺"));
    w().design().setPalette(p);
    QCOMPARE(d->toBox()->itemText(9), QStringLiteral("9 紺"));
    QCOMPARE(d->toBox()->itemIcon(9).pixmap(17, 14).toImage().pixel(8, 7), qRgb(20, 30, 110));
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    QTest::keyClick(d, Qt::Key_Escape);
    QTRY_VERIFY(!w().replaceDialog());
    d = openReplace();
    QVERIFY(d);
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇒"));
}

void ReplaceRotateTest::settingsComeBackAfterRestart()
{
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    setRange(d, {QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("4"), QStringLiteral("50")});
    QTest::mouseClick(d->directionButton(), Qt::LeftButton);
    d->move(250, 160);
    // Closing the main window closes the dialog, which keeps its settings.
    QVERIFY(f.close());
    QCOMPARE(f.prompter->unexpected, 0);
    f.stop();

    f.start();
    d = openReplace();
    QVERIFY(d);
    QVERIFY(d->rangeButton()->isChecked());
    QVERIFY(d->rowToField()->isEnabled());
    QCOMPARE(rangeFields(d), (QStringList{"2", "30", "4", "50"}));
    QCOMPARE(d->directionButton()->text(), QStringLiteral("⇔"));
    QCOMPARE(d->pos(), QPoint(250, 160));
    QCOMPARE(d->toBox()->currentIndex(), 0);
}

void ReplaceRotateTest::oneReplaceDialogAtATime()
{
    ReplaceDialog *d = openReplace();
    QVERIFY(d);
    QTest::mouseClick(d->rangeButton(), Qt::LeftButton, {}, QPoint(4, 8));
    typeInto(d->columnFromField(), QStringLiteral("7"));
    w().commands().action(Command::Replace)->trigger();
    QCOMPARE(w().replaceDialog(), d);
    QCOMPARE(w().findChildren<ReplaceDialog *>().size(), 1);
    QCOMPARE(d->columnFromField()->text(), QStringLiteral("7"));
}

// ---------------------------------------------------------------- canvas size

void ReplaceRotateTest::canvasSizeKeepsCellsAndRecordsNothing()
{
    answerSizeDialog(10, 10);
    QTest::mouseClick(w().commands().button(Command::New), Qt::LeftButton);
    QCOMPARE(w().design().columns(), 10);
    fillPattern();
    const QStringList history = names();

    resizeCanvas(20, 15);
    QCOMPARE(w().design().columns(), 20);
    QCOMPARE(w().design().rows(), 15);
    QCOMPARE(w().editor().pictureView()->size(), QSize(119, 74));
    QString diff = firstDifference(
        [](int c, int r) { return c < 10 && r < 10 ? pattern(c, r) : QStringLiteral("0"); });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(names(), history);
    const SettingsStore store(AppPaths::dataFile());
    QCOMPARE(store.readString(QStringLiteral("new"), QStringLiteral("horizon")), QStringLiteral("20"));
    QCOMPARE(store.readString(QStringLiteral("new"), QStringLiteral("vertical")), QStringLiteral("15"));

    // Cells written into the enlarged part are cut off by shrinking and come back 0.
    w().design().setCell(15, 12, QStringLiteral("F"));
    resizeCanvas(10, 10);
    QCOMPARE(w().editor().pictureView()->size(), QSize(59, 49));
    resizeCanvas(20, 15);
    diff = firstDifference([](int c, int r) { return c < 10 && r < 10 ? pattern(c, r) : QStringLiteral("0"); });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(names(), history);
}

void ReplaceRotateTest::canvasSizePlacesFloatingBlock()
{
    fillPattern();
    selectCells(QPoint(2, 2), QPoint(4, 3));
    PictureView *pic = w().editor().pictureView();
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(14, 12));
    QTest::mouseMove(pic, QPoint(14 + 12, 12));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(14 + 12, 12));
    QCOMPARE(w().editor().floatingBlock().origin(), QPoint(4, 2));

    resizeCanvas(100, 50);
    QCOMPARE(w().design().columns(), 100);
    QVERIFY(!w().editor().floatingBlock().isShown());
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("範囲選択")}));
    const QRect block(QPoint(4, 2), QPoint(6, 3));
    const QRect lifted(QPoint(2, 2), QPoint(4, 3));
    const QString diff = firstDifference([&](int c, int r) {
        return block.contains(c, r)    ? pattern(c - 2, r)
            : lifted.contains(c, r) ? QStringLiteral("0")
                                    : pattern(c, r);
    });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void ReplaceRotateTest::canvasSizeCancelled()
{
    fillPattern();
    answerSizeDialog(20, 20, true);
    w().commands().action(Command::CanvasSize)->trigger();
    QCOMPARE(w().design().columns(), 160);
    QCOMPARE(w().design().rows(), 100);
    QCOMPARE(w().editor().pictureView()->size(), QSize(959, 499));
    QCOMPARE(w().design().cell(159, 99), pattern(159, 99));
}

// ---------------------------------------------------------------- rotate and move

void ReplaceRotateTest::movesShiftByOneCell_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("shift");
    using D = Moves::Direction;
    QTest::newRow("up left") << int(D::UpLeft) << QStringLiteral("   左上   ") << QStringLiteral("移動（左上）") << QPoint(-1, -1);
    QTest::newRow("up") << int(D::Up) << QStringLiteral("上") << QStringLiteral("移動（上）") << QPoint(0, -1);
    QTest::newRow("up right") << int(D::UpRight) << QStringLiteral("右上") << QStringLiteral("移動（右上）") << QPoint(1, -1);
    QTest::newRow("left") << int(D::Left) << QStringLiteral("左") << QStringLiteral("移動（左）") << QPoint(-1, 0);
    QTest::newRow("right") << int(D::Right) << QStringLiteral("右") << QStringLiteral("移動（右）") << QPoint(1, 0);
    QTest::newRow("down left") << int(D::DownLeft) << QStringLiteral("左下") << QStringLiteral("移動（左下）") << QPoint(-1, 1);
    QTest::newRow("down") << int(D::Down) << QStringLiteral("下") << QStringLiteral("移動（下）") << QPoint(0, 1);
    QTest::newRow("down right") << int(D::DownRight) << QStringLiteral("右下") << QStringLiteral("移動（右下）") << QPoint(1, 1);
}

void ReplaceRotateTest::movesShiftByOneCell()
{
    QFETCH(int, direction);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QFETCH(QPoint, shift);
    fillPattern();
    RotateMoveWindow *rm = openRotateMove();
    QVERIFY(rm);
    QToolButton *button = rm->button(Moves::Direction(direction));
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
    // The freed row and column hold 0, not empty cells.
    const QString diff = firstDifference([&](int c, int r) {
        const int sc = c - shift.x(), sr = r - shift.y();
        return sc >= 0 && sc < 160 && sr >= 0 && sr < 100 ? pattern(sc, sr) : QStringLiteral("0");
    });
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), name}));
    QCOMPARE(f.prompter->shown.size(), 0);
    // The picture shows the moved cells.
    QCOMPARE(w().editor().countBar()->counts()[0], w().design().reCount()[0]);
}

void ReplaceRotateTest::rotation_data()
{
    QTest::addColumn<int>("steps"); // clicks on the up arrow, 5 degrees each
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0 << QStringLiteral("0ﾟ");
    QTest::newRow("90") << 18 << QStringLiteral("90ﾟ");
    QTest::newRow("180") << 36 << QStringLiteral("180ﾟ");
}

void ReplaceRotateTest::rotation()
{
    QFETCH(int, steps);
    QFETCH(QString, shown);
    fillPattern();
    RotateMoveWindow *rm = openRotateMove();
    QVERIFY(rm);
    for (int i = 0; i < steps; ++i)
        QTest::mouseClick(rm->angleUpButton(), Qt::LeftButton);
    QCOMPARE(rm->angleLabel()->text(), shown);
    QCOMPARE(names(), QStringList{QStringLiteral("新規作成")});
    QTest::mouseClick(rm->rotateButton(), Qt::LeftButton, {}, QPoint(27, 45));
    QCOMPARE(names(), (QStringList{QStringLiteral("新規作成"), QStringLiteral("回転")}));
    std::function<QString(int, int)> expected = &ReplaceRotateTest::pattern;
    if (steps == 18) {
        // New (x, y) takes old (130 - y, x - 30); columns 0..29 and 130..159 become 0.
        QCOMPARE(w().design().cell(30, 0), pattern(130, 0));
        expected = [](int x, int y) { return x >= 30 && x < 130 ? pattern(130 - y, x - 30) : QStringLiteral("0"); };
    } else if (steps == 36) {
        // New (x, y) takes old (160 - x, 100 - y); column 0 and row 0 become 0.
        QCOMPARE(w().design().cell(1, 1), pattern(159, 99));
        expected = [](int x, int y) { return x > 0 && y > 0 ? pattern(160 - x, 100 - y) : QStringLiteral("0"); };
    }
    const QString diff = firstDifference(expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void ReplaceRotateTest::angleWraps()
{
    RotateMoveWindow *rm = openRotateMove();
    QVERIFY(rm);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("0ﾟ"));
    QTest::mouseClick(rm->angleDownButton(), Qt::LeftButton);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("350ﾟ"));
    QCOMPARE(rm->angle(), 350);
    QTest::mouseClick(rm->angleUpButton(), Qt::LeftButton);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("0ﾟ"));
    QTest::mouseClick(rm->angleDownButton(), Qt::LeftButton);
    QTest::mouseClick(rm->angleDownButton(), Qt::LeftButton);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("345ﾟ"));
    // 0..350 are 71 positions: 71 steps come back to where they started.
    for (int i = 0; i < 71; ++i)
        QTest::mouseClick(rm->angleUpButton(), Qt::LeftButton);
    QCOMPARE(rm->angle(), 345);
}

void ReplaceRotateTest::angleAndPlacePersist()
{
    RotateMoveWindow *rm = openRotateMove();
    QVERIFY(rm);
    QCOMPARE(rm->windowTitle(), QStringLiteral("回転・移動"));
    QCOMPARE(rm->pos(), QPoint(3, 135));
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(rm->angleUpButton(), Qt::LeftButton);
    rm->move(40, 200);
    // Only one window: the command does nothing while it is open.
    w().commands().action(Command::RotateMove)->trigger();
    QCOMPARE(w().rotateMoveWindow(), rm);
    QVERIFY(rm->close());
    QTRY_VERIFY(!w().rotateMoveWindow());
    const SettingsStore store(AppPaths::dataFile());
    QCOMPARE(store.readInteger(QStringLiteral("move"), QStringLiteral("shita"), -1), 45);
    QCOMPARE(store.readInteger(QStringLiteral("move"), QStringLiteral("left"), -1), 40);
    QCOMPARE(store.readInteger(QStringLiteral("move"), QStringLiteral("top"), -1), 200);

    rm = openRotateMove();
    QVERIFY(rm);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("45ﾟ"));
    QCOMPARE(rm->pos(), QPoint(40, 200));
    QTest::mouseClick(rm->angleUpButton(), Qt::LeftButton);
    // Closing the main window closes this one, which keeps its angle.
    QVERIFY(f.close());
    f.stop();
    f.start();
    rm = openRotateMove();
    QVERIFY(rm);
    QCOMPARE(rm->angleLabel()->text(), QStringLiteral("50ﾟ"));
    QCOMPARE(rm->pos(), QPoint(40, 200));
}

QTEST_MAIN(ReplaceRotateTest)
#include "ReplaceRotateTest.moc"
