#include "WindowFixture.h"

#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/palette/PaletteEditor.h"
#include "ui/shell/HelpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
QRgb oldColour(int n) { return qRgb(n * 15, 7, 200); }
const QRgb kPicture = qRgb(30, 60, 90);

// Per entry: '.' for its old tile, 'p' for the test picture, '?' otherwise.
QString tiles(const Design &design)
{
    QString out;
    for (int n = 0; n < 16; ++n) {
        const QRgb c = design.entry(n).pixel(4, 3);
        out += c == oldColour(n) ? u'.' : c == kPicture ? u'p' : u'?';
    }
    return out;
}
QStringList names(const Design &design)
{
    QStringList out;
    for (const PaletteEntry &e : design.palette())
        out << e.name();
    return out;
}
} // namespace

// The palette editor on the real main window: each control reaches the
// design's palette, and the window shows what the design then holds.
class PaletteEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        m_editor.reset();
        f = WindowFixture();
    }
    void arrowsWrap_data();
    void arrowsWrap();
    void openSettings_data();
    void openSettings();
    void autoCreate_data();
    void autoCreate();
    void clearingTheName();
    void paintedSwatchReachesPictureAfterClose();

private:
    MainWindow &w() { return *f.window; }
    Design &design() { return w().design(); }
    void pick(int number)
    {
        QListWidget *list = m_editor->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(number)).center());
        QCOMPARE(m_editor->selected(), number);
    }
    // The window shows what the design holds for the entry.
    void checkShown(int number)
    {
        QCOMPARE(m_editor->selected(), number);
        QCOMPARE(m_editor->list()->currentRow(), number);
        QCOMPARE(m_editor->numberLabel()->text(), CellGrid::digit(number) + u':');
        QCOMPARE(m_editor->nameField()->text(), design().entry(number).name());
        QStringList listed;
        for (int i = 0; i < m_editor->list()->count(); ++i)
            listed << m_editor->list()->item(i)->text();
        QCOMPARE(listed, names(design()));
        QCOMPARE(m_editor->swatch(9)->grab().toImage().pixel(20, 20), design().entry(number).pixel(4, 1));
    }
    // Each a solid 5 x 4 of kPicture; a name ending in "!" gets bytes that are no picture.
    void writePictures(const QStringList &files)
    {
        for (const QString &name : files) {
            QDir().mkpath(QFileInfo(f.scratch->file(name)).path());
            QImage image(5, 4, QImage::Format_RGB32);
            image.fill(kPicture);
            if (name.endsWith(u'!'))
                f.scratch->write(name.chopped(1), "BM not really");
            else
                QVERIFY(image.save(f.scratch->file(name), "BMP"));
        }
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
    pick(selected);
    QTest::mouseClick(upper ? m_editor->upperArrow() : m_editor->lowerArrow(), Qt::LeftButton);
    QCOMPARE(design().entry(target).name(), QStringLiteral("old%1").arg(selected));
    QCOMPARE(design().entry(target).pixel(0, 0), oldColour(selected));
    QCOMPARE(design().entry(selected).name(), QStringLiteral("old%1").arg(target));
    QCOMPARE(design().entry(selected).pixel(0, 0), oldColour(target));
    checkShown(target);
    QCOMPARE(cellsOf(design()), cells);
    QCOMPARE(w().history().names().size(), 1);
}

void PaletteEditorTest::openSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QString>("tiles");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("shown"); // caption and text of the one message
    const QString stopAt0 = QString::fromUtf8("エラー: ファイル\"0.bmp\"の読み込みに失敗しました。");
    const QString empty = QStringLiteral("|").repeated(15);
    QTest::newRow("only n3, no bitmaps: names replaced, stop at 0")
        << "p.ini" << QString::fromUtf8("[name]\nn3=赤\n").toUtf8() << QStringList{} << QString(16, u'.')
        << QString::fromUtf8("|||赤") + QStringLiteral("|").repeated(12) << stopAt0;
    QByteArray designFile = "tsfile,1,1\r\n" + QByteArray("clRed,").repeated(20) + "Red\r\n";
    QTest::newRow(".TSL is a settings file") << "p.TSL" << designFile.repeated(16) << QStringList{}
                                             << QString(16, u'.') << empty << stopAt0;
    QTest::newRow("a bad bitmap: the general error box, earlier tiles kept")
        << "p.ini" << QByteArray("[name]\nn0=x\n") << QStringList{"0.bmp", "1.bmp!"} << "p..............."
        << "x" + empty << QString::fromUtf8("Tessell: ビットマップイメージが不正です.");
}

