#include "core/scan/PictureIntegrity.h"

#include "core/document/FileAccess.h"
#include "core/scan/BitmapFile.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tessell::PictureIntegrity {

namespace {
// Reads the device a buffer at a time.
class ByteReader {
public:
    explicit ByteReader(QIODevice &device) : m_device(device) {}
    // The next byte, or -1 at the end.
    int next()
    {
        if (m_at == m_end) {
            m_end = m_device.read(m_buffer, sizeof m_buffer);
            m_at = 0;
            if (m_end <= 0) {
                m_end = 0;
                return -1;
            }
        }
        return uchar(m_buffer[m_at++]);
    }
    // Skips n bytes; false when the device ends first.
    bool skip(qint64 n)
    {
        for (; n > 0 && m_at < m_end; --n)
            ++m_at;
        if (n == 0)
            return true;
        if (!m_device.isSequential()) {
            const qint64 target = m_device.pos() + n;
            m_at = m_end = 0;
            return target <= m_device.size() && m_device.seek(target);
        }
        while (n-- > 0)
            if (next() < 0)
                return false;
        return true;
    }

private:
    QIODevice &m_device;
    char m_buffer[64 * 1024];
    qint64 m_at = 0;
    qint64 m_end = 0;
};

ImageMessages *s_current = nullptr;
} // namespace

bool runLengthComplete(QIODevice &device, const BitmapHeader &header)
{
    if (header.dataStart >= device.size() || !device.seek(header.dataStart))
        return false;
    const bool fourBits = header.compression == 2;
    ByteReader in(device);
    qint64 x = 0, y = 0;
    const auto done = [&] { return y >= header.height || (y == header.height - 1 && x >= header.width); };
    for (;;) {
        const int count = in.next();
        const int code = count < 0 ? -1 : in.next();
        if (code < 0)
            return done();
        if (count > 0) {
            x += count;
            continue;
        }
        if (code == 0) { // end of the row
            x = 0;
            if (++y >= header.height)
                return true;
        } else if (code == 1) { // end of the picture
            return true;
        } else if (code == 2) { // move right and down
            const int dx = in.next(), dy = dx < 0 ? -1 : in.next();
            if (dy < 0)
                return false;
            x += dx;
            y += dy;
            if (y >= header.height)
                return true;
        } else { // pixels as they stand, padded to whole words
            const qint64 bytes = fourBits ? (code + 1) / 2 : code;
            if (!in.skip((bytes + 1) & ~qint64(1)))
                return false;
            x += code;
        }
    }
}

bool pngChunksWhole(QIODevice &device)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!device.seek(0) || device.read(8) != signature)
        return true;
    for (;;) {
        const QByteArray head = device.read(8);
        if (head.size() < 8)
            return false;
        const qint64 length = qFromBigEndian<quint32>(head.constData());
        // The data and the CRC after it.
        if (length > 0x7FFFFFFF || device.pos() + length + 4 > device.size())
            return false;
        if (head.endsWith("IEND"))
            return true;
        if (!device.seek(device.pos() + length + 4))
            return false;
    }
}

bool gifComplete(QIODevice &device)
{
    if (!device.seek(0))
        return false;
    const QByteArray head = device.read(13);
    if (!head.startsWith("GIF8"))
        return true;
    if (head.size() < 13)
        return false;
    ByteReader in(device);
    const auto colourTable = [](int flags) { return flags & 0x80 ? 3 * (qint64(2) << (flags & 7)) : 0; };
    // Data sub-blocks up to the empty one.
    const auto blocks = [&in] {
        for (;;) {
            const int size = in.next();
            if (size < 0)
                return false;
            if (size == 0)
                return true;
            if (!in.skip(size))
                return false;
        }
    };
    if (!in.skip(colourTable(uchar(head[10]))))
        return false;
    for (;;) {
        const int kind = in.next();
        if (kind == 0x21) { // an extension: its label, then its blocks
            if (in.next() < 0 || !blocks())
                return false;
        } else if (kind == 0x2C) { // the first picture: descriptor, table, code size, data
            char descriptor[9];
            for (char &c : descriptor) {
                const int b = in.next();
                if (b < 0)
                    return false;
                c = char(b);
            }
            return in.skip(colourTable(uchar(descriptor[8]))) && in.next() >= 0 && blocks();
        } else {
            // The trailer before any picture, or bytes the decoder will refuse.
            return kind >= 0;
        }
    }
}

bool reportsDamage(const QString &messages)
{
    // libjpeg: "Premature end of JPEG file", "Corrupt JPEG data: ..." (bytes
    // between the data and its end marker are harmless); libpng and libtiff
    // say it when they stop, but decoders that fill in what is missing may not.
    for (const QString &line : messages.split(u'\n', Qt::SkipEmptyParts)) {
        const QString m = line.toLower();
        if (m.contains(QLatin1String("extraneous bytes before marker")))
            continue;
        for (const char *sign : {"premature end", "corrupt", "not enough image data", "read error",
                                 "truncated", "unexpected end"})
            if (m.contains(QLatin1String(sign)))
                return true;
    }
    return false;
}

ImageMessages::ImageMessages()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&ImageMessages::take);
#ifdef Q_OS_UNIX
    std::fflush(stderr);
    m_capture = std::tmpfile();
    const int into = m_capture ? fileno(m_capture) : ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (into >= 0) {
        m_savedStandardError = ::dup(STDERR_FILENO);
        if (m_savedStandardError >= 0)
            ::dup2(into, STDERR_FILENO);
        if (!m_capture)
            ::close(into);
    }
#endif
}

ImageMessages::~ImageMessages()
{
    restoreStandardError();
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void ImageMessages::restoreStandardError()
{
#ifdef Q_OS_UNIX
    if (m_savedStandardError >= 0) {
        std::fflush(stderr);
        ::dup2(m_savedStandardError, STDERR_FILENO);
        ::close(m_savedStandardError);
        m_savedStandardError = -1;
    }
    if (m_capture) {
        // A few kilobytes say all there is to say.
        char text[16 * 1024];
        std::rewind(m_capture);
        const size_t n = std::fread(text, 1, sizeof text, m_capture);
        m_text += QString::fromLocal8Bit(text, qsizetype(n));
        std::fclose(m_capture);
        m_capture = nullptr;
    }
#endif
}

QString ImageMessages::text()
{
    restoreStandardError();
    return m_text;
}

void ImageMessages::take(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (s_current)
        s_current->m_text += text + u'\n';
}

void writePicture(const QImage &image, const QString &path, const char *format)
{
    FileAccess::SaveFile file(path);
    {
        ImageMessages messages;
        if (!image.save(&file.device(), format))
            file.cancel();
    }
    file.commit();
}

} // namespace tessell::PictureIntegrity
