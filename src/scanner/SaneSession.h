#pragma once

#include "scanner/ScanSession.h"

#include <QByteArray>

#include <sane/sane.h>

namespace tessell {

// One scan from an open SANE device: the options set by type, then the frame
// read in slices of a few milliseconds. Grey (1, 8 or 16 bits) and RGB (8 or
// 16 bits) frames. The handle stays the caller's to close.
class SaneSession : public ScanSession {
public:
    SaneSession(SANE_Handle handle, QString deviceName);
    ~SaneSession() override;
    SaneSession(const SaneSession &) = delete;
    SaneSession &operator=(const SaneSession &) = delete;

    QString deviceName() const override { return m_deviceName; }
    void start(const Settings &settings) override;
    bool readSome() override;
    qint64 bytesRead() const override { return m_data.size(); }
    qint64 bytesExpected() const override { return m_expected; }
    QImage image() const override { return m_image; }
    void cancel() override;

    // A picture larger than this is refused rather than filling the memory.
    static constexpr qint64 MaxBytes = qint64(1) << 30;

private:
    void applyResolution(int dpi);
    void applyMode(bool colour);
    [[noreturn]] void fail(const QString &text);
    void finish();

    SANE_Handle m_handle;
    QString m_deviceName;
    SANE_Parameters m_parameters{};
    QByteArray m_data;
    qint64 m_expected = 0;
    bool m_running = false;
    QImage m_image;
};

} // namespace tessell
