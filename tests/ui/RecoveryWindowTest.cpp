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
#include <memory>

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

const char *kChildMode = "TESSELL_RECOVERY_MODE";

// The child starts as the program does (the work left behind found and held,
// the start-up design recorded); "start": is killed there, at the recovery
// question. Otherwise it opens the design, paints two cells, renames and
// recolours entry 5 as the palette editor does, paints once more, and is
// killed before saving ("wait": says so in a file and waits to be killed; a
// digit: paints that number first instead of 5).
int editAndDie(const QString &folder, const QString &mode)
{
    AppPaths::setBaseDir(folder);
    HistoryFolder historyFolder(AppPaths::historyDir());
    const std::vector<LeftHistory> left = LeftHistory::find(historyFolder);
    ScriptedPrompter prompter;
    MainWindow w(prompter, historyFolder.path());
    w.show();
    if (mode == QLatin1String("start"))
        std::raise(SIGKILL);
    if (!w.files().fileOpen(designPath(folder)))
        return 3;
    paint(w, mode.size() == 1 ? mode.toInt(nullptr, 16) : 5, QPoint(2, 3));
    Palette palette = w.design().palette();
    palette[5].setName(QStringLiteral("ばら"));
    palette[5].fill(kRose);
    w.design().setPalette(palette);
    w.editor().changeSetting(true);
    paint(w, 7, QPoint(4, 4));
    if (mode == QLatin1String("wait") && QFile(QDir(folder).filePath("ready")).open(QIODevice::WriteOnly))
        for (;;)
            QTest::qWait(1000);
    std::raise(SIGKILL);
    return 4;
}

// Runs this program as a child; true once it died, or is ready when it waits.
bool runChild(QProcess &child, const QString &folder, const QString &mode)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChildFolder), folder);
    env.insert(QLatin1String(kChildMode), mode);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (mode != QLatin1String("wait"))
        return child.waitForFinished(60000) && child.exitStatus() == QProcess::CrashExit;
    for (int waited = 0; waited < 60000 && !QFileInfo::exists(QDir(folder).filePath("ready")); waited += 50)
        QTest::qWait(50);
    return QFile::remove(QDir(folder).filePath("ready"));
}
} // namespace

class RecoveryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void killedEditorIsOfferedBack_data();
    void killedEditorIsOfferedBack();
    void repeatedCrashes_data();
    void repeatedCrashes();
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

void RecoveryWindowTest::repeatedCrashes_data()
{
    QTest::addColumn<QStringList>("children"); // in order; "wait" children are killed at the end
    QTest::addColumn<QList<Prompter::Answer>>("answers");
    QTest::addColumn<QStringList>("offered"); // the number painted at (2, 3) of each design offered
    QTest::addColumn<int>("restored");        // that number in the design after the questions
    using A = Prompter::Answer;
    QTest::newRow("killed again at the question")
        << QStringList{"edit", "start"} << QList<A>{A::Yes} << QStringList{"5"} << 5;
    QTest::newRow("a second copy killed with the first")
        << QStringList{"wait", "start"} << QList<A>{A::Yes} << QStringList{"5"} << 5;
    QTest::newRow("two copies' work, the newest first")
        << QStringList{"wait", "9"} << QList<A>{A::No, A::Yes} << QStringList{"9", "5"} << 5;
}

// Work survives any number of crashes: the start-up design of a copy killed
// at the question is never offered for it, every left work is offered, the
// newest first, and only declined work is deleted.
void RecoveryWindowTest::repeatedCrashes()
{
    QFETCH(QStringList, children);
    QFETCH(QList<Prompter::Answer>, answers);
    QFETCH(QStringList, offered);
    QFETCH(int, restored);
    Scratch scratch;
    Design saved;
    saved.makeNew(10, 8);
    DesignFile::write(saved, designPath(scratch.path()));
    std::vector<std::unique_ptr<QProcess>> waiting;
    for (const QString &mode : children) {
        auto child = std::make_unique<QProcess>();
        QVERIFY2(runChild(*child, scratch.path(), mode == "edit" ? QString() : mode), qPrintable(mode));
        if (mode == "wait")
            waiting.push_back(std::move(child));
    }
    for (const auto &child : waiting) {
        child->kill();
        QVERIFY(child->waitForFinished(10000));
    }

    HistoryFolder historyFolder(QDir(scratch.path()).filePath(QStringLiteral("log")));
    std::vector<LeftHistory> left = LeftHistory::find(historyFolder);
    QStringList found;
    for (const LeftHistory &l : left)
        found << l.design().grid.cell(2, 3);
    QCOMPARE(found, offered);
    ScriptedPrompter prompter;
    prompter.answers << answers;
    MainWindow w(prompter, historyFolder.path());
    QVERIFY(w.files().offerRecovery(left));
    QCOMPARE(prompter.texts(ScriptedPrompter::Kind::Question).size(), answers.size());
    QCOMPARE(w.design().cell(2, 3), QString::number(restored));
    left.clear();
    // Every work was restored or declined: nothing is left, and nothing more is offered.
    QCOMPARE(QDir(scratch.path()).entryList({"log-*"}, QDir::Dirs), QStringList());
    QVERIFY(LeftHistory::find(historyFolder).empty());
    QCOMPARE(prompter.unexpected, 0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildFolder))
        return editAndDie(qEnvironmentVariable(kChildFolder), qEnvironmentVariable(kChildMode));
    RecoveryWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryWindowTest.moc"
