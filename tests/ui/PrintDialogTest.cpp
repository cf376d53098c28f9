// The print dialog on the real main window, driven by keys and the mouse: the
// distribution and its total line, the settings it keeps, the preview, the
// even split, the print run on a recording printer and the PDF button.
#include "WindowFixture.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/print/ClassPages.h"
#include "core/print/PrintTarget.h"
#include "core/settings/SettingsStore.h"
#include "support/PrintedPages.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrintProgress.h"
#include "ui/shell/HelpPages.h"
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
#include <QTextBrowser>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;
using Kind = ScriptedPrompter::Kind;

namespace {
const QString kSection = QStringLiteral("print");
const QStringList k22Pages{"7", "7", "8", "7", "7", "7"};

// What a recording printer saw: pages drawn at one unit per pixel, and what
// the progress window showed while each was drawn.
struct Recording {
    struct Seen {
        bool progressShown;
        QString title, page;
        int bar, barMax;
    };
    QPageSize paper;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    int jobs = 0, pages = 0;
    bool ended = false, aborted = false;
    QImage first;
    QList<Seen> seen;
    int failAt = -1;
    std::function<void(int)> onPage;
    PrintProgress *progress = nullptr;
};

class RecordingTarget : public PrintTarget {
public:
    explicit RecordingTarget(Recording &r) : m_r(r) {}
    bool setPaper(const QPageSize &size, QPageLayout::Orientation o) override
    {
        m_r.paper = size;
        m_r.orientation = o;
        return true;
    }
    void beginJob(const QString &) override
    {
        ++m_r.jobs;
        startPage();
    }
    QPainter &painter() override { return m_painter; }
    void newPage() override
    {
        pageDone();
        startPage();
    }
    void endJob() override
    {
        pageDone();
        m_r.ended = true;
    }
    void abortJob() override
    {
        if (m_painter.isActive())
            m_painter.end();
        m_r.aborted = true;
    }
    int sheetHeight() const override { return 1123; }
    int printableHeight() const override { return sheetHeight(); }
    QPoint unprintableOffset() const override { return {}; }

private:
    void startPage()
    {
        m_page = QImage(794, 1123, QImage::Format_RGB32);
        m_page.fill(Qt::white);
        m_painter.begin(&m_page);
    }
    void pageDone()
    {
        m_painter.end();
        const int k = m_r.pages++;
        if (k == 0)
            m_r.first = m_page;
        PrintProgress *p = m_r.progress;
        m_r.seen.append({p->isVisible(), p->titleLabel()->text(), p->pageLabel()->text(), p->bar()->value(),
                         p->bar()->maximum()});
        if (m_r.onPage)
            m_r.onPage(k);
        if (k == m_r.failAt)
            throw Error(QStringLiteral("紙詰まり"));
    }
    Recording &m_r;
    QImage m_page;
    QPainter m_painter;
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

QStringList fieldsOf(const PrintDialog &d)
{
    QStringList out;
    for (int i = 0; i < 6; ++i)
        out << d.field(i)->text();
    return out;
}

// The page the dialog should show, drawn by the pages themselves.
QImage expectedPage(const Design &design, const QStringList &fields, int k, bool full,
                    const QString &notes = {})
{
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

private:
    // A design of columns x rows, and the six fields stored beforehand (none: no section).
    void open(int columns, int rows, const QStringList &stored)
    {
        f.scratch = std::make_unique<Scratch>();
        f.start({f.scratch->write(QStringLiteral("mural.tsl"), patternDesign(columns, rows))});
        for (int i = 0; i < stored.size(); ++i)
            f.window->settings().writeString(kSection, QString::number(i + 1), stored[i]);
        m_dialog = std::make_unique<PrintDialog>(
            f.window->editor(), [this](int topic) { m_help << topic; }, f.window.get());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    QString stored(const QString &key)
    {
        return f.window->settings().readString(kSection, key, QStringLiteral("-"));
    }
    bool enabled() const
    {
        const bool on = m_dialog->previewButton()->isEnabled();
        for (QPushButton *b : {m_dialog->printButton(), m_dialog->closeButton(), m_dialog->pdfButton()})
            if (b->isEnabled() != on)
                return !on; // disagreeing buttons fail the comparison either way
        return on;
    }
    bool red() const
    {
        return m_dialog->totalLabel()->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    void act(const QString &step);

    WindowFixture f;
    std::unique_ptr<PrintDialog> m_dialog;
    QList<int> m_help;
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
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("usable");

    const QStringList s = k22Pages;
    QTest::newRow("first use") << QStringList() << QStringList() << "1|1|1|1|1|1"
                               << "合計 3列 : 余り157列" << true;
    QTest::newRow("22 classes") << s << QStringList() << "7|7|8|7|7|7"
                                << "合計 154列 : 余り6列" << true;
    QTest::newRow("0 classes in row 2 kept") << s << QStringList{"2:0"} << "7|0|8|7|7|7"
                                             << "合計 105列 : 余り55列" << true;
    QTest::newRow("0 columns made 1") << s << QStringList{"5:0"} << "7|7|8|7|1|7"
                                      << "合計 112列 : 余り48列" << true;
    QTest::newRow("letter in row 3 made 0") << s << QStringList{"3:x"} << "7|7|0|7|7|7"
                                            << "合計 98列 : 余り62列" << true;
    QTest::newRow("leading zero dropped") << s << QStringList{"2:07"} << "7|7|8|7|7|7"
                                          << "合計 154列 : 余り6列" << true;
    QTest::newRow("emptied field keeps the line")
        << s << QStringList{"6:9", "6:7", "1:", "4:9"} << "|7|8|9|7|7"
        << "合計 154列 : 余り6列" << true;
    QTest::newRow("refilled field recomputes") << s << QStringList{"1:", "4:9", "1:7"} << "7|7|8|9|7|7"
                                               << "合計 168列 : 余り-8列" << false;
    QTest::newRow("negative remainder") << s << QStringList{"6:9"} << "7|7|8|7|7|9"
                                        << "合計 170列 : 余り-10列" << false;
    QTest::newRow("corrected again") << s << QStringList{"6:9", "3:6"} << "7|7|6|7|7|9"
                                     << "合計 152列 : 余り8列" << true;
    QTest::newRow("stored empty stays empty")
        << QStringList{"7", "", "8", "7", "7", "7"} << QStringList() << "7||8|7|7|7"
        << "合計 154列 : 余り 6列" << true;
    QTest::newRow("stored empty, then filled")
        << QStringList{"7", "", "8", "7", "7", "7"} << QStringList{"2:7"} << "7|7|8|7|7|7"
        << "合計 154列 : 余り6列" << true;
}

void PrintDialogTest::distribution()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, steps);
    QFETCH(QString, fields);
    QFETCH(QString, total);
    QFETCH(bool, usable);
    open(160, 20, stored);
    for (const QString &step : steps)
        act(step);
    QCOMPARE(fieldsOf(*m_dialog).join(u'|'), fields);
    QCOMPARE(m_dialog->totalLabel()->text(), total);
    QCOMPARE(enabled(), usable);
    QCOMPARE(red(), !usable);
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
    const QString title = m_dialog->titleField()->text(), notes = m_dialog->notesField()->toPlainText();
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
    const QStringList flags{stored("color"), stored("namelist"), stored("cntlist"), stored("overview"),
                            stored("neighbours")};
    QCOMPARE(flags, (QStringList{"1", "0", "1", "0", "1"}));

    // Opened again, the dialog holds what it had.
    m_dialog = std::make_unique<PrintDialog>(
        f.window->editor(), [](int) {}, f.window.get());
    QCOMPARE(fieldsOf(*m_dialog).join(u'|'), fields);
    QCOMPARE(m_dialog->notesField()->toPlainText(), notes);
    QCOMPARE(m_dialog->titleField()->text(), title);
    QVERIFY(m_dialog->colourButton()->isChecked());
    QVERIFY(!m_dialog->numberTableBox()->isChecked() && m_dialog->quantityTableBox()->isChecked());
    QVERIFY(!m_dialog->overviewBox()->isChecked() && m_dialog->neighboursBox()->isChecked());
}

void PrintDialogTest::preview_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QStringList>("messages");

