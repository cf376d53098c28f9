// Scans from SANE's own test backend through the program's scanner service.
// The backend is configured in a private folder; without it this test fails.

#include "core/Texts.h"
#include "scanner/SaneService.h"
#include "scanner/ScanSession.h"
#include "scanner/ScannerFactory.h"
#include "support/SaneFolder.h"
#include "support/ScriptedScanUi.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

using namespace tessell;
using namespace tessell::test;

class SaneScanTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scan_data();
    void scan();

private:
    Scratch m_scratch;
};

// One folder for every row, whose test.conf each row writes anew.
void SaneScanTest::initTestCase()
{
    QVERIFY(useSaneTestBackend(m_scratch));
}

void SaneScanTest::scan_data()
{
    QTest::addColumn<QString>("extraConfig");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QSize>("size"); // none (0 x 0) with the error
    QTest::addColumn<QString>("error");
    QTest::newRow("colour, 150 dpi") << "" << 150 << true << QSize(472, 590) << "";
    QTest::newRow("grey, 75 dpi") << "" << 75 << false << QSize(236, 295) << "";
    // Not with the backend's "non-blocking" option: it then ends some scans at once, with no data.
    QTest::newRow("hand scanner, length unknown") << "hand-scanner true\n"
                                                  << 150 << true << QSize(649, 1003) << "";
    QTest::newRow("device error while reading") << "read-status-code \"SANE_STATUS_IO_ERROR\"\n"
                                                << 150 << true << QSize(0, 0) << texts::transferFailed();
}

void SaneScanTest::scan()
{
    QFETCH(QString, extraConfig);
    QFETCH(int, dpi);
    QFETCH(bool, colour);
    QFETCH(QSize, size);
    QFETCH(QString, error);
    writeSaneTestDevice(m_scratch, extraConfig.toUtf8());

    // Linux chooses SANE when its library answers.
    std::unique_ptr<ScannerService> service = createScannerService();
    QVERIFY(dynamic_cast<SaneService *>(service.get()));

    ScriptedScanUi ui;
    qint64 read = 0, expected = 0;
    ui.scan = [&](ScanSession &session, QImage &image) {
        session.start({dpi, colour});
        while (!session.readSome()) {
        }
        read = session.bytesRead();
        expected = session.bytesExpected();
        image = session.image();
        return true;
    };
    QVERIFY(service->selectSource(ui));
    QCOMPARE(ui.offered, QList<QStringList>{{QStringLiteral("Noname frontend-tester")}});
    QImage image;
    bool delivered = false;
    QCOMPARE(errorOf([&] { delivered = service->acquire(image, true, ui); }),
             error.isEmpty() ? QStringLiteral("<no error>") : error);
    QCOMPARE(delivered, error.isEmpty());
    QCOMPARE(image.size(), size);
    if (!delivered)
        return;
    if (expected > 0)
        QCOMPARE(read, expected);
    // The colour pattern: grey grid lines, and rows ramping up to full red,
    // green and blue; a grey scan of it has only greys.
    QMap<QRgb, int> count;
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ++count[p];
            coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    QVERIFY(count[qRgb(85, 85, 85)] > image.width() * image.height() / 5);
    QCOMPARE(count[qRgb(255, 0, 0)] > 0 && count[qRgb(0, 255, 0)] > 0 && count[qRgb(0, 0, 255)] > 0, colour);
    QCOMPARE(coloured > 0, colour);
}

QTEST_GUILESS_MAIN(SaneScanTest)
#include "SaneScanTest.moc"