// Names and tiles loaded before a stop stay, and the list shows them.
void PaletteEditorTest::openSettings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, pictures);
    QFETCH(QString, tiles);
    QFETCH(QString, names);
    QFETCH(QString, shown);
    writePictures(pictures);
    pick(5);
    f.prompter->fileNames.enqueue(f.scratch->write(name, bytes));
    QTest::mouseClick(m_editor->openButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->unexpected, 0);
    QCOMPARE(f.prompter->shown.size(), 2);
    QCOMPARE(f.prompter->shown[1].caption + QStringLiteral(": ") + f.prompter->shown[1].text, shown);
    QCOMPARE(::tiles(design()), tiles);
    QCOMPARE(::names(design()).join(u'|'), names);
    checkShown(0);
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
    QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Folder),
             QStringList{QString::fromUtf8("フォルダを選択してください。")});
    QCOMPARE(::tiles(design()), tiles);
    for (int n = 0; n < 16; ++n)
        QCOMPARE(design().entry(n).name(),
                 QString::fromLatin1(n >= 1 && n <= qMin(files, 15) ? "p%1" : "old%1").arg(n));
    checkShown(files ? 0 : 4);
}

void PaletteEditorTest::clearingTheName()
{
    pick(5);
    m_editor->nameField()->selectAll();
    QTest::keyClick(m_editor->nameField(), Qt::Key_Backspace);
    QCOMPARE(design().entry(5).name(), QString());
    QCOMPARE(design().entry(4).name(), QStringLiteral("old4"));
    checkShown(5);
}

// Through the menu command: the chooser's colour painted with the right button
// changes the design at once; F1 shows the window's help page above it; once
// the window is closed the picture and the palette bar show the new tile and name.
void PaletteEditorTest::paintedSwatchReachesPictureAfterClose()
{
    m_editor.reset();
    const QRgb chosen = qRgb(250, 10, 20);
    f.prompter->colours << chosen;
    QRgb duringEdit = 0;
    QString helpPage;
    whenModal([&](QWidget *dialog) {
        if (auto *editor = qobject_cast<PaletteEditor *>(dialog)) {
            QTest::mouseClick(editor->colourSwatch(), Qt::LeftButton, {}, QPoint(12, 12));
            QTest::mouseClick(editor->swatch(7), Qt::RightButton, {}, QPoint(20, 20));
            duringEdit = design().entry(0).pixel(2, 1);
            editor->nameField()->selectAll();
            QTest::keyClicks(editor->nameField(), QStringLiteral("rot"));
            QTest::keyClick(editor, Qt::Key_F1);
            if (HelpWindow *help = w().helpWindow(); help && help->isVisible())
                helpPage = help->browser()->source().fileName();
            QTest::mouseClick(editor->closeButton(), Qt::LeftButton);
        }
        dialog->close();
    });
    w().commands().action(Command::PaletteEditor)->trigger();
    QCOMPARE(f.prompter->colourStarts, QList<QRgb>{qRgb(0, 0, 0)});
    QCOMPARE(duringEdit, chosen);
    QCOMPARE(helpPage, QStringLiteral("palette.html"));
    // Cell (0, 0) holds 0: tile pixel 7 is picture pixel (2, 1).
    QCOMPARE(w().editor().pictureView()->image().pixel(2, 1), chosen);
    QCOMPARE(w().editor().pictureView()->image().pixel(3, 1), oldColour(0));
    QCOMPARE(w().editor().paletteBar()->button(0)->toolTip(), QStringLiteral("rot"));
    QCOMPARE(w().history().names().size(), 1);
    QVERIFY(!design().isModified());
}

QTEST_MAIN(PaletteEditorTest)
#include "PaletteEditorTest.moc"
