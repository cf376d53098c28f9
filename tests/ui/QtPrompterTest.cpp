#include "support/TestSupport.h"
#include "ui/common/QtPrompter.h"

#include <QDir>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

// Where the real file dialogs open: never in a folder that is not there.
class QtPrompterTest : public QObject {
    Q_OBJECT
private slots:
    void startIn_data()
    {
        QTest::addColumn<QString>("asked"); // in the scratch home; empty: none asked
        QTest::addColumn<bool>("documents"); // whether ~/Documents exists
        QTest::addColumn<QString>("expected"); // in the scratch home
        QTest::newRow("the folder asked for") << "murals" << true << "murals";
        QTest::newRow("none asked") << "" << true << "Documents";
        QTest::newRow("asked for a folder now gone") << "gone" << true << "Documents";
        QTest::newRow("no documents folder") << "" << false << "";
        QTest::newRow("neither there") << "gone" << false << "";
    }
    void startIn()
    {
        QFETCH(QString, asked);
        QFETCH(bool, documents);
        QFETCH(QString, expected);
        Scratch scratch;
        const QString home = scratch.file(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/murals")));
        if (documents)
            QVERIFY(QDir().mkpath(home + QStringLiteral("/Documents")));
        qputenv("HOME", home.toUtf8());
        // No user-dirs.dirs there: the documents folder is ~/Documents.
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
        const QString folder = asked.isEmpty() ? QString() : home + u'/' + asked;
        QCOMPARE(QDir(QtPrompter::startIn(folder)).absolutePath(),
                 QDir(expected.isEmpty() ? home : home + u'/' + expected).absolutePath());
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
