#include "core/print/LightRep.h"
#include "core/print/LRGridPanel.h"
#include "core/print/LRItem.h"
#include "core/print/LRLayoutPanel.h"
#include "core/print/PagePixels.h"
#include "core/print/RecordingTarget.h"
#include "support/TestSupport.h"

#include <QPainter>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// The class pages' report frame: usable area (37, 31) to (757, 1092).
void setClassPageMargins(LightRep &rep)
{
    rep.setMarginTop(30);
    rep.setMarginBottom(30);
    rep.setMarginLeft(36);
    rep.setMarginRight(36);
}

// An item that only tells when and how it is drawn.
class Probe : public CustomLRItem {
public:
    Probe(QStringList *log, QString name) : m_log(log), m_name(std::move(name)) {}
    void printItem(QPainter &, const QRect &rect, PrintStatus status, double) override
    {
        *m_log << QStringLiteral("%1%2@%3,%4").arg(m_name).arg(int(status)).arg(rect.left()).arg(rect.top());
    }

private:
    QStringList *m_log;
    QString m_name;
};

// The rows where a line crosses the image at x.
QList<int> darkRows(const QImage &image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (dark(image, x, y))
            rows << y;
    return rows;
}

QImage preview(LightRep &rep)
{
    QImage image(rep.width(), rep.height(), QImage::Format_RGB32);
    QPainter p(&image);
    rep.previewPage(p);
    rep.endPreview();
    return image;
}

// A one-page print run on the recording printer: the sheet it drew.
QImage printed(LightRep &rep, RecordingTarget &target)
{
    rep.setPrinter(&target);
    rep.beginDoc();
    rep.printPage();
    rep.endDoc();
    return target.pages.last();
}
} // namespace

class LightRepTest : public QObject {
    Q_OBJECT
private slots:
    void docking_data();
    void docking();
    void margins_data();
    void margins();
    void paperSizes_data();
    void paperSizes();
    void noPaperSize();
    void visitingOrder_data();
    void visitingOrder();
    void statuses_data();
    void statuses();
    void statusPixels_data();
    void statusPixels();
    void lineWidths_data();
    void lineWidths();
    void textPlacement_data();
    void textPlacement();
    void printRun();
    void previewScaled_data();
    void previewScaled();
    void subPanels();
    void failures_data();
    void failures();
};

void LightRepTest::docking_data()
{
    // Each panel as its docking and its size: "T44" a top strip 44 high.
    QTest::addColumn<QString>("panels");
    QTest::addColumn<QList<QRect>>("expected");
    QTest::newRow("top and client") << "T44 C" << QList<QRect>{{37, 31, 720, 44}, {37, 75, 720, 1017}};
    QTest::newRow("class page") << "T44 R133 C"
                                << QList<QRect>{{37, 31, 720, 44}, {624, 75, 133, 1017}, {37, 75, 587, 1017}};
    QTest::newRow("client added first") << "C T44" << QList<QRect>{{37, 75, 720, 1017}, {37, 31, 720, 44}};
    QTest::newRow("bottom before left and right")
        << "L50 B100 R20 C"
        << QList<QRect>{{37, 31, 50, 961}, {37, 992, 720, 100}, {737, 31, 20, 961}, {87, 31, 650, 961}};
    QTest::newRow("two top strips") << "T44 T100" << QList<QRect>{{37, 31, 720, 44}, {37, 75, 720, 100}};
}

void LightRepTest::docking()
{
    QFETCH(QString, panels);
    QFETCH(QList<QRect>, expected);
    static const QMap<char, LRAlign> sides{{'T', LRAlign::Top},
                                           {'B', LRAlign::Bottom},
                                           {'L', LRAlign::Left},
                                           {'R', LRAlign::Right},
                                           {'C', LRAlign::Client}};
    LightRep rep;
    setClassPageMargins(rep);
    QList<LRLayoutPanel *> made;
    QList<QRect> got;
    for (const QString &item : panels.split(u' ')) {
        auto *panel = made.emplace_back(rep.add<LRLayoutPanel>());
        const char side = item[0].toLatin1();
        panel->setAlign(sides[side]);
        if (side == 'T' || side == 'B')
            panel->setHeight(item.mid(1).toInt());
        else if (side != 'C')
            panel->setWidth(item.mid(1).toInt());
    }
    for (auto *p : made)
        got << p->bounds();
    QCOMPARE(got, expected);
    if (!panels.startsWith('T'))
        return;
    // Items dock inside their panel the same way.
    auto *right = made[0]->add<LRItem>();
    right->setAlign(LRAlign::Right);
    right->setWidth(112);
    auto *fill = made[0]->add<LRItem>();
    fill->setAlign(LRAlign::Client);
    const QRect strip = expected[0];
    QCOMPARE(right->pageRect(), QRect(strip.right() - 111, strip.top(), 112, strip.height()));
    QCOMPARE(fill->pageRect(), QRect(strip.topLeft(), QSize(strip.width() - 112, strip.height())));
}

