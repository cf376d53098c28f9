#include "core/document/TextFile.h"

#include "core/document/FileAccess.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <optional>

namespace tessell {

namespace {
const char *const kCodec = "Shift_JIS";

bool isLeadByte(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(uchar b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Runs of two-byte characters go to the converter; single bytes are mapped here.
// The converter's table swaps three control codes (1A, 1C, 7F) and stands in
// U+001A or U+FFFD for what it cannot map; neither is wanted.
void appendDoubleBytes(QString &out, std::optional<QStringDecoder> &decoder, QByteArrayView run)
{
    if (run.isEmpty())
        return;
    if (!decoder)
        decoder.emplace(kCodec, QStringDecoder::Flag::Stateless);
    QString text = decoder->isValid() ? decoder->decode(run) : QString(run.size() / 2, u'?');
    text.replace(QChar(0x1A), u'?').replace(QChar(0xFFFD), u'?');
    out += text;
}

// Runs always end on a whole character, so one converter serves them all; it is
// made only for text that has any.
QString decode(QByteArrayView bytes, std::optional<QStringDecoder> &decoder)
{
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < n) {
        const uchar b = uchar(bytes[i]);
        if (isLeadByte(b) && i + 1 < n && isTrailByte(uchar(bytes[i + 1]))) {
            i += 2;
            continue;
        }
        appendDoubleBytes(out, decoder, bytes.sliced(runStart, i - runStart));
        if (b < 0x80)
            out += QChar(b);
        else if (b >= 0xA1 && b <= 0xDF) // half-width katakana
            out += QChar(0xFF61 + (b - 0xA1));
        else
            out += u'?';
        runStart = ++i;
    }
    appendDoubleBytes(out, decoder, bytes.sliced(runStart, n - runStart));
    return out;
}
} // namespace

QString TextFile::decodeCp932(QByteArrayView bytes)
{
    std::optional<QStringDecoder> decoder;
    return decode(bytes, decoder);
}

QByteArray TextFile::encodeCp932(const QString &text)
{
    // Some characters lack a code: input methods give the JIS forms of the wave
    // dash, minus and a few others, which take their code page 932 twins; the
    // rest become "?". The converter's own stand-in would read back as garbage.
    static const QHash<char32_t, char32_t> twins{
        {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
        {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015}, {0x00A6, 0xFFE4},
    };
    QByteArray bytes;
    bytes.reserve(text.size());
    QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
    QString run; // characters beyond ASCII, encoded together
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        const QByteArray encoded = encoder.isValid() ? encoder.encode(run) : QByteArray();
        if (encoder.isValid() && !encoder.hasError()) {
            bytes += encoded;
        } else {
            for (char32_t c : run.toUcs4()) {
                c = twins.value(c, c);
                // A fresh converter each time: resetting one does not clear its error.
                QStringEncoder one(kCodec);
                const QByteArray e = one.isValid() ? one.encode(QString::fromUcs4(&c, 1)) : QByteArray();
                bytes += one.isValid() && !one.hasError() ? e : QByteArray("?");
            }
            encoder = QStringEncoder(kCodec, QStringEncoder::Flag::Stateless);
        }
        run.clear();
    };
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            flush();
            bytes += char(c.unicode());
        } else {
            run += c;
        }
    }
    flush();
    return bytes;
}

namespace {
// Calls take(line) for each line of text (a string or bytes: CR and LF are
// never part of a two-byte character), up to maxLines when not negative.
template <typename View, typename Take> void eachLine(View text, qsizetype maxLines, Take take)
{
    qsizetype count = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && count != maxLines; ++i) {
        const auto c = text[i];
        if (c == '\r' || c == '\n') {
            take(text.sliced(start, i - start));
            ++count;
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n && count != maxLines)
        take(text.sliced(start));
}
} // namespace

QStringList TextFile::splitLines(const QString &text, qsizetype maxLines)
{
    QStringList lines;
    eachLine(QStringView(text), maxLines, [&](QStringView line) { lines << line.toString(); });
    return lines;
}

QStringList TextFile::decodeLines(QByteArrayView bytes, qsizetype maxLines)
{
    QStringList lines;
    std::optional<QStringDecoder> decoder;
    forEachLine(bytes, maxLines, [&](QByteArrayView line) { lines << decode(line, decoder); });
    return lines;
}

void TextFile::forEachLine(QByteArrayView bytes, qsizetype maxLines,
                           const std::function<void(QByteArrayView line)> &take)
{
    // eachLine's lines, the line ends found by memchr.
    const char *data = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype count = 0;
    qsizetype start = 0;
    while (start < n && count != maxLines) {
        const auto *lf = static_cast<const char *>(std::memchr(data + start, '\n', size_t(n - start)));
        const qsizetype lfAt = lf ? lf - data : n;
        const auto *cr = static_cast<const char *>(std::memchr(data + start, '\r', size_t(lfAt - start)));
        const qsizetype end = cr ? cr - data : lfAt;
        if (end == n) {
            take(bytes.sliced(start));
            return;
        }
        take(bytes.sliced(start, end - start));
        ++count;
        start = end + (data[end] == '\r' && end + 1 < n && data[end + 1] == '\n' ? 2 : 1);
    }
}

QStringList TextFile::readLines(const QString &path) { return decodeLines(FileAccess::read(path), MaxLines); }

void TextFile::writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    FileAccess::write(path, encodeCp932(text));
}

} // namespace tessell
