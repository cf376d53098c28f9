#include "WindowFixture.h"

#include "core/document/DesignFile.h"
#include "core/document/TextFile.h"
#include "core/settings/SettingsStore.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/WrapSpinField.h"

#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

// New, Open, Save, the unsaved-changes question, closing and dropped files.
class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void newCancelledLeavesNoHistoryEntry();
    void newTakesTheSizeTyped_data();
    void newTakesTheSizeTyped();
    void sizeOutOfRangeIsRefused_data();
    void sizeOutOfRangeIsRefused();
    void spinButtonsWrap();
    void openAndSaveThroughThePrompter();
    void saveAsAddsExtensionAndAsksBeforeOverwriting();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void openAsksFirstAndStopsOnCancel();
    void droppedFiles_data();
    void droppedFiles();
    void unreadableFileLeavesDesign();
    void shortArrangementCountsAsUnchanged();
    void placeFollowsTheCellItNames_data();
    void placeFollowsTheCellItNames();
    void dialogsStartInTheLastFolder();
    void recentFilesInTheFileMenu();

private:
    MainWindow &w() { return *f.window; }
    // Paints cell (1, 1) with number 6.
    void modify()
    {
        QTest::mouseClick(w().editor().paletteBar()->button(6), Qt::LeftButton);
        QTest::mouseClick(w().editor().pictureView(), Qt::LeftButton, {}, QPoint(8, 7));
        QVERIFY(w().design().isModified());
    }
    QString designFile(const QString &name, const QString &cell)
    {
        Design d;
        d.setCell(0, 0, cell);
        const QString path = f.scratch->file(name);
        DesignFile::write(d, path);
        return path;
    }
    // Clicks "初期設定" and lets dialogAction handle the size dialog.
    void newWith(const std::function<void(SizeDialog *)> &dialogAction)
    {
        bool seen = false;
        whenModal([&](QWidget *dialog) {
            seen = true;
            dialogAction(qobject_cast<SizeDialog *>(dialog));
        });
        QTest::mouseClick(w().commands().button(Command::New), Qt::LeftButton);
        QVERIFY(seen);
    }
    WindowFixture f;
};

void FileCommandsTest::newCancelledLeavesNoHistoryEntry()
{
    w().design().setCell(3, 3, QStringLiteral("4"));
    w().design().changeFirstContent();
    newWith([](SizeDialog *d) {
        QVERIFY(d);
        clickButton(d, QStringLiteral("cancelButton"));
    });
    QCOMPARE(w().design().cell(3, 3), QStringLiteral("4"));
    QVERIFY(w().history().names().isEmpty());
    QVERIFY(!w().commands().button(Command::Undo)->isEnabled());
    QVERIFY(!w().commands().button(Command::Redo)->isEnabled());
    // The next entry recorded becomes entry 0.
    QTest::mouseClick(w().editor().pictureView(), Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("ペンツール")});
    QCOMPARE(w().history().currentIndex(), 0);
}

void FileCommandsTest::newTakesTheSizeTyped_data()
{
    QTest::addColumn<QString>("columnsText");
    QTest::addColumn<QString>("rowsText");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("numbers") << "12" << "7" << 12 << 7;
    QTest::newRow("letters are 160 and 100") << "abc" << "xy" << 160 << 100;
    QTest::newRow("empty") << "" << "" << 160 << 100;
    QTest::newRow("edges") << "1" << "100" << 1 << 100;
}

void FileCommandsTest::newTakesTheSizeTyped()
{
    QFETCH(QString, columnsText);
    QFETCH(QString, rowsText);
    QFETCH(int, columns);
    QFETCH(int, rows);
    newWith([&](SizeDialog *d) {
        QVERIFY(d);
        QCOMPARE(d->columnsField()->text(), QStringLiteral("160"));
        d->columnsField()->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(d->columnsField()->findChild<QLineEdit *>(), columnsText);
        if (columnsText.isEmpty())
            QTest::keyClick(d->columnsField()->findChild<QLineEdit *>(), Qt::Key_Delete);
        d->rowsField()->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(d->rowsField()->findChild<QLineEdit *>(), rowsText);
        if (rowsText.isEmpty())
            QTest::keyClick(d->rowsField()->findChild<QLineEdit *>(), Qt::Key_Delete);
        clickButton(d, QStringLiteral("okButton"));
    });
    QCOMPARE(w().design().columns(), columns);
    QCOMPARE(w().design().rows(), rows);
    QCOMPARE(w().editor().pictureView()->size(), QSize(6 * columns - 1, 5 * rows - 1));
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("新規作成")});
    QCOMPARE(w().settings().readString(QStringLiteral("new"), QStringLiteral("horizon")), QString::number(columns));
    QCOMPARE(w().settings().readString(QStringLiteral("new"), QStringLiteral("vertical")), QString::number(rows));
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell"));
    QCOMPARE(f.prompter->shown.size(), 0);
}

