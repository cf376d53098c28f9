#include "scanner/TwainService.h"
#include "core/Texts.h"
#include "scanner/ScannerFactory.h"
#include "scanner/ScannerTexts.h"
#include "support/ScriptedScanUi.h"
#include "support/TestSupport.h"

#include "StandinDsm.h"

#include <QTest>
#include <QtEndian>

#include <cfenv>

using namespace tessell;
using namespace tessell::test;
using namespace tessell::twain;

Q_DECLARE_METATYPE(standin::Script)

namespace {

// Two pixels, red and blue, as a 24-bit bitmap.
std::string picture()
{
    QByteArray b(40, '\0');
    qToLittleEndian<quint32>(40, b.data());
    qToLittleEndian<qint32>(2, b.data() + 4);
    qToLittleEndian<qint32>(1, b.data() + 8);
    qToLittleEndian<quint16>(24, b.data() + 14);
    b.append(QByteArray::fromHex("0000ffff00000000"));
    return b.toStdString();
}

standin::Script script()
{
    standin::Script s;
    s.picture = picture();
    return s;
}

std::unique_ptr<TwainService> service(bool managerSelects = false)
{
    return std::make_unique<TwainService>(QStringList{QStringLiteral(STANDIN_DSM_PATH)}, managerSelects);
}

QStringList calls(qsizetype from = 0)
{
    QStringList out;
    for (const std::string &c : standin::calls())
        out.append(QString::fromStdString(c));
    return out.mid(from);
}

const QStringList kOpen = {"IDENTITY/OPENDS", "ds CALLBACK/REGISTER_CALLBACK", "ds USERINTERFACE/ENABLEDS"};
const QStringList kDisable = {"ds USERINTERFACE/DISABLEDS"};
const QStringList kPicture = {"ds IMAGENATIVEXFER/GET", "Lock", "ds PENDINGXFERS/ENDXFER", "Unlock", "Free"};
const QStringList kSelect = {"PARENT/OPENDSM", "ENTRYPOINT/GET", "IDENTITY/GETFIRST", "IDENTITY/GETNEXT"};
const QStringList kClose = {"IDENTITY/CLOSEDS", "PARENT/CLOSEDSM"};

} // namespace

class TwainServiceTest : public QObject {
    Q_OBJECT
private slots:
    void missingLibrary();
    void libraryWithoutEntry();
    void selection_data();
    void selection();
    void acquisition_data();
    void acquisition();
    void secondAcquisitionReusesSource();
    void otherSourceClosesOpenOne();
    void closeAtProgramEnd_data();
    void closeAtProgramEnd();
    void floatingPointMasked();
};

void TwainServiceTest::missingLibrary()
{
    const QStringList nowhere = {QStringLiteral("/nonexistent/libtwaindsm.so.2"),
                                 QStringLiteral("/nonexistent/libtwaindsm.so")};
    // The same text every time: a failed creation leaves nothing loaded.
    for (int i = 0; i < 2; ++i)
        QCOMPARE(errorOf([&] { TwainService s(nowhere); }), texts::twainMissing());
}

void TwainServiceTest::libraryWithoutEntry()
{
    const QString error = errorOf([] { TwainService s({QStringLiteral(NOENTRY_PATH)}); });
    QVERIFY2(error.startsWith(QStringLiteral("Assertion failure (TwainService.cpp, line ")),
             qPrintable(error));
    QCOMPARE(errorOf([] { service(); }), QStringLiteral("<no error>"));
}

