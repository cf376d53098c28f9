#include "ui/app/AppFonts.h"

#include <QFont>
#include <QStringLiteral>

namespace tessell {

void AppFonts::install()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    // The preview digit's fixed-pitch face.
    QFont::insertSubstitution(QStringLiteral("FixedSys"), QStringLiteral("IPAGothic"));
}

} // namespace tessell