void FileCommandsTest::sizeOutOfRangeIsRefused_data()
{
    QTest::addColumn<QString>("columnsText");
    QTest::addColumn<QString>("rowsText");
    QTest::addColumn<QString>("message");
    QTest::newRow("161 columns") << "161" << "100" << QStringLiteral("列数は1～160までの数値を入力してください。");
    QTest::newRow("0 columns") << "0" << "5" << QStringLiteral("列数は1～160までの数値を入力してください。");
    QTest::newRow("101 rows") << "20" << "101" << QStringLiteral("行数は1～100までの数値を入力してください。");
    QTest::newRow("negative rows") << "20" << "-3" << QStringLiteral("行数は1～100までの数値を入力してください。");
}

void FileCommandsTest::sizeOutOfRangeIsRefused()
{
    QFETCH(QString, columnsText);
    QFETCH(QString, rowsText);
    QFETCH(QString, message);
    bool stayedOpen = false;
    newWith([&](SizeDialog *d) {
        QVERIFY(d);
        d->columnsField()->setText(columnsText);
        d->rowsField()->setText(rowsText);
        clickButton(d, QStringLiteral("okButton"));
        stayedOpen = d->isVisible();
        clickButton(d, QStringLiteral("cancelButton"));
    });
    QVERIFY(stayedOpen);
    QCOMPARE(f.prompter->texts(), QStringList{message});
    QCOMPARE(f.prompter->shown.first().caption, QStringLiteral("エラー"));
    QCOMPARE(w().design().columns(), 160);
    // The refused number is not kept for the next time.
    const SettingsStore store(AppPaths::dataFile());
    const int c = store.readString(QStringLiteral("new"), QStringLiteral("horizon"), QStringLiteral("160")).toInt();
    const int r = store.readString(QStringLiteral("new"), QStringLiteral("vertical"), QStringLiteral("100")).toInt();
    QVERIFY(c >= 1 && c <= 160);
    QVERIFY(r >= 1 && r <= 100);
}

void FileCommandsTest::spinButtonsWrap()
{
    newWith([](SizeDialog *d) {
        QVERIFY(d);
        d->columnsField()->setFocus();
        d->columnsField()->setText(QStringLiteral("160"));
        QTest::keyClick(d->columnsField(), Qt::Key_Up);
        QCOMPARE(d->columnsField()->text(), QStringLiteral("1"));
        QTest::keyClick(d->columnsField(), Qt::Key_Down);
        QCOMPARE(d->columnsField()->text(), QStringLiteral("160"));
        d->rowsField()->setFocus();
        d->rowsField()->setText(QStringLiteral("1"));
        QTest::keyClick(d->rowsField(), Qt::Key_Down);
        QCOMPARE(d->rowsField()->text(), QStringLiteral("100"));
        // Typing stops at three characters.
        d->rowsField()->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(d->rowsField()->findChild<QLineEdit *>(), QStringLiteral("12345"));
        QCOMPARE(d->rowsField()->text(), QStringLiteral("123"));
        clickButton(d, QStringLiteral("cancelButton"));
    });
}

void FileCommandsTest::openAndSaveThroughThePrompter()
{
    const QString path = designFile(QStringLiteral("a.tsl"), QStringLiteral("C"));
    f.prompter->fileNames.enqueue(path);
    QTest::mouseClick(w().commands().button(Command::Open), Qt::LeftButton);
    const auto &dialog = f.prompter->shown.last();
    QCOMPARE(dialog.kind, Kind::OpenFile);
    QCOMPARE(dialog.caption, QStringLiteral("ファイルを開く"));
    QCOMPARE(dialog.filters.size(), 2);
    QCOMPARE(dialog.filters[0].label, QStringLiteral("Tessell ファイル(*.tsl)"));
    QCOMPARE(dialog.filters[1].label, QStringLiteral("全てのファイル(*.*)"));
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("C"));
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell - [%1]").arg(path));
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("ファイルを開く")});
    QCOMPARE(w().editor().countBar()->counts()[12], 1);

    modify();
    QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w().history().names(), QStringList{QStringLiteral("保存")});
    QVERIFY(!w().design().isModified());
    const QStringList lines = TextFile::readLines(path);
    QCOMPARE(lines.size(), 117);
    QVERIFY(lines[18].startsWith(QStringLiteral("0,6,0")));
    QCOMPARE(f.prompter->unexpected, 0);
}

