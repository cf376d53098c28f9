#include "core/settings/SettingsStore.h"
#include "core/settings/AppPaths.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTest>

using namespace tessell;
using test::Scratch;

namespace {
const QByteArray kStore = "[ToolBar0]\r\n"
                          "Visible=1\r\n"
                          "Left=12\r\n"
                          "\r\n"
                          "[new]\r\n"
                          "cols=80\r\n"
                          "rows=50\r\n"
                          "\r\n"
                          "[print]\r\n"
                          "namelist=\"1 A\",2B,,\r\n"
                          "shita=0\r\n";

bool validUtf8(const QByteArray &bytes)
{
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = d.decode(bytes);
    Q_UNUSED(s);
    return !d.hasError();
}
} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void missingFile();
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void writeKeepsEverythingElse_data();
    void writeKeepsEverythingElse();
    void writeReplacesRegardlessOfCase();
    void firstWriteCreatesFile();
    void booleansWrittenAsDigits();
    void cp932FileReadAndRewrittenAsUtf8();
    void unwritableStore();
    void oversizedStoreLeftAlone();
    void appPaths();
};

void SettingsStoreTest::missingFile()
{
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    QVERIFY(!store.exists());
    QCOMPARE(store.readString("new", "cols", "dflt"), QStringLiteral("dflt"));
    QCOMPARE(store.readInteger("new", "cols", 160), 160);
    QCOMPARE(store.readBool("print", "shita", true), true);
    QCOMPARE(store.readBool("print", "shita", false), false);
    // Reading never creates the file.
    QVERIFY(!QFileInfo::exists(store.path()));
}

void SettingsStoreTest::readString_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << "new"
                           << "rows"
                           << "50";
    QTest::newRow("comma list kept as written") << "print"
                                                << "namelist"
                                                << "\"1 A\",2B,,";
    QTest::newRow("key in other letter case") << "ToolBar0"
                                              << "LEFT"
                                              << "12";
    QTest::newRow("section in other letter case") << "toolbar0"
                                                  << "left"
                                                  << "12";
    QTest::newRow("missing key") << "new"
                                 << "depth"
                                 << "<default>";
    QTest::newRow("missing section") << "scan"
                                     << "rows"
                                     << "<default>";
    QTest::newRow("key of another section") << "ToolBar0"
                                            << "cols"
                                            << "<default>";
}

void SettingsStoreTest::readString()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    Scratch scratch;
    SettingsStore store(scratch.write("data.dat", kStore));
    QCOMPARE(store.readString(section, key, "<default>"), value);
}

void SettingsStoreTest::readInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("blanks around") << QByteArray("  13  ") << 13;
    QTest::newRow("not a number") << QByteArray("abc") << -99;
    QTest::newRow("empty") << QByteArray("") << -99;
    QTest::newRow("number then text") << QByteArray("12px") << -99;
}

void SettingsStoreTest::readInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    Scratch scratch;
    SettingsStore store(scratch.write("data.dat", "[move]\r\nstep=" + text + "\r\n"));
    QCOMPARE(store.readInteger("move", "step", -99), value);
}

void SettingsStoreTest::readBool_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("whenDefaultFalse");
    QTest::addColumn<bool>("whenDefaultTrue");
    QTest::newRow("1") << QByteArray("1") << true << true;
    QTest::newRow("0") << QByteArray("0") << false << false;
    QTest::newRow("2 is true") << QByteArray("2") << true << true;
    QTest::newRow("-1 is true") << QByteArray("-1") << true << true;
    QTest::newRow("100 is true") << QByteArray("100") << true << true;
    QTest::newRow("text gives the default") << QByteArray("true") << false << true;
    QTest::newRow("empty gives the default") << QByteArray("") << false << true;
}

void SettingsStoreTest::readBool()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, whenDefaultFalse);
    QFETCH(bool, whenDefaultTrue);
    Scratch scratch;
    SettingsStore store(scratch.write("data.dat", "[scan]\nflag=" + text + "\n"));
    QCOMPARE(store.readBool("scan", "flag", false), whenDefaultFalse);
    QCOMPARE(store.readBool("scan", "flag", true), whenDefaultTrue);
}

void SettingsStoreTest::writeKeepsEverythingElse_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("existing key") << "new"
                                  << "cols"
                                  << "120";
    QTest::newRow("new key in the first section") << "ToolBar0"
                                                  << "Top"
                                                  << "3";
    QTest::newRow("new key in the last section") << "print"
                                                 << "omote"
                                                 << "1";
    QTest::newRow("new section") << "replace"
                                 << "from"
                                 << "A";
    QTest::newRow("comma list value") << "text"
                                      << "fonts"
                                      << "\"MS Gothic\",,x";
}

