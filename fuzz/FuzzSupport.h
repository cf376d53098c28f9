#pragma once

// Shared by the libFuzzer targets: a failed property aborts, so libFuzzer keeps the input.

#include "core/scan/MosaicConversion.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessell::fuzz {

inline void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Sixteen distinct tile colours for the conversion targets.
inline MeanColours meanColours()
{
    MeanColours means;
    for (std::size_t i = 0; i < means.size(); ++i)
        means[i] = qRgb(int(i) * 17, 255 - int(i) * 17, int(i * 53) & 255);
    return means;
}

} // namespace tessell::fuzz