void FileCommandsTest::saveAsAddsExtensionAndAsksBeforeOverwriting()
{
    const QString existing = designFile(QStringLiteral("old.tsl"), QStringLiteral("1"));
    modify();
    // First the name of an existing file (typed without extension), refused; then a new one.
    f.prompter->fileNames << f.scratch->file(QStringLiteral("old")) << f.scratch->file(QStringLiteral("new"));
    f.prompter->answers << Answer::No;
    w().commands().action(Command::SaveAs)->trigger();
    QCOMPARE(f.prompter->shown[0].caption, QStringLiteral("配列の保存"));
    QCOMPARE(f.prompter->shown[0].filters[1].label, QStringLiteral("すべてのファイル (*.*)"));
    QCOMPARE(f.prompter->shown[1].kind, Kind::Question);
    QVERIFY(f.prompter->shown[1].text.contains(existing));
    QCOMPARE(TextFile::readLines(existing)[17].left(1), QStringLiteral("1"));
    const QString written = f.scratch->file(QStringLiteral("new.tsl"));
    QCOMPARE(w().design().fileName(), written);
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell - [%1]").arg(written));
    QVERIFY(QFileInfo::exists(written));

    // Yes overwrites.
    f.prompter->fileNames << existing;
    f.prompter->answers << Answer::Yes;
    w().commands().action(Command::SaveAs)->trigger();
    QCOMPARE(TextFile::readLines(existing)[17].left(1), QStringLiteral("0"));
    QCOMPARE(w().design().fileName(), existing);
    QCOMPARE(f.prompter->unexpected, 0);
}

void FileCommandsTest::unsavedChangesQuestion_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer; empty cancels
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes, saved") << QList<Answer>{Answer::Yes} << QStringLiteral("saved.tsl") << true << true;
    QTest::newRow("yes, save dialog cancelled") << QList<Answer>{Answer::Yes} << QString() << false << false;
    QTest::newRow("no") << QList<Answer>{Answer::No} << QString() << true << false;
    QTest::newRow("cancel") << QList<Answer>{Answer::Cancel} << QString() << false << false;
}

void FileCommandsTest::unsavedChangesQuestion()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    modify();
    for (Answer a : answers)
        f.prompter->answers << a;
    const bool asksSave = answers.first() == Answer::Yes;
    if (asksSave)
        f.prompter->fileNames << (saveAs.isEmpty() ? QString() : f.scratch->file(saveAs));

    QCOMPARE(f.close(), closes);
    const auto &q = f.prompter->shown.first();
    QCOMPARE(q.kind, Kind::Question);
    QCOMPARE(q.text, QStringLiteral("ファイルが変更されています。\n保存しますか？"));
    QCOMPARE(q.icon, Prompter::Icon::Warning);
    QCOMPARE(q.buttons, (QList<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
    QCOMPARE(f.prompter->unexpected, 0);
    QCOMPARE(w().isVisible(), !closes);
    QCOMPARE(QFileInfo::exists(f.scratch->file(QStringLiteral("saved.tsl"))), written);
    // The design is intact while the window stays; closing clears the history folder.
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("6"));
    QCOMPARE(QDir(f.historyDir()).isEmpty(), closes);
    QCOMPARE(QFileInfo::exists(AppPaths::dataFile()), closes);
}

void FileCommandsTest::openAsksFirstAndStopsOnCancel()
{
    const QString path = designFile(QStringLiteral("b.tsl"), QStringLiteral("D"));
    modify();
    f.prompter->answers << Answer::Yes;
    f.prompter->fileNames << QString(); // the save dialog: cancelled
    QTest::keyClick(&w(), Qt::Key_O, Qt::ControlModifier);
    // Saving did not happen, so Open stopped before its dialog.
    QCOMPARE(f.prompter->texts(Kind::OpenFile).size(), 0);
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("6"));
    QVERIFY(w().design().isModified());
    QCOMPARE(w().design().cell(0, 0), QStringLiteral("0"));
    QCOMPARE(f.prompter->unexpected, 0);
    Q_UNUSED(path)
}