void TwainServiceTest::selection_data()
{
    QTest::addColumn<bool>("managerSelects");
    QTest::addColumn<standin::Script>("script");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("calls");
    standin::Script two = script();
    two.sources = {{"Maker", "Flatbed"}, {"Other", "Sheetfed"}};
    const QStringList listed = {"PARENT/OPENDSM", "ENTRYPOINT/GET", "IDENTITY/GETFIRST", "IDENTITY/GETNEXT",
                                "IDENTITY/GETNEXT"};
    const QStringList names = {"Maker Flatbed", "Other Sheetfed"};
    QTest::newRow("listed, second chosen") << false << two << 1 << "Sheetfed" << names << listed;
    QTest::newRow("listed, choice cancelled") << false << two << -1 << "false" << names << listed;
    standin::Script none = script();
    none.sources.clear();
    QTest::newRow("no source") << false << none << 0 << "false" << QStringList()
                               << QStringList{"PARENT/OPENDSM", "ENTRYPOINT/GET", "IDENTITY/GETFIRST"};
    two.userSelects = 1;
    const QStringList dialog = {"PARENT/OPENDSM", "ENTRYPOINT/GET", "IDENTITY/USERSELECT"};
    QTest::newRow("manager's dialog") << true << two << 0 << "Sheetfed" << QStringList() << dialog;
    two.userSelects = -1;
    QTest::newRow("manager's dialog cancelled") << true << two << 0 << "false" << QStringList() << dialog;
    standin::Script refused = script();
    refused.failing = "PARENT/OPENDSM";
    refused.condition = 3;
    QTest::newRow("manager does not open") << false << refused << 0 << "TWAIN: No Data Source"
                                           << QStringList() << QStringList{"PARENT/OPENDSM", "STATUS/GET"};
}

// Outcome: the source opened by the next acquisition, "false", or the error.
void TwainServiceTest::selection()
{
    QFETCH(bool, managerSelects);
    QFETCH(standin::Script, script);
    QFETCH(int, choice);
    QFETCH(QString, outcome);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, calls);
    standin::reset(script);
    auto twain = service(managerSelects);
    ScriptedScanUi ui;
    ui.choice = choice < 0 ? std::nullopt : std::optional<int>(choice);
    bool selected = false;
    const QString error = errorOf([&] { selected = twain->selectSource(ui); });
    QCOMPARE(::calls(), calls);
    QCOMPARE(ui.offered.isEmpty() ? QStringList() : ui.offered.first(), offered);
    if (error != QStringLiteral("<no error>")) {
        QCOMPARE(error, outcome);
        return;
    }
    if (!selected) {
        QCOMPARE(QStringLiteral("false"), outcome);
        return;
    }
    QImage image;
    QVERIFY(twain->acquire(image, true, ui));
    QCOMPARE(QString::fromStdString(standin::opened()), outcome);
}