    const QStringList one{"1", "0", "0", "7", "1", "1"};
    QTest::newRow("one class, >>") << one << QStringList{"V", ">"} << "1/1ページ" << 0 << false
                                   << QStringList();
    QTest::newRow("<< on the first page")
        << k22Pages << QStringList{"V", "<"} << "22/22ページ" << 21 << false << QStringList();
    QTest::newRow(">> on the last page")
        << k22Pages << QStringList{"V", "<", ">"} << "1/22ページ" << 0 << false << QStringList();
    QTest::newRow("200% keeps the page")
        << k22Pages << QStringList{"V", ">", ">", "200"} << "3/22ページ" << 2 << true << QStringList();
    QTest::newRow("100% again") << k22Pages << QStringList{"V", ">", "200", "100"} << "2/22ページ" << 1
                                << false << QStringList();
    QTest::newRow("click enlarges") << k22Pages << QStringList{"V", "click"} << "1/22ページ" << 0 << true
                                    << QStringList();
    QTest::newRow("click reduces") << k22Pages << QStringList{"V", "click", "click"} << "1/22ページ" << 0
                                   << false << QStringList();
    QTest::newRow("emptied notes keep the earlier ones")
        << k22Pages << QStringList{"notes:貼る向き", "V", "notes:", "200"} << "1/22ページ" << 0 << true
        << QStringList();
    QTest::newRow("emptied field stops the preview")
        << k22Pages << QStringList{"V", ">", "2:", ">"} << "2/22ページ" << 1 << false
        << QStringList{texts::notAnInteger(QString()) + u'.'};
    QTest::newRow("fewer pages after 200%: first page")
        << k22Pages << QStringList{"V", "<", "3:0", "200"} << "1/14ページ" << 0 << true << QStringList();
}

void PrintDialogTest::preview()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, steps);
    QFETCH(QString, label);
    QFETCH(int, page);
    QFETCH(bool, full);
    QFETCH(QStringList, messages);
    open(160, 20, stored);
    QVERIFY(!m_dialog->nextButton()->isEnabled());
    QCOMPARE(m_dialog->pageLabel()->text(), QStringLiteral("0 / 0 ページ"));
    QString notes;
    for (const QString &step : steps) {
        act(step);
        if (step.startsWith(u"notes:") && step.size() > 6)
            notes = step.mid(6);
    }
    QCOMPARE(f.prompter->texts(Kind::Message), messages);
    QCOMPARE(m_dialog->pageLabel()->text(), label);
    QCOMPARE(m_dialog->currentPage(), page);
    QVERIFY(m_dialog->nextButton()->isEnabled() && m_dialog->previousButton()->isEnabled());
    QLabel *picture = m_dialog->picture();
    QCOMPARE(picture->pos(), QPoint(3, 3));
    QCOMPARE(picture->size(), full ? PrintDialog::FullSize : PrintDialog::HalfSize);
    QCOMPARE(m_dialog->picture()->cursor().shape(), Qt::BitmapCursor);
    QStringList fields = fieldsOf(*m_dialog);
    if (!messages.isEmpty())
        fields = stored;
    const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(
        shown ==
        expectedPage(f.window->design(), fields, page, full, notes).convertToFormat(QImage::Format_RGB32));
}

