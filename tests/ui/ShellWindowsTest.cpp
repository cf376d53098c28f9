#include "WindowFixture.h"

#include "core/document/DesignFile.h"
#include "ui/app/ToolBarPanel.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/OptionsDialog.h"

#include <QAction>
#include <QTextBrowser>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

// The options window's tool-bar reset and help key, and when the welcome
// window shows. The association itself is tested against the real desktop
// tools under tests/xdg.
class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f = WindowFixture(); }

    void toolBarsResetOnlyWhenPressed_data();
    void toolBarsResetOnlyWhenPressed();
    void f1OpensTheOptionsPage();
    void welcomeOnlyOnTheFirstStart_data();
    void welcomeOnlyOnTheFirstStart();

private:
    MainWindow &w() { return *f.window; }
    // Opens the options from the tools menu's command and runs action in it.
    void withOptions(const std::function<void(OptionsDialog *)> &action)
    {
        QVERIFY(withModal<OptionsDialog>([&] { w().commands().action(Command::Options)->trigger(); },
                                         [&](OptionsDialog *dialog) {
                                             QVERIFY(QTest::qWaitForWindowActive(dialog));
                                             action(dialog);
                                             QVERIFY(!dialog->isVisible());
                                         }));
    }
    WindowFixture f;
};

void ShellWindowsTest::init()
{
    // The options window reads the association: never the user's own.
    f.scratch = std::make_unique<Scratch>();
    qputenv("XDG_DATA_HOME", f.scratch->file("home/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", f.scratch->file("home/.config").toUtf8());
    f.start();
}

void ShellWindowsTest::toolBarsResetOnlyWhenPressed_data()
{
    QTest::addColumn<bool>("press");
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("pressed, 閉じる") << true << "button";
    QTest::newRow("pressed, Escape") << true << "escape";
    QTest::newRow("not pressed") << false << "button";
}

void ShellWindowsTest::toolBarsResetOnlyWhenPressed()
{
    QFETCH(bool, press);
    QFETCH(QString, closeBy);
    ToolBarPanel *status = w().toolBar(ToolBarArea::StatusBar);
    ToolBarPanel *standard = w().toolBar(ToolBarArea::StandardBar);
    status->setBarPos(QPoint(700, 2));
    standard->setBarVisible(false);
    withOptions([&](OptionsDialog *dialog) {
        if (press) {
            QTest::mouseClick(dialog->resetButton(), Qt::LeftButton);
            QVERIFY(!dialog->resetButton()->isEnabled());
            // Nothing moves before the window closes.
            QCOMPARE(status->barPos(), QPoint(700, 2));
        }
        if (closeBy == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    QCOMPARE(status->barPos(), press ? QPoint(646, 31) : QPoint(700, 2));
    QCOMPARE(standard->isBarVisible(), press);
}

void ShellWindowsTest::f1OpensTheOptionsPage()
{
    QString shownWhileOpen;
    withOptions([&](OptionsDialog *dialog) {
        QTest::keyClick(dialog, Qt::Key_F1);
        QVERIFY(w().helpWindow());
        QVERIFY(w().helpWindow()->isVisible());
        shownWhileOpen = w().helpWindow()->browser()->source().fileName();
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    QCOMPARE(shownWhileOpen, QStringLiteral("options.html"));
}

void ShellWindowsTest::welcomeOnlyOnTheFirstStart_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("first");
    QTest::newRow("no settings store") << "none" << true;
    // Opening it writes the recent files, and still the welcome is due.
    QTest::newRow("a design on the command line") << "design" << true;
    QTest::newRow("empty store") << "empty" << false;
    QTest::newRow("after the first exit") << "exit" << false;
}

void ShellWindowsTest::welcomeOnlyOnTheFirstStart()
{
    QFETCH(QString, before);
    QFETCH(bool, first);
    f.stop();
    if (before == "empty")
        f.scratch->write("data.dat", "");
    else if (before == "exit") {
        f.start();
        QVERIFY(f.close());
        f.stop();
    }
    QStringList arguments;
    if (before == "design") {
        arguments << f.scratch->file("a.tsl");
        DesignFile::write(Design(), arguments.first());
    }
    f.start(arguments);
    QCOMPARE(QFileInfo::exists(AppPaths::dataFile()), before != "none");
    QCOMPARE(w().isFirstStart(), first);
}

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"
