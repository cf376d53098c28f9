#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace tessell {

// One scan from an open device, read piece by piece so that the window that
// drives it stays responsive. All calls come from one thread. Failures throw
// tessell::Error.
class ScanSession {
public:
    struct Settings {
        int dpi = 150;
        bool colour = true;
    };

    virtual ~ScanSession() = default;

    static QList<int> resolutions() { return {75, 150, 300}; }
    static constexpr int DefaultDpi = 150;

    // The device as the user knows it ("vendor model").
    virtual QString deviceName() const = 0;
    // Applies the settings and starts the scan.
    virtual void start(const Settings &settings) = 0;
    // Reads what the device has ready; true once the picture is complete.
    virtual bool readSome() = 0;
    virtual qint64 bytesRead() const = 0;
    // 0 while the device does not know the size of the picture.
    virtual qint64 bytesExpected() const = 0;
    // The finished picture, after readSome answered true.
    virtual QImage image() const = 0;
    // Stops a running scan; the session may be started again.
    virtual void cancel() = 0;
};

} // namespace tessell
