#include "WindowFixture.h"

#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/palette/PaletteEditor.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
QRgb oldColour(int n) { return qRgb(n * 15, 7, 200); }
const QRgb kPicture = qRgb(30, 60, 90);
const QRgb kRed = qRgb(255, 0, 0);

QPoint middle(QWidget *w) { return w->rect().center(); }

// Per entry: '.' for its old tile, 'p' for the test picture, 'r' for red, '?' otherwise.
QString tiles(const Design &design)
{
    QString out;
    for (int n = 0; n < 16; ++n) {
        const QRgb c = design.entry(n).pixel(4, 3);
        out += c == oldColour(n) ? u'.' : c == kPicture ? u'p' : c == kRed ? u'r' : u'?';
    }
    return out;
}
} // namespace

// The palette editor on the real main window: each control reaches the
// design's palette, and the window shows what the design then holds.
class PaletteEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void arrowsWrap_data();
    void arrowsWrap();
    void openSettings_data();
    void openSettings();
    void autoCreate_data();
    void autoCreate();
    void colourChooserStartsAtLastConfirmed();
    void renameAndClear();
    void f1AsksForItsTopic();
    void paintedSwatchReachesPictureAfterClose();

private:
    MainWindow &w() { return *f.window; }
    Design &design() { return w().design(); }
    QStringList designNames()
    {
        QStringList out;
        for (const PaletteEntry &e : design().palette())
            out << e.name();
        return out;
    }
    QStringList listNames()
    {
        QStringList out;
        for (int i = 0; i < m_editor->list()->count(); ++i)
            out << m_editor->list()->item(i)->text();
        return out;
    }
    void pick(int number)
    {
        QListWidget *list = m_editor->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(number)).center());
        QCOMPARE(m_editor->selected(), number);
    }
    // Picture i of names is a solid 5 x 4 of kPicture; a name ending in "!" gets bytes that are no picture.
    void writePictures(const QStringList &names)
    {
        for (const QString &name : names) {
            QDir().mkpath(QFileInfo(f.scratch->file(name)).path());
            if (name.endsWith(u'!')) {
                f.scratch->write(name.chopped(1), "BM not really");
                continue;
            }
            QImage image(5, 4, QImage::Format_RGB32);
            image.fill(kPicture);
            QVERIFY(image.save(f.scratch->file(name), "BMP"));
        }
    }
    // The window shows the entry the design holds.
    void checkShown(int number)
    {
        QCOMPARE(m_editor->selected(), number);
        QCOMPARE(m_editor->list()->currentRow(), number);
        QCOMPARE(m_editor->numberLabel()->text(), CellGrid::digit(number) + u':');
        QCOMPARE(m_editor->nameField()->text(), design().entry(number).name());
        QCOMPARE(listNames(), designNames());
        const QImage swatch = m_editor->swatch(9)->grab().toImage();
        QCOMPARE(swatch.pixel(20, 20), design().entry(number).pixel(4, 1));
    }

    WindowFixture f;
    std::unique_ptr<PaletteEditor> m_editor;
};

void PaletteEditorTest::init()
{
    f.start();
    Palette p;
    for (int n = 0; n < 16; ++n) {
        p[n].fill(oldColour(n));
        p[n].setName(QStringLiteral("old%1").arg(n));
    }
    design().setPalette(p);
    w().editor().changeSetting(true);
    m_editor = std::make_unique<PaletteEditor>(w().editor(), &w());
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void PaletteEditorTest::cleanup()
{
    m_editor.reset();
    f = WindowFixture();
}

void PaletteEditorTest::arrowsWrap_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("target");
    QTest::newRow("upper at 0 goes to F") << 0 << true << 15;
    QTest::newRow("lower at F goes to 0") << 15 << false << 0;
}