void LightRepTest::margins_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("kept");
    QTest::newRow("accepted") << 50 << 50;
    QTest::newRow("zero ignored") << 0 << 36;
    QTest::newRow("negative ignored") << -5 << 36;
    QTest::newRow("just under half the width") << 396 << 396;
    QTest::newRow("half the width ignored") << 397 << 36;
}

void LightRepTest::margins()
{
    QFETCH(int, margin);
    QFETCH(int, kept);
    LightRep rep;
    auto *panel = rep.add<LRLayoutPanel>();
    rep.setMarginTop(margin);
    rep.setMarginLeft(margin);
    rep.setMarginRight(margin);
    rep.setMarginBottom(margin);
    QCOMPARE(rep.marginTop(), kept);
    QCOMPARE(rep.marginBottom(), kept);
    QCOMPARE(panel->bounds().topLeft(), QPoint(kept + 1, kept + 1));
}

void LightRepTest::paperSizes_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("applied");
    QTest::newRow("A4") << int(PaperSize::A4) << int(Orientation::Portrait) << QSize(794, 1123)
                        << "paper A4 portrait";
    QTest::newRow("A4 landscape") << int(PaperSize::A4) << int(Orientation::Landscape) << QSize(1123, 794)
                                  << "paper A4 landscape";
    QTest::newRow("B5 is the JIS size")
        << int(PaperSize::B5) << int(Orientation::Portrait) << QSize(688, 971) << "paper JIS B5 portrait";
}

void LightRepTest::paperSizes()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QString, applied);
    LightRep rep;
    rep.setPaperSize(PaperSize(paper));
    rep.setOrientation(Orientation(orientation));
    QCOMPARE(rep.bounds().size(), size);
    // A paper size fixes the page: resizing is undone.
    rep.setBounds(0, 0, 100, 100);
    QCOMPARE(rep.bounds().size(), size);
    RecordingTarget target(QSize(1, 1), 1);
    rep.setPrinter(&target);
    rep.applyPaperSettings();
    QCOMPARE(target.calls, QStringList{applied});
}

void LightRepTest::noPaperSize()
{
    // Without a paper size the report takes any size and asks its owner to set up the printer.
    LightRep rep;
    rep.setPaperSize(PaperSize::None);
    rep.setBounds(0, 0, 300, 200);
    QCOMPARE(rep.bounds().size(), QSize(300, 200));
    RecordingTarget target(QSize(1, 1), 1);
    rep.setPrinter(&target);
    int asked = 0;
    rep.setOnSetPrinter([&](LightRep &) { ++asked; });
    rep.beginDoc();
    QCOMPARE(asked, 1);
    QCOMPARE(target.calls, QStringList{"begin "});
}

void LightRepTest::visitingOrder_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("order");
    QTest::newRow("PrintDirection::Vert") << int(PrintDirection::Vert) << "0,0 0,1 0,2 1,0 1,1 1,2";
    QTest::newRow("PrintDirection::Horz") << int(PrintDirection::Horz) << "0,0 1,0 0,1 1,1 0,2 1,2";
    QTest::newRow("PrintDirection::Holz") << int(PrintDirection::Holz) << "0,0 1,0 0,1 1,1 0,2 1,2";
}

