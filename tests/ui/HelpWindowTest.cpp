// The help pages compiled into the program and the help window that shows them.
#include "support/TestSupport.h"

#include "ui/common/HelpPages.h"
#include "ui/shell/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

using namespace tessell;
using namespace tessell::test;

namespace {
QString pageText(const QString &file)
{
    QFile f(QStringLiteral(":/help/") + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString heading(const HelpWindow &w)
{
    return w.browser()->document()->begin().text();
}
QString shownFile(const HelpWindow &w)
{
    return w.browser()->source().fileName();
}
} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void topicsOpenTheirPage_data();
    void topicsOpenTheirPage();
    void everyLinkLeadsToAPage();
    void everyPageIsInTheContents();
    void missingPageIsReported();
    void contentsListBackAndForward();
    void openedFromAModalWindowWorksAndStays();
    void f1AsksForTheWindowsTopic();
};

void HelpWindowTest::topicsOpenTheirPage_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("heading");
    QTest::newRow("no topic: contents") << 0 << "Tessell ヘルプ";
    QTest::newRow("image scan") << 3210 << "イメージスキャン";
    QTest::newRow("palette editor") << 3100 << "パレットエディタ";
    QTest::newRow("options") << 4120 << "オプションと関連付け";
    QTest::newRow("print") << 3380 << "印刷";
    QTest::newRow("collection plan") << 3400 << "集める数";
    QTest::newRow("unknown topic: contents") << 9999 << "Tessell ヘルプ";
}

void HelpWindowTest::topicsOpenTheirPage()
{
    QFETCH(int, topic);
    QFETCH(QString, heading);
    HelpWindow w;
    w.showTopic(topic);
    QVERIFY(w.isVisible());
    QCOMPARE(::heading(w), heading);
    // The contents list marks the page shown.
    QCOMPARE(w.contentsList()->currentItem()->text(),
             heading == "Tessell ヘルプ" ? QString("目次") : heading);
}

void HelpWindowTest::everyLinkLeadsToAPage()
{
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const HelpPages::Page &page : HelpPages::pages()) {
        const QString html = pageText(page.file);
        QVERIFY2(!html.isEmpty(), qPrintable(page.file));
        for (const auto &m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            if (target.startsWith("http"))
                continue;
            const QString where = page.file + " -> " + target;
            QCOMPARE(errorOf([&] { HelpPages::resolve(target); }), QStringLiteral("<no error>"));
            const QString anchor = target.section('#', 1);
            const QString file = target.section('#', 0, 0).isEmpty() ? page.file : target.section('#', 0, 0);
            if (!anchor.isEmpty())
                QVERIFY2(pageText(file).contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                         qPrintable(where));
        }
    }
}

void HelpWindowTest::everyPageIsInTheContents()
{
    QStringList listed;
    for (const HelpPages::Page &page : HelpPages::pages())
        listed << page.file;
    HelpPages::resolve(QStringLiteral("index.html")); // makes the resources available
    QStringList compiled = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    listed.sort();
    compiled.sort();
    QCOMPARE(listed, compiled);
}

void HelpWindowTest::missingPageIsReported()
{
    HelpWindow w;
    w.showTopic(HelpPages::ImageScan);
    QCOMPARE(errorOf([&] { w.showPage(QStringLiteral("nosuch.html")); }),
             QStringLiteral("ファイル help/nosuch.html は開けません"));
    QCOMPARE(errorOf([&] { w.showPage(QStringLiteral("../index.html")); }),
             QStringLiteral("ファイル help/../index.html は開けません"));
    QCOMPARE(shownFile(w), QStringLiteral("scan.html"));

    // A link inside a page that leads nowhere is reported, and the page stays.
    QSignalSpy failed(&w, &HelpWindow::failed);
    emit w.browser()->anchorClicked(QUrl(QStringLiteral("gone.html")));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed[0][0].toString(), QStringLiteral("ファイル help/gone.html は開けません"));
    QCOMPARE(shownFile(w), QStringLiteral("scan.html"));
}

void HelpWindowTest::contentsListBackAndForward()
{
    HelpWindow w;
    w.showTopic(HelpPages::Contents);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.backButton()->isEnabled());

    QListWidget *list = w.contentsList();
    const QList<QListWidgetItem *> print = list->findItems(QStringLiteral("印刷"), Qt::MatchExactly);
    QCOMPARE(print.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(print[0]).center());
    QCOMPARE(shownFile(w), QStringLiteral("print.html"));
    emit w.browser()->anchorClicked(QUrl(QStringLiteral("index.html")));
    QCOMPARE(shownFile(w), QStringLiteral("index.html"));

    QTest::mouseClick(w.backButton(), Qt::LeftButton);
    QCOMPARE(shownFile(w), QStringLiteral("print.html"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("印刷"));
    QTest::mouseClick(w.backButton(), Qt::LeftButton);
    QCOMPARE(shownFile(w), QStringLiteral("index.html"));
    QVERIFY(!w.backButton()->isEnabled());
    QVERIFY(w.forwardButton()->isEnabled());
    QTest::mouseClick(w.forwardButton(), Qt::LeftButton);
    QCOMPARE(shownFile(w), QStringLiteral("print.html"));
}

void HelpWindowTest::openedFromAModalWindowWorksAndStays()
{
    QWidget home;
    home.show();
    auto *help = new HelpWindow(&home);
    QPointer<HelpWindow> alive(help);
    QDialog dialog(&home);
    QString shownWhileModal;
    QTimer::singleShot(0, &dialog, [&] {
        help->showTopic(HelpPages::Contents);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        // Clicks through the window system, where a modal window blocks others.
        QListWidget *list = help->contentsList();
        const QRect item = list->visualItemRect(list->findItems(QStringLiteral("印刷"), Qt::MatchExactly)[0]);
        const QPoint at = list->viewport()->mapTo(help, item.center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
        shownWhileModal = shownFile(*help);
        dialog.accept();
    });
    dialog.exec();
    QCOMPARE(shownWhileModal, QStringLiteral("print.html"));
    // The help outlives the modal window and goes on showing its page.
    QVERIFY(alive);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->parentWidget(), &home);
    QCOMPARE(shownFile(*help), QStringLiteral("print.html"));
}

void HelpWindowTest::f1AsksForTheWindowsTopic()
{
    QDialog dialog;
    QList<int> asked;
    bindHelpKey(&dialog, HelpPages::ImageScan, [&](int topic) { asked << topic; });
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(asked, QList<int>{HelpPages::ImageScan});
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
