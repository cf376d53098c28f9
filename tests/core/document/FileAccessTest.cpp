#include "core/document/FileAccess.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "core/document/TextFile.h"
#include "core/scan/PictureLoader.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using namespace tessell;
using namespace tessell::test;

namespace {
// A reader that waits for a FIFO's writer would hang the test: after three
// seconds this opens the writing end, sends bytes (a file a reader would take)
// and closes it, again and again, so a waiting reader reads those instead.
struct FifoRelease {
    std::atomic<bool> done{false};
    std::thread thread;
    explicit FifoRelease(const QByteArray &path, const QByteArray &bytes = {})
        : thread([this, path, bytes] {
              for (int i = 0; !done; ++i) {
                  if (i >= 150)
                      if (const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                          if (::write(fd, bytes.constData(), size_t(bytes.size())) < 0) {
                          }
                          ::close(fd);
                      }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoRelease() { done = true, thread.join(); }
};

bool make(const QString &path, const QString &kind)
{
    return kind == "folder"              ? QDir().mkdir(path)
           : kind == "link to /dev/zero" ? QFile::link("/dev/zero", path)
                                         : makeNode(path, kind == "device" ? Node::Device : Node::Fifo);
}
bool still(const QString &path, const QString &kind)
{
    return kind == "folder"              ? QFileInfo(path).isDir()
           : kind == "link to /dev/zero" ? QFileInfo(path).symLinkTarget() == "/dev/zero"
                                         : isNode(path, kind == "device" ? Node::Device : Node::Fifo);
}
} // namespace

class FileAccessTest : public QObject {
    Q_OBJECT
private slots:
    void specialFiles_data();
    void specialFiles();
    void sizeBound_data();
    void sizeBound();
};

void FileAccessTest::specialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO without a writer") << "fifo";
    QTest::newRow("character device") << "device";
    QTest::newRow("folder") << "folder";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero";
}

// Every reader refuses at once and changes nothing; no writer replaces the node.
void FileAccessTest::specialFiles()
{
    QFETCH(QString, kind);
    if (kind == "device" && ::geteuid() != 0)
        QSKIP("making a device node needs root");
    Scratch scratch;
    const QString path = scratch.file("node"), entry = scratch.file("0.log");
    QVERIFY(make(path, kind));
    const FifoRelease release(QFile::encodeName(path)), releaseEntry(QFile::encodeName(entry));
    Design design;
    design.makeNew(2, 1);
    design.setCell(1, 0, "7");
    QCOMPARE(errorOf([&] { DesignFile::open(path, design); }), texts::cannotOpen(path));
    QCOMPARE(cellsOf(design), QStringList{"0|7"});
    SettingsStore store(path);
    QCOMPARE(store.readInteger("new", "cols", 42), 42);

    QVERIFY(!store.writeInteger("new", "cols", 1));
    QCOMPARE(errorOf([&] { DesignFile::write(design, path); }), texts::cannotCreate(path));
    History history(scratch.path());
    QVERIFY(make(entry, kind));
    QCOMPARE(errorOf([&] { history.makeLog("one", design); }), texts::cannotCreate(entry));
    QVERIFY(still(path, kind) && still(entry, kind));
    // A history entry that became a node is refused when restored.
    history.makeLog("two", design);
    QCOMPARE(errorOf([&] { history.select(0, design); }), texts::cannotOpen(entry));
    QCOMPARE(history.currentIndex(), 1);
    // No temporary file is left behind.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks),
             QStringList{"1.log"});

    // What a crashed run left: the side file is passed over, the entry still offered.
    const QString left = scratch.file("left"), side = Recovery::sideFilePath(left);
    QVERIFY(QDir().mkpath(left) && make(side, kind));
    History(left).makeLog("ペンツール", design);
    const FifoRelease releaseSide(QFile::encodeName(side),
                                  "other.tsl\r\nA,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P\r\n");
    const std::optional<RecoveredDesign> recovered = Recovery::readFolder(left);
    QVERIFY(recovered);
    QCOMPARE(cellsOf(recovered->grid), cellsOf(design));
    QCOMPARE(recovered->fileName + recovered->palette[1].name(), QStringLiteral("None"));

    // A picture: opened once, so a writer's bytes are not waited for twice.
    const QString picture = scratch.file("picture.bmp");
    QVERIFY(make(picture, kind));
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && noisePicture(4, 3, 7).save(&buffer, "BMP"));
    const FifoRelease releasePicture(QFile::encodeName(picture), bitmap);
    QCOMPARE(errorOf([&] { PictureLoader::load(picture); }), texts::cannotOpen(picture));
    QCOMPARE(errorOf([&] { PictureLoader::openRows(picture); }), texts::cannotOpen(picture));
}

void FileAccessTest::sizeBound_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("error");
    QTest::newRow("at the bound") << FileAccess::MaxTextBytes << "<no error>";
    QTest::newRow("one byte more") << FileAccess::MaxTextBytes + 1
                                   << QString::fromUtf8("ファイル %1 は大きすぎて開けません (上限 4 MB)");
}

void FileAccessTest::sizeBound()
{
    QFETCH(qint64, size);
    QFETCH(QString, error);
    Scratch scratch;
    const QString path = scratch.write("big.csv", QByteArray(size, '0'));
    QStringList lines;
    QCOMPARE(errorOf([&] { lines = TextFile::readLines(path); }), error.arg(path));
    QCOMPARE(lines.value(0).size(), error == "<no error>" ? size : 0);
}

QTEST_GUILESS_MAIN(FileAccessTest)
#include "FileAccessTest.moc"
