// "TWAIN装置から(&T)" in the image scan window, scanning from SANE's own test
// backend in a private folder; without the backend this test fails.
#include "ui/WindowFixture.h"

#include "scanner/ScannerFactory.h"
#include "support/SaneFolder.h"
#include "ui/scan/ImageScanWindow.h"
#include "ui/scan/SaneScanDialog.h"

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

class ImageScanSaneTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { releaseScannerService(); }
    void init() { f.start(); }
    void cleanup() { f = WindowFixture(); }
    void scanIntoTheWindow_data();
    void scanIntoTheWindow();

private:
    Scratch m_sane;
    WindowFixture f;
};

void ImageScanSaneTest::initTestCase()
{
    QVERIFY(useSaneTestBackend(m_sane));
    writeSaneTestDevice(m_sane);
}

void ImageScanSaneTest::scanIntoTheWindow_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QSize>("size");
    QTest::newRow("colour, 150 dpi") << 150 << false << QSize(472, 590);
    QTest::newRow("grey, 75 dpi") << 75 << true << QSize(236, 295);
}

void ImageScanSaneTest::scanIntoTheWindow()
{
    QFETCH(int, dpi);
    QFETCH(bool, grey);
    QFETCH(QSize, size);
    ImageScanWindow window(f.window->editor(), f.window.get());
    window.show();
    f.prompter->items.enqueue(0);
    // Our scan dialog, driven by its buttons; it closes once the picture is read.
    QVERIFY(withModal<SaneScanDialog>([&] { QTest::mouseClick(window.scannerButton(), Qt::LeftButton); },
                                      [&](SaneScanDialog *dialog) {
                                          QComboBox *resolution = dialog->resolutionBox();
                                          resolution->setCurrentIndex(resolution->findData(dpi));
                                          if (grey)
                                              QTest::mouseClick(dialog->greyButton(), Qt::LeftButton);
                                          QTest::mouseClick(dialog->scanButton(), Qt::LeftButton);
                                          QTRY_VERIFY(!dialog->isVisible());
                                      }));
    QCOMPARE(f.prompter->lastItems, QStringList{QStringLiteral("Noname frontend-tester")});
    QCOMPARE(f.prompter->texts(ScriptedPrompter::Kind::Message), QStringList());
    QCOMPARE(window.picture().size(), size);
    QVERIFY(window.readButton()->isEnabled());
    // The colour pattern's full red, gone when scanned grey.
    const QImage &picture = window.picture();
    bool red = false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red |= picture.pixel(x, y) == qRgb(255, 0, 0);
    QCOMPARE(red, !grey);
    QTest::mouseClick(window.readButton(), Qt::LeftButton);
    QCOMPARE(window.resultLines().size(), f.window->design().rows());
}

QTEST_MAIN(ImageScanSaneTest)
#include "ImageScanSaneTest.moc"
