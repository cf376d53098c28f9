#pragma once

#include <QStringList>
#include <qwindowdefs.h>

#include <optional>

class QImage;

namespace tessell {

class ScanSession;

// What a scanner service needs of the window that uses it: its native handle,
// the user's choice among devices, and, for devices without an interface of
// their own, our scan dialog.
class ScanUi {
public:
    virtual ~ScanUi() = default;

    // The owner window's native handle, 0 when there is none.
    virtual WId ownerWindow() const = 0;
    // The user picks one of the devices, each named "vendor model"; nothing
    // when the choice was cancelled.
    virtual std::optional<int> chooseDevice(const QStringList &devices) = 0;
    // Lets the user set up and run one scan of session, filling image. False
    // when the user cancelled; a device failure throws tessell::Error.
    virtual bool runScan(ScanSession &session, QImage &image) = 0;
};

} // namespace tessell