// The two entries trade places; the cells keep their numbers and nothing is recorded.
void PaletteEditorTest::arrowsWrap()
{
    QFETCH(int, selected);
    QFETCH(bool, upper);
    QFETCH(int, target);
    design().setCell(3, 2, QStringLiteral("F"));
    const QStringList cells = cellsOf(design());
    const QStringList history = w().history().names();
    if (selected != 0)
        pick(selected);
    QTest::mouseClick(upper ? m_editor->upperArrow() : m_editor->lowerArrow(), Qt::LeftButton);
    QCOMPARE(design().entry(target).name(), QStringLiteral("old%1").arg(selected));
    QCOMPARE(design().entry(target).pixel(0, 0), oldColour(selected));
    QCOMPARE(design().entry(selected).name(), QStringLiteral("old%1").arg(target));
    QCOMPARE(design().entry(selected).pixel(0, 0), oldColour(target));
    checkShown(target);
    QCOMPARE(cellsOf(design()), cells);
    QCOMPARE(w().history().names(), history);
}

void PaletteEditorTest::openSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("tiles");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("shown"); // caption and text of the message, or empty

    const QString empty = QStringLiteral("|").repeated(15);
    const QString stopAt0 = QString::fromUtf8("エラー: ファイル\"0.bmp\"の読み込みに失敗しました。");
    QByteArray designFile = "tsfile,1,1\r\n";
    for (int n = 0; n < 16; ++n)
        designFile += QByteArray("clRed,").repeated(20) + "Red\r\n";
    designFile += "0\r\n";

    QTest::newRow("only n3, no bitmaps: names replaced, stop at 0")
        << "p.ini" << QString::fromUtf8("[name]\nn3=赤\n").toUtf8() << QStringList{} << QString(16, u'.')
        << QString::fromUtf8("|||赤") + QStringLiteral("|").repeated(12) << stopAt0;
    QTest::newRow(".TSL is a settings file") << "p.TSL" << designFile << QStringList{} << QString(16, u'.') << empty
                                             << stopAt0;
    QTest::newRow(".tsl: its palette lines") << "p.tsl" << designFile << QStringList{} << QString(16, u'r')
                                             << QStringList(16, QStringLiteral("Red")).join(u'|') << QString();
    QTest::newRow("a bad bitmap: the general error box, earlier tiles kept")
        << "p.ini" << QByteArray("[name]\nn0=x\n") << QStringList{"0.bmp", "1.bmp!"} << "p..............."
        << "x" + empty << QString::fromUtf8("Tessell: ビットマップイメージが不正です.");
}

void PaletteEditorTest::openSettings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, pictures);
    QFETCH(QString, tiles);
    QFETCH(QString, names);
    QFETCH(QString, shown);
    writePictures(pictures);
    const QStringList cells = cellsOf(design());
    pick(5);
    f.prompter->fileNames.enqueue(f.scratch->write(name, bytes));
    QTest::mouseClick(m_editor->openButton(), Qt::LeftButton);

    QCOMPARE(f.prompter->unexpected, 0);
    QStringList messages;
    for (const auto &s : f.prompter->shown)
        if (s.kind == ScriptedPrompter::Kind::Message)
            messages << s.caption + QStringLiteral(": ") + s.text;
    QCOMPARE(messages, shown.isEmpty() ? QStringList() : QStringList{shown});
    QCOMPARE(::tiles(design()), tiles);
    QCOMPARE(designNames().join(u'|'), names);
    checkShown(0);
    QCOMPARE(cellsOf(design()), cells);
}

void PaletteEditorTest::autoCreate_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("tiles");
    QTest::newRow("three: entries 1 to 3") << 3 << ".ppp............";
    QTest::newRow("twenty: the first fifteen") << 20 << ".ppppppppppppppp";
    QTest::newRow("folder chooser cancelled") << 0 << QString(16, u'.');
}

void PaletteEditorTest::autoCreate()
{
    QFETCH(int, files);
    QFETCH(QString, tiles);
    QStringList pictures;
    for (int i = 1; i <= files; ++i)
        pictures << QStringLiteral("pics/p%1.bmp").arg(i);
    writePictures(pictures);
    pick(4);
    f.prompter->folders.enqueue(files ? f.scratch->file("pics") : QString());
    QTest::mouseClick(m_editor->autoCreateButton(), Qt::LeftButton);

    QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Folder), QStringList{QString::fromUtf8("フォルダを選択してください。")});
    QCOMPARE(::tiles(design()), tiles);
    for (int n = 0; n < 16; ++n)
        QCOMPARE(design().entry(n).name(),
                 n >= 1 && n <= qMin(files, 15) ? QStringLiteral("p%1").arg(n) : QStringLiteral("old%1").arg(n));
    if (files)
        checkShown(0);
    else
        checkShown(4);
}