void FileCommandsTest::droppedFiles_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("opened");
    QTest::newRow("unchanged design") << false << QList<Answer>{} << true;
    QTest::newRow("changed, no") << true << QList<Answer>{Answer::No} << true;
    QTest::newRow("changed, cancel") << true << QList<Answer>{Answer::Cancel} << false;
}

void FileCommandsTest::droppedFiles()
{
    QFETCH(bool, modified);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, opened);
    const QString first = designFile(QStringLiteral("first.tsl"), QStringLiteral("A"));
    const QString second = designFile(QStringLiteral("second.tsl"), QStringLiteral("B"));
    const QString third = designFile(QStringLiteral("third.tsl"), QStringLiteral("E"));
    if (modified)
        modify();
    f.prompter->answers << answers;

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl::fromLocalFile(third)});
    const QPoint at(500, 300);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(f.prompter->shown.size(), answers.size());
    QTRY_COMPARE(w().design().cell(0, 0), opened ? QStringLiteral("A") : QStringLiteral("0"));
    QCOMPARE(w().design().fileName(), opened ? first : QString());
    QCOMPARE(f.prompter->unexpected, 0);
    QCOMPARE(w().design().cell(1, 1), modified && !opened ? QStringLiteral("6") : QStringLiteral("0"));
}

void FileCommandsTest::unreadableFileLeavesDesign()
{
    modify();
    const QString bad = f.scratch->write(QStringLiteral("bad.tsl"), "TSFILE,160,100\r\n");
    f.prompter->answers << Answer::No;
    f.prompter->fileNames << bad << f.scratch->file(QStringLiteral("missing.tsl"));
    QTest::keyClick(&w(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.prompter->shown.last().text, QStringLiteral("ファイルを読み込めません。"));
    QCOMPARE(f.prompter->shown.last().caption, QStringLiteral("Tessell"));
    QCOMPARE(w().design().cell(1, 1), QStringLiteral("6"));
    QCOMPARE(w().statusText(), QStringLiteral("作業可能"));
    QCOMPARE(w().windowTitle(), QStringLiteral("Tessell"));
    QCOMPARE(w().history().names().size(), 2);

    f.prompter->answers << Answer::No;
    QTest::keyClick(&w(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.prompter->shown.last().text,
             QStringLiteral("ファイル %1 は開けません.").arg(f.scratch->file(QStringLiteral("missing.tsl"))));
    QCOMPARE(w().design().fileName(), QString());
}

// The rows an arrangement leaves out become "0" at the refresh; the import
// itself counts as unchanged, so nothing asks about saving afterwards.
void FileCommandsTest::shortArrangementCountsAsUnchanged()
{
    f.prompter->fileNames << f.scratch->write(QStringLiteral("short.csv"), "1,2\r\n3\r\n");
    w().commands().action(Command::Import)->trigger();
    QCOMPARE(w().design().cell(1, 0), QStringLiteral("2"));
    QCOMPARE(w().design().cell(5, 5), QStringLiteral("0"));
    QVERIFY(!w().design().isModified());
    newWith([](SizeDialog *dialog) { dialog->reject(); });
    QCOMPARE(f.prompter->texts(Kind::Question), QStringList());
    QCOMPARE(f.prompter->unexpected, 0);
}

void FileCommandsTest::placeFollowsTheCellItNames_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("open") << "open";
    QTest::newRow("import") << "import";
    QTest::newRow("typing") << "typing";
}

// The place indicator names a cell with its content; when that content
// changes by any way, the indicator shows the new one.
void FileCommandsTest::placeFollowsTheCellItNames()
{
    QFETCH(QString, how);
    // Two moves: a move to where the pointer already is would not reach the picture.
    QTest::mouseMove(w().editor().pictureView(), QPoint(1, 1));
    QTest::mouseMove(w().editor().pictureView(), QPoint(6 * 2 + 2, 5 * 3 + 2));
    QCOMPARE(w().placeText(), QStringLiteral("3列-4行:0"));
    if (how == QLatin1String("open")) {
        Design d;
        d.setCell(2, 3, QStringLiteral("B"));
        f.prompter->fileNames << f.scratch->file(QStringLiteral("b.tsl"));
        DesignFile::write(d, f.prompter->fileNames.head());
        w().commands().action(Command::Open)->trigger();
    } else if (how == QLatin1String("import")) {
        f.prompter->fileNames << f.scratch->write(QStringLiteral("b.csv"), "0\r\n0\r\n0\r\n0,0,B\r\n");
        w().commands().action(Command::Import)->trigger();
    } else {
        QTest::mouseClick(w().commands().button(Command::ToggleView), Qt::LeftButton);
        w().editor().numberView()->setCurrentCell(QPoint(2, 3));
        QTest::keyClick(w().editor().numberView(), Qt::Key_B);
    }
    QCOMPARE(w().design().cell(2, 3), QStringLiteral("B"));
    QCOMPARE(w().placeText(), QStringLiteral("3列-4行:B"));
}

// Open, import and save start in the folder of the design, else in the one
// last used (kept from one run to the next), else in the documents folder.
void FileCommandsTest::dialogsStartInTheLastFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto lastStart = [this] { return f.prompter->shown.last().startFolder; };
    f.prompter->fileNames << QString();
    w().commands().action(Command::Open)->trigger();
    QCOMPARE(lastStart(), documents);

    QDir(f.scratch->path()).mkdir(QStringLiteral("murals"));
    const QString path = designFile(QStringLiteral("murals/a.tsl"), QStringLiteral("1"));
    f.prompter->fileNames << path;
    w().commands().action(Command::Open)->trigger();
    const QString folder = QFileInfo(path).absolutePath();
    f.prompter->fileNames << QString();
    w().commands().action(Command::SaveAs)->trigger();
    QCOMPARE(lastStart(), folder);

    // A new design has no folder of its own: the last one used.
    newWith([](SizeDialog *dialog) { dialog->accept(); });
    f.prompter->fileNames << QString();
    w().commands().action(Command::Import)->trigger();
    QCOMPARE(lastStart(), folder);

    f.stop();
    f.start();
    f.prompter->fileNames << QString();
    w().commands().action(Command::Open)->trigger();
    QCOMPARE(lastStart(), folder);
}

