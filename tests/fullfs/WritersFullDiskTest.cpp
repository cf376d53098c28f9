// Every writer of the program on a disk that fills up, and on a path that
// names a pipe, a device or a folder: the old file stays byte for byte (the
// node stays a node), no temporary file is left, and the failure is told in
// the writer's own words. The disk is a small tmpfs this test mounts itself,
// as root, as the tests run; the test fails when the mount is refused.
#include "../ui/WindowFixture.h"
#include "support/CliRun.h"

#include "core/Texts.h"
#include "core/document/DesignFile.h"
#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/FreedesktopAssociation.h"
#include "ui/shell/PictureCheckWindow.h"

#include <QDir>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace tessell;
using namespace tessell::test;

namespace {
enum class Place { FullDisk, NearlyFull, Fifo, Device, Folder };

// A tmpfs of the given size at a new folder, unmounted and removed with it.
class SmallDisk {
public:
    explicit SmallDisk(qint64 size = 1024 * 1024)
        : m_path(QDir::temp().filePath(QStringLiteral("tessell-fullfs-%1").arg(::getpid())))
    {
        QDir().mkpath(m_path);
        const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, options.constData()) != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (m_error.isEmpty())
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
        QDir().rmdir(m_path);
    }
    const QString &error() const { return m_error; }
    QString file(const QString &name) const { return QDir(m_path).filePath(name); }

    // Fills all but about free bytes (whole pages) of the disk.
    bool fill(qint64 free) const
    {
        QFile gap(file(QStringLiteral("gap")));
        if (free > 0 &&
            (!gap.open(QIODevice::WriteOnly) || gap.write(QByteArray(free, 'g')) != free || !gap.flush()))
            return false;
        gap.close();
        QFile fill(file(QStringLiteral("fill")));
        if (!fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray chunk(4096, 'f');
        while (fill.write(chunk) > 0) {
        }
        fill.close();
        return free == 0 || QFile::remove(gap.fileName());
    }

private:
    QString m_path;
    QString m_error;
};

const QByteArray kOld = QByteArray("old contents, to be kept\r\n").repeated(300);

// A design whose pages and pictures are large enough to fill what is left.
Design &mural()
{
    static Design design;
    static bool made = false;
    if (!made) {
        design.makeNew(160, 100);
        Palette palette = distinctPalette();
        for (int n = 0; n < 16; ++n)
            palette[n].setName(QStringLiteral("色%1").arg(n));
        design.setPalette(palette);
        for (int r = 0; r < 100; ++r)
            for (int c = 0; c < 160; ++c)
                design.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
        made = true;
    }
    return design;
}

QString cliOutcome(const QStringList &args)
{
    // The command line speaks the locale's language; the texts compared are Japanese.
    qputenv("TESSELL_LANG", "ja");
    const CliRun r = cli(args);
    return QStringLiteral("exit %1: %2").arg(r.exitCode).arg(r.err.trimmed());
}
} // namespace

class WritersFullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfPages_data() { places(true); }
    void pdfPages();
    void pngPage_data() { places(true); }
    void pngPage();
    void designFile_data() { places(false); }
    void designFile();
    void settingsStore_data() { places(false); }
    void settingsStore();
    void historyEntry_data() { places(false); }
    void historyEntry();
    void recoverySideFile_data() { places(false); }
    void recoverySideFile();
    void associationFiles_data() { places(false); }
    void associationFiles();
    void pictureCheckBitmap_data() { places(true); }
    void pictureCheckBitmap();

private:
    // The rows of every writer; halfWay adds a disk with room left for half
    // of what the writer writes, so that it fails in the middle.
    static void places(bool halfWay);
    // Prepares the file name as the row says, runs write on its path and
    // checks what it said and what it left; folder is where it lies, made
    // before the disk fills.
    void check(const QString &name, const std::function<QString(const QString &)> &write,
               const std::function<QString(const QString &)> &expected);

    QString m_design;
    std::unique_ptr<Scratch> m_scratch;
};

void WritersFullDiskTest::initTestCase()
{
    m_scratch = std::make_unique<Scratch>();
    m_design = m_scratch->file("mural.tsl");
    DesignFile::write(mural(), m_design);
    const SmallDisk disk;
    QVERIFY2(disk.error().isEmpty(),
             qPrintable("a tmpfs cannot be mounted (tests run as root): " + disk.error()));
}

void WritersFullDiskTest::places(bool halfWay)
{
    QTest::addColumn<Place>("place");
    QTest::newRow("full disk") << Place::FullDisk;
    if (halfWay)
        QTest::newRow("disk filling up half-way") << Place::NearlyFull;
    QTest::newRow("FIFO") << Place::Fifo;
    QTest::newRow("device node") << Place::Device;
    QTest::newRow("folder") << Place::Folder;
}

