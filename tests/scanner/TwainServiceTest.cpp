#include "scanner/TwainService.h"
#include "core/Texts.h"
#include "scanner/ScannerFactory.h"
#include "scanner/ScannerTexts.h"
#include "support/ScriptedScanUi.h"
#include "support/TestSupport.h"

#include "StandinDsm.h"

#include <QTest>

#include <cfenv>

using namespace tessell;
using namespace tessell::test;
using namespace tessell::twain;

Q_DECLARE_METATYPE(standin::Script)

namespace {

// Two pixels, red and blue, as a 24-bit bitmap: the info header (size 40, 2 x 1,
// one plane, 24 bits), then one row, blue-green-red and padding.
const std::string kPicture2x1 = (QByteArray::fromHex("28000000020000000100000001001800") +
                                 QByteArray(24, '\0') + QByteArray::fromHex("0000ffff00000000"))
                                    .toStdString();

// The picture handed over, with the script's changes.
standin::Script script(const std::function<void(standin::Script &)> &change = {})
{
    standin::Script s;
    s.picture = kPicture2x1;
    if (change)
        change(s);
    return s;
}

// The call that fails, with its condition code.
standin::Script failing(const char *call, tessell::twain::Uint16 condition)
{
    return script([&](standin::Script &s) {
        s.failing = call;
        s.condition = condition;
    });
}

std::unique_ptr<TwainService> service(bool managerSelects = false)
{
    return std::make_unique<TwainService>(QStringList{QStringLiteral(STANDIN_DSM_PATH)}, managerSelects);
}

QStringList calls(qsizetype from = 0)
{
    QStringList out;
    for (const std::string &c : standin::seen().calls)
        out.append(QString::fromStdString(c));
    return out.mid(from);
}

const QStringList kOpen = {"IDENTITY/OPENDS", "ds CALLBACK/REGISTER_CALLBACK", "ds USERINTERFACE/ENABLEDS"};
const QStringList kDisable = {"ds USERINTERFACE/DISABLEDS"};
const QStringList kPicture = {"ds IMAGENATIVEXFER/GET", "Lock", "ds PENDINGXFERS/ENDXFER", "Unlock", "Free"};
const QStringList kSelect = {"PARENT/OPENDSM", "ENTRYPOINT/GET", "IDENTITY/GETFIRST", "IDENTITY/GETNEXT"};
const QStringList kClose = {"IDENTITY/CLOSEDS", "PARENT/CLOSEDSM"};
const QString kNoError = QStringLiteral("<no error>");

} // namespace

class TwainServiceTest : public QObject {
    Q_OBJECT
private slots:
    void libraryRefused();
    void selection_data();
    void selection();
    void acquisition_data();
    void acquisition();
    void sourceKeptOpen();
    void closeAtProgramEnd_data();
    void closeAtProgramEnd();
};

// A missing library, then one without the entry; the stand-in still loads after them.
void TwainServiceTest::libraryRefused()
{
    const QStringList nowhere = {"/nonexistent/libtwaindsm.so.2", "/nonexistent/libtwaindsm.so"};
    // The same text every time: a failed creation leaves nothing loaded.
    for (int i = 0; i < 2; ++i)
        QCOMPARE(errorOf([&] { TwainService s(nowhere); }), texts::twainMissing());
    const QString error = errorOf([] { TwainService s({QStringLiteral(NOENTRY_PATH)}); });
    QVERIFY2(error.startsWith("Assertion failure (TwainService.cpp, line "), qPrintable(error));
    QCOMPARE(errorOf([] { service(); }), kNoError);
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
    QTest::newRow("manager does not open")
        << false << failing("PARENT/OPENDSM", 3) << 0 << "TWAIN: No Data Source" << QStringList()
        << QStringList{"PARENT/OPENDSM", "STATUS/GET"};
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
    if (error != kNoError || !selected) {
        QCOMPARE(error != kNoError ? error : "false", outcome);
        return;
    }
    QImage image;
    QVERIFY(twain->acquire(image, true, ui));
    QCOMPARE(QString::fromStdString(standin::seen().opened), outcome);
}