// The last eight designs opened or saved, newest first; a vanished one is
// taken off the list when picked; the unsaved-changes question comes first.
void FileCommandsTest::recentFilesInTheFileMenu()
{
    // The list changes at once, the menu unopened: an empty list disables it,
    // and a disabled menu never opens to refill.
    f.prompter->fileNames << f.scratch->file(QStringLiteral("saved.tsl"));
    QVERIFY(!w().files().recentMenu()->isEnabled());
    w().commands().action(Command::SaveAs)->trigger();
    QVERIFY(w().files().recentMenu()->isEnabled() && w().files().recentMenu()->actions().size() == 1);
    QStringList paths;
    for (int i = 0; i < 9; ++i) {
        paths << designFile(QStringLiteral("d%1.tsl").arg(i), CellGrid::digit(i));
        QVERIFY(w().files().fileOpen(paths.last()));
    }
    QMenu *menu = w().files().recentMenu();
    const auto shown = [menu] {
        QStringList tips;
        for (QAction *a : menu->actions())
            tips << a->toolTip();
        return tips;
    };
    QStringList expected;
    for (int i = 8; i >= 1; --i)
        expected << paths[i];
    QCOMPARE(shown(), expected);

    // Picking one asks about the unsaved change first; "Cancel" leaves everything.
    modify();
    f.prompter->answers << Answer::Cancel;
    menu->actions().at(3)->trigger();
    QCOMPARE(w().design().fileName(), paths[8]);
    f.prompter->answers << Answer::No;
    menu->actions().at(3)->trigger();
    QCOMPARE(w().design().fileName(), paths[5]);
    QCOMPARE(shown().first(), paths[5]);

    QFile::remove(paths[7]);
    menu->actions().at(2)->trigger();
    QCOMPARE(f.prompter->shown.last().text, QStringLiteral("ファイル %1 は開けません.").arg(paths[7]));
    QCOMPARE(w().design().fileName(), paths[5]);
    QVERIFY(!shown().contains(paths[7]));
    QCOMPARE(f.prompter->unexpected, 0);
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