void LightRepTest::visitingOrder()
{
    QFETCH(int, direction);
    QFETCH(QString, order);
    LightRep rep;
    auto *g = rep.add<LRGridPanel>();
    g->setColCount(2);
    g->setRowCount(3);
    g->setPrintDirection(PrintDirection(direction));
    QStringList got;
    g->setOnPrintPanel([&](LRGridPanel &, int c, int r, const QRect &, PrintStatus &) {
        got << QStringLiteral("%1,%2").arg(c).arg(r);
    });
    preview(rep);
    QCOMPARE(got.join(u' '), order);
}
void LightRepTest::statuses_data()
{
    // Which handler answers which status, and what the engine then visits: L and
    // l the layout panel's before and after, G and g the grid's, C0 and C1 its
    // cells, P and p the cell panel's; items a, b (layout) and x (cell) with the
    // status they get and where.
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("log");
    QTest::newRow("all print") << "" << int(PrintStatus::Print)
                               << "L a0@37,41 b0@37,61 G C0 P x0@37,141 p C1 P x0@87,141 p g l";
    QTest::newRow("layout skips") << "L" << int(PrintStatus::Skip) << "L";
    QTest::newRow("layout lines only") << "L" << int(PrintStatus::LinesOnly)
                                       << "L a1@37,41 b1@37,61 G C0 P x0@37,141 p C1 P x0@87,141 p g l";
    QTest::newRow("grid skips") << "G" << int(PrintStatus::Skip) << "L a0@37,41 b0@37,61 G l";
    QTest::newRow("cell skips") << "C0" << int(PrintStatus::Skip)
                                << "L a0@37,41 b0@37,61 G C0 C1 P x0@87,141 p g l";
    QTest::newRow("cell lines only") << "C0" << int(PrintStatus::LinesOnly)
                                     << "L a0@37,41 b0@37,61 G C0 P x1@37,141 p C1 P x0@87,141 p g l";
    QTest::newRow("cell panel skips")
        << "P" << int(PrintStatus::Skip) << "L a0@37,41 b0@37,61 G C0 P C1 P x0@87,141 p g l";
}

void LightRepTest::statuses()
{
    QFETCH(QString, handler);
    QFETCH(int, status);
    QFETCH(QString, log);
    LightRep rep;
    setClassPageMargins(rep);
    QStringList got;
    bool answered = false;
    auto answer = [&](const QString &name, PrintStatus &s) {
        got << name;
        if (name == handler && !answered) {
            s = PrintStatus(status);
            answered = true;
        }
    };
    auto *layout = rep.add<LRLayoutPanel>();
    layout->setHeight(300);
    layout->setBeforePrint([&](CustomLRPanel &, const QRect &, PrintStatus &s) { answer("L", s); });
    layout->setAfterPrint([&](CustomLRPanel &) { got << "l"; });
    // Items first (in the order added), then the panels, whatever the order of adding.
    layout->add<Probe>(&got, "a")->setBounds(0, 10, 65, 17);
    auto *grid = layout->add<LRGridPanel>();
    grid->setAlign(LRAlign::None);
    grid->setBounds(0, 110, 100, 20);
    grid->setColCount(2);
    layout->add<Probe>(&got, "b")->setBounds(0, 30, 65, 17);
    grid->add<Probe>(&got, "x");
    grid->setBeforePrint([&](CustomLRPanel &, const QRect &, PrintStatus &s) { answer("G", s); });
    grid->setAfterPrint([&](CustomLRPanel &) { got << "g"; });
    grid->setOnPrintPanel([&](LRGridPanel &, int c, int, const QRect &, PrintStatus &s) {
        answer(QStringLiteral("C%1").arg(c), s);
    });
    grid->setBeforePrintPanel([&](CustomLRPanel &, const QRect &, PrintStatus &s) { answer("P", s); });
    grid->setAfterPrintPanel([&](CustomLRPanel &) { got << "p"; });
    preview(rep);
    QCOMPARE(got.join(' '), log);
}

void LightRepTest::statusPixels_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("PrintStatus::Print") << int(PrintStatus::Print) << "fill, 4 frame lines, text";
    QTest::newRow("PrintStatus::LinesOnly") << int(PrintStatus::LinesOnly) << "fill, 4 frame lines";
    QTest::newRow("PrintStatus::Skip") << int(PrintStatus::Skip) << "0 frame lines";
}

void LightRepTest::statusPixels()
{
    QFETCH(int, status);
    QFETCH(QString, drawn);
    LightRep rep;
    auto *layout = rep.add<LRLayoutPanel>();
    layout->setBeforePrint([&](CustomLRPanel &, const QRect &, PrintStatus &s) { s = PrintStatus(status); });
    auto *item = layout->add<LRItem>();
    item->setBounds(20, 20, 200, 60);
    item->setColor(Qt::yellow);
    item->setTransparent(false);
    item->setFont(LRFont{QStringLiteral("IPAPGothic"), 40});
    item->setText(QStringLiteral("■■■"));
    item->setLines(LineStyle::Double, LineStyle::Double, LineStyle::Double, LineStyle::Double);
    const QImage page = preview(rep);
    // Item at (57, 57), 200 x 60: fill to (255, 115), frame lines around it.
    QStringList got;
    if (page.pixel(250, 110) == qRgb(255, 255, 0))
        got << "fill";
    got << QStringLiteral("%1 frame lines")
               .arg(dark(page, 150, 56) + dark(page, 56, 100) + dark(page, 256, 100) + dark(page, 150, 116));
    if (darkPixels(page, QRect(60, 60, 190, 50)) > 200)
        got << "text";
    QCOMPARE(got.join(", "), drawn);
}

