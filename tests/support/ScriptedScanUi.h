#pragma once

// Header only, like ScriptedPrompter: only scanner and window tests include it.

#include "scanner/ScanUi.h"

#include <QImage>
#include <QStringList>

#include <functional>

namespace tessell::test {

// Answers a scanner's questions from the test's script and records them.
class ScriptedScanUi : public ScanUi {
public:
    WId owner = 0x5150;
    std::optional<int> choice = 0; // nothing cancels the choice
    QList<QStringList> offered;    // the device lists shown, in order
    // Runs the scan as our dialog would; unset answers "cancelled".
    std::function<bool(ScanSession &, QImage &)> scan;
    int scans = 0;

    WId ownerWindow() const override { return owner; }
    std::optional<int> chooseDevice(const QStringList &devices) override
    {
        offered.append(devices);
        return choice;
    }
    bool runScan(ScanSession &session, QImage &image) override
    {
        ++scans;
        return scan ? scan(session, image) : false;
    }
};

} // namespace tessell::test
