#pragma once

#include <QString>

namespace tessell {

// The one proportional gothic face of every printed page (preview, printer, PDF).
inline QString pageFontFamily()
{
    return QStringLiteral("IPAPGothic");
}

} // namespace tessell
