#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

class RecentFilesTest : public QObject {
    Q_OBJECT
private slots:
    void list_data();
    void list();
    void vanishedFile();
    void shortened_data();
    void shortened();
};

void RecentFilesTest::list_data()
{
    // Paths are names in the scratch folder; "-x" removes x.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("newest first") << QStringList{"a", "b", "c"} << QStringList{"c", "b", "a"};
    QTest::newRow("again moves to the front") << QStringList{"a", "b", "c", "a"} << QStringList{"a", "c", "b"};
    QTest::newRow("the same file by another way")
        << QStringList{"a", "b", "sub/../a"} << QStringList{"a", "b"};
    QTest::newRow("eight kept")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}
        << QStringList{"10", "9", "8", "7", "6", "5", "4", "3"};
    QTest::newRow("removed") << QStringList{"a", "b", "c", "-b"} << QStringList{"c", "a"};
    QTest::newRow("blanks, commas and quotes")
        << QStringList{"my mural.tsl", "a,b.tsl", "say \"hi\".tsl", QString::fromUtf8("壁画 1.tsl")}
        << QStringList{QString::fromUtf8("壁画 1.tsl"), "say \"hi\".tsl", "a,b.tsl", "my mural.tsl"};
}

void RecentFilesTest::list()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, expected);
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    {
        RecentFiles recent(store);
        for (const QString &a : actions)
            a.startsWith(u'-') ? recent.remove(scratch.file(a.mid(1))) : recent.add(scratch.file(a));
    }
    QStringList paths;
    for (const QString &e : expected)
        paths << scratch.file(e);
    // Read back from the store as the next start would.
    SettingsStore again(scratch.file("data.dat"));
    QCOMPARE(RecentFiles(again).files(), paths);
}

void RecentFilesTest::vanishedFile()
{
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    RecentFiles recent(store);
    const QString kept = scratch.write("kept.tsl", "x");
    const QString gone = scratch.write("gone.tsl", "x");
    recent.add(kept);
    recent.add(gone);
    QVERIFY(QFile::remove(gone));
    QVERIFY(!recent.checkPicked(gone));
    QCOMPARE(recent.files(), QStringList{kept});
    QVERIFY(recent.checkPicked(kept));
    QCOMPARE(recent.files(), QStringList{kept});
}

void RecentFilesTest::shortened_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fits") << "/home/ann/mural.tsl" << 19 << "/home/ann/mural.tsl";
    QTest::newRow("middle folders go")
        << "/home/ann/school/2024/festival/mural.tsl" << 25 << "/home/ann/.../mural.tsl";
    QTest::newRow("only the root stays") << "/home/ann/school/mural.tsl" << 15 << "/.../mural.tsl";
    QTest::newRow("file name longer than the room")
        << "/home/ann/a-very-long-file-name.tsl" << 12 << "...-name.tsl";
    QTest::newRow("no folder") << "a-very-long-file-name.tsl" << 10 << "...ame.tsl";
}

void RecentFilesTest::shortened()
{
    QFETCH(QString, path);
    QFETCH(int, maxChars);
    QFETCH(QString, shown);
    QCOMPARE(RecentFiles::shortened(path, maxChars), shown);
    QVERIFY(shown.size() <= maxChars);
}

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