// The chooser starts black, then at the colour last confirmed, not the current one.
void PaletteEditorTest::colourChooserStartsAtLastConfirmed()
{
    const QRgb chosen = qRgb(10, 20, 30);
    f.prompter->colours << chosen << std::nullopt;
    QTest::mouseClick(m_editor->colourSwatch(), Qt::LeftButton, {}, middle(m_editor->colourSwatch()));
    QCOMPARE(m_editor->currentColour(), chosen);
    // Bottom row, third patch: red.
    QTest::mouseClick(m_editor->colourStrip(), Qt::LeftButton, {}, QPoint(2 * 9 + 4, 9 + 4));
    QCOMPARE(m_editor->currentColour(), kRed);
    QTest::mouseClick(m_editor->colourSwatch(), Qt::LeftButton, {}, middle(m_editor->colourSwatch()));
    QCOMPARE(m_editor->currentColour(), kRed);
    QCOMPARE(f.prompter->colourStarts, (QList<QRgb>{qRgb(0, 0, 0), chosen}));
    QCOMPARE(m_editor->colourSwatch()->grab().toImage().pixel(12, 12), kRed);
}

void PaletteEditorTest::renameAndClear()
{
    pick(5);
    QLineEdit *field = m_editor->nameField();
    field->selectAll();
    // Japanese text arrives committed by the input method.
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("青い"));
    QApplication::sendEvent(field, &commit);
    QCOMPARE(design().entry(5).name(), QString::fromUtf8("青い"));
    QCOMPARE(m_editor->list()->item(5)->text(), QString::fromUtf8("青い"));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(design().entry(5).name(), QString());
    QCOMPARE(m_editor->list()->item(5)->text(), QString());
    QCOMPARE(design().entry(4).name(), QStringLiteral("old4"));
}

// F1 asks the opener for the window's topic; the main window's own help stays out.
void PaletteEditorTest::f1AsksForItsTopic()
{
    QSignalSpy asked(m_editor.get(), &PaletteEditor::helpRequested);
    QSignalSpy mainHelp(w().commands().action(Command::Help), &QAction::triggered);
    QTest::keyClick(m_editor->nameField(), Qt::Key_F1);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.first().first().toInt(), 3100);
    QCOMPARE(mainHelp.count(), 0);
}

// Through the menu command: the swatch changes the design at once, and once the
// window is closed the picture and the palette bar show the new tile and name.
void PaletteEditorTest::paintedSwatchReachesPictureAfterClose()
{
    m_editor.reset();
    // Cell (0, 0) holds 0: tile pixel 7 is picture pixel (2, 1).
    QCOMPARE(w().editor().pictureView()->image().pixel(2, 1), oldColour(0));
    QRgb duringEdit = 0;
    bool wasModal = false;
    whenModal([&](QWidget *dialog) {
        auto *editor = qobject_cast<PaletteEditor *>(dialog);
        if (editor) {
            wasModal = true;
            QTest::mouseClick(editor->colourStrip(), Qt::LeftButton, {}, QPoint(2 * 9 + 4, 9 + 4));
            QTest::mouseClick(editor->swatch(7), Qt::RightButton, {}, middle(editor->swatch(7)));
            duringEdit = design().entry(0).pixel(2, 1);
            editor->nameField()->selectAll();
            QTest::keyClicks(editor->nameField(), QStringLiteral("rot"));
            QTest::mouseClick(editor->closeButton(), Qt::LeftButton);
        } else {
            dialog->close();
        }
    });
    w().commands().action(Command::PaletteEditor)->trigger();
    QVERIFY(wasModal);
    QCOMPARE(duringEdit, kRed);
    QCOMPARE(design().entry(0).pixel(2, 1), kRed);
    QCOMPARE(design().entry(0).pixel(3, 1), oldColour(0));
    QCOMPARE(w().editor().pictureView()->image().pixel(2, 1), kRed);
    QCOMPARE(w().editor().paletteBar()->button(0)->toolTip(), QStringLiteral("rot"));
    QCOMPARE(w().history().names(), QStringList{QString::fromUtf8("新規作成")});
    QVERIFY(!design().isModified());
}

QTEST_MAIN(PaletteEditorTest)
#include "PaletteEditorTest.moc"
