#include "core/document/FileAccess.h"
#include "core/Texts.h"
#include "core/document/ArrangementImport.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/History.h"
#include "core/document/TextFile.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using namespace tessell;
using namespace tessell::test;

namespace {
// A reader that waits for a FIFO's writer would hang the test: after a few
// seconds this opens the FIFO for writing and closes it again, so such a
// reader sees an empty file and the test fails instead.
class FifoRelease {
public:
    explicit FifoRelease(const QString &path)
        : m_thread([this, name = QFile::encodeName(path)] {
              for (int i = 0; i < 150 && !m_done; ++i)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              while (!m_done) {
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoRelease()
    {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

Node nodeKind(const QString &kind) { return kind == "device" ? Node::Device : Node::Fifo; }
} // namespace

class FileAccessTest : public QObject {
    Q_OBJECT
private slots:
    void readRefusesSpecialFiles_data();
    void readRefusesSpecialFiles();
    void writeLeavesSpecialFiles_data();
    void writeLeavesSpecialFiles();
    void sizeBound_data();
    void sizeBound();
};

void FileAccessTest::readRefusesSpecialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO without a writer") << "fifo";
    QTest::newRow("character device") << "device";
    QTest::newRow("folder") << "folder";
}

// Every reader of outside bytes: refused at once, nothing changed, the node left.
void FileAccessTest::readRefusesSpecialFiles()
{
    QFETCH(QString, kind);
    if (kind == "device" && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    Scratch scratch;
    const QString path = scratch.file("node");
    const auto make = [&](const QString &at) {
        return kind == "folder" ? QDir().mkdir(at) : makeNode(at, nodeKind(kind));
    };
    QVERIFY(make(path));
    const FifoRelease release(path);
    const QString refused = texts::cannotOpen(path);

    QCOMPARE(errorOf([&] { FileAccess::read(path); }), refused);
    QCOMPARE(errorOf([&] { TextFile::readLines(path); }), refused);
    Design design;
    design.makeNew(2, 1);
    design.setCell(1, 0, "7");
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), refused);
    QCOMPARE(errorOf([&] { ArrangementImport::import(path, design); }), refused);
    QCOMPARE(cellsOf(design), QStringList{"0|7"});

    SettingsStore store(path);
    QCOMPARE(store.readInteger("new", "cols", 42), 42);
    QVERIFY(!store.writeInteger("new", "cols", 1));

    History history(scratch.path());
    history.makeLog("one", design);
    design.setCell(0, 0, "5");
    history.makeLog("two", design);
    QVERIFY(QFile::remove(history.entryPath(0)));
    QVERIFY(make(history.entryPath(0)));
    const FifoRelease releaseEntry(history.entryPath(0));
    QCOMPARE(errorOf([&] { history.select(0, design); }), texts::cannotOpen(history.entryPath(0)));
    QCOMPARE(cellsOf(design), QStringList{"5|7"});
    QCOMPARE(history.currentIndex(), 1);

    if (kind != "folder") {
        QVERIFY(isNode(path, nodeKind(kind)));
        QVERIFY(isNode(history.entryPath(0), nodeKind(kind)));
    }
}

void FileAccessTest::writeLeavesSpecialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("character device") << "device";
}

// A save file would put a plain file in place of the node and call it success.
void FileAccessTest::writeLeavesSpecialFiles()
{
    QFETCH(QString, kind);
    if (kind == "device" && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    const Node node = nodeKind(kind);
    Scratch scratch;
    const QString path = scratch.file("node.tsl");
    QVERIFY(makeNode(path, node));
    const QString refused = texts::cannotCreate(path);
    Design design;
    design.makeNew(2, 2);

    QCOMPARE(errorOf([&] { FileAccess::write(path, "x"); }), refused);
    QCOMPARE(errorOf([&] { DesignFile::write(design, path); }), refused);
    QVERIFY(!SettingsStore(path).writeBool("text", "bold", true));
    QVERIFY(isNode(path, node));

    History history(scratch.path());
    QVERIFY(makeNode(history.entryPath(0), node));
    QCOMPARE(errorOf([&] { history.makeLog("new", design); }), texts::cannotCreate(history.entryPath(0)));
    QVERIFY(isNode(history.entryPath(0), node));
    // No temporary file is left beside them.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

void FileAccessTest::sizeBound_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("refused");
    QTest::newRow("at the bound") << FileAccess::MaxTextBytes << false;
    QTest::newRow("one byte more") << FileAccess::MaxTextBytes + 1 << true;
}

void FileAccessTest::sizeBound()
{
    QFETCH(qint64, size);
    QFETCH(bool, refused);
    Scratch scratch;
    const QString path = scratch.write("big.csv", QByteArray(size, '0'));
    const QString error = errorOf([&] {
        const QStringList lines = TextFile::readLines(path);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].size(), size);
    });
    QCOMPARE(error, refused ? texts::fileTooLarge(path, FileAccess::MaxTextBytes) : QString("<no error>"));
    if (refused)
        QCOMPARE(error, QString::fromUtf8("ファイル %1 は大きすぎて開けません (上限 4 MB)").arg(path));
}

QTEST_GUILESS_MAIN(FileAccessTest)
#include "FileAccessTest.moc"
