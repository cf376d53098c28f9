// What the window manager is told about the program's windows, read back from
// the X server with xprop, and the menu buttons under a real pointer. Needs the
// X server that scripts/run-tests starts; it fails rather than skips without one.
#include "../ui/WindowFixture.h"

#include "core/document/DesignFile.h"
#include "core/shell/FileAssociation.h"
#include "core/shell/ProgramIcon.h"
#include "ui/app/Application.h"
#include "ui/app/ToolBarPanel.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/ToolBox.h"
#include "ui/shell/WelcomeWindow.h"

#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>

using namespace tessell;
using namespace tessell::test;

namespace {
QString property(QWidget *window, const char *name)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()), QLatin1String(name)});
    if (!xprop.waitForFinished(5000))
        return {};
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// The title as the window manager shows it.
QString shownTitle(QWidget *window)
{
    const QString line = property(window, "_NET_WM_NAME");
    const qsizetype quote = line.indexOf(QLatin1Char('"'));
    return quote < 0 ? line : line.mid(quote + 1).chopped(1);
}

// The window manager's functions and decorations (motif hints 2 and 3).
QList<uint> motifHints(QWidget *window)
{
    const QString line = property(window, "_MOTIF_WM_HINTS");
    QList<uint> values;
    for (const QString &v : line.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        values << v.trimmed().toUInt(nullptr, 0);
    return values;
}

// The icons the window manager is given (_NET_WM_ICON), by width: ARGB pixels.
QMap<int, QList<quint32>> windowIcons(QWidget *window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("-f"),
                 QStringLiteral("_NET_WM_ICON"), QStringLiteral("32c"), QStringLiteral(" $0+\n"),
                 QStringLiteral("_NET_WM_ICON")});
    QMap<int, QList<quint32>> icons;
    if (!xprop.waitForFinished(10000))
        return icons;
    // Width, height and the pixels, icon after icon.
    QList<quint32> values;
    const QByteArray out = xprop.readAllStandardOutput();
    for (const QByteArray &v : out.mid(out.indexOf(' ') + 1).split(','))
        values << v.trimmed().toUInt();
    for (qsizetype i = 0; i + 2 <= values.size();) {
        const qsizetype w = values[i], h = values[i + 1];
        if (w == 0 || i + 2 + w * h > values.size())
            break;
        icons.insert(int(w), values.mid(i + 2, w * h));
        i += 2 + w * h;
    }
    return icons;
}

QList<quint32> pixels(const QImage &image)
{
    QList<quint32> values;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            values << image.pixel(x, y);
    return values;
}

void runXdotool(const QString &commands)
{
    QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"), commands});
}
} // namespace

class WindowsX11Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { fixture.start(); }
    void cleanup() { fixture.stop(); }
    void titlesAndIconsAreTheProductsOwn();
    void smallWindowsOfferOnlyClosing();
    void menuButtonFlatAfterItsMenuCloses();

private:
    MainWindow &w() { return *fixture.window; }
    WindowFixture fixture;
};

void WindowsX11Test::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "no X server: run through scripts/run-tests");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    for (const char *tool : {"xprop", "xdotool"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
    setUpApplication(*qApp);
}

// Every window carries the program's title and icon, whatever window it is.
void WindowsX11Test::titlesAndIconsAreTheProductsOwn()
{
    QCOMPARE(shownTitle(&w()), QStringLiteral("Tessell"));
    const QString path = fixture.scratch->file(QStringLiteral("a.tsl"));
    DesignFile::write(w().design(), path);
    w().files().fileOpen(path);
    QTRY_COMPARE(shownTitle(&w()), QStringLiteral("Tessell - [%1]").arg(path));

    w().commands().action(Command::RotateMove)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(w().rotateMoveWindow()));
    QCOMPARE(shownTitle(w().rotateMoveWindow()), QStringLiteral("回転・移動"));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), QStringLiteral("?"), QMessageBox::Ok, &w());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(shownTitle(&box), QStringLiteral("警告"));

    for (QWidget *window : QList<QWidget *>{&w(), w().rotateMoveWindow(), &box}) {
        // Qt hands over the sizes up to 128 pixels.
        const QMap<int, QList<quint32>> icons = windowIcons(window);
        QCOMPARE(icons.keys(), QList<int>({16, 24, 32, 48, 64, 128}));
        for (int size : icons.keys())
            QCOMPARE(icons[size], pixels(programIcon(size)));
    }
}

// Fixed-size windows offer neither minimising nor maximising; the text window
// cannot even be closed by the user.
void WindowsX11Test::smallWindowsOfferOnlyClosing()
{
    enum : uint { FuncMinimize = 8, FuncMaximize = 16, FuncClose = 32, DecorMinimize = 32, DecorMaximize = 64 };
    QList<QWidget *> windows;
    w().commands().action(Command::Replace)->trigger();
    windows << w().replaceDialog();
    w().commands().action(Command::RotateMove)->trigger();
    windows << w().rotateMoveWindow();
    SizeDialog size(w().settings(), *fixture.prompter, &w());
    FileAssociation association;
    WelcomeWindow welcome(w().runner(), association, &w());
    windows << &size << &welcome;
    QTest::mouseClick(w().editor().toolBox()->button(ToolKind::Text), Qt::LeftButton);
    QWidget *text = w().editor().textDialog();
    windows << text;
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QList<uint> hints = motifHints(window);
        QVERIFY2(hints.size() >= 3, qPrintable(window->windowTitle()));
        QCOMPARE(hints[1] & (FuncMinimize | FuncMaximize), 0u);
        QCOMPARE(hints[2] & (DecorMinimize | DecorMaximize), 0u);
        QCOMPARE(bool(hints[1] & FuncClose), window != text);
    }
}

// The pointer leaves a menu button while its menu is open and a click
// elsewhere closes the menu: the button is drawn flat again.
void WindowsX11Test::menuButtonFlatAfterItsMenuCloses()
{
    auto *button = w().findChild<QToolButton *>(QStringLiteral("menuButton0"));
    const QPoint on = button->mapToGlobal(button->rect().center());
    const QPoint away = w().mapToGlobal(QPoint(500, 400));
    runXdotool(QStringLiteral("xdotool mousemove %1 %2 sleep 0.3 click 1 sleep 0.5 mousemove %3 %4 sleep 0.3 click 1")
                   .arg(on.x())
                   .arg(on.y())
                   .arg(away.x())
                   .arg(away.y()));
    // The menu runs a loop of its own while open: count its showing and hiding.
    QSignalSpy shown(button->menu(), &QMenu::aboutToShow), hidden(button->menu(), &QMenu::aboutToHide);
    QTRY_COMPARE_WITH_TIMEOUT(hidden.size(), 1, 5000);
    QCOMPARE(shown.size(), 1);
    QTest::qWait(100);
    QVERIFY(!button->underMouse());
}

QTEST_MAIN(WindowsX11Test)
#include "WindowsX11Test.moc"
