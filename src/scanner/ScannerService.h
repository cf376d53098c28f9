#pragma once

class QImage;

namespace tessell {

class ScanUi;

// What the image scan window asks of a scanner, whichever system drives it.
// Failures throw tessell::Error with the one text the user is to read.
class ScannerService {
public:
    virtual ~ScannerService() = default;

    // Lets the user choose a device; true when one is ready for acquire.
    virtual bool selectSource(ScanUi &ui) = 0;
    // One picture from the chosen device at its natural size into image,
    // showing the device's own settings when showUi is set. False, with the
    // image untouched, when the user closed the device without scanning.
    virtual bool acquire(QImage &image, bool showUi, ScanUi &ui) = 0;
    // At program end: closes what is still open. Throws tessell::Error when a
    // close call fails; the calls after it are skipped. Called at most once.
    virtual void close() {}
};

// A system without scanners: no device is ever ready.
class NoScannerService : public ScannerService {
public:
    bool selectSource(ScanUi &) override { return false; }
    bool acquire(QImage &, bool, ScanUi &) override { return false; }
};

} // namespace tessell
