#pragma once

// Shared by the libFuzzer targets: a failed property aborts, so libFuzzer keeps the input.

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

} // namespace tessell::fuzz
