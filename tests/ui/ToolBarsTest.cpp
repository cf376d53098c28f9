#include "WindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "ui/app/ToolBarArea.h"
#include "ui/app/ToolBarPanel.h"
#include "ui/editing/NumberView.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

// The six tool bars: default places, floating, hiding, and their keys in data.dat.
class ToolBarsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }

    void firstExitWritesDefaults_data();
    void firstExitWritesDefaults();
    void floatedAndHiddenBarsComeBack();
    void hidingFromContextMenuUpdatesBothMenus();
    void resetDocksEveryBarAtItsDefault();

private:
    MainWindow &w() { return *f.window; }
    WindowFixture f;
};

void ToolBarsTest::firstExitWritesDefaults_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("menu") << 0 << QSize(290, 25) << QPoint(11, 2);
    QTest::newRow("standard") << 1 << QSize(406, 25) << QPoint(11, 31);
    QTest::newRow("place") << 2 << QSize(195, 50) << QPoint(813, 60);
    QTest::newRow("status") << 3 << QSize(307, 25) << QPoint(646, 31);
    QTest::newRow("palette") << 4 << QSize(789, 50) << QPoint(11, 60);
    QTest::newRow("tool box") << 5 << QSize(203, 25) << QPoint(430, 31);
}

void ToolBarsTest::firstExitWritesDefaults()
{
    QFETCH(int, bar);
    QFETCH(QSize, size);
    QFETCH(QPoint, place);
    ToolBarPanel *panel = w().toolBar(bar);
    QCOMPARE(panel->body()->size(), size);
    QCOMPARE(panel->barPos(), place);
    QCOMPARE(panel->body()->mapTo(w().toolBarArea(), QPoint(0, 0)), place);
    QVERIFY(panel->isVisible());
    // The area grows to hold the lowest bar.
    QVERIFY(w().toolBarArea()->height() >= 110);

    QVERIFY(!QFileInfo::exists(AppPaths::dataFile()));
    QVERIFY(f.close());
    const SettingsStore store(AppPaths::dataFile());
    const QString sec = QStringLiteral("ToolBar%1").arg(bar);
    QCOMPARE(store.readString(sec, QStringLiteral("Visible")), QStringLiteral("1"));
    QCOMPARE(store.readString(sec, QStringLiteral("Docking")), QStringLiteral("1"));
    QCOMPARE(store.readInteger(sec, QStringLiteral("Left"), -1), place.x());
    QCOMPARE(store.readInteger(sec, QStringLiteral("Top"), -1), place.y());
    QCOMPARE(store.readInteger(sec, QStringLiteral("ParentLeft"), -1), 0);
    QCOMPARE(store.readInteger(sec, QStringLiteral("ParentTop"), -1), 0);
}

void ToolBarsTest::floatedAndHiddenBarsComeBack()
{
    ToolBarPanel *palette = w().toolBar(ToolBarArea::PaletteBarIndex);
    palette->floatAt(QPoint(120, 610));
    QVERIFY(palette->isFloating());
    QVERIFY(palette->floatingWindow()->isVisible());
    QCOMPARE(palette->floatingWindow()->pos(), QPoint(120, 610));
    w().toolBar(ToolBarArea::StatusBar)->setBarPos(QPoint(500, 2));
    QVERIFY(w().toolBarArea()->height() > 100);
    // Hidden from the view menu's item, as the user would.
    QAction *place = w().toolBarArea()->toolBarMenu()->actions().at(4);
    QCOMPARE(place->text(), QStringLiteral("場所(&L)"));
    place->trigger();
    QVERIFY(!w().toolBar(ToolBarArea::PlaceBar)->isVisible());
    // The area shrinks once its lowest row is empty, and the views move up.
    QVERIFY(w().toolBarArea()->height() < 100);
    QCOMPARE(w().editor().numberView()->y(), w().toolBarArea()->height() + 15);
    QVERIFY(f.close());

    f.start();
    ToolBarPanel *again = w().toolBar(ToolBarArea::PaletteBarIndex);
    QVERIFY(again->isFloating());
    QVERIFY(again->floatingWindow()->isVisible());
    QCOMPARE(again->floatingWindow()->pos(), QPoint(120, 610));
    QVERIFY(!w().toolBar(ToolBarArea::PlaceBar)->isBarVisible());
    QVERIFY(!w().toolBar(ToolBarArea::PlaceBar)->isVisible());
    QCOMPARE(w().toolBar(ToolBarArea::StatusBar)->barPos(), QPoint(500, 2));
    w().toolBarArea()->toolBarMenu()->popup(QPoint(0, 0));
    QVERIFY(!w().toolBarArea()->toolBarMenu()->actions().at(4)->isChecked());
    QVERIFY(w().toolBarArea()->toolBarMenu()->actions().at(1)->isChecked());
    w().toolBarArea()->toolBarMenu()->hide();

    // Docked again it takes its old place.
    again->dock();
    QVERIFY(!again->isFloating());
    QCOMPARE(again->barPos(), QPoint(11, 60));
    QVERIFY(again->isVisible());
}

void ToolBarsTest::hidingFromContextMenuUpdatesBothMenus()
{
    QMenu *context = w().toolBarArea()->contextMenu();
    QAction *paletteItem = nullptr;
    for (QAction *a : context->actions())
        if (a->text() == QStringLiteral("パレット(&P)"))
            paletteItem = a;
    QVERIFY(paletteItem);
    paletteItem->trigger();
    QVERIFY(!w().toolBar(ToolBarArea::PaletteBarIndex)->isVisible());
    w().toolBarArea()->toolBarMenu()->popup(QPoint(0, 0));
    QVERIFY(!w().toolBarArea()->toolBarMenu()->actions().at(1)->isChecked());
    w().toolBarArea()->toolBarMenu()->hide();
    context->popup(QPoint(0, 0));
    QVERIFY(!paletteItem->isChecked());
    context->hide();
    // The same item shows the bar again.
    paletteItem->trigger();
    QVERIFY(w().toolBar(ToolBarArea::PaletteBarIndex)->isVisible());
}

void ToolBarsTest::resetDocksEveryBarAtItsDefault()
{
    w().toolBar(ToolBarArea::ToolBoxBar)->floatAt(QPoint(50, 700));
    w().toolBar(ToolBarArea::StandardBar)->setBarVisible(false);
    w().toolBar(ToolBarArea::StatusBar)->setBarPos(QPoint(700, 2));
    w().readIni(true);
    w().readIni(true);
    for (int n = 0; n < ToolBarArea::BarCount; ++n) {
        QVERIFY(!w().toolBar(n)->isFloating());
        QVERIFY(w().toolBar(n)->isBarVisible());
    }
    QCOMPARE(w().toolBar(ToolBarArea::ToolBoxBar)->barPos(), QPoint(430, 31));
    QCOMPARE(w().toolBar(ToolBarArea::StatusBar)->barPos(), QPoint(646, 31));
}

QTEST_MAIN(ToolBarsTest)
#include "ToolBarsTest.moc"
