#include "scanner/SaneSession.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "scanner/ScannerTexts.h"

#include <QElapsedTimer>

#include <sane/saneopts.h>

#include <cstring>

namespace tessell {

namespace {
constexpr SANE_Int kChunk = 64 * 1024;
constexpr int kSliceMs = 30;

// The index and descriptor of the named option, if the device has it settable.
std::pair<SANE_Int, const SANE_Option_Descriptor *> settable(SANE_Handle handle, const char *name)
{
    SANE_Int count = 0;
    if (sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return {0, nullptr};
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor *d = sane_get_option_descriptor(handle, i);
        if (d && d->name && std::strcmp(d->name, name) == 0 && SANE_OPTION_IS_ACTIVE(d->cap) &&
            SANE_OPTION_IS_SETTABLE(d->cap))
            return {i, d};
    }
    return {0, nullptr};
}

int sample(const uchar *p, int depth)
{
    if (depth == 8)
        return *p;
    quint16 v;
    std::memcpy(&v, p, 2); // host byte order, as SANE delivers it
    return v >> 8;
}
} // namespace

SaneSession::SaneSession(SANE_Handle handle, QString deviceName)
    : m_handle(handle), m_deviceName(std::move(deviceName))
{
}

SaneSession::~SaneSession()
{
    cancel();
}

void SaneSession::applyResolution(int dpi)
{
    const auto [index, d] = settable(m_handle, SANE_NAME_SCAN_RESOLUTION);
    if (!d || d->size < SANE_Int(sizeof(SANE_Word)))
        return;
    // The same number means different things by the option's type.
    SANE_Word value;
    if (d->type == SANE_TYPE_FIXED)
        value = SANE_FIX(dpi);
    else if (d->type == SANE_TYPE_INT)
        value = dpi;
    else
        return;
    sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, &value, nullptr);
}

void SaneSession::applyMode(bool colour)
{
    const auto [index, d] = settable(m_handle, SANE_NAME_SCAN_MODE);
    if (!d || d->type != SANE_TYPE_STRING || d->size <= 0)
        return;
    QByteArray wanted = colour ? SANE_VALUE_SCAN_MODE_COLOR : SANE_VALUE_SCAN_MODE_GRAY;
    // Some backends spell the modes their own way; take the one that matches best.
    if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        QByteArray found;
        for (const SANE_String_Const *s = d->constraint.string_list; *s; ++s) {
            const QByteArray mode(*s);
            if (mode == wanted) {
                found = mode;
                break;
            }
            const QByteArray lower = mode.toLower();
            if (found.isEmpty() &&
                (colour ? lower.contains("colo") : (lower.contains("gray") || lower.contains("grey"))))
                found = mode;
        }
        if (found.isEmpty())
            return;
        wanted = found;
    }
    QByteArray buffer(d->size, '\0');
    std::strncpy(buffer.data(), wanted.constData(), size_t(d->size - 1));
    sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, buffer.data(), nullptr);
}

void SaneSession::start(const Settings &settings)
{
    cancel();
    m_image = {};
    // A device without these options scans at its own settings.
    applyResolution(settings.dpi);
    applyMode(settings.colour);
    const SANE_Status status = sane_start(m_handle);
    if (status != SANE_STATUS_GOOD) {
        sane_cancel(m_handle);
        throw Error(status == SANE_STATUS_CANCELLED ? texts::scanCancelled() : texts::transferFailed());
    }
    m_running = true;
    if (sane_get_parameters(m_handle, &m_parameters) != SANE_STATUS_GOOD)
        fail(texts::transferFailed());
    const SANE_Parameters &p = m_parameters;
    const qint64 width = p.pixels_per_line;
    qint64 needed = 0;
    if (p.format == SANE_FRAME_GRAY && p.depth == 1)
        needed = (width + 7) / 8;
    else if ((p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB) && (p.depth == 8 || p.depth == 16))
        needed = width * (p.format == SANE_FRAME_RGB ? 3 : 1) * (p.depth / 8);
    if (width <= 0 || needed == 0 || p.bytes_per_line < needed)
        fail(texts::transferFailed());
    m_expected = p.lines > 0 ? qint64(p.bytes_per_line) * p.lines : 0;
    if (m_expected > MaxBytes)
        fail(texts::transferFailed());
    m_data.reserve(m_expected);
    // Slices stay short on devices that can answer without waiting.
    sane_set_io_mode(m_handle, SANE_TRUE);
}

bool SaneSession::readSome()
{
    if (!m_running)
        return !m_image.isNull();
    QElapsedTimer clock;
    clock.start();
    do {
        const qsizetype at = m_data.size();
        m_data.resize(at + kChunk);
        SANE_Int length = 0;
        const SANE_Status status =
            sane_read(m_handle, reinterpret_cast<SANE_Byte *>(m_data.data() + at), kChunk, &length);
        m_data.resize(at + (status == SANE_STATUS_GOOD ? qBound(0, length, kChunk) : 0));
        if (status == SANE_STATUS_EOF) {
            finish();
            return true;
        }
        if (status == SANE_STATUS_CANCELLED)
            fail(texts::scanCancelled());
        if (status != SANE_STATUS_GOOD || m_data.size() > MaxBytes)
            fail(texts::transferFailed());
        if (length == 0)
            break; // nothing ready yet
    } while (clock.elapsed() < kSliceMs);
    return false;
}

void SaneSession::cancel()
{
    if (m_running)
        sane_cancel(m_handle);
    m_running = false;
    m_data.clear();
    m_expected = 0;
}

void SaneSession::fail(const QString &text)
{
    cancel();
    throw Error(text);
}

void SaneSession::finish()
{
    // Back to idle before the picture is built; the data stays ours.
    sane_cancel(m_handle);
    m_running = false;
    const SANE_Parameters &p = m_parameters;
    const qint64 stride = p.bytes_per_line;
    qint64 lines = m_data.size() / stride;
    if (p.lines > 0)
        lines = qMin<qint64>(lines, p.lines);
    const int width = p.pixels_per_line;
    QImage image(width, int(lines), QImage::Format_RGB32);
    if (lines == 0 || image.isNull())
        fail(texts::transferFailed());
    const int bytes = p.depth / 8;
    for (qint64 y = 0; y < lines; ++y) {
        const auto *src = reinterpret_cast<const uchar *>(m_data.constData()) + y * stride;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (int x = 0; x < width; ++x) {
            if (p.format == SANE_FRAME_RGB) {
                const uchar *px = src + qsizetype(x) * 3 * bytes;
                dst[x] =
                    qRgb(sample(px, p.depth), sample(px + bytes, p.depth), sample(px + 2 * bytes, p.depth));
            } else {
                // In a 1-bit frame a set bit is black.
                const int v = p.depth == 1 ? ((src[x / 8] >> (7 - x % 8)) & 1 ? 0 : 255)
                                           : sample(src + qsizetype(x) * bytes, p.depth);
                dst[x] = qRgb(v, v, v);
            }
        }
    }
    m_image = image;
}

} // namespace tessell
