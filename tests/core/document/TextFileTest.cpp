#include "core/document/TextFile.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace tessell;
using namespace tessell::test;

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void invalidBytesInName();
};

void TextFileTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("kanji and katakana") << QByteArray("\x90\xD4\xB1z") << QString::fromUtf8("赤ｱz");
    QTest::newRow("lead byte at the end") << QByteArray("a\x81") << "a?";
    QTest::newRow("lead byte before a blank") << QByteArray("\x81 b") << "? b";
    QTest::newRow("lead byte before a line end") << QByteArray("\x9F\r\nb") << "?\r\nb";
    QTest::newRow("lead byte before DEL") << QByteArray("\x81\x7F\x82\xA0") << QString::fromUtf8("?\x7F" "あ");
    QTest::newRow("bytes that start nothing") << QByteArray("\x80\xA0\xFD\xFE\xFF") << "?????";
    QTest::newRow("pair with no character") << QByteArray("\x85\x40x") << "?x";
    // Control codes are themselves, as every other ASCII byte is.
    QTest::newRow("control codes") << QByteArray("\x1A\x1C\x7F") << QString("\x1A\x1C\x7F");
    QTest::newRow("backslash and tilde") << QByteArray("\\~") << "\\~";
}

void TextFileTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decodeCp932(bytes), text);
}

// A name made only of such bytes is read as question marks, not as a missing item.
void TextFileTest::invalidBytesInName()
{
    Scratch scratch;
    QByteArray bytes = "tsfile,1,1\r\n";
    for (int n = 0; n < 16; ++n)
        bytes += QByteArray("clWhite,").repeated(20) + (n == 3 ? "\x81\xFF" : "a\x80z") + "\r\n";
    bytes += "0\r\n";
    Design design;
    DesignFile::open(scratch.write("names.tsl", bytes), design);
    QCOMPARE(design.entry(0).name(), QStringLiteral("a?z"));
    QCOMPARE(design.entry(3).name(), QStringLiteral("??"));
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "TextFileTest.moc"