void TwainServiceTest::acquisition_data()
{
    QTest::addColumn<standin::Script>("script");
    QTest::addColumn<QString>("outcome"); // "picture", "none" or the error
    QTest::addColumn<QStringList>("calls");
    auto with = [](auto change) {
        standin::Script s = script();
        change(s);
        return s;
    };
    const QStringList refused = {"ds IMAGENATIVEXFER/GET", "ds PENDINGXFERS/ENDXFER"};
    QTest::newRow("picture, told by an event") << script() << "picture" << kOpen + kPicture + kDisable;
    QTest::newRow("picture, told by the callback")
        << with([](auto &s) { s.byCallback = true; }) << "picture" << kOpen + kPicture + kDisable;
    QTest::newRow("closed without scanning")
        << with([](auto &s) { s.message = MSG_CLOSEDSREQ; }) << "none" << kOpen + kDisable;
    QTest::newRow("closed, told by the callback") << with([](auto &s) {
        s.byCallback = true;
        s.message = MSG_CLOSEDSOK;
    }) << "none" << kOpen + kDisable;
    QTest::newRow("transfer failed") << with([](auto &s) { s.transferCode = TWRC_FAILURE; })
                                     << texts::transferFailed() << kOpen + refused + kDisable;
    QTest::newRow("transfer cancelled") << with([](auto &s) { s.transferCode = TWRC_CANCEL; })
                                        << texts::scanCancelled() << kOpen + refused + kDisable;
    QTest::newRow("transfer answers oddly")
        << with([](auto &s) { s.transferCode = TWRC_SUCCESS; }) << "none" << kOpen + refused + kDisable;
    QTest::newRow("memory does not lock") << with([](auto &s) {
        s.lockFails = true;
        s.condition = 2;
    }) << "TWAIN: Not enough memory to perform operation"
                                          << kOpen +
                                                 QStringList{"ds IMAGENATIVEXFER/GET", "Lock",
                                                             "ds STATUS/GET", "ds PENDINGXFERS/ENDXFER",
                                                             "Free"} +
                                                 kDisable;
    QTest::newRow("unreadable picture") << with([](auto &s) { s.picture = "not a bitmap"; })
                                        << texts::transferFailed() << kOpen + kPicture + kDisable;
    QTest::newRow("end of transfer refused")
        << with([](auto &s) {
               s.failing = "ds PENDINGXFERS/ENDXFER";
               s.condition = 11;
           })
        << "TWAIN: DG DAT MSG out of expected sequence"
        << kOpen + QStringList{"ds IMAGENATIVEXFER/GET", "Lock",   "ds PENDINGXFERS/ENDXFER",
                               "ds STATUS/GET",          "Unlock", "Free"} +
               kDisable;
    QTest::newRow("more pictures waiting")
        << with([](auto &s) { s.pendingAfterEnd = 3; }) << "picture"
        << kOpen + QStringList{"ds IMAGENATIVEXFER/GET", "Lock",   "ds PENDINGXFERS/ENDXFER",
                               "ds PENDINGXFERS/RESET",  "Unlock", "Free"} +
               kDisable;
    QTest::newRow("source does not open, code 7") << with([](auto &s) {
        s.failing = "IDENTITY/OPENDS";
        s.condition = 7;
    }) << "TWAIN: " << QStringList{"IDENTITY/OPENDS", "STATUS/GET"};
    QTest::newRow("source does not enable, code 8") << with([](auto &s) {
        s.failing = "ds USERINTERFACE/ENABLEDS";
        s.condition = 8;
    }) << "TWAIN: " << kOpen + QStringList{"ds STATUS/GET"};
    QTest::newRow("source busy") << with([](auto &s) {
        s.failing = "ds USERINTERFACE/ENABLEDS";
        s.condition = 4;
    }) << "TWAIN: DS is connected to max possible applications"
                                 << kOpen + QStringList{"ds STATUS/GET"};
    QTest::newRow("source does not disable") << with([](auto &s) {
        s.failing = "ds USERINTERFACE/DISABLEDS";
        s.condition = 1;
    }) << "TWAIN: Failure due to unknown causes"
                                             << kOpen + kPicture + kDisable + QStringList{"ds STATUS/GET"};
    QTest::newRow("manager without memory functions")
        << with([](auto &s) { s.memoryFunctions = false; }) << "picture"
        << kOpen + QStringList{"ds IMAGENATIVEXFER/GET", "ds PENDINGXFERS/ENDXFER"} + kDisable;
}

void TwainServiceTest::acquisition()
{
    QFETCH(standin::Script, script);
    QFETCH(QString, outcome);
    QFETCH(QStringList, calls);
    standin::reset(script);
    auto twain = service();
    ScriptedScanUi ui;
    QVERIFY(twain->selectSource(ui));
    const qsizetype selected = ::calls().size();

    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::green);
    bool delivered = false;
    const QString error = errorOf([&] { delivered = twain->acquire(image, true, ui); });
    QCOMPARE(::calls(selected), calls);
    if (outcome == QStringLiteral("picture")) {
        QCOMPARE(error, QStringLiteral("<no error>"));
        QVERIFY(delivered);
        QCOMPARE(image.size(), QSize(2, 1));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 255));
    } else {
        QCOMPARE(error, outcome == QStringLiteral("none") ? QStringLiteral("<no error>") : outcome);
        QVERIFY(!delivered);
        QCOMPARE(image.size(), QSize(1, 1)); // the picture stays as it was
        QCOMPARE(image.pixel(0, 0), QColor(Qt::green).rgb());
    }
    if (script.memoryFunctions)
        QCOMPARE(standin::outstanding(), 0);
    if (calls.contains(QStringLiteral("ds USERINTERFACE/ENABLEDS"))) {
        QCOMPARE(standin::showUi(), 1);
        QCOMPARE(standin::modalUi(), 1);
    }
}