void SettingsStoreTest::writeKeepsEverythingElse()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    Scratch scratch;
    SettingsStore store(scratch.write("data.dat", kStore));
    QVERIFY(store.writeString(section, key, value));
    QCOMPARE(store.readString(section, key), value);

    struct Kept {
        const char *section, *key, *value;
    };
    const Kept kept[] = {{"ToolBar0", "Visible", "1"},
                         {"ToolBar0", "Left", "12"},
                         {"new", "cols", "80"},
                         {"new", "rows", "50"},
                         {"print", "namelist", "\"1 A\",2B,,"},
                         {"print", "shita", "0"}};
    for (const Kept &k : kept) {
        if (section == k.section && key == k.key)
            continue;
        QCOMPARE(store.readString(k.section, k.key, "<gone>"), QString::fromLatin1(k.value));
    }
    // One line per key: nothing was duplicated.
    const QString text = QString::fromUtf8(test::readAll(store.path()));
    QCOMPARE(text.count(key + "=", Qt::CaseInsensitive), 1);
    QCOMPARE(text.count(QStringLiteral("[%1]").arg(section), Qt::CaseInsensitive), 1);
}

void SettingsStoreTest::writeReplacesRegardlessOfCase()
{
    Scratch scratch;
    SettingsStore store(scratch.write("data.dat", kStore));
    QVERIFY(store.writeInteger("TOOLBAR0", "left", 99));
    QCOMPARE(store.readInteger("ToolBar0", "Left", 0), 99);
    const QString text = QString::fromUtf8(test::readAll(store.path()));
    QCOMPARE(text.count("left=", Qt::CaseInsensitive), 1);
    QCOMPARE(text.count("[toolbar0]", Qt::CaseInsensitive), 1);
}

void SettingsStoreTest::firstWriteCreatesFile()
{
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    QVERIFY(store.writeInteger("ToolBar3", "Left", 5));
    QVERIFY(store.exists());
    QVERIFY(store.writeInteger("ToolBar4", "Left", 6));
    QVERIFY(store.writeString("ToolBar3", "Docking", "ControlBar1"));
    QCOMPARE(store.readInteger("ToolBar3", "Left", 0), 5);
    QCOMPARE(store.readInteger("ToolBar4", "Left", 0), 6);
    QCOMPARE(store.readString("ToolBar3", "Docking"), QStringLiteral("ControlBar1"));
}

void SettingsStoreTest::booleansWrittenAsDigits()
{
    Scratch scratch;
    SettingsStore store(scratch.file("data.dat"));
    QVERIFY(store.writeBool("scan", "on", true));
    QVERIFY(store.writeBool("scan", "off", false));
    QCOMPARE(store.readString("scan", "on"), QStringLiteral("1"));
    QCOMPARE(store.readString("scan", "off"), QStringLiteral("0"));
    QCOMPARE(store.readBool("scan", "on", false), true);
    QCOMPARE(store.readBool("scan", "off", true), false);
}

// A store written elsewhere in code page 932 is read as such and rewritten as UTF-8.
void SettingsStoreTest::cp932FileReadAndRewrittenAsUtf8()
{
    Scratch scratch;
    // [text] font=ＭＳ ゴシック, namelist=赤,青
    const QByteArray cp932 = "[text]\r\nfont=\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\r\n"
                             "[print]\r\nnamelist=\x90\xD4,\x90\xC2\r\n";
    SettingsStore store(scratch.write("data.dat", cp932));
    QCOMPARE(store.readString("text", "font"), QString::fromUtf8("ＭＳ ゴシック"));
    QCOMPARE(store.readString("print", "namelist"), QString::fromUtf8("赤,青"));

    QVERIFY(store.writeString("print", "shita", QString::fromUtf8("緑")));
    const QByteArray after = test::readAll(store.path());
    QVERIFY(validUtf8(after));
    QVERIFY(after.contains(QString::fromUtf8("font=ＭＳ ゴシック").toUtf8()));
    QVERIFY(after.contains(QString::fromUtf8("namelist=赤,青").toUtf8()));
    QCOMPARE(store.readString("text", "font"), QString::fromUtf8("ＭＳ ゴシック"));
    QCOMPARE(store.readString("print", "shita"), QString::fromUtf8("緑"));
}

void SettingsStoreTest::unwritableStore()
{
    Scratch scratch;
    SettingsStore store(scratch.file("no/such/folder/data.dat"));
    QVERIFY(!store.writeInteger("new", "cols", 1));
    QCOMPARE(store.readInteger("new", "cols", 7), 7);
}

// A store far larger than any the program writes is not read, and not replaced by one key.
void SettingsStoreTest::oversizedStoreLeftAlone()
{
    Scratch scratch;
    const QByteArray bytes = kStore + QByteArray(SettingsStore::MaxBytes, '\n');
    SettingsStore store(scratch.write("data.dat", bytes));
    QCOMPARE(store.readInteger("new", "cols", 7), 7);
    QVERIFY(!store.writeInteger("new", "cols", 1));
    QCOMPARE(test::readAll(store.path()), bytes);
}

void SettingsStoreTest::appPaths()
{
    Scratch scratch;
    QCOMPARE(AppPaths::baseDir(), scratch.path());
    QCOMPARE(QFileInfo(AppPaths::dataFile()), QFileInfo(QDir(scratch.path()).filePath("data.dat")));
    QCOMPARE(QFileInfo(AppPaths::historyDir()), QFileInfo(QDir(scratch.path()).filePath("log")));
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