void WritersFullDiskTest::check(const QString &name, const std::function<QString(const QString &)> &write,
                                const std::function<QString(const QString &)> &expected)
{
    QFETCH(Place, place);
    const bool disk = place == Place::FullDisk || place == Place::NearlyFull;
    const Scratch nodes;
    // Half of what the writer writes, written once where there is room.
    qint64 free = 0;
    if (place == Place::NearlyFull) {
        const QString probe = nodes.file(QStringLiteral("probe/") + name);
        QVERIFY(QDir().mkpath(QFileInfo(probe).absolutePath()));
        write(probe);
        free = QFileInfo(probe).size() / 2;
        QVERIFY2(free > 4096, qPrintable(QString::number(free)));
    }
    SmallDisk small(free + 1024 * 1024);
    QVERIFY2(small.error().isEmpty(), qPrintable(small.error()));
    const QString path = disk ? small.file(name) : nodes.file(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    switch (place) {
    case Place::FullDisk:
    case Place::NearlyFull: {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
        old.close();
        QVERIFY(small.fill(free));
        break;
    }
    case Place::Fifo:
        QVERIFY(makeNode(path, Node::Fifo));
        break;
    case Place::Device:
        QVERIFY(makeNode(path, Node::Device));
        break;
    case Place::Folder:
        QVERIFY(QDir().mkdir(path));
        break;
    }

    QCOMPARE(write(path), expected(path));

    if (disk)
        QCOMPARE(readAll(path), kOld);
    else if (place == Place::Folder)
        QVERIFY(QFileInfo(path).isDir());
    else
        QVERIFY(isNode(path, place == Place::Fifo ? Node::Fifo : Node::Device));
    // Nothing new beside it: no temporary file.
    QStringList after = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    after.removeAll(QStringLiteral("fill"));
    QStringList expectedFiles = before;
    if (place != Place::Folder)
        expectedFiles << QFileInfo(path).fileName();
    expectedFiles.sort();
    QCOMPARE(after, expectedFiles);
}

void WritersFullDiskTest::pdfPages()
{
    check(
        "pages.pdf",
        [&](const QString &path) {
            return cliOutcome({"print", m_design, "--classes", "7x7,7x7,8x7", "--color", "-o", path});
        },
        [](const QString &path) { return QStringLiteral("exit 2: ") + texts::cannotCreate(path); });
}

void WritersFullDiskTest::pngPage()
{
    check(
        "page.png",
        [&](const QString &path) {
            return cliOutcome(
                {"print", m_design, "--classes", "7x7,7x7,8x7", "--color", "--png-page", "3", "-o", path});
        },
        [](const QString &path) { return QStringLiteral("exit 2: ") + texts::cannotCreate(path); });
}

void WritersFullDiskTest::designFile()
{
    check(
        "mural.tsl", [](const QString &path) { return errorOf([&] { DesignFile::write(mural(), path); }); },
        [](const QString &path) { return texts::cannotCreate(path); });
}

void WritersFullDiskTest::settingsStore()
{
    // The store tells its caller, which goes on with the values it has.
    check(
        "data.dat",
        [](const QString &path) {
            SettingsStore store(path);
            return QString(store.writeString("print", "title", QString(200, u'x')) ? "written" : "refused");
        },
        [](const QString &) { return QStringLiteral("refused"); });
}

void WritersFullDiskTest::historyEntry()
{
    check(
        "log/0.log",
        [](const QString &path) {
            History history(QFileInfo(path).absolutePath());
            return errorOf([&] { history.makeLog("ペンツール", mural()); });
        },
        [](const QString &path) { return texts::cannotCreate(path); });
}

void WritersFullDiskTest::recoverySideFile()
{
    check(
        "log/recovery.dat",
        [](const QString &path) {
            return errorOf([&] { Recovery::writeSideFile(QFileInfo(path).absolutePath(), mural(), 3); });
        },
        [](const QString &path) { return texts::cannotCreate(path); });
}

void WritersFullDiskTest::associationFiles()
{
    // The first of its files; xdg-mime is left out so that nothing outside is run.
    check(
        "share/mime/packages/tessell.xml",
        [](const QString &path) {
            const QDir packages = QFileInfo(path).dir();
            FreedesktopAssociation::Tools tools;
            tools.xdgMime = packages.filePath("no-xdg-mime");
            FreedesktopAssociation store(QDir::cleanPath(packages.absoluteFilePath("../..")),
                                         packages.filePath("config"), tools);
            return errorOf([&] { store.write("/usr/bin/tessell"); });
        },
        [](const QString &path) { return texts::settingFailed(path); });
}

void WritersFullDiskTest::pictureCheckBitmap()
{
    WindowFixture f;
    f.start();
    f.window->design().setGrid(mural().grid());
    f.window->design().setPalette(mural().palette());
    check(
        "picture.bmp",
        [&](const QString &path) {
            PictureCheckWindow window(f.window->editor(), f.window.get());
            f.prompter->fileNames << path;
            f.prompter->answers << Prompter::Answer::Yes; // replace what is there
            window.save();
            return f.prompter->texts(ScriptedPrompter::Kind::Message).value(0);
        },
        [](const QString &path) { return texts::cannotCreate(path) + u'.'; });
}

QTEST_MAIN(WritersFullDiskTest)
#include "WritersFullDiskTest.moc"
