#include "ui/scan/SaneScanDialog.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "scanner/ScanSession.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tessell;
using namespace tessell::test;

namespace {

// A device that delivers its picture in a given number of slices.
class FakeSession : public ScanSession {
public:
    int slices = 3;
    bool failing = false;
    int starts = 0;
    bool cancelled = false;
    Settings settings;
    int reads = 0;

    QString deviceName() const override { return QStringLiteral("Maker Model"); }
    void start(const Settings &s) override
    {
        settings = s;
        ++starts;
        reads = 0;
    }
    bool readSome() override
    {
        if (failing)
            throw Error(texts::transferFailed());
        return ++reads >= slices;
    }
    qint64 bytesRead() const override { return reads * 100; }
    qint64 bytesExpected() const override { return slices * 100; }
    QImage image() const override
    {
        QImage i(3, 2, QImage::Format_RGB32);
        i.fill(settings.colour ? Qt::red : Qt::gray);
        return i;
    }
    void cancel() override { cancelled = true; }
};

} // namespace

class SaneScanDialogTest : public QObject {
    Q_OBJECT
private slots:
    void runs_data();
    void runs();
};

void SaneScanDialogTest::runs_data()
{
    QTest::addColumn<QString>("steps"); // what the user does
    QTest::addColumn<int>("slices");
    QTest::addColumn<bool>("failing");
    QTest::addColumn<QString>("outcome"); // "scanned", "cancelled" or the error
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("colour");
    QTest::newRow("scan at the defaults") << "scan" << 3 << false << "scanned" << 150 << true;
    QTest::newRow("300 dpi, grey") << "300 grey scan" << 3 << false << "scanned" << 300 << false;
    QTest::newRow("cancel before scanning") << "cancel" << 3 << false << "cancelled" << 0 << true;
    QTest::newRow("cancel while scanning")
        << "scan cancel" << (1 << 30) << false << "cancelled" << 150 << true;
    QTest::newRow("closed while scanning")
        << "scan close" << (1 << 30) << false << "cancelled" << 150 << true;
    QTest::newRow("device error") << "scan" << 3 << true << texts::transferFailed() << 150 << true;
}

void SaneScanDialogTest::runs()
{
    QFETCH(QString, steps);
    QFETCH(int, slices);
    QFETCH(bool, failing);
    QFETCH(QString, outcome);
    QFETCH(int, dpi);
    QFETCH(bool, colour);
    FakeSession session;
    session.slices = slices;
    session.failing = failing;
    SaneScanDialog dialog(session);
    QTimer::singleShot(0, &dialog, [&] {
        for (const QString &step : steps.split(' ')) {
            if (step == "300")
                dialog.resolutionBox()->setCurrentIndex(dialog.resolutionBox()->findData(300));
            else if (step == "close")
                dialog.close();
            else
                QTest::mouseClick(step == "grey"   ? dialog.greyButton()
                                  : step == "scan" ? static_cast<QAbstractButton *>(dialog.scanButton())
                                                   : dialog.cancelButton(),
                                  Qt::LeftButton);
            // Lets slices of the scan run in between, as while the user moves the mouse.
            QTest::qWait(20);
        }
    });
    QImage image;
    bool scanned = false;
    const QString error = errorOf([&] { scanned = dialog.scan(image); });
    QCOMPARE(error, outcome == "scanned" || outcome == "cancelled" ? "<no error>" : outcome);
    QCOMPARE(scanned, outcome == "scanned");
    QCOMPARE(image.size(), scanned ? QSize(3, 2) : QSize(0, 0)); // nothing delivered
    if (scanned)
        QCOMPARE(dialog.progressBar()->value(), dialog.progressBar()->maximum());
    QCOMPARE(session.starts, dpi ? 1 : 0);
    if (dpi) {
        QCOMPARE(session.settings.dpi, dpi);
        QCOMPARE(session.settings.colour, colour);
    }
    // A scan stopped half-way, after slices of it ran, is stopped at the device too.
    const bool stopped = steps.startsWith("scan ");
    QCOMPARE(session.cancelled, stopped);
    if (stopped)
        QVERIFY(session.reads > 0);
}

QTEST_MAIN(SaneScanDialogTest)
#include "SaneScanDialogTest.moc"