void LightRepTest::lineWidths_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QList<int>>("rows");
    // An item (37, 31) 100 x 50 with a bottom line: on the row Trunc(80 x scale).
    QTest::newRow("half, preview") << int(LineStyle::Half) << 96 << QList<int>{80};
    QTest::newRow("single, preview") << int(LineStyle::Single) << 96 << QList<int>{80};
    QTest::newRow("double, preview") << int(LineStyle::Double) << 96 << QList<int>{79, 80};
    // 600 per inch: A4 is 7016 pixels high, scale 6.2476; the line is centred on row 499.
    QTest::newRow("half, 600 dpi") << int(LineStyle::Half) << 600 << QList<int>{498, 499, 500};
    QTest::newRow("single, 600 dpi") << int(LineStyle::Single) << 600
                                     << QList<int>{496, 497, 498, 499, 500, 501, 502};
    QTest::newRow("double, 600 dpi") << int(LineStyle::Double) << 600
                                     << QList<int>{493, 494, 495, 496, 497, 498,
                                                   499, 500, 501, 502, 503, 504};
}

void LightRepTest::lineWidths()
{
    QFETCH(int, style);
    QFETCH(int, dpi);
    QFETCH(QList<int>, rows);
    LightRep rep;
    setClassPageMargins(rep);
    auto *item = rep.add<LRLayoutPanel>()->add<LRItem>();
    item->setBounds(0, 0, 100, 50);
    item->setLineBottom(LineStyle(style));
    RecordingTarget target(QSize(1000, 1000), 7016);
    const QImage page = dpi == 96 ? preview(rep) : printed(rep, target);
    // Across the middle of the item.
    QCOMPARE(darkRows(page, dpi == 96 ? 80 : 500), rows);
}

void LightRepTest::textPlacement_data()
{
    // "■" 24 units high in an item at (137, 131) 200 x 100 with margins 20 / 10.
    // The text box starts at 157 (left) or ends at 316 (right) and starts at 141
    // (top) or ends one line above 220 (bottom); the glyph's own bearings (3
    // across, 9 down from the line's top) set where its ink begins.
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QRect>("ink");
    QTest::newRow("left, top") << int(TextAlignment::LeftJustify) << int(TextLayout::Top)
                               << QRect(QPoint(160, 150), QPoint(177, 167));
    QTest::newRow("right, bottom") << int(TextAlignment::RightJustify) << int(TextLayout::Bottom)
                                   << QRect(QPoint(295, 203), QPoint(312, 220));
    // Centred across the whole item (236.5) and down by half the room left.
    QTest::newRow("centre, centre") << int(TextAlignment::Center) << int(TextLayout::Center)
                                    << QRect(QPoint(228, 176), QPoint(245, 193));
}

void LightRepTest::textPlacement()
{
    QFETCH(int, alignment);
    QFETCH(int, layout);
    QFETCH(QRect, ink);
    LightRep rep;
    auto *panel = rep.add<LRLayoutPanel>();
    panel->setAlign(LRAlign::Client);
    auto *item = panel->add<LRItem>();
    item->setBounds(100, 100, 200, 100);
    item->setHMargin(20);
    item->setVMargin(10);
    item->setFont(LRFont{QStringLiteral("IPAPGothic"), 24});
    item->setAlignment(TextAlignment(alignment));
    item->setLayout(TextLayout(layout));
    item->setText(QStringLiteral("■"));
    const QImage page = preview(rep);
    QRect got;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (dark(page, x, y))
                got |= QRect(x, y, 1, 1);
    // Within two pixels, for the font's hinting.
    const QMargins off(got.left() - ink.left(), got.top() - ink.top(), got.right() - ink.right(),
                       got.bottom() - ink.bottom());
    QVERIFY2(qAbs(off.left()) <= 2 && qAbs(off.top()) <= 2 && qAbs(off.right()) <= 2 &&
                 qAbs(off.bottom()) <= 2,
             qPrintable(QStringLiteral("ink %1,%2 - %3,%4")
                            .arg(got.left())
                            .arg(got.top())
                            .arg(got.right())
                            .arg(got.bottom())));
}

