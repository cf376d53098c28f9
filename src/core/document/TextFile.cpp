#include "core/document/TextFile.h"

#include "core/document/FileAccess.h"

#include <QHash>

#include <unicode/ucnv.h>

#include <cstring>
#include <optional>

namespace tessell {

namespace {
bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(uchar b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// ICU's converter for code page 932, used directly: Qt's own codecs have it
// only when Qt itself was built with ICU, which Qt for Windows is not.
class Cp932 {
public:
    Cp932()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_converter = ucnv_open("windows-31j", &status);
        if (U_FAILURE(status))
            m_converter = nullptr;
    }
    ~Cp932()
    {
        if (m_converter)
            ucnv_close(m_converter);
    }
    Cp932(const Cp932 &) = delete;
    Cp932 &operator=(const Cp932 &) = delete;

    // Whole two-byte characters in, their text out; what the table lacks comes
    // back as U+001A or U+FFFD. Nothing when ICU has no such converter.
    std::optional<QString> decode(QByteArrayView bytes)
    {
        if (!m_converter)
            return std::nullopt;
        ucnv_resetToUnicode(m_converter);
        QString text(bytes.size() + 1, Qt::Uninitialized);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(m_converter, reinterpret_cast<UChar *>(text.data()),
                                        int32_t(text.size()), bytes.data(), int32_t(bytes.size()), &status);
        if (U_FAILURE(status))
            return std::nullopt;
        text.truncate(n);
        return text;
    }

    // Nothing when a character has no code (or there is no converter).
    std::optional<QByteArray> encode(QStringView text)
    {
        if (!m_converter)
            return std::nullopt;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setFromUCallBack(m_converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_resetFromUnicode(m_converter);
        // Two bytes a character at most.
        QByteArray bytes(2 * text.size() + 1, Qt::Uninitialized);
        const int32_t n =
            ucnv_fromUChars(m_converter, bytes.data(), int32_t(bytes.size()),
                            reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()), &status);
        if (U_FAILURE(status))
            return std::nullopt;
        bytes.truncate(n);
        return bytes;
    }

private:
    UConverter *m_converter = nullptr;
};

// Runs of two-byte characters go to the converter; single bytes are mapped here.
// The converter's table swaps three control codes (1A, 1C, 7F) and stands in
// U+001A or U+FFFD for what it cannot map; neither is wanted.
void appendDoubleBytes(QString &out, std::optional<Cp932> &converter, QByteArrayView run)
{
    if (run.isEmpty())
        return;
    if (!converter)
        converter.emplace();
    QString text = converter->decode(run).value_or(QString(run.size() / 2, u'?'));
    text.replace(QChar(0x1A), u'?').replace(QChar(0xFFFD), u'?');
    out += text;
}

// Runs always end on a whole character, so one converter serves them all; it is
// made only for text that has any.
QString decode(QByteArrayView bytes, std::optional<Cp932> &decoder)
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
    std::optional<Cp932> decoder;
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
    Cp932 encoder;
    QString run; // characters beyond ASCII, encoded together
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        if (const std::optional<QByteArray> encoded = encoder.encode(run)) {
            bytes += *encoded;
        } else {
            for (char32_t c : run.toUcs4()) {
                c = twins.value(c, c);
                bytes += encoder.encode(QString::fromUcs4(&c, 1)).value_or(QByteArray("?"));
            }
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
    std::optional<Cp932> decoder;
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
