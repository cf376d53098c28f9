#include "core/document/CommaList.h"

#include <QTest>

using namespace tessell;

class CommaListTest : public QObject {
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void join_data();
    void join();
    void roundTrip_data();
    void roundTrip();
    void parseInteger_data();
    void parseInteger();
};

void CommaListTest::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("commas") << "0,1,2" << QStringList{"0", "1", "2"};
    QTest::newRow("blanks end items") << "0 1 2" << QStringList{"0", "1", "2"};
    QTest::newRow("A blank B") << "A B" << QStringList{"A", "B"};
    QTest::newRow("tab ends an item") << "a\tb" << QStringList{"a", "b"};
    QTest::newRow("several blanks are one separator") << "a   b" << QStringList{"a", "b"};
    QTest::newRow("blanks around a comma") << "a  ,  b" << QStringList{"a", "b"};
    QTest::newRow("trailing comma adds an empty item") << "a,b," << QStringList{"a", "b", ""};
    QTest::newRow("comma then blank adds nothing") << "a, " << QStringList{"a"};
    QTest::newRow("blank comma blank adds nothing") << "a , " << QStringList{"a"};
    QTest::newRow("two commas give an empty item") << "a,,b" << QStringList{"a", "", "b"};
    QTest::newRow("comma blank comma") << "a, ,b" << QStringList{"a", "", "b"};
    QTest::newRow("leading comma") << ",a" << QStringList{"", "a"};
    QTest::newRow("lone comma") << "," << QStringList{"", ""};
    QTest::newRow("empty line") << "" << QStringList{};
    QTest::newRow("blanks only") << "   " << QStringList{};
    QTest::newRow("leading control characters skipped") << QString("\t\x01\x1f a,b") << QStringList{"a", "b"};
    QTest::newRow("quoted with blank") << "\"a b\",c" << QStringList{"a b", "c"};
    QTest::newRow("quoted comma") << "\"a,b\"" << QStringList{"a,b"};
    QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
    QTest::newRow("two quotes are one empty item") << "\"\"" << QStringList{""};
    QTest::newRow("quoted empty after item") << "x,\"\"" << QStringList{"x", ""};
    QTest::newRow("text after closing quote is the next item") << "\"ab\"cd" << QStringList{"ab", "cd"};
    QTest::newRow("quoted then blank then item") << "\"a\" b" << QStringList{"a", "b"};
    QTest::newRow("trailing comma after quoted") << "\"a b\"," << QStringList{"a b", ""};
    QTest::newRow("japanese items") << QString::fromUtf8("赤,青 緑")
                                    << QStringList{QString::fromUtf8("赤"), QString::fromUtf8("青"),
                                                   QString::fromUtf8("緑")};
}

void CommaListTest::split()
{
    QFETCH(QString, line);
    QFETCH(QStringList, items);
    QCOMPARE(CommaList::split(line), items);
    // Told to stop, the split gives the first items and no more.
    for (qsizetype n = 0; n <= items.size() + 1; ++n)
        QCOMPARE(CommaList::split(line, n), items.mid(0, n));
}

void CommaListTest::join_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("line");

    QTest::newRow("plain") << QStringList{"0", "A", "F"} << "0,A,F";
    QTest::newRow("single empty item is two quotes") << QStringList{""} << "\"\"";
    QTest::newRow("two empty items") << QStringList{"", ""} << ",";
    QTest::newRow("empty last item") << QStringList{"a", ""} << "a,";
    QTest::newRow("empty first item") << QStringList{"", "a"} << ",a";
    QTest::newRow("empty middle item") << QStringList{"a", "", "b"} << "a,,b";
    QTest::newRow("no items") << QStringList{} << "";
    QTest::newRow("blank quoted") << QStringList{"a b"} << "\"a b\"";
    QTest::newRow("single blank quoted") << QStringList{" "} << "\" \"";
    QTest::newRow("comma quoted") << QStringList{"a,b", "c"} << "\"a,b\",c";
    QTest::newRow("quotes doubled") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"";
    QTest::newRow("lone quote") << QStringList{"\"", "x"} << "\"\"\"\",x";
    QTest::newRow("tab quoted") << QStringList{"a\tb"} << "\"a\tb\"";
    QTest::newRow("control character quoted") << QStringList{QString("a\x01")} << QString("\"a\x01\"");
    QTest::newRow("japanese not quoted")
        << QStringList{QString::fromUtf8("赤"), "1"} << QString::fromUtf8("赤,1");
}

void CommaListTest::join()
{
    QFETCH(QStringList, items);
    QFETCH(QString, line);
    QCOMPARE(CommaList::join(items), line);
}

void CommaListTest::roundTrip_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::newRow("cells") << QStringList{"0", "1", "F"};
    QTest::newRow("single empty") << QStringList{""};
    QTest::newRow("two empty") << QStringList{"", ""};
    QTest::newRow("empty last") << QStringList{"a", ""};
    QTest::newRow("empty middle") << QStringList{"a", "", "b"};
    QTest::newRow("blanks, quotes and commas") << QStringList{"a b", "\"q\"", ",", " lead", "trail "};
    QTest::newRow("tsdata block") << QStringList{"tsdata", "2", "1", "-1", "A"};
}

void CommaListTest::roundTrip()
{
    QFETCH(QStringList, items);
    QCOMPARE(CommaList::split(CommaList::join(items)), items);
}

void CommaListTest::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("value");

    QTest::newRow("decimal") << "160" << true << qint64(160);
    QTest::newRow("zero") << "0" << true << qint64(0);
    QTest::newRow("negative") << "-3" << true << qint64(-3);
    QTest::newRow("dollar hex") << "$00FF8000" << true << qint64(0x00FF8000);
    QTest::newRow("dollar hex lower case") << "$ff" << true << qint64(255);
    QTest::newRow("int max") << "2147483647" << true << qint64(2147483647);
    QTest::newRow("beyond int") << "2147483648" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("dollar alone") << "$" << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("digits then letter") << "12a" << false << qint64(0);
    QTest::newRow("decimal with hex letter") << "1F" << false << qint64(0);
    QTest::newRow("inner blank") << "1 2" << false << qint64(0);
    QTest::newRow("full-width digits") << QString::fromUtf8("１２") << false << qint64(0);
}

void CommaListTest::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, value);
    qint64 v = -12345;
    QCOMPARE(tessell::parseInteger(text, &v), ok);
    if (ok)
        QCOMPARE(v, value);
}

QTEST_GUILESS_MAIN(CommaListTest)
#include "CommaListTest.moc"
