#include "core/scan/DibReader.h"
#include "core/Texts.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QtEndian>

using namespace tessell;
using namespace tessell::test;

namespace {

using Pixels = QList<QList<QRgb>>; // rows top to bottom

void put16(QByteArray &b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray &b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

// An info or core header with the fields the reader looks at.
QByteArray header(int size, qint32 width, qint32 height, int bits, quint32 used = 0, quint32 compression = 0)
{
    QByteArray b(size, '\0');
    put32(b, 0, quint32(size));
    if (size == 12) {
        put16(b, 4, quint16(width));
        put16(b, 6, quint16(height));
        put16(b, 8, 1);
        put16(b, 10, quint16(bits));
    } else {
        put32(b, 4, quint32(width));
        put32(b, 8, quint32(height));
        put16(b, 12, 1);
        put16(b, 14, quint16(bits));
        put32(b, 16, compression);
        put32(b, 32, used);
    }
    return b;
}

QByteArray entry(QRgb c, bool core)
{
    QByteArray e;
    e.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
    if (!core)
        e.append('\0');
    return e;
}

// The picture as a bitmap of the given depth, written the way the format
// says: colour table of the picture's colours, rows padded to four bytes,
// bottom row first unless topDown.
QByteArray encode(const Pixels &rows, int bits, bool topDown = false, int headerSize = 40)
{
    const int height = int(rows.size()), width = int(rows.first().size());
    const bool core = headerSize == 12;
    QList<QRgb> table;
    if (bits <= 8)
        for (const auto &row : rows)
            for (QRgb c : row)
                if (!table.contains(c))
                    table.append(c);
    QByteArray b = header(headerSize, width, topDown ? -height : height, bits);
    for (int i = 0; i < (bits <= 8 ? 1 << bits : 0); ++i)
        b.append(entry(i < table.size() ? table[i] : qRgb(0, 0, 0), core));
    const int stride = (width * bits + 31) / 32 * 4;
    for (int r = 0; r < height; ++r) {
        const auto &row = rows[topDown ? r : height - 1 - r];
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = row[x];
            // Indices packed from the highest bits: the leftmost pixel first.
            if (bits <= 8)
                line[x * bits / 8] =
                    char(line[x * bits / 8] | (int(table.indexOf(c)) << (8 - bits - x * bits % 8)));
            else if (bits == 16)
                put16(line, 2 * x,
                      quint16(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)));
            else
                line.replace(bits / 8 * x, bits / 8, entry(c, bits == 24));
        }
        b.append(line);
    }
    return b;
}

Pixels pixelsOf(const QImage &image)
{
    Pixels rows;
    for (int y = 0; y < image.height(); ++y) {
        QList<QRgb> row;
        for (int x = 0; x < image.width(); ++x)
            row.append(image.pixel(x, y) | 0xFF000000);
        rows.append(row);
    }
    return rows;
}

QImage read(const QByteArray &b)
{
    return DibReader::read(reinterpret_cast<const uchar *>(b.constData()), b.size());
}

QString readError(const QByteArray &b)
{
    return errorOf([&] { read(b); });
}

// Colours that 5 bits a channel keep exactly.
const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

} // namespace

class DibReaderTest : public QObject {
    Q_OBJECT
private slots:
    void pixelOffsets_data();
    void pixelOffsets();
    void depths_data();
    void depths();
    void colourMasks_data();
    void colourMasks();
    void refused_data();
    void refused();
};

void DibReaderTest::pixelOffsets_data()
{
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("offset");
    QTest::newRow("info, 8 bits, all colours") << 40 << 8 << 0 << 1064;
    QTest::newRow("info, 8 bits, 16 colours used") << 40 << 8 << 16 << 104;
    QTest::newRow("info, 24 bits") << 40 << 24 << 0 << 40;
    QTest::newRow("info, 24 bits with a table of 2") << 40 << 24 << 2 << 48;
    QTest::newRow("core, 8 bits") << 12 << 8 << 0 << 780;
    QTest::newRow("longer header, 4 bits") << 108 << 4 << 0 << 172;
}

// One pixel placed at the expected offset: it is read from there, and the
// memory must reach exactly to its row's end.
void DibReaderTest::pixelOffsets()
{
    QFETCH(int, headerSize);
    QFETCH(int, bits);
    QFETCH(int, used);
    QFETCH(int, offset);
    const bool core = headerSize == 12;
    QByteArray b = header(headerSize, 1, 1, bits, quint32(used));
    const int entries = used ? used : (bits <= 8 ? 1 << bits : 0);
    for (int i = 0; i < entries; ++i)
        b.append(entry(qRgb(i, 255 - i, 7), core));
    QCOMPARE(b.size(), offset);
    if (bits == 24)
        b.append(entry(qRgb(10, 20, 30), true)).append('\0');
    else
        b.append(char(bits == 8 ? 9 : 0x90)).append(3, '\0');
    QCOMPARE(pixelsOf(read(b)), Pixels({{bits == 24 ? qRgb(10, 20, 30) : qRgb(9, 246, 7)}}));
    b.chop(1);
    QCOMPARE(readError(b), texts::transferFailed());
}