void LightRepTest::printRun()
{
    // The scale is the sheet height over the page height; the unprintable margins
    // move the page so that page units count from the sheet's edge.
    LightRep rep;
    setClassPageMargins(rep);
    rep.setTitle(QStringLiteral("job"));
    auto *item = rep.add<LRLayoutPanel>()->add<LRItem>();
    item->setBounds(0, 0, 100, 50);
    item->setLineBottom(LineStyle::Single);
    RecordingTarget target(QSize(1000, 1000), 0);
    target.printable = 7016;
    target.offset = QPoint(60, 120);
    rep.setPrinter(&target);
    rep.newPage(); // no job yet: nothing happens
    rep.beginDoc();
    QCOMPARE(rep.state(), LightRep::State::Printing);
    rep.printPage();
    rep.newPage();
    rep.printPage();
    rep.endDoc();
    QCOMPARE(rep.state(), LightRep::State::Idle);
    QCOMPARE(target.calls, (QStringList{"paper A4 portrait", "begin job", "page", "end"}));
    QCOMPARE(target.pages.size(), 2);
    // 120 pixels are 19 units: the line of unit 80 lies on Trunc(61 x 6.2476) = 381.
    QCOMPARE(darkRows(target.pages[1], 300), (QList<int>{378, 379, 380, 381, 382, 383, 384}));
}

void LightRepTest::previewScaled_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("size");
    QTest::newRow("50 %") << 50 << QSize(397, 561);
    QTest::newRow("25 %") << 25 << QSize(198, 280);
    QTest::newRow("100 %") << 100 << QSize(794, 1123);
}

