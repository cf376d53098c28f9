#pragma once

#include "scanner/ScanUi.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace tessell {

// The scanner's questions answered by a window: device choice through the
// given chooser (the Prompter's list question), scans through SaneScanDialog.
class WindowScanUi : public ScanUi {
public:
    // Shows devices under a caption and a label, answers the chosen index or nothing.
    using DeviceChooser = std::function<std::optional<int>(QWidget *parent, const QString &caption,
                                                           const QString &label, const QStringList &devices)>;

    WindowScanUi(QWidget *window, DeviceChooser chooser);

    WId ownerWindow() const override;
    std::optional<int> chooseDevice(const QStringList &devices) override;
    bool runScan(ScanSession &session, QImage &image) override;

private:
    QPointer<QWidget> m_window;
    DeviceChooser m_chooser;
};

} // namespace tessell