void PrintDialogTest::fairSplit_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("classes");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");

    const QString untouched = "1|1|1|1|1|1";
    QTest::newRow("160 / 22") << 160 << "22"
                              << "6|16|0|8|7|1"
                              << "合計 160列 : 余り0列"
                              << "";
    QTest::newRow("160 / 20: one row") << 160 << "20"
                                       << "20|0|0|8|1|1"
                                       << "合計 160列 : 余り0列"
                                       << "";
    QTest::newRow("160 / 99") << 160 << "99"
                              << "61|38|0|2|1|1"
                              << "合計 160列 : 余り0列"
                              << "";
    QTest::newRow("7 / 3") << 7 << "3"
                           << "1|2|0|3|2|1"
                           << "合計 7列 : 余り0列"
                           << "";
    QTest::newRow("5 / 6 refused") << 5 << "6" << untouched << "合計 3列 : 余り2列"
                                   << texts::classesExceedColumns();
    QTest::newRow("160 / 1: block too wide")
        << 160 << "1" << untouched << "合計 3列 : 余り157列" << texts::columnCountOutOfRange() + u'.';
    QTest::newRow("no number") << 160 << "" << untouched << "合計 3列 : 余り157列"
                               << texts::positiveIntegerRequired();
    QTest::newRow("0 classes") << 160 << "0" << untouched << "合計 3列 : 余り157列"
                               << texts::positiveIntegerRequired();
}

void PrintDialogTest::fairSplit()
{
    QFETCH(int, columns);
    QFETCH(QString, classes);
    QFETCH(QString, fields);
    QFETCH(QString, total);
    QFETCH(QString, message);
    open(columns, 10, {});
    act("classes:" + classes);
    act("fair");
    QCOMPARE(fieldsOf(*m_dialog).join(u'|'), fields);
    QCOMPARE(m_dialog->totalLabel()->text(), total);
    QCOMPARE(f.prompter->texts(Kind::Message), message.isEmpty() ? QStringList() : QStringList{message});
}