void TwainServiceTest::secondAcquisitionReusesSource()
{
    standin::reset(script());
    auto twain = service();
    ScriptedScanUi ui;
    for (int i = 0; i < 2; ++i) {
        QImage image;
        QVERIFY(twain->selectSource(ui));
        QVERIFY(twain->acquire(image, true, ui));
    }
    twain->close();
    const QStringList again = {"IDENTITY/GETFIRST", "IDENTITY/GETNEXT", "ds USERINTERFACE/ENABLEDS"};
    QCOMPARE(calls(), kSelect + kOpen + kPicture + kDisable + again + kPicture + kDisable + kClose);
    QCOMPARE(standin::owner(), reinterpret_cast<void *>(ui.owner));
}

void TwainServiceTest::otherSourceClosesOpenOne()
{
    standin::Script two = script();
    two.sources = {{"Maker", "Flatbed"}, {"Other", "Sheetfed"}};
    standin::reset(two);
    auto twain = service();
    ScriptedScanUi ui;
    QImage image;
    QVERIFY(twain->selectSource(ui));
    QVERIFY(twain->acquire(image, true, ui));
    const qsizetype before = calls().size();
    ui.choice = 1;
    QVERIFY(twain->selectSource(ui));
    QVERIFY(twain->acquire(image, true, ui));
    QCOMPARE(calls(before).mid(0, 4),
             QStringList({"IDENTITY/GETFIRST", "IDENTITY/GETNEXT", "IDENTITY/GETNEXT", "IDENTITY/CLOSEDS"}));
    QCOMPARE(calls(before).at(4), QStringLiteral("IDENTITY/OPENDS"));
    QCOMPARE(standin::opened(), std::string("Sheetfed"));
}

void TwainServiceTest::closeAtProgramEnd_data()
{
    QTest::addColumn<bool>("acquired");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("condition");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("after an acquisition") << true << "" << 0 << "<no error>" << kClose;
    QTest::newRow("only the manager open")
        << false << "" << 0 << "<no error>" << QStringList{"PARENT/CLOSEDSM"};
    // A failed close skips the calls after it, also when the object goes.
    QTest::newRow("source does not close")
        << true << "IDENTITY/CLOSEDS" << 5 << "TWAIN: DS or DSM reported error, application shouldn't"
        << QStringList{"IDENTITY/CLOSEDS", "STATUS/GET"};
    QTest::newRow("manager does not close")
        << true << "PARENT/CLOSEDSM" << 1 << "TWAIN: Failure due to unknown causes"
        << kClose + QStringList{"STATUS/GET"};
}

void TwainServiceTest::closeAtProgramEnd()
{
    QFETCH(bool, acquired);
    QFETCH(QString, failing);
    QFETCH(int, condition);
    QFETCH(QString, error);
    QFETCH(QStringList, calls);
    standin::Script s = script();
    s.failing = failing.toStdString();
    s.condition = Uint16(condition);
    standin::reset(s);
    installScannerService(service());
    ScriptedScanUi ui;
    QImage image;
    QVERIFY(scannerService().selectSource(ui));
    if (acquired)
        QVERIFY(scannerService().acquire(image, true, ui));
    const qsizetype before = ::calls().size();
    QCOMPARE(errorOf(releaseScannerService), error);
    QCOMPARE(::calls(before), calls);
}

void TwainServiceTest::floatingPointMasked()
{
    standin::reset(script());
    auto twain = service();
    ScriptedScanUi ui;
    QImage image;
    const int traps = FE_DIVBYZERO | FE_INVALID;
    feenableexcept(traps);
    const bool selected = twain->selectSource(ui);
    const bool delivered = twain->acquire(image, true, ui);
    const int after = fegetexcept();
    fedisableexcept(traps);
    QVERIFY(selected && delivered);
    QVERIFY(standin::alwaysMasked());
    QCOMPARE(after, traps);
}

QTEST_GUILESS_MAIN(TwainServiceTest)
#include "TwainServiceTest.moc"