void TwainServiceTest::acquisition_data()
{
    QTest::addColumn<standin::Script>("script");
    QTest::addColumn<QString>("outcome"); // "picture", "none" or the error
    QTest::addColumn<QStringList>("calls");
    const QStringList refused = {"ds IMAGENATIVEXFER/GET", "ds PENDINGXFERS/ENDXFER"};
    const QStringList locked = {"ds IMAGENATIVEXFER/GET", "Lock", "ds PENDINGXFERS/ENDXFER"};
    const QStringList unlocked = {"ds IMAGENATIVEXFER/GET", "Lock", "ds STATUS/GET",
                                  "ds PENDINGXFERS/ENDXFER", "Free"};
    using S = standin::Script;
    QTest::newRow("picture, told by an event") << script() << "picture" << kOpen + kPicture + kDisable;
    QTest::newRow("picture, told by the callback")
        << script([](S &s) { s.byCallback = true; }) << "picture" << kOpen + kPicture + kDisable;
    QTest::newRow("closed without scanning")
        << script([](S &s) { s.message = MSG_CLOSEDSREQ; }) << "none" << kOpen + kDisable;
    QTest::newRow("closed, told by the callback") << script([](S &s) {
        s.byCallback = true;
        s.message = MSG_CLOSEDSOK;
    }) << "none" << kOpen + kDisable;
    QTest::newRow("transfer failed") << script([](S &s) { s.transferCode = TWRC_FAILURE; })
                                     << texts::transferFailed() << kOpen + refused + kDisable;
    QTest::newRow("transfer cancelled") << script([](S &s) { s.transferCode = TWRC_CANCEL; })
                                        << texts::scanCancelled() << kOpen + refused + kDisable;
    QTest::newRow("transfer answers oddly")
        << script([](S &s) { s.transferCode = TWRC_SUCCESS; }) << "none" << kOpen + refused + kDisable;
    QTest::newRow("memory does not lock") << script([](S &s) {
        s.lockFails = true;
        s.condition = 2;
    }) << "TWAIN: Not enough memory to perform operation"
                                          << kOpen + unlocked + kDisable;
    QTest::newRow("unreadable picture") << script([](S &s) { s.picture = "not a bitmap"; })
                                        << texts::transferFailed() << kOpen + kPicture + kDisable;
    QTest::newRow("end of transfer refused")
        << failing("ds PENDINGXFERS/ENDXFER", 11) << "TWAIN: DG DAT MSG out of expected sequence"
        << kOpen + locked + QStringList{"ds STATUS/GET", "Unlock", "Free"} + kDisable;
    QTest::newRow("more pictures waiting")
        << script([](S &s) { s.pendingAfterEnd = 3; }) << "picture"
        << kOpen + locked + QStringList{"ds PENDINGXFERS/RESET", "Unlock", "Free"} + kDisable;
    QTest::newRow("source does not open, code 7")
        << failing("IDENTITY/OPENDS", 7) << "TWAIN: " << QStringList{"IDENTITY/OPENDS", "STATUS/GET"};
    QTest::newRow("source does not enable, code 8")
        << failing("ds USERINTERFACE/ENABLEDS", 8) << "TWAIN: " << kOpen + QStringList{"ds STATUS/GET"};
    QTest::newRow("source busy") << failing("ds USERINTERFACE/ENABLEDS", 4)
                                 << "TWAIN: DS is connected to max possible applications"
                                 << kOpen + QStringList{"ds STATUS/GET"};
    QTest::newRow("source does not disable")
        << failing("ds USERINTERFACE/DISABLEDS", 1) << "TWAIN: Failure due to unknown causes"
        << kOpen + kPicture + kDisable + QStringList{"ds STATUS/GET"};
    QTest::newRow("manager without memory functions")
        << script([](S &s) { s.memoryFunctions = false; }) << "picture" << kOpen + refused + kDisable;
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
    const bool picture = outcome == "picture";
    QCOMPARE(error, picture || outcome == "none" ? kNoError : outcome);
    QCOMPARE(delivered, picture);
    // Red and blue, or the picture as it was.
    QCOMPARE(image.size(), picture ? QSize(2, 1) : QSize(1, 1));
    QCOMPARE(image.pixel(0, 0), picture ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
    if (picture)
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 255));
    if (script.memoryFunctions)
        QCOMPARE(standin::seen().outstanding, 0);
    if (calls.contains(QStringLiteral("ds USERINTERFACE/ENABLEDS")))
        QCOMPARE(std::pair(standin::seen().showUi, standin::seen().modalUi), std::pair(1, 1));
}

// The same source chosen again is reused, another closes it first. Floating-point
// traps stay on around the calls, and every call into the manager has them masked.
void TwainServiceTest::sourceKeptOpen()
{
    standin::reset(script([](standin::Script &s) {
        s.sources = {{"Maker", "Flatbed"}, {"Other", "Sheetfed"}};
    }));
    auto twain = service();
    ScriptedScanUi ui;
    QImage image;
    const int traps = FE_DIVBYZERO | FE_INVALID;
    feenableexcept(traps);
    bool delivered = true;
    for (int choice : {0, 0, 1}) {
        ui.choice = choice;
        delivered = delivered && twain->selectSource(ui) && twain->acquire(image, true, ui);
    }
    twain->close();
    const int after = fegetexcept();
    fedisableexcept(traps);
    QVERIFY(delivered);
    QCOMPARE(after, traps);
    QVERIFY(standin::seen().alwaysMasked);
    const QStringList listed = {"IDENTITY/GETFIRST", "IDENTITY/GETNEXT", "IDENTITY/GETNEXT"};
    const QStringList scanned = kPicture + kDisable;
    QCOMPARE(calls(), kSelect + QStringList{"IDENTITY/GETNEXT"} + kOpen + scanned + listed +
                          QStringList{"ds USERINTERFACE/ENABLEDS"} + scanned + listed +
                          QStringList{"IDENTITY/CLOSEDS"} + kOpen + scanned + kClose);
    QCOMPARE(standin::seen().opened, std::string("Sheetfed"));
    QCOMPARE(standin::seen().owner, reinterpret_cast<void *>(ui.owner));
}

void TwainServiceTest::closeAtProgramEnd_data()
{
    QTest::addColumn<bool>("acquired");
    QTest::addColumn<standin::Script>("script");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("after an acquisition") << true << script() << kNoError << kClose;
    QTest::newRow("only the manager open") << false << script() << kNoError << QStringList{"PARENT/CLOSEDSM"};
    // A failed close skips the calls after it, also when the object goes.
    QTest::newRow("source does not close")
        << true << failing("IDENTITY/CLOSEDS", 5) << "TWAIN: DS or DSM reported error, application shouldn't"
        << QStringList{"IDENTITY/CLOSEDS", "STATUS/GET"};
    QTest::newRow("manager does not close")
        << true << failing("PARENT/CLOSEDSM", 1) << "TWAIN: Failure due to unknown causes"
        << kClose + QStringList{"STATUS/GET"};
}

void TwainServiceTest::closeAtProgramEnd()
{
    QFETCH(bool, acquired);
    QFETCH(standin::Script, script);
    QFETCH(QString, error);
    QFETCH(QStringList, calls);
    standin::reset(script);
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

QTEST_GUILESS_MAIN(TwainServiceTest)
#include "TwainServiceTest.moc"
