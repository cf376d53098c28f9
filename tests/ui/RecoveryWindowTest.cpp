// Work is never lost: an editor killed after a few edits leaves its history
// behind, and the next start offers it back. The killed editor is this test
// program itself, started again as a child that edits and then kills itself.
#include "WindowFixture.h"

#include "core/Texts.h"
#include "core/document/DesignFile.h"
#include "core/document/HistoryFolder.h"
#include "core/document/LeftHistory.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"

#include <QToolButton>

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <csignal>

using namespace tessell;
using namespace tessell::test;

namespace {
const char *kChildFolder = "TESSELL_RECOVERY_CHILD";
const QRgb kRose = qRgb(230, 30, 90);

QString designPath(const QString &folder) { return QDir(folder).filePath(QStringLiteral("壁画.tsl")); }

void paint(MainWindow &w, int number, QPoint cell)
{
    QTest::mouseClick(w.editor().paletteBar()->button(number), Qt::LeftButton);
    QTest::mouseClick(w.editor().pictureView(), Qt::LeftButton, {}, QPoint(6 * cell.x() + 2, 5 * cell.y() + 2));
}

// The child: opens the design, paints two cells, renames and recolours entry 5
// as the palette editor does, paints once more, and is killed before saving.
int editAndDie(const QString &folder)
{
    AppPaths::setBaseDir(folder);
    HistoryFolder historyFolder(AppPaths::historyDir());
    ScriptedPrompter prompter;
    MainWindow w(prompter, historyFolder.path());
    w.show();
    if (!w.files().fileOpen(designPath(folder)))
        return 3;
    paint(w, 5, QPoint(2, 3));
    Palette palette = w.design().palette();
    palette[5].setName(QStringLiteral("ばら"));
    palette[5].fill(kRose);
    w.design().setPalette(palette);
    w.editor().changeSetting(true);
    paint(w, 7, QPoint(4, 4));
    std::raise(SIGKILL);
    return 4;
}
} // namespace

class RecoveryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void killedEditorIsOfferedBack_data();
    void killedEditorIsOfferedBack();
};

void RecoveryWindowTest::killedEditorIsOfferedBack_data()
{
    QTest::addColumn<bool>("damageNewest");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("taken back") << false << true;
    QTest::newRow("newest entry half written") << true << true;
    QTest::newRow("declined") << false << false;
}

void RecoveryWindowTest::killedEditorIsOfferedBack()
{
    QFETCH(bool, damageNewest);
    QFETCH(bool, answerYes);
    Scratch scratch;
    Design saved;
    saved.makeNew(10, 8);
    DesignFile::write(saved, designPath(scratch.path()));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChildFolder), scratch.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const QString log = QDir(scratch.path()).filePath(QStringLiteral("log"));
    if (damageNewest) {
        // The last stroke's entry cut off half-way, as a power cut would leave it.
        const QString newest = QDir(log).filePath(QStringLiteral("2.log"));
        QByteArray bytes = readAll(newest);
        QVERIFY(bytes.size() > 100);
        scratch.write(QStringLiteral("log/2.log"), bytes.left(bytes.size() / 2));
    }

    HistoryFolder historyFolder(log);
    std::vector<LeftHistory> left = LeftHistory::find(historyFolder);
    QCOMPARE(int(left.size()), 1);
    ScriptedPrompter prompter;
    prompter.answers << (answerYes ? Prompter::Answer::Yes : Prompter::Answer::No);
    MainWindow w(prompter, historyFolder.path());
    QCOMPARE(w.files().offerRecovery(left), answerYes);
    QCOMPARE(prompter.texts(ScriptedPrompter::Kind::Question), QStringList{texts::recoverQuestion()});

    if (!answerYes) {
        QCOMPARE(w.design().cell(2, 3), QStringLiteral("0"));
        QVERIFY(!w.design().isModified());
    } else {
        QCOMPARE(w.design().columns(), 10);
        QCOMPARE(w.design().cell(2, 3), QStringLiteral("5"));
        QCOMPARE(w.design().cell(4, 4), damageNewest ? QStringLiteral("0") : QStringLiteral("7"));
        QCOMPARE(w.design().entry(5).name(), QStringLiteral("ばら"));
        QCOMPARE(w.design().entry(5).pixel(2, 2), kRose);
        QCOMPARE(w.design().entry(4).name(), QStringLiteral("None"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessell - [%1]").arg(designPath(scratch.path())));
        QVERIFY(w.design().isModified());
        QCOMPARE(w.history().names(), QStringList{texts::recoveredEntry()});
        QCOMPARE(w.editor().pictureView()->image().pixel(6 * 2 + 1, 5 * 3 + 1), kRose);
    }
    // Offered once: the next start finds nothing more.
    QVERIFY(LeftHistory::find(historyFolder).empty());
    QCOMPARE(prompter.unexpected, 0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildFolder))
        return editAndDie(qEnvironmentVariable(kChildFolder));
    RecoveryWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryWindowTest.moc"
