// The association of .tsl files, checked with the real freedesktop tools in a
// scratch home. Fails rather than skips when a tool is missing.
#include "XdgHome.h"

#include "core/Texts.h"
#include "core/Version.h"
#include "core/shell/FileAssociation.h"
#include "core/shell/FreedesktopAssociation.h"
#include "core/shell/Installation.h"

#include <QScopeGuard>
#include <QStandardPaths>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessell;
using namespace tessell::test;

namespace {
QStringList nonEmptyLines(const QString &path)
{
    return QString::fromUtf8(readAll(path)).split('\n', Qt::SkipEmptyParts);
}
} // namespace

class FileAssociationXdgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { home.reset(); }
    void onOpensDesignsWithTheProgram_data();
    void onOpensDesignsWithTheProgram();
    void offRemovesEverything();
    void offWhenNothingIsThereIsSilent();
    void movedProgramReadsOffThenOnRewritesAll();
    void defaultWithoutXdgMime_data();
    void defaultWithoutXdgMime();
    void failuresKeepEarlierFilesAndNotifyNothing_data();
    void failuresKeepEarlierFilesAndNotifyNothing();
    void programPathNotUtf8Refused();
    void installedEntryIsOnlyMadeTheDefault();

private:
    QString standIn(const QString &folder) { return test::standIn(*home, folder); }
    // Opens the file from the desktop and answers what the program received.
    QStringList openFromDesktop(const QString &file, int waitMs = 5000);
    QString design(const QString &name);
    FileAssociation association(const QString &program) const
    {
        return FileAssociation(program, std::make_unique<FreedesktopAssociation>());
    }

    std::unique_ptr<Scratch> home;
    QString opened;
};

void FileAssociationXdgTest::initTestCase()
{
    verifyXdgTools();
}

void FileAssociationXdgTest::init()
{
    home = std::make_unique<Scratch>();
    useScratchHome(*home);
    opened = home->file("opened.txt");
    qputenv("TESSELL_TEST_OPENED", opened.toUtf8());
}

QString FileAssociationXdgTest::design(const QString &name)
{
    // An empty file reads as plain text whatever its name: give it a header.
    return home->write(name, "tsfile,1,1\r\n");
}

QStringList FileAssociationXdgTest::openFromDesktop(const QString &file, int waitMs)
{
    QFile::remove(opened);
    runTool("gio", {"open", file});
    for (int waited = 0; waited < waitMs && !QFileInfo::exists(opened); waited += 50)
        QTest::qWait(50);
    QTest::qWait(50); // the script may still be writing
    return QString::fromUtf8(readAll(opened)).split('\n', Qt::SkipEmptyParts);
}

void FileAssociationXdgTest::onOpensDesignsWithTheProgram_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain path, written unquoted") << "bin"
                                                  << "%1 %f";
    QTest::newRow("a blank: quoted") << "my programs"
                                     << "\"%1\" %f";
    QTest::newRow("dollar and quote: escaped inside quotes") << "a$b 'c'"
                                                             << "";
    QTest::newRow("Japanese folder") << "図案ソフト"
                                     << "%1 %f";
    // "%%" as the rules want; env runs it, as the launcher looks for the path as written.
    QTest::newRow("percent sign in the folder") << "50% off"
                                                << "";
}

void FileAssociationXdgTest::onOpensDesignsWithTheProgram()
{
    QFETCH(QString, folder);
    QFETCH(QString, exec);
    const QString program = standIn(folder);
    FileAssociation a = association(program);
    QVERIFY(!a.isOn());
    a.associate();
    QVERIFY(a.isOn());

    auto &store = static_cast<FreedesktopAssociation &>(a.store());
    if (!exec.isEmpty())
        QCOMPARE(store.openCommand(), exec.arg(program));
    const ToolRun valid = runTool("desktop-file-validate", {store.desktopFile()});
    QVERIFY2(valid.exitCode == 0, qPrintable(valid.out));

    const QString file = design("a design.tsl");
    QCOMPARE(contentType(file), QStringLiteral("application/x-tessell"));
    QCOMPARE(defaultApp(), FreedesktopAssociation::desktopName());
    QCOMPARE(openFromDesktop(file), QStringList({program, file}));
}

void FileAssociationXdgTest::offRemovesEverything()
{
    const QString program = standIn("bin");
    const QString defaults = home->file("home/.config/mimeapps.list");
    const QByteArray others = "[Added Associations]\nimage/png=viewer.desktop;\n\n"
                              "[Default Applications]\ntext/x-other=other.desktop;\n";
    writeText(defaults, others);
    FileAssociation a = association(program);
    a.associate();
    const QString file = design("x.tsl");
    QCOMPARE(contentType(file), QStringLiteral("application/x-tessell"));

    a.dissociate();
    QVERIFY(!a.isOn());
    auto &store = static_cast<FreedesktopAssociation &>(a.store());
    for (const QString &path : {store.mimeFile(), store.desktopFile(), store.iconFile()})
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QVERIFY(contentType(file) != QStringLiteral("application/x-tessell"));
    QCOMPARE(defaultApp(), QString());
    QCOMPARE(openFromDesktop(file, 1000), QStringList());
    // The other programs' defaults stay as they were.
    QCOMPARE(nonEmptyLines(defaults), QString::fromUtf8(others).split('\n', Qt::SkipEmptyParts));
}

