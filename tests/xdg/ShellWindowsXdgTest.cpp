// The options window's box and the welcome window's button against the real
// freedesktop tools in a scratch home. The program associated is this test
// program itself, so nothing here opens a design from the desktop.
#include "XdgHome.h"

#include "../ui/WindowFixture.h"
#include "core/shell/FileAssociation.h"
#include "core/shell/FreedesktopAssociation.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/WelcomeWindow.h"

#include <QAction>
#include <QCheckBox>

using namespace tessell;
using namespace tessell::test;

class ShellWindowsXdgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { verifyXdgTools(); }
    void init();
    void cleanup() { f = WindowFixture(); }

    void optionsBoxSwitchesAtEachClick_data();
    void optionsBoxSwitchesAtEachClick();
    void failedSwitchIsShownAndUndoneOnTheBox();
    void welcomeAssociatesOnce_data();
    void welcomeAssociatesOnce();

private:
    MainWindow &w() { return *f.window; }
    // Opens the options, clicks the box once and closes; answers whether the
    // box was on when the window opened.
    bool clickOptionsBox()
    {
        bool wasOn = false;
        const bool opened =
            withModal<OptionsDialog>([&] { w().commands().action(Command::Options)->trigger(); },
                                     [&](OptionsDialog *dialog) {
                                         wasOn = dialog->associationBox()->isChecked();
                                         QTest::mouseClick(dialog->associationBox(), Qt::LeftButton);
                                         QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
                                     });
        [&] { QVERIFY(opened); }();
        return wasOn;
    }
    // Every value written for this program, as the desktop reads them.
    void verifyOn()
    {
        const FreedesktopAssociation store;
        QCOMPARE(store.openCommand(), store.commandFor(QCoreApplication::applicationFilePath()));
        QVERIFY(QFileInfo::exists(store.iconFile()));
        QCOMPARE(contentType(f.scratch->write("x.tsl", "tsfile,1,1\r\n")),
                 QStringLiteral("application/x-tessell"));
        QCOMPARE(defaultApp(), FreedesktopAssociation::desktopName());
    }
    void blockDesktopEntry() { writeText(f.scratch->file("home/.local/share/applications"), "in the way"); }
    WindowFixture f;
};

void ShellWindowsXdgTest::init()
{
    f.scratch = std::make_unique<Scratch>();
    useScratchHome(*f.scratch);
    f.start();
}

void ShellWindowsXdgTest::optionsBoxSwitchesAtEachClick_data()
{
    QTest::addColumn<bool>("elsewhere");
    QTest::newRow("nothing associated") << false;
    QTest::newRow("associated by a copy elsewhere") << true;
}

void ShellWindowsXdgTest::optionsBoxSwitchesAtEachClick()
{
    QFETCH(bool, elsewhere);
    const QString copy = standIn(*f.scratch, "old place");
    if (elsewhere) {
        FileAssociation(copy, std::make_unique<FreedesktopAssociation>()).associate();
        QFile::remove(FreedesktopAssociation().iconFile());
    }
    // Off, and on rewrites every value for this program.
    QVERIFY(!clickOptionsBox());
    verifyOn();
    QVERIFY(!FileAssociation(copy, std::make_unique<FreedesktopAssociation>()).isOn());
    // On, and off removes everything.
    QVERIFY(clickOptionsBox());
    const FreedesktopAssociation store;
    for (const QString &path : {store.mimeFile(), store.desktopFile(), store.iconFile()})
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QCOMPARE(defaultApp(), QString());
    QVERIFY(!clickOptionsBox());
    QCOMPARE(f.prompter->shown.size(), 0);
}

void ShellWindowsXdgTest::failedSwitchIsShownAndUndoneOnTheBox()
{
    blockDesktopEntry();
    QVERIFY(!clickOptionsBox());
    QCOMPARE(f.prompter->texts(),
             QStringList{
                 QStringLiteral("'%1' の設定に失敗しました.").arg(FreedesktopAssociation().desktopFile())});
    // The box shows the failure as off, so the next click tries again.
    QFile::remove(f.scratch->file("home/.local/share/applications"));
    QVERIFY(!clickOptionsBox());
    verifyOn();
}

void ShellWindowsXdgTest::welcomeAssociatesOnce_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("written") << false;
    QTest::newRow("writing failed") << true;
}

void ShellWindowsXdgTest::welcomeAssociatesOnce()
{
    QFETCH(bool, fails);
    if (fails)
        blockDesktopEntry();
    FileAssociation association;
    WelcomeWindow welcome(w().runner(), association, &w());
    welcome.show();
    QVERIFY(QTest::qWaitForWindowExposed(&welcome));
    clickButton(&welcome, QStringLiteral("associateButton"));
    QVERIFY(!welcome.findChild<QPushButton *>(QStringLiteral("associateButton"))->isEnabled());
    QCOMPARE(f.prompter->shown.size(), fails ? 1 : 0);
    if (!fails)
        verifyOn();
}

QTEST_MAIN(ShellWindowsXdgTest)
#include "ShellWindowsXdgTest.moc"
