// The print dialog on the real main window, driven by keys and the mouse: the
// distribution and its total line, the settings it keeps, the preview, the
// even split, the print run on a recording printer and the PDF button.
#include "WindowFixture.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/print/ClassPages.h"
#include "core/print/RecordingTarget.h"
#include "core/settings/SettingsStore.h"
#include "support/PrintedPages.h"
#include "ui/common/HelpPages.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrintProgress.h"
#include "ui/shell/HelpWindow.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;
using Kind = ScriptedPrompter::Kind;

namespace {
const QString kSection = QStringLiteral("print");
const QString k22Pages = QStringLiteral("7|7|8|7|7|7");

// A printer at one unit per pixel whose record outlives the run, which destroys it.
struct KeptTarget : RecordingTarget {
    explicit KeptTarget(RecordingTarget &keep) : RecordingTarget(QSize(794, 1123), 1123), m_keep(keep) {}
    ~KeptTarget() override { m_keep.calls = calls, m_keep.pages = pages; }
    RecordingTarget &m_keep;
};

void type(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    // Characters beyond ASCII arrive as the input method commits them: as key text.
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(field, Qt::Key_Return);
        else if (c.unicode() < 128)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString fieldsOf(const PrintDialog &d)
{
    QStringList out;
    for (int i = 0; i < 6; ++i)
        out << d.field(i)->text();
    return out.join(u'|');
}

// Everything the dialog keeps between openings.
QString stateOf(const PrintDialog &d)
{
    QStringList state{fieldsOf(d), d.notesField()->toPlainText(), d.titleField()->text()};
    for (const QAbstractButton *b :
         QList<QAbstractButton *>{d.colourButton(), d.numberTableBox(), d.quantityTableBox(), d.overviewBox(),
                                  d.neighboursBox(), d.largePrintBox(), d.runsBox(), d.summaryBox()})
        state << (b->isChecked() ? "on" : "off");
    return state.join(u'/');
}

// The page the dialog should show, drawn by the pages themselves.
QImage expectedPage(const Design &design, const QString &six, int k, bool full, const QString &notes)
{
    const QStringList fields = six.split(u'|');
    ClassPages pages(design.grid(), design.palette());
    ClassPageOptions o;
    o.distribution =
        Distribution::fromFields({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    o.notes = notes;
    pages.setOptions(o);
    if (full)
        return pages.pageImage(k);
    QImage image(PrintDialog::HalfSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.previewPageScaled(painter, k, 50);
    return image;
}
} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { m_dialog.reset(), f = WindowFixture(); }
    void distribution_data();
    void distribution();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void preview_data();
    void preview();
    void fairSplit_data();
    void fairSplit();
    void printRun_data();
    void printRun();
    void saveToPdf_data();
    void saveToPdf();
    void printCommand_data();
    void printCommand();
    void largePrint();

private:
    // A design of columns x rows, and the six fields stored beforehand ("a|b|..."; none: no section).
    void open(int columns, int rows, const QString &stored)
    {
        f.scratch = std::make_unique<Scratch>();
        f.start({f.scratch->write(QStringLiteral("mural.tsl"), patternDesign(columns, rows))});
        const QStringList six = stored.isEmpty() ? QStringList() : stored.split(u'|');
        for (int i = 0; i < six.size(); ++i)
            f.window->settings().writeString(kSection, QString::number(i + 1), six[i]);
        m_dialog = std::make_unique<PrintDialog>(f.window->editor(), f.window.get());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    QString stored(const QString &key)
    {
        return f.window->settings().readString(kSection, key, QStringLiteral("-"));
    }
    // The buttons that need a usable distribution, and the total line's colour.
    QString look() const
    {
        QStringList on;
        for (QPushButton *b : {m_dialog->previewButton(), m_dialog->printButton(), m_dialog->closeButton(),
                               m_dialog->pdfButton()})
            on << (b->isEnabled() ? "on" : "off");
        const bool red = m_dialog->totalLabel()->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
        return on.join(u' ') + (red ? " red" : " black");
    }
    void act(const QString &step);
    void actAll(const QString &steps)
    {
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts))
            act(step);
    }

    WindowFixture f;
    std::unique_ptr<PrintDialog> m_dialog;
};

// "n:text" types into field n (1..6; empty text empties it), "notes:", "title:"
// and "classes:" into those fields; "V", "<", ">", "200", "100", "click", "fair"
// press what they name.
void PrintDialogTest::act(const QString &step)
{
    const int colon = step.indexOf(u':');
    if (colon > 0) {
        const QString where = step.left(colon), text = step.mid(colon + 1);
        if (where == u"notes")
            type(m_dialog->notesField(), text);
        else if (where == u"title")
            type(m_dialog->titleField(), text);
        else if (where == u"classes")
            type(m_dialog->classesField(), text);
        else
            type(m_dialog->field(where.toInt() - 1), text);
    } else if (step == u"V") {
        QTest::mouseClick(m_dialog->previewButton(), Qt::LeftButton);
    } else if (step == u"<" || step == u">") {
        QTest::mouseClick(step == u"<" ? m_dialog->previousButton() : m_dialog->nextButton(), Qt::LeftButton);
    } else if (step == u"fair") {
        QTest::mouseClick(m_dialog->fairButton(), Qt::LeftButton);
    } else if (step == u"click") {
        QTest::mouseClick(m_dialog->picture(), Qt::LeftButton, {}, QPoint(100, 100));
    } else {
        QLabel *picture = m_dialog->picture();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(20, 20),
                               picture->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(picture, &menu);
        QMenu *popup = m_dialog->pictureMenu();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        for (QAction *a : popup->actions())
            if (a->text() == step + u'%')
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(a).center());
        QTRY_VERIFY(!popup->isVisible());
    }
}

void PrintDialogTest::distribution_data()
{
    // The six fields stored beforehand (none: first use) and the steps typed.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("usable");
    const auto row = [](const char *name, const QString &stored, const QString &steps, const QString &fields,
                        const QString &total,
                        bool usable) { QTest::newRow(name) << stored << steps << fields << total << usable; };
    const QString s = k22Pages;
    row("first use", "", "", "1|1|1|1|1|1", "合計 3列 : 余り157列", true);
    row("22 classes", s, "", "7|7|8|7|7|7", "合計 154列 : 余り6列", true);
    row("0 classes in row 2 kept", s, "2:0", "7|0|8|7|7|7", "合計 105列 : 余り55列", true);
    row("0 columns made 1", s, "5:0", "7|7|8|7|1|7", "合計 112列 : 余り48列", true);
    row("letter in row 3 made 0", s, "3:x", "7|7|0|7|7|7", "合計 98列 : 余り62列", true);
    row("emptied field keeps the line", s, "6:9 6:7 1: 4:9", "|7|8|9|7|7", "合計 154列 : 余り6列", true);
    row("refilled field recomputes", s, "1: 4:9 1:7", "7|7|8|9|7|7", "合計 168列 : 余り-8列", false);
    row("negative remainder", s, "6:9", "7|7|8|7|7|9", "合計 170列 : 余り-10列", false);
    row("corrected again", s, "6:9 3:6", "7|7|6|7|7|9", "合計 152列 : 余り8列", true);
    row("stored empty stays empty", "7||8|7|7|7", "", "7||8|7|7|7", "合計 154列 : 余り 6列", true);
}

void PrintDialogTest::distribution()
{
    QFETCH(QString, stored);
    QFETCH(QString, steps);
    QFETCH(QString, fields);
    QFETCH(QString, total);
    QFETCH(bool, usable);
    open(160, 20, stored);
    actAll(steps);
    QCOMPARE(fieldsOf(*m_dialog), fields);
    QCOMPARE(m_dialog->totalLabel()->text(), total);
    QCOMPARE(look(), usable ? "on on on on black" : "off off off off red");
    QCOMPARE(f.prompter->shown.size(), 0);
}

void PrintDialogTest::settingsRoundTrip_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("add");