void FileAssociationXdgTest::offWhenNothingIsThereIsSilent()
{
    FileAssociation a = association(standIn("bin"));
    QCOMPARE(errorOf([&] { a.dissociate(); }), QStringLiteral("<no error>"));
    QVERIFY(!a.isOn());
    QVERIFY(!QFileInfo::exists(home->file("home/.config/mimeapps.list")));
    QVERIFY(!QFileInfo::exists(home->file("home/.local/share/applications/") +
                               FreedesktopAssociation::desktopName()));
}

void FileAssociationXdgTest::movedProgramReadsOffThenOnRewritesAll()
{
    const QString before = standIn("old place");
    const QString after = standIn("new place");
    association(before).associate();
    FileAssociation moved = association(after);
    QVERIFY(association(before).isOn());
    QVERIFY(!moved.isOn());

    auto &store = static_cast<FreedesktopAssociation &>(moved.store());
    QFile::remove(store.iconFile());
    writeText(store.mimeFile(), "<broken/>");
    moved.associate();
    QVERIFY(moved.isOn());
    QVERIFY(!association(before).isOn());
    QVERIFY(QFileInfo::exists(store.iconFile()));
    const QString file = design("x.tsl");
    QCOMPARE(contentType(file), QStringLiteral("application/x-tessell"));
    QCOMPARE(openFromDesktop(file), QStringList({after, file}));
}

void FileAssociationXdgTest::defaultWithoutXdgMime_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("no list yet") << QByteArray();
    QTest::newRow("another section only") << QByteArray("[Added Associations]\nimage/png=viewer.desktop;\n");
    QTest::newRow("other defaults") << QByteArray("[Default Applications]\ntext/x-other=other.desktop\n");
    QTest::newRow("our type with another program")
        << QByteArray("[Default Applications]\napplication/x-tessell=other.desktop;\n");
    // The desktop takes the last of repeated keys.
    QTest::newRow("our type twice, another program last")
        << "[Default Applications]\napplication/x-tessell = " +
               FreedesktopAssociation::desktopName().toUtf8() +
               "\n[Default Applications]\ntext/x-other=other.desktop;\napplication/x-tessell=old.desktop;\n";
}

void FileAssociationXdgTest::defaultWithoutXdgMime()
{
    QFETCH(QByteArray, existing);
    const QString defaults = home->file("home/.config/mimeapps.list");
    if (!existing.isEmpty())
        writeText(defaults, existing);
    // Another program that opens designs, named in some of the lists.
    const QString old = home->file("home/.local/share/applications/old.desktop");
    writeText(old, "[Desktop Entry]\nType=Application\nName=Old\nExec=" + standIn("old").toUtf8() +
                       " %f\nMimeType=application/x-tessell;\n");
    FreedesktopAssociation::Tools tools;
    tools.xdgMime = home->file("no-such-xdg-mime");
    const QString program = standIn("bin");
    FileAssociation a(program, std::make_unique<FreedesktopAssociation>(home->file("home/.local/share"),
                                                                        home->file("home/.config"), tools));
    a.associate();
    QCOMPARE(defaultApp(), FreedesktopAssociation::desktopName());
    const QString file = design("x.tsl");
    QCOMPARE(openFromDesktop(file), QStringList({program, file}));
    for (const QString &line : QString::fromUtf8(existing).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith("application/x-tessell"))
            QVERIFY2(nonEmptyLines(defaults).contains(line), qPrintable(line));

    QFile::remove(old);
    a.dissociate();
    QCOMPARE(defaultApp(), QString());
}

void FileAssociationXdgTest::failuresKeepEarlierFilesAndNotifyNothing_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("entryWritten");
    // As root no permission stops a write: a file where a folder must be does.
    QTest::newRow("desktop entry") << "home/.local/share/applications"
                                   << "home/.local/share/applications/" +
                                          FreedesktopAssociation::desktopName()
                                   << false;
    QTest::newRow("default application") << "xdg-mime fails"
                                         << "home/.config/mimeapps.list" << true;
    QTest::newRow("no update-mime-database") << "update-mime-database missing"
                                             << "home/.local/share/mime" << true;
}

