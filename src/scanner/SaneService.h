#pragma once

#include "scanner/ScannerService.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace tessell {

// Scanners through SANE. SANE devices have no interface of their own, so an
// acquisition with showUi runs our scan dialog through ScanUi::runScan. The
// device is opened for each acquisition and closed after it, so that other
// programs can use it in between.
class SaneService : public ScannerService {
public:
    // Null when the SANE library does not answer. One at a time per process.
    static std::unique_ptr<SaneService> open();
    ~SaneService() override;
    SaneService(const SaneService &) = delete;
    SaneService &operator=(const SaneService &) = delete;

    bool selectSource(ScanUi &ui) override;
    bool acquire(QImage &image, bool showUi, ScanUi &ui) override;

private:
    SaneService() = default;
    // The devices SANE finds now: names and "vendor model" texts.
    static void listDevices(QList<QByteArray> &names, QStringList &labels);

    QByteArray m_device;
    QString m_label;
};

} // namespace tessell
