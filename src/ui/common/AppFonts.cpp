#include "ui/common/AppFonts.h"

#include <QFontInfo>
#include <QStringLiteral>

namespace tessell {

namespace {
const QString kProportional = QStringLiteral("ＭＳ Ｐゴシック");
const QString kFixed = QStringLiteral("ＭＳ ゴシック");
const QString kDigit = QStringLiteral("FixedSys");
} // namespace

void AppFonts::install()
{
    QFont::insertSubstitution(kProportional, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kFixed, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(kDigit, QStringLiteral("IPAGothic"));
}

QFont AppFonts::ui(int pixelSize, bool bold)
{
    QFont f(kProportional);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont AppFonts::uiPoints(int pointSize)
{
    QFont f(kProportional);
    f.setPointSize(pointSize);
    return f;
}

QFont AppFonts::fixed(int pointSize)
{
    QFont f(kFixed);
    f.setPointSize(pointSize);
    return f;
}

QFont AppFonts::digit(int pixelSize, bool bold)
{
    QFont f(kDigit);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont AppFonts::standIn(const QFont &font)
{
    QFont f = font;
    f.setFamily(QFontInfo(font).family());
    return f;
}

} // namespace tessell
