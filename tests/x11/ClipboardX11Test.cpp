// Paste follows the real X clipboard, and a copied block can be read by another
// program. Needs the X server that scripts/run-tests starts; it fails rather
// than skips without one.
#include "../ui/WindowFixture.h"

#include "ui/editing/PictureView.h"
#include "ui/editing/ToolBox.h"

#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>

using namespace tessell;
using namespace tessell::test;

class ClipboardX11Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pasteFollowsOtherProgramsText_data();
    void pasteFollowsOtherProgramsText();
    void copiedBlockIsReadableElsewhere();
    void cleanup() { fixture.stop(); }

private:
    // Offers text on the clipboard from another process, as another program would.
    void offer(const QByteArray &text);
    WindowFixture fixture;
};

void ClipboardX11Test::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "no X server: run through scripts/run-tests");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(), "xclip is not installed");
}

void ClipboardX11Test::offer(const QByteArray &text)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i")});
    QVERIFY(xclip.waitForStarted());
    xclip.write(text);
    xclip.closeWriteChannel();
    // xclip forks a child that owns the selection and then the parent returns.
    QVERIFY(xclip.waitForFinished(5000));
    QCOMPARE(xclip.exitCode(), 0);
}

void ClipboardX11Test::pasteFollowsOtherProgramsText_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("firstEnables");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("secondEnables");
    QTest::newRow("block, then a word") << QByteArray("tsdata,2,1,3,A") << true << QByteArray("hello") << false;
    QTest::newRow("a word, then a block") << QByteArray("tsdat") << false << QByteArray("tsdata,1,1,5") << true;
    QTest::newRow("other letter case does not count") << QByteArray("tsdata,1,1,5") << true
                                                      << QByteArray("TSDATA,1,1,5") << false;
}

void ClipboardX11Test::pasteFollowsOtherProgramsText()
{
    QFETCH(QByteArray, first);
    QFETCH(bool, firstEnables);
    QFETCH(QByteArray, second);
    QFETCH(bool, secondEnables);
    fixture.start();
    offer(first);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.window->commands().action(Command::Paste)->isEnabled(), firstEnables, 5000);
    QTRY_COMPARE(fixture.window->commands().button(Command::Paste)->isEnabled(), firstEnables);
    offer(second);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.window->commands().action(Command::Paste)->isEnabled(), secondEnables, 5000);
    QTRY_COMPARE(fixture.window->commands().button(Command::Paste)->isEnabled(), secondEnables);
}

void ClipboardX11Test::copiedBlockIsReadableElsewhere()
{
    fixture.start();
    MainWindow &w = *fixture.window;
    w.design().setCell(1, 0, QStringLiteral("3"));
    w.design().setCell(2, 0, QStringLiteral("A"));
    w.editor().refreshPicture();
    QTest::mouseClick(w.editor().toolBox()->button(ToolKind::Selection), Qt::LeftButton);
    PictureView *picture = w.editor().pictureView();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(6 + 2, 2));
    QTest::mouseMove(picture, QPoint(12 + 2, 2));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(12 + 2, 2));
    QVERIFY(w.commands().button(Command::Copy)->isEnabled());
    QTest::mouseClick(w.commands().button(Command::Copy), Qt::LeftButton);

    // Read it from another process while this one keeps serving the selection.
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
    QVERIFY(xclip.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(xclip.state(), QProcess::NotRunning, 5000);
    QCOMPARE(xclip.readAllStandardOutput(), QByteArray("tsdata,2,1,3,A"));
    // The copy shows up as our own clipboard change too.
    QTRY_VERIFY(w.commands().action(Command::Paste)->isEnabled());
}

QTEST_MAIN(ClipboardX11Test)
#include "ClipboardX11Test.moc"