void DibReaderTest::depths_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("topDown");
    QTest::addColumn<int>("headerSize");
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        QTest::addRow("%d bits", bits) << bits << false << 40;
        QTest::addRow("%d bits, top-down", bits) << bits << true << 40;
    }
    QTest::newRow("core, 4 bits") << 4 << false << 12;
    QTest::newRow("core, 24 bits") << 24 << false << 12;
}

// Rows that differ, so that order and padding both show; 1 bit crosses a byte.
void DibReaderTest::depths()
{
    QFETCH(int, bits);
    QFETCH(bool, topDown);
    QFETCH(int, headerSize);
    const Pixels two = {{kWhite, kBlack, kBlack, kWhite, kWhite, kBlack, kBlack, kBlack, kWhite},
                        {kBlack, kBlack, kWhite, kBlack, kWhite, kWhite, kBlack, kWhite, kBlack}};
    const Pixels many = {{kRed, kGreen, kBlue, kWhite, kBlack},
                         {kGreen, kBlue, kWhite, kBlack, kRed},
                         {kBlue, kWhite, kBlack, kRed, qRgb(8, 33, 66)}};
    const Pixels &picture = bits == 1 ? two : many;
    QCOMPARE(pixelsOf(read(encode(picture, bits, topDown, headerSize))), picture);
}

void DibReaderTest::colourMasks_data()
{
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QList<quint32>>("masks");
    QTest::addColumn<quint32>("pixel");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("16 bits, 5-6-5 after the header")
        << 40 << 16 << QList<quint32>{0xF800, 0x07E0, 0x001F} << quint32(0xF81F) << qRgb(255, 0, 255);
    QTest::newRow("16 bits, 5-6-5, half green")
        << 40 << 16 << QList<quint32>{0xF800, 0x07E0, 0x001F} << quint32(0x0400) << qRgb(0, 130, 0);
    QTest::newRow("32 bits, masks in a longer header")
        << 108 << 32 << QList<quint32>{0xFF, 0xFF00, 0xFF0000} << quint32(0x332211) << qRgb(0x11, 0x22, 0x33);
}

void DibReaderTest::colourMasks()
{
    QFETCH(int, headerSize);
    QFETCH(int, bits);
    QFETCH(QList<quint32>, masks);
    QFETCH(quint32, pixel);
    QFETCH(QRgb, colour);
    QByteArray b = header(headerSize, 1, 1, bits, 0, 3);
    if (headerSize == 40)
        b.append(12, '\0');
    for (int i = 0; i < 3; ++i)
        put32(b, 40 + 4 * i, masks[i]);
    QByteArray px(4, '\0');
    put32(px, 0, pixel);
    b.append(px);
    QCOMPARE(pixelsOf(read(b)), Pixels({{colour}}));
}

void DibReaderTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = encode({{kRed, kGreen}, {kBlue, kWhite}}, 24);
    auto with = [&](int at, quint32 value, int width = 4) {
        QByteArray b = good;
        width == 2 ? put16(b, at, quint16(value)) : put32(b, at, value);
        return b;
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("shorter than a size field") << QByteArray("\x28\0\0", 3);
    QTest::newRow("header of neither form") << with(0, 20);
    QTest::newRow("header longer than the memory") << with(0, 4096);
    QTest::newRow("core header cut short") << header(12, 1, 1, 24).left(11);
    QTest::newRow("zero width") << with(4, 0);
    QTest::newRow("negative width") << with(4, quint32(-2));
    QTest::newRow("zero height") << with(8, 0);
    QTest::newRow("rows beyond the memory") << with(8, 3);
    QTest::newRow("top-down rows beyond the memory") << with(8, quint32(-3));
    QTest::newRow("absurd size") << with(4, 0x7FFFFFFF);
    QTest::newRow("absurd top-down size") << with(8, 0x80000000);
    QTest::newRow("7 bits") << with(14, 7, 2);
    QTest::newRow("run-length compressed") << with(16, 1);
    QTest::newRow("masks on 24 bits") << with(16, 3);
    QTest::newRow("more colours than the memory") << with(32, 0xFFFFFFFF);
    QTest::newRow("colour table beyond the memory") << encode({{kRed, kGreen}}, 8).left(40 + 1023);
    QTest::newRow("last row cut short") << good.left(good.size() - 1);
    QByteArray masks = header(40, 1, 1, 32, 0, 3);
    QTest::newRow("masks beyond the memory") << masks.append(8, '\0');
}

void DibReaderTest::refused()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(readError(bytes), texts::transferFailed());
}

QTEST_GUILESS_MAIN(DibReaderTest)
#include "DibReaderTest.moc"
