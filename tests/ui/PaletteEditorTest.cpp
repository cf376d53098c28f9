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
QRgb oldColour(int n)
{
    return qRgb(n * 15, 7, 200);
}
const QRgb kPicture = qRgb(30, 60, 90);
const QString kOldNames =
    QStringLiteral("old0|old1|old2|old3|old4|old5|old6|old7|old8|old9|old10|old11|old12|old13|"
                   "old14|old15");

// Per entry '.' for its old tile, 'p' for the test picture, '?' otherwise; then the names.
QString summary(const Design &design)
{
    QString tiles;
    QStringList names;
    for (int n = 0; n < 16; ++n) {
        const QRgb c = design.entry(n).pixel(4, 3);
        tiles += c == oldColour(n) ? u'.' : c == kPicture ? u'p' : u'?';
        names << design.entry(n).name();
    }
    return tiles + u' ' + names.join(u'|');
}
} // namespace

// The palette editor on the real main window: each control reaches the
// design's palette, and the window shows what the design then holds.
class PaletteEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_editor.reset(), f = WindowFixture(); }
    void commands_data();
    void commands();
    void paintedSwatchReachesPictureAfterClose();

private:
    Design &design() { return f.window->design(); }
    void pick(int number)
    {
        QListWidget *list = m_editor->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(number)).center());
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
    f.window->editor().changeSetting(true);
    m_editor = std::make_unique<PaletteEditor>(f.window->editor(), f.window.get());
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void PaletteEditorTest::commands_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("control");  // upper, lower, open, auto, fill or clear
    QTest::addColumn<QString>("chosen");   // the file or folder chosen; files are written first
    QTest::addColumn<QByteArray>("bytes"); // the chosen file's bytes
    QTest::addColumn<int>("shown");        // the entry shown afterwards
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("message"); // caption and text, or empty

    const QString stopAt0 = QString::fromUtf8("エラー: ファイル\"0.bmp\"の読み込みに失敗しました。");
    const QString noNames = QStringLiteral("|").repeated(15);
    // The arrows' wrap, ".TSL" and the fifteen-picture limit are the core's rules,
    // tested there; these rows are the window's wiring of each control.
    const QString swapped = QStringLiteral(
        "?..............? "
        "old15|old1|old2|old3|old4|old5|old6|old7|old8|old9|old10|old11|old12|old13|old14|old0");
    QTest::newRow("upper arrow at 0: swapped with F") << 0 << "upper"
                                                      << "" << QByteArray() << 15 << swapped << "";
    QTest::newRow("only n3, no bitmaps: names replaced, stop at 0")
        << 5 << "open"
        << "p.ini" << QString::fromUtf8("[name]\nn3=赤\n").toUtf8() << 0
        << QString(16, u'.') + QString::fromUtf8(" |||赤") + QStringLiteral("|").repeated(12) << stopAt0;
    QTest::newRow("a bad bitmap: the general error box, earlier tiles kept")
        << 5 << "open"
        << "p.ini|0.bmp|1.bmp!" << QByteArray("[name]\nn0=x\n") << 0 << "p............... x" + noNames
        << QString::fromUtf8("Tessell: ビットマップイメージが不正です.");
    QTest::newRow("three pictures: entries 1 to 3")
        << 4 << "auto"
        << "pics|pics/p1.bmp|pics/p2.bmp|pics/p3.bmp" << QByteArray() << 0
        << ".ppp............ " + QString(kOldNames).replace("old1|old2|old3|", "p1|p2|p3|") << "";
    QTest::newRow("folder chooser cancelled")
        << 4 << "auto"
        << "" << QByteArray() << 4 << QString(16, u'.') + u' ' + kOldNames << "";
    QTest::newRow("colour typed, tile filled")
        << 5 << "fill"
        << "#1e3c5a" << QByteArray() << 5 << ".....p.......... " + kOldNames << "";
    QTest::newRow("name field cleared")
        << 5 << "clear"
        << "" << QByteArray() << 5 << QString(16, u'.') + u' ' + QString(kOldNames).replace("old5", "") << "";
}