void PrintDialogTest::printRun_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QString>("during");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("messages");

    const QString previewBusy = texts::previewWhilePrinting() + u'.', busy = texts::printerBusy() + u'.';
    QTest::newRow("22 pages") << true << -1 << "" << 22 << QStringList();
    QTest::newRow("print dialog cancelled") << false << -1 << "" << 0 << QStringList();
    QTest::newRow("a page fails") << true << 4 << "" << 5 << QStringList{"紙詰まり."};
    QTest::newRow("preview during the run") << true << -1 << "V" << 22 << QStringList{previewBusy};
    QTest::newRow(">> during the run") << true << -1 << ">" << 22 << QStringList{previewBusy};
    QTest::newRow("200% during the run") << true << -1 << "click" << 22 << QStringList{previewBusy};
    QTest::newRow("print during the run") << true << -1 << "print" << 22 << QStringList{busy};
    QTest::newRow("PDF during the run") << true << -1 << "pdf" << 22 << QStringList{busy};
    QTest::newRow("closed during the run: after it") << true << -1 << "close" << 22 << QStringList();
}

void PrintDialogTest::printRun()
{
    QFETCH(bool, chosen);
    QFETCH(int, failAt);
    QFETCH(QString, during);
    QFETCH(int, pages);
    QFETCH(QStringList, messages);
    open(160, 20, k22Pages);
    act("title:3年2組");
    act("V");
    Recording rec;
    rec.progress = m_dialog->progressWindow();
    rec.failAt = failAt;
    rec.onPage = [&](int k) {
        if (k != 2 || during.isEmpty())
            return;
        if (during == u"print")
            QTest::mouseClick(m_dialog->printButton(), Qt::LeftButton);
        else if (during == u"pdf")
            QTest::mouseClick(m_dialog->pdfButton(), Qt::LeftButton);
        else if (during == u"close")
            QVERIFY(!m_dialog->close());
        else
            act(during);
    };
    m_dialog->setTargetFactory([&](QPrinter &) { return std::make_unique<RecordingTarget>(rec); });
    f.prompter->printers << (chosen ? std::optional<QString>(QStringLiteral("Recorder")) : std::nullopt);
    QTest::mouseClick(m_dialog->printButton(), Qt::LeftButton);
    QCOMPARE(f.prompter->texts(Kind::Message), messages);
    QCOMPARE(f.prompter->lastPageCount, 22);
    QCOMPARE(f.prompter->unexpected, 0);
    QVERIFY(!m_dialog->progressWindow()->isVisible());
    QCOMPARE(m_dialog->progressWindow()->bar()->value(), 0);
    QCOMPARE(m_dialog->isVisible(), during != u"close");
    if (!chosen) {
        QCOMPARE(rec.jobs, 0);
        return;
    }
    QCOMPARE(rec.jobs, 1);
    QCOMPARE(rec.pages, pages);
    QCOMPARE(rec.ended, failAt < 0);
    QCOMPARE(rec.aborted, failAt >= 0);
    QCOMPARE(rec.paper.id(), QPageSize::A4);
    QCOMPARE(rec.orientation, QPageLayout::Portrait);
    const Recording::Seen third = rec.seen.at(2);
    QVERIFY(third.progressShown);
    QCOMPARE(third.title, QStringLiteral("タイトル : 3年2組"));
    QCOMPARE(third.page, QStringLiteral("3/22 ページ"));
    QCOMPARE(third.bar, 2);
    QCOMPARE(third.barMax, 21);
    if (failAt < 0) {
        // The page of the run, whatever the buttons did meanwhile; the preview left as it was.
        QCOMPARE(m_dialog->currentPage(), 21);
        QCOMPARE(m_dialog->picture()->size(), PrintDialog::HalfSize);
        ClassPages reference(f.window->design().grid(), f.window->design().palette());
        ClassPageOptions o;
        o.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
        o.title = QStringLiteral("3年2組");
        reference.setOptions(o);
        QVERIFY(rec.first == reference.pageImage(0).convertToFormat(QImage::Format_RGB32));
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
    QCOMPARE(columnHeadings(last), (QStringList{"148", "149", "150", "151", "152", "153", "154"}));
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
    QSize size;
    QString helpPage;
    const bool opened =
        withModal<PrintDialog>([&] { QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier); },
                               [&](PrintDialog *dialog) {
                                   size = dialog->size();
                                   QTest::keyClick(dialog, Qt::Key_F1);
                                   if (HelpWindow *help = f.window->helpWindow())
                                       helpPage = help->browser()->source().fileName();
                               });
    QCOMPARE(opened, valid);
    QCOMPARE(f.prompter->texts(Kind::Message), valid ? QStringList() : QStringList{texts::errorFound()});
    if (valid) {
        QCOMPARE(size, QSize(617, 606));
        QCOMPARE(helpPage, QStringLiteral("print.html"));
    }
}

QTEST_MAIN(PrintDialogTest)
#include "PrintDialogTest.moc"
