// Every writer on a disk that fills up (from the start or half-way) and on a
// path that names a FIFO, a device or a folder: the old file stays byte for
// byte (the node a node), no temporary file is left, and the failure is told
// in the writer's own words. The disk is a small tmpfs this test mounts itself,
// as root, as the tests run; it fails when the mount is refused.
#include "support/CliRun.h"
#include "support/TestSupport.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "core/scan/PictureIntegrity.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/FreedesktopAssociation.h"

#include <QDir>
#include <QtTest>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

using namespace tessell;
using namespace tessell::test;

namespace {
enum Place { FullDisk, HalfWay, Fifo, Device, Folder };
const char *const kPlaces[] = {"full disk", "disk filling up half-way", "FIFO", "device node", "folder"};
const QByteArray kOld = QByteArray("old contents, to be kept\r\n").repeated(300);

// A tmpfs of the given size, unmounted with it.
struct SmallDisk {
    QTemporaryDir dir;
    QString error;
    explicit SmallDisk(qint64 size)
    {
        const QByteArray options = "size=" + QByteArray::number(size);
        if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, options.constData()) != 0)
            error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (error.isEmpty())
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    // Leaves about free bytes (whole pages): room kept aside, the rest filled, the room given back.
    bool fill(qint64 free) const
    {
        QFile gap(dir.filePath("gap")), fill(dir.filePath("fill"));
        if (!gap.open(QIODevice::WriteOnly) || gap.write(QByteArray(free, 'g')) != free || !gap.flush() ||
            !fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        while (fill.write(QByteArray(4096, 'f')) > 0) {
        }
        return gap.remove();
    }
};

// A design whose pages and pictures are large enough to fill what is left.
const Design &mural()
{
    static Design design;
    if (design.cell(1, 0) != "7") {
        design.setPalette(distinctPalette());
        for (int r = 0; r < design.rows(); ++r)
            for (int c = 0; c < design.columns(); ++c)
                design.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
    }
    return design;
}

QString printCli(const QString &design, const QStringList &args, const QString &path)
{
    // The command line speaks the locale's language; the texts compared are Japanese.
    qputenv("TESSELL_LANG", "ja");
    const CliRun r =
        cli(QStringList{"print", design, "--classes", "7x7,7x7,8x7", "--color", "-o", path} + args);
    return QStringLiteral("exit %1: %2").arg(r.exitCode).arg(r.err.trimmed());
}

// Each writer: the file it writes, how, and what it says when it cannot.
struct Writer {
    const char *name;
    QString file;
    std::function<QString(const QString &design, const QString &path)> write;
    std::function<QString(const QString &path)> said;
};
const QList<Writer> &allWriters()
{
    const auto created = [](const QString &p) { return texts::cannotCreate(p); };
    const auto exit2 = [](const QString &p) { return "exit 2: " + texts::cannotCreate(p); };
    const auto folder = [](const QString &p) { return QFileInfo(p).absolutePath(); };
    static const QList<Writer> all{
        {"PDF pages", "pages.pdf", [](const QString &d, const QString &p) { return printCli(d, {}, p); },
         exit2},
        {"PNG page", "page.png",
         [](const QString &d, const QString &p) {
             return printCli(d, {"--png-page", "3"}, p);
         },
         exit2},
        {"picture check bitmap", "picture.bmp",
         [](const QString &, const QString &p) {
             return errorOf(
                 [&] { PictureIntegrity::writePicture(QImage(800, 400, QImage::Format_RGB32), p, "BMP"); });
         },
         created},
        {"design", "mural.tsl",
         [](const QString &, const QString &p) { return errorOf([&] { DesignFile::write(mural(), p); }); },
         created},
        {"history entry", "log/0.log",
         [folder](const QString &, const QString &p) {
             History history(folder(p));
             return errorOf([&] { history.makeLog("ペンツール", mural()); });
         },
         created},
        {"recovery side file", "log/recovery.dat",
         [folder](const QString &, const QString &p) {
             return errorOf([&] { Recovery::writeSideFile(folder(p), mural(), 3); });
         },
         created},
        // The store tells its caller, which goes on with the values it has.
        {"settings store", "data.dat",
         [](const QString &, const QString &p) {
             return QString(SettingsStore(p).writeString("print", "title", QString(200, u'x')) ? "written"
                                                                                               : "refused");
         },
         [](const QString &) { return QStringLiteral("refused"); }},
        // The first of its files; without xdg-mime nothing outside is run.
        {"association", "share/mime/packages/org.tessell.Tessell.xml",
         [](const QString &, const QString &p) {
             FreedesktopAssociation::Tools tools;
             tools.xdgMime = p + ".none";
             const QString share = QDir::cleanPath(p + "/../../..");
             return errorOf([&] { FreedesktopAssociation(share, share, tools).write("/usr/bin/tessell"); });
         },
         [](const QString &p) { return texts::settingFailed(p); }},
    };
    return all;
}
} // namespace

class WritersFullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writers_data();
    void writers();

private:
    Scratch m_scratch;
    QString m_design;
};

void WritersFullDiskTest::initTestCase()
{
    m_design = m_scratch.file("mural.tsl");
    DesignFile::write(mural(), m_design);
    QVERIFY2(SmallDisk(4096).error.isEmpty(), "a tmpfs cannot be mounted (tests run as root)");
}

void WritersFullDiskTest::writers_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("place");
    for (int w = 0; w < allWriters().size(); ++w)
        for (int p = FullDisk; p <= Folder; ++p)
            // Half-way for the writers of more than a page.
            if (p != HalfWay || w < 3)
                QTest::addRow("%s, %s", allWriters()[w].name, kPlaces[p]) << w << p;
}

void WritersFullDiskTest::writers()
{
    QFETCH(int, writer);
    QFETCH(int, place);
    const Writer &w = allWriters()[writer];
    const Scratch nodes;
    qint64 free = 0;
    if (place == HalfWay) { // half of what it writes, written once where there is room
        QVERIFY(QDir().mkpath(QFileInfo(nodes.file("probe/" + w.file)).absolutePath()));
        w.write(m_design, nodes.file("probe/" + w.file));
        free = QFileInfo(nodes.file("probe/" + w.file)).size() / 2;
        QVERIFY(free > 4096);
    }
    const SmallDisk disk(free + 1024 * 1024);
    QVERIFY2(disk.error.isEmpty(), qPrintable(disk.error));
    const QString path = place <= HalfWay ? disk.dir.filePath(w.file) : nodes.file(w.file);
    const QDir folder = QFileInfo(path).absoluteDir();
    QVERIFY(QDir().mkpath(folder.path()));
    if (place <= HalfWay)
        QVERIFY(nodes.write("old", kOld) == nodes.file("old") && QFile::copy(nodes.file("old"), path) &&
                disk.fill(free));
    else
        QVERIFY(place == Folder ? QDir().mkdir(path)
                                : makeNode(path, place == Fifo ? Node::Fifo : Node::Device));

    QCOMPARE(w.write(m_design, path), w.said(path));

    if (place <= HalfWay)
        QCOMPARE(readAll(path), kOld);
    else
        QVERIFY(place == Folder ? QFileInfo(path).isDir()
                                : isNode(path, place == Fifo ? Node::Fifo : Node::Device));
    // Nothing beside it: no temporary file.
    QStringList left = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll("fill");
    QCOMPARE(left, place == Folder ? QStringList() : QStringList{QFileInfo(path).fileName()});
}

QTEST_GUILESS_MAIN(WritersFullDiskTest)
#include "WritersFullDiskTest.moc"