void FileAssociationXdgTest::failuresKeepEarlierFilesAndNotifyNothing()
{
    QFETCH(QString, blocked);
    QFETCH(QString, named);
    QFETCH(bool, entryWritten);
    FreedesktopAssociation::Tools tools;
    if (blocked == "xdg-mime fails")
        tools.xdgMime = QStandardPaths::findExecutable("false");
    else if (blocked == "update-mime-database missing")
        tools.updateMimeDatabase = home->file("no-such-tool");
    else
        writeText(home->file(blocked), "in the way");
    auto *store =
        new FreedesktopAssociation(home->file("home/.local/share"), home->file("home/.config"), tools);
    FileAssociation a(standIn("bin"), std::unique_ptr<AssociationStore>(store));

    QCOMPARE(errorOf([&] { a.associate(); }),
             QStringLiteral("'%1' の設定に失敗しました").arg(home->file(named)));
    QVERIFY(QFileInfo::exists(store->mimeFile()));
    QVERIFY(QFileInfo::exists(store->iconFile()));
    QCOMPARE(QFileInfo::exists(store->desktopFile()), entryWritten);
    // No notice: the MIME database was never built, so the type is unknown.
    QVERIFY(!QFileInfo::exists(home->file("home/.local/share/mime/mime.cache")));
    QVERIFY(contentType(design("x.tsl")) != QStringLiteral("application/x-tessell"));
}

// A folder name in bytes that are not UTF-8 cannot go into a desktop entry:
// refused, with nothing written, rather than an entry naming another path.
void FileAssociationXdgTest::programPathNotUtf8Refused()
{
    const QByteArray folder = QFile::encodeName(home->file("bin")) + "-\xff\xfe";
    QVERIFY(::mkdir(folder.constData(), 0755) == 0);
    const QByteArray program = folder + "/tessell";
    const int fd = ::open(program.constData(), O_WRONLY | O_CREAT, 0755);
    QVERIFY(fd >= 0);
    ::close(fd);
    const QString name = QFile::decodeName(program);
    FileAssociation a = association(name);
    QCOMPARE(errorOf([&] { a.associate(); }), texts::programPathNotUtf8(name));
    QVERIFY(!a.isOn());
    QVERIFY(!QFileInfo::exists(static_cast<FreedesktopAssociation &>(a.store()).desktopFile()));
}

// Installed, the package's desktop entry opens designs: switching the
// association on only makes it the type's default, and off takes that back and
// leaves the installed files alone.
void FileAssociationXdgTest::installedEntryIsOnlyMadeTheDefault()
{
    // The installed files as the package lays them out, and the desktop's
    // databases as the package's triggers build them.
    const QString share = home->file("usr/share");
    const QString program = standIn("usr/bin");
    const QString entry = share + "/applications/" + FreedesktopAssociation::desktopName();
    writeText(
        entry,
        readAll(TESSELL_SOURCE_DIR "/data/tessell.desktop.in").replace("@TESSELL_APP_ID@", kApplicationId));
    writeText(share + "/mime/packages/tessell.xml", readAll(TESSELL_SOURCE_DIR "/data/tessell-mime.xml"));
    QCOMPARE(runTool("update-mime-database", {share + "/mime"}).exitCode, 0);
    QCOMPARE(runTool("update-desktop-database", {share + "/applications"}).exitCode, 0);
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS"), path = qgetenv("PATH");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_DIRS", dataDirs);
        qputenv("PATH", path);
    });
    qputenv("XDG_DATA_DIRS", (share + ":/usr/share").toUtf8());
    // The entry runs "tessell %f" from the path.
    qputenv("PATH", QFileInfo(program).path().toUtf8() + ':' + path);
    // As the program finds it when it starts.
    QCOMPARE(Installation::visibleDesktopEntry(QFileInfo(program).path()),
             QFileInfo(entry).canonicalFilePath());

    auto *store = new FreedesktopAssociation;
    store->setInstalledEntry(entry);
    FileAssociation a(program, std::unique_ptr<AssociationStore>(store));
    QVERIFY(!a.isOn());
    a.associate();
    QVERIFY(a.isOn());
    // xdg-mime ends the list with or without a semicolon.
    QCOMPARE(nonEmptyLines(store->defaultsFile()).join('\n').remove(';'),
             "[Default Applications]\napplication/x-tessell=" + FreedesktopAssociation::desktopName());
    for (const QString &path : {store->desktopFile(), store->mimeFile(), store->iconFile()})
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    const QString file = design("x.tsl");
    QCOMPARE(contentType(file), QStringLiteral("application/x-tessell"));
    QCOMPARE(openFromDesktop(file), QStringList({program, file}));

    a.dissociate();
    QVERIFY(!a.isOn());
    QVERIFY(!nonEmptyLines(store->defaultsFile()).join('\n').contains("application/x-tessell"));
    QVERIFY(QFileInfo::exists(entry));
}

QTEST_GUILESS_MAIN(FileAssociationXdgTest)
#include "FileAssociationXdgTest.moc"
