// The icon files made from the program's drawings, and how an installed
// program is told from one run in its build folder.
#include "core/shell/ProgramIcon.h"
#include "core/Version.h"
#include "core/shell/Installation.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

class ProgramIconTest : public QObject {
    Q_OBJECT
private slots:
    void windowsIconFileReadsBack_data();
    void windowsIconFileReadsBack();
    void installedOrBuildFolder_data();
    void installedOrBuildFolder();
};

void ProgramIconTest::windowsIconFileReadsBack_data()
{
    QTest::addColumn<bool>("design");
    QTest::newRow("program") << false;
    QTest::newRow("design file") << true;
}

// Qt's own ICO reader finds every size, each the drawing itself, 256 included.
void ProgramIconTest::windowsIconFileReadsBack()
{
    QFETCH(bool, design);
    const auto draw = design ? designFileIcon : programIcon;
    const QList<int> sizes{16, 32, 48, 256};
    QByteArray bytes = iconFile(draw, sizes);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), int(sizes.size()));
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        QCOMPARE(image, draw(sizes[i]));
    }
}

void ProgramIconTest::installedOrBuildFolder_data()
{
    QTest::addColumn<QString>("made"); // what lies under the scratch prefix
    QTest::addColumn<bool>("installed");
    const QString entry = QStringLiteral("share/applications/%1.desktop").arg(kApplicationId);
    QTest::newRow("build folder") << "" << false;
    QTest::newRow("installed") << entry << true;
    QTest::newRow("another program's entry") << "share/applications/other.desktop" << false;
    QTest::newRow("a folder of that name") << entry + '/' << false;
}

void ProgramIconTest::installedOrBuildFolder()
{
    QFETCH(QString, made);
    QFETCH(bool, installed);
    Scratch scratch;
    QVERIFY(QDir().mkpath(scratch.file("bin")));
    if (!made.isEmpty())
        QVERIFY(
            QDir().mkpath(made.endsWith('/') ? scratch.file(made) : QFileInfo(scratch.file(made)).path()));
    if (!made.isEmpty() && !made.endsWith('/'))
        scratch.write(made, "[Desktop Entry]\n");
    const QString entry = Installation::desktopEntry(scratch.file("bin"));
    QCOMPARE(entry, installed ? QFileInfo(scratch.file(made)).canonicalFilePath() : QString());
    // The desktop finds it only in one of its applications folders.
    const QString folder = scratch.file("share/applications");
    QCOMPARE(Installation::visibleDesktopEntry(scratch.file("bin"), {"/usr/share/applications", folder}),
             entry);
    QCOMPARE(Installation::visibleDesktopEntry(scratch.file("bin"), {"/usr/share/applications"}), QString());
}

QTEST_GUILESS_MAIN(ProgramIconTest)
#include "ProgramIconTest.moc"