// Each control changes the palette only, and the window then shows the design's entry.
void PaletteEditorTest::commands()
{
    QFETCH(int, selected);
    QFETCH(QString, control);
    QFETCH(QString, chosen);
    QFETCH(QByteArray, bytes);
    QFETCH(int, shown);
    QFETCH(QString, palette);
    QFETCH(QString, message);
    QStringList files = chosen.split(u'|', Qt::SkipEmptyParts);
    for (const QString &name : files.mid(1)) {
        QImage image(5, 4, QImage::Format_RGB32);
        image.fill(kPicture);
        QDir().mkpath(QFileInfo(f.scratch->file(name)).path());
        QVERIFY(name.endsWith(u'!') ? !f.scratch->write(name.chopped(1), "BM no picture").isEmpty()
                                    : image.save(f.scratch->file(name), "BMP"));
    }
    const QString target = files.isEmpty() ? QString() : f.scratch->file(files.first());
    if (!bytes.isEmpty())
        f.scratch->write(files.first(), bytes);
    design().setCell(3, 2, QStringLiteral("F"));
    const QStringList cells = cellsOf(design());
    pick(selected);
    QCOMPARE(m_editor->selected(), selected);
    if (control == "upper" || control == "lower") {
        QTest::mouseClick(control == "upper" ? m_editor->upperArrow() : m_editor->lowerArrow(),
                          Qt::LeftButton);
    } else if (control == "open") {
        f.prompter->fileNames << target;
        QTest::mouseClick(m_editor->openButton(), Qt::LeftButton);
    } else if (control == "auto") {
        f.prompter->folders << target;
        QTest::mouseClick(m_editor->autoCreateButton(), Qt::LeftButton);
        QCOMPARE(f.prompter->shown.first().caption, QString::fromUtf8("フォルダを選択してください。"));
    } else if (control == "fill") {
        m_editor->colourField()->selectAll();
        QTest::keyClicks(m_editor->colourField(), chosen);
        QTest::mouseClick(m_editor->fillButton(), Qt::LeftButton);
        QCOMPARE(design().entry(selected).meanColor(), kPicture); // no pixel of the old colour left
    } else {
        m_editor->nameField()->selectAll();
        QTest::keyClick(m_editor->nameField(), Qt::Key_Backspace);
    }
    QCOMPARE(f.prompter->unexpected, 0);
    QStringList messages;
    for (const ScriptedPrompter::Shown &s : f.prompter->shown)
        if (s.kind == ScriptedPrompter::Kind::Message)
            messages << s.caption + QStringLiteral(": ") + s.text;
    QCOMPARE(messages.join(u'\n'), message);
    QCOMPARE(summary(design()), palette);
    QCOMPARE(cellsOf(design()), cells);
    QCOMPARE(f.window->history().names().size(), 1);
    // The window shows the entry as the design holds it.
    QCOMPARE(m_editor->selected(), shown);
    QCOMPARE(m_editor->list()->currentRow(), shown);
    QCOMPARE(m_editor->numberLabel()->text(), CellGrid::digit(shown) + u':');
    QCOMPARE(m_editor->nameField()->text(), design().entry(shown).name());
    QStringList listed;
    for (int i = 0; i < 16; ++i)
        listed << m_editor->list()->item(i)->text();
    QCOMPARE(listed.join(u'|'), palette.mid(17));
    QCOMPARE(m_editor->swatch(9)->grab().toImage().pixel(20, 20), design().entry(shown).pixel(4, 1));
}

// Through the menu command: the chooser's colour (starting black) painted with
// the right button changes the design at once; F1 shows the window's help page;
// once the window is closed the picture and the palette bar show the new tile and name.
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
            if (HelpWindow *help = f.window->helpWindow(); help && help->isVisible())
                helpPage = help->browser()->source().fileName();
            QTest::mouseClick(editor->closeButton(), Qt::LeftButton);
        }
        dialog->close();
    });
    f.window->commands().action(Command::PaletteEditor)->trigger();
    QCOMPARE(f.prompter->colourStarts, QList<QRgb>{qRgb(0, 0, 0)});
    QCOMPARE(duringEdit, chosen);
    QCOMPARE(helpPage, QStringLiteral("palette.html"));
    // Cell (0, 0) holds 0: tile pixel 7 is picture pixel (2, 1).
    QCOMPARE(f.window->editor().pictureView()->image().pixel(2, 1), chosen);
    QCOMPARE(f.window->editor().pictureView()->image().pixel(3, 1), oldColour(0));
    QCOMPARE(f.window->editor().paletteBar()->button(0)->toolTip(), QStringLiteral("rot"));
    QCOMPARE(f.window->history().names().size(), 1);
    QVERIFY(!design().isModified());
}

QTEST_MAIN(PaletteEditorTest)
#include "PaletteEditorTest.moc"