void LightRepTest::previewScaled()
{
    QFETCH(int, percent);
    QFETCH(QSize, size);
    LightRep rep;
    QImage surface(900, 1200, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    {
        QPainter p(&surface);
        rep.previewPageScaled(p, 3, 3, percent);
    }
    QCOMPARE(rep.state(), LightRep::State::Previewing);
    QCOMPARE(surface.pixel(3, 3), qRgb(255, 255, 255));
    QCOMPARE(surface.pixel(2 + size.width(), 2 + size.height()), qRgb(255, 255, 255));
    QCOMPARE(surface.pixel(3 + size.width(), 3), qRgb(255, 0, 255));
    QCOMPARE(surface.pixel(3, 3 + size.height()), qRgb(255, 0, 255));
}

void LightRepTest::subPanels()
{
    LightRep rep;
    setClassPageMargins(rep);
    auto *panel = rep.add<LRLayoutPanel>();
    panel->setAlign(LRAlign::Client);
    auto *grid = panel->add<LRGridPanel>();
    grid->setAlign(LRAlign::Client);
    grid->setColCount(7);
    LRSubPanel sub;
    QVERIFY(!sub.isVisible());
    sub.setGridPanel(grid);
    QCOMPARE(sub.bounds().size(), QSize(102, 1061));
    grid->setRowCount(101);
    QCOMPARE(sub.bounds().size(), QSize(102, 10));
    // A replacement cell panel is printed instead of the template.
    QStringList log;
    grid->add<Probe>(&log, "template");
    sub.add<Probe>(&log, "sub");
    grid->setRowCount(1);
    grid->setCellPanel(&sub);
    preview(rep);
    QCOMPARE(log.size(), 7);
    QVERIFY(log[0].startsWith("sub0"));
}

void LightRepTest::failures_data()
{
    // Steps: "begin" a job, "preview", "draw" a preview page, "print" a page,
    // "scale=N" a preview at N %, "paperless" printer, "noprinter" then apply the
    // paper; "cols=N" or "rows=N" on a grid 587 x 1017 as on the class pages, a
    // "small" grid 5 x 5 of 1 x 1; "nest=XYZ" adds X to the report, Y to X and so
    // on (Layout panel, Grid panel, Item, Sub panel, Report).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("stateAfter");
    const QString busyPreview = "プリンタが印刷中のため、プレヴューを開始できません",
                  notBegun = "BeginDocが呼び出されていません", paper = "用紙設定時にエラーが発生しました。",
                  onPanels = "TLightRep上かTLRLayoutPanelにのみ配置できます。",
                  notOnReport = "TLightRep上には配置できません。",
                  itemOnPanels = "パネル上にのみ配置できます。";
    const int idle = int(LightRep::State::Idle), printing = int(LightRep::State::Printing);
    const auto row = [](const char *name, const QString &steps, const QString &message, int state) {
        QTest::newRow(name) << steps << message << state;
    };
    row("BeginDoc while printing", "begin begin", "プリンタは印刷中です", printing);
    row("BeginPreview while printing", "begin preview", busyPreview, printing);
    row("PreviewPage while printing", "begin draw", busyPreview, printing);
    row("PrintPage while idle", "print", notBegun, idle);
    row("PrintPage while previewing", "preview print", notBegun, int(LightRep::State::Previewing));
    row("scale 24", "scale=24", "印刷スケールが無効です", idle);
    row("scale 101", "scale=101", "印刷スケールが無効です", idle);
    row("paper settings unavailable", "paperless begin", paper, idle);
    row("no printer", "noprinter", paper, idle);
    for (int cols : {58, 59, 0, -1})
        QTest::addRow("%d columns", cols)
            << QStringLiteral("cols=%1").arg(cols)
            << (cols == 58 ? "<no error>" : "列数が有効範囲を超えています") << idle;
    for (int rows : {101, 102, 0})
        QTest::addRow("%d rows", rows)
            << QStringLiteral("rows=%1").arg(rows)
            << (rows == 101 ? "<no error>" : "行数が有効範囲を超えています") << idle;
    // A grid too small for one cell keeps the counts it already has.
    row("the current count is taken unchecked", "small", "<no error>", idle);
    row("report on a panel", "nest=LR", "フォーム上にのみ配置できます。", idle);
    row("layout panel on a grid", "nest=GL", onPanels, idle);
    row("grid panel on an item", "nest=LIG", onPanels, idle);
    row("panels nest in layout panels", "nest=LLGI", "<no error>", idle);
    row("sub panel on the report", "nest=S", notOnReport, idle);
    row("sub panel on a layout panel", "nest=LS", notOnReport, idle);
    row("item on the report", "nest=I", itemOnPanels, idle);
    row("item on an item", "nest=LII", itemOnPanels, idle);
}

void LightRepTest::failures()
{
    QFETCH(QString, steps);
    QFETCH(QString, message);
    QFETCH(int, stateAfter);
    LightRep rep;
    RecordingTarget target(QSize(10, 10), 1123);
    rep.setPrinter(&target);
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter p(&image);
    const auto grid = [&](int width, int height) {
        setClassPageMargins(rep);
        rep.add<LRLayoutPanel>()->setHeight(44);
        auto *g = rep.add<LRGridPanel>();
        g->setAlign(LRAlign::None);
        g->setBounds(0, 0, width, height);
        return g;
    };
    const QHash<QString, std::function<void(const QString &)>> does{
        {"begin", [&](const QString &) { rep.beginDoc(); }},
        {"preview", [&](const QString &) { rep.beginPreview(); }},
        {"draw", [&](const QString &) { rep.previewPage(p); }},
        {"print", [&](const QString &) { rep.printPage(); }},
        {"scale", [&](const QString &n) { rep.previewPageScaled(p, 0, 0, n.toInt()); }},
        {"paperless", [&](const QString &) { target.paperAvailable = false; }},
        {"noprinter", [&](const QString &) { rep.setPrinter(nullptr), rep.applyPaperSettings(); }},
        {"cols", [&](const QString &n) { grid(587, 1017)->setColCount(n.toInt()); }},
        {"rows", [&](const QString &n) { grid(587, 1017)->setRowCount(n.toInt()); }},
        {"small",
         [&](const QString &) {
             auto *g = grid(5, 5);
             g->setColCount(1), g->setRowCount(1);
         }},
        {"nest", [&](const QString &chain) {
             LRElement *at = &rep;
             for (const QChar c : chain)
                 at = c == u'L'   ? static_cast<LRElement *>(at->add<LRLayoutPanel>())
                      : c == u'G' ? at->add<LRGridPanel>()
                      : c == u'I' ? at->add<LRItem>()
                      : c == u'S' ? static_cast<LRElement *>(at->add<LRSubPanel>())
                                  : at->add<LightRep>();
         }}};
    const QStringList words = steps.split(u' ');
    for (const QString &w : words)
        QVERIFY2(does.contains(w.section(u'=', 0, 0)), qPrintable(w));
    QCOMPARE(errorOf([&] {
                 for (const QString &w : words)
                     does[w.section(u'=', 0, 0)](w.section(u'=', 1));
             }),
             message);
    QCOMPARE(int(rep.state()), stateAfter);
}

QTEST_MAIN(LightRepTest)
#include "LightRepTest.moc"
