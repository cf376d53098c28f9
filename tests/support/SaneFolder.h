#pragma once

// Header only: SANE's own test backend for the tests labelled sane.

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

namespace tessell::test {

// Points SANE at a configuration folder in scratch whose dll.conf names only
// the test backend. SANE reads SANE_CONFIG_DIR once per process: call this
// once per test program, before the first scanner service. False when the
// folder cannot be made.
inline bool useSaneTestBackend(const Scratch &scratch)
{
    if (!QDir(scratch.path()).mkpath(QStringLiteral("sane")))
        return false;
    scratch.write(QStringLiteral("sane/dll.conf"), "test\n");
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(scratch.file(QStringLiteral("sane"))));
    // Linux chooses SANE when its library answers.
    qunsetenv("TESSELL_SCANNER");
    return true;
}

// The test device: one colour pattern device, and extra lines of test.conf.
inline void writeSaneTestDevice(const Scratch &scratch, const QByteArray &extra = {})
{
    scratch.write(QStringLiteral("sane/test.conf"), "number_of_devices 1\nmode Color\nresolution 75\n"
                                                    "test-picture \"Color pattern\"\n" +
                                                        extra);
}

} // namespace tessell::test