    QTest::newRow("close button") << QStringList{"2:0", "notes:a b\nc,d\n\"e\"", "title:3年2組"} << "button"
                                  << "7|0|8|7|7|7"
                                  << R"("a b","c,d","""e""")";
    QTest::newRow("close box over a negative remainder") << QStringList{"6:9", "notes:裏を上に"} << "box"
                                                         << "7|7|8|7|7|9"
                                                         << "裏を上に";
    QTest::newRow("Escape, emptied fields stored empty") << QStringList{"1:", "5:", "notes:"} << "escape"
                                                         << "|7|8|7||7"
                                                         << "";
}

void PrintDialogTest::settingsRoundTrip()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, closeBy);
    QFETCH(QString, fields);
    QFETCH(QString, add);
    open(160, 20, k22Pages);
    for (const QString &step : steps)
        act(step);
    QTest::mouseClick(m_dialog->colourButton(), Qt::LeftButton);
    QTest::mouseClick(m_dialog->numberTableBox(), Qt::LeftButton);
    QTest::mouseClick(m_dialog->neighboursBox(), Qt::LeftButton);
    QTest::mouseClick(m_dialog->summaryBox(), Qt::LeftButton, {}, QPoint(8, 9));
    const QString title = m_dialog->titleField()->text(), before = stateOf(*m_dialog);
    if (closeBy == u"button")
        QTest::mouseClick(m_dialog->closeButton(), Qt::LeftButton);
    else if (closeBy == u"box")
        m_dialog->close();
    else
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());

    QStringList six;
    for (int i = 1; i <= 6; ++i)
        six << stored(QString::number(i));
    QCOMPARE(six.join(u'|'), fields);
    QCOMPARE(stored("add"), add);
    QCOMPARE(stored("title"), title);
    const QStringList flags{stored("color"),    stored("namelist"),   stored("cntlist"),
                            stored("overview"), stored("neighbours"), stored("summary")};
    QCOMPARE(flags, (QStringList{"1", "0", "1", "0", "1", "1"}));

    // Opened again, the dialog holds what it had.
    m_dialog = std::make_unique<PrintDialog>(f.window->editor(), f.window.get());
    QCOMPARE(stateOf(*m_dialog), before);
}

void PrintDialogTest::preview_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const QString &stored, const QString &steps, const QString &label,
                        bool full, const QString &message = {}) {
        QTest::newRow(name) << stored << steps << label << full << message;
    };
    const QString s = k22Pages;
    row("one class, >>", "1|0|0|7|1|1", "V >", "1/1ページ", false);
    row("<< on the first page", s, "V <", "22/22ページ", false);
    row(">> on the last page", s, "V < >", "1/22ページ", false);
    row("200% keeps the page", s, "V > > 200", "3/22ページ", true);
    row("100% again", s, "V > 200 100", "2/22ページ", false);
    row("click enlarges", s, "V click", "1/22ページ", true);
    row("click reduces", s, "V click click", "1/22ページ", false);
    row("emptied notes keep the earlier ones", s, "notes:貼る向き V notes: 200", "1/22ページ", true);
    row("emptied field stops the preview", s, "V > 2: >", "2/22ページ", false,
        texts::notAnInteger(QString()) + u'.');
    row("fewer pages after 200%: first page", s, "V < 3:0 200", "1/14ページ", true);
}

void PrintDialogTest::preview()
{
    QFETCH(QString, stored);
    QFETCH(QString, steps);
    QFETCH(QString, label);
    QFETCH(bool, full);
    QFETCH(QString, message);
    open(160, 20, stored);
    actAll(steps);
    QCOMPARE(f.prompter->texts(Kind::Message), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(m_dialog->pageLabel()->text(), label);
    const int page = label.section(u'/', 0, 0).toInt() - 1;
    QCOMPARE(m_dialog->currentPage(), page);
    QVERIFY(m_dialog->nextButton()->isEnabled() && m_dialog->previousButton()->isEnabled());
    QLabel *picture = m_dialog->picture();
    QCOMPARE(picture->size(), full ? PrintDialog::FullSize : PrintDialog::HalfSize);
    // The page drawn from what the fields said when it was drawn; notes emptied since stay.
    QString notes;
    for (const QString &step : steps.split(u' '))
        if (step.startsWith(u"notes:") && step.size() > 6)
            notes = step.mid(6);
    const QImage expected =
        expectedPage(f.window->design(), message.isEmpty() ? fieldsOf(*m_dialog) : stored, page, full, notes);
    QVERIFY(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
            expected.convertToFormat(QImage::Format_RGB32));
}

void PrintDialogTest::fairSplit_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("classes");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, int columns, const QString &classes, const QString &fields,
                        const QString &total, const QString &message = {}) {
        QTest::newRow(name) << columns << classes << fields << total << message;
    };
    const QString untouched = "1|1|1|1|1|1", first = "合計 3列 : 余り157列";
    row("160 / 22", 160, "22", "6|16|0|8|7|1", "合計 160列 : 余り0列");
    row("7 / 3", 7, "3", "1|2|0|3|2|1", "合計 7列 : 余り0列");
    row("5 / 6 refused", 5, "6", untouched, "合計 3列 : 余り2列", texts::classesExceedColumns());
    row("160 / 1: block too wide", 160, "1", untouched, first, texts::columnCountOutOfRange() + u'.');
    row("no number", 160, "", untouched, first, texts::positiveIntegerRequired());
}

void PrintDialogTest::fairSplit()
{
    QFETCH(int, columns);
    QFETCH(QString, classes);
    QFETCH(QString, fields);
    QFETCH(QString, total);
    QFETCH(QString, message);
    open(columns, 10, QString());
    act("classes:" + classes);
    act("fair");
    QCOMPARE(fieldsOf(*m_dialog), fields);
    QCOMPARE(m_dialog->totalLabel()->text(), total);
    QCOMPARE(f.prompter->texts(Kind::Message), message.isEmpty() ? QStringList() : QStringList{message});
}

void PrintDialogTest::printRun_data()
{
    // Whether a printer is chosen, the page that fails (none: -1), what is pressed while page 3 prints.
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QString>("message");
    const QString previewBusy = texts::previewWhilePrinting() + u'.', busy = texts::printerBusy() + u'.';
    QTest::newRow("22 pages") << true << -1 << ""
                              << "";
    QTest::newRow("print dialog cancelled") << false << -1 << ""
                                            << "";
    QTest::newRow("a page fails") << true << 4 << ""
                                  << "紙詰まり.";
    QTest::newRow("preview during the run") << true << -1 << "V" << previewBusy;
    QTest::newRow(">> during the run") << true << -1 << ">" << previewBusy;
    QTest::newRow("200% during the run") << true << -1 << "click" << previewBusy;
    QTest::newRow("print during the run") << true << -1 << "print" << busy;
    QTest::newRow("PDF during the run") << true << -1 << "pdf" << busy;
    QTest::newRow("closed during the run: after it") << true << -1 << "close"
                                                     << "";
}

void PrintDialogTest::printRun()
{
    QFETCH(bool, chosen);
    QFETCH(int, failAt);
    QFETCH(QString, during);
    QFETCH(QString, message);
    open(160, 20, k22Pages);
    act("title:3年2組");
    act("V");
    // While page 3 is printed: what the progress window says, and the step tried meanwhile.
    RecordingTarget kept(QSize(), 0);
    int made = 0;
    QStringList progress;
    m_dialog->setTargetFactory([&](QPrinter &) {
        auto target = std::make_unique<KeptTarget>(kept);
        ++made;
        target->onPageDone = [&](int k) {
            PrintProgress *p = m_dialog->progressWindow();
            if (k == 2) {
                progress << (p->isVisible() ? "shown" : "hidden") << p->titleLabel()->text()
                         << p->pageLabel()->text()
                         << QStringLiteral("%1 of %2").arg(p->bar()->value()).arg(p->bar()->maximum());
                if (during == u"print" || during == u"pdf")
                    QTest::mouseClick(during == u"print" ? m_dialog->printButton() : m_dialog->pdfButton(),
                                      Qt::LeftButton);
                else if (during == u"close")
                    QVERIFY(!m_dialog->close());
                else if (!during.isEmpty())
                    act(during);
            }
            if (k == failAt)
                throw Error(QStringLiteral("紙詰まり"));
        };
        return target;
    });
    f.prompter->printers << (chosen ? std::optional<QString>(QStringLiteral("Recorder")) : std::nullopt);
    QTest::mouseClick(m_dialog->printButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->texts(Kind::Message), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.prompter->lastPageCount, 22);
    QCOMPARE(f.prompter->unexpected, 0);
    QVERIFY(!m_dialog->progressWindow()->isVisible());
    QCOMPARE(m_dialog->progressWindow()->bar()->value(), 0);
    QCOMPARE(m_dialog->isVisible(), during != u"close");
    QCOMPARE(made, int(chosen));
    if (!chosen)
        return;
    const RecordingTarget *target = &kept;
    QCOMPARE(target->pages.size(), failAt < 0 ? 22 : failAt + 1);
    QCOMPARE(target->calls.first(), QStringLiteral("paper A4 portrait"));
    QCOMPARE(target->calls.filter(QStringLiteral("begin")).size(), 1);
    QCOMPARE(target->calls.last(), failAt < 0 ? QStringLiteral("end") : QStringLiteral("abort"));
    QCOMPARE(progress, (QStringList{"shown", "タイトル : 3年2組", "3/22 ページ", "2 of 21"}));
    if (failAt < 0) {
        // The page of the run, whatever the buttons did meanwhile; the preview left as it was.
        QCOMPARE(m_dialog->currentPage(), 21);
        QCOMPARE(m_dialog->picture()->size(), PrintDialog::HalfSize);
        ClassPages reference(f.window->design().grid(), f.window->design().palette());
        ClassPageOptions o;
        o.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
        o.title = QStringLiteral("3年2組");
        reference.setOptions(o);
        QVERIFY(target->pages[0] == reference.pageImage(0).convertToFormat(QImage::Format_RGB32));
    }
}

void PrintDialogTest::saveToPdf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<Prompter::Answer>>("answers");
    QTest::addColumn<QString>("written");

    using A = Prompter::Answer;
    QTest::newRow("new file") << "pages.pdf" << false << QList<A>() << "pages.pdf";
    QTest::newRow("no extension") << "pages" << false << QList<A>() << "pages.pdf";
    QTest::newRow("replaced when asked") << "pages.pdf" << true << QList<A>{A::Yes} << "pages.pdf";
    QTest::newRow("not replaced: asked again, cancelled") << "pages.pdf" << true << QList<A>{A::No} << "";
    QTest::newRow("cancelled") << "" << false << QList<A>() << "";
}

void PrintDialogTest::saveToPdf()
{
    QFETCH(QString, typed);
    QFETCH(bool, exists);
    QFETCH(QList<Prompter::Answer>, answers);
    QFETCH(QString, written);
    open(160, 20, k22Pages);
    if (exists)
        f.scratch->write(QStringLiteral("pages.pdf"), "old");
    f.prompter->fileNames << (typed.isEmpty() ? QString() : f.scratch->file(typed));
    if (!answers.isEmpty() && answers.first() == Prompter::Answer::No)
        f.prompter->fileNames << QString();
    f.prompter->answers.append(answers);
    act("notes:裏を上に");
    QTest::mouseClick(m_dialog->pdfButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->unexpected, 0);
    QVERIFY(f.prompter->texts(Kind::Message).isEmpty());
    QVERIFY(!m_dialog->progressWindow()->isVisible());
    const QString old = f.scratch->file(QStringLiteral("pages.pdf"));
    if (written.isEmpty()) {
        QCOMPARE(QFileInfo::exists(old) ? readAll(old) : QByteArray(),
                 exists ? QByteArray("old") : QByteArray());
        return;
    }
    const QString pdf = f.scratch->file(written);
    QCOMPARE(pdfPages(pdf), 22);
    const QString last = pdfPageText(pdf, 22);
    QVERIFY2(last.contains("No.22") && last.contains(QStringLiteral("裏を上に")), qPrintable(last));
}

void PrintDialogTest::printCommand_data()
{
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid cells") << true;
    QTest::newRow("an invalid cell") << false;
}

// Ctrl+P checks the cells first, then opens the dialog modally; F1 in it asks for its help page.
void PrintDialogTest::printCommand()
{
    QFETCH(bool, valid);
    f.start();
    if (!valid)
        f.window->design().setCell(3, 2, QStringLiteral("G"));
    QString helpPage;
    const bool opened =
        withModal<PrintDialog>([&] { QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier); },
                               [&](PrintDialog *dialog) {
                                   QTest::keyClick(dialog, Qt::Key_F1);
                                   if (HelpWindow *help = f.window->helpWindow())
                                       helpPage = help->browser()->source().fileName();
                               });
    QCOMPARE(opened, valid);
    QCOMPARE(f.prompter->texts(Kind::Message), valid ? QStringList() : QStringList{texts::errorFound()});
    QCOMPARE(helpPage, valid ? QStringLiteral("print.html") : QString());
}

// Large print: the sheets are the preview's pages, rows a sheet and the runs
// follow its box, and all three are kept.
void PrintDialogTest::largePrint()
{
    open(160, 100, k22Pages);
    QVERIFY(!m_dialog->rowsPerSheetBox()->isEnabled() && !m_dialog->runsBox()->isEnabled());
    QTest::mouseClick(m_dialog->largePrintBox(), Qt::LeftButton, {}, QPoint(8, 9));
    QVERIFY(m_dialog->rowsPerSheetBox()->isEnabled() && m_dialog->runsBox()->isEnabled());
    actAll("V > >");
    QCOMPARE(m_dialog->pageLabel()->text(), QStringLiteral("3/88ページ"));
    ClassPages pages(f.window->design().grid(), f.window->design().palette());
    ClassPageOptions o;
    o.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
    o.largePrint = true;
    pages.setOptions(o);
    QImage expected(PrintDialog::HalfSize, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        pages.previewPageScaled(painter, 2, 50);
    }
    QVERIFY(m_dialog->picture()->pixmap().toImage().convertToFormat(QImage::Format_RGB32) == expected);

    // 50 rows a sheet, each sheet followed by its runs: still 88 pages.
    type(m_dialog->rowsPerSheetBox(), QStringLiteral("50"));
    QTest::mouseClick(m_dialog->runsBox(), Qt::LeftButton, {}, QPoint(8, 9));
    actAll("V <");
    QCOMPARE(m_dialog->pageLabel()->text(), QStringLiteral("88/88ページ"));
    const QString before = stateOf(*m_dialog);
    QTest::mouseClick(m_dialog->closeButton(), Qt::LeftButton);
    QCOMPARE((QStringList{stored("large"), stored("rowsperpage"), stored("runs")}),
             (QStringList{"1", "50", "1"}));
    m_dialog = std::make_unique<PrintDialog>(f.window->editor(), f.window.get());
    QCOMPARE(stateOf(*m_dialog), before);
    QCOMPARE(m_dialog->rowsPerSheetBox()->value(), 50);
    QVERIFY(m_dialog->runsBox()->isChecked() && m_dialog->runsBox()->isEnabled());
}

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
