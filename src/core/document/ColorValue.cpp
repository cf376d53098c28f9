#include "core/document/ColorValue.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/CommaList.h"

#include <array>

namespace tessell {

namespace {
struct Named {
    const char *name;
    QRgb rgb;
};
constexpr std::array<Named, 20> kNamed{{
    {"clBlack", qRgb(0, 0, 0)},         {"clMaroon", qRgb(128, 0, 0)},
    {"clGreen", qRgb(0, 128, 0)},       {"clOlive", qRgb(128, 128, 0)},
    {"clNavy", qRgb(0, 0, 128)},        {"clPurple", qRgb(128, 0, 128)},
    {"clTeal", qRgb(0, 128, 128)},      {"clGray", qRgb(128, 128, 128)},
    {"clSilver", qRgb(192, 192, 192)},  {"clRed", qRgb(255, 0, 0)},
    {"clLime", qRgb(0, 255, 0)},        {"clYellow", qRgb(255, 255, 0)},
    {"clBlue", qRgb(0, 0, 255)},        {"clFuchsia", qRgb(255, 0, 255)},
    {"clAqua", qRgb(0, 255, 255)},      {"clWhite", qRgb(255, 255, 255)},
    {"clMoneyGreen", qRgb(192, 220, 192)}, {"clSkyBlue", qRgb(166, 202, 240)},
    {"clCream", qRgb(255, 251, 240)},   {"clMedGray", qRgb(160, 160, 164)},
}};
} // namespace

QString ColorValue::toText(QRgb colour)
{
    const QRgb rgb = colour | 0xFF000000u;
    for (const Named &n : kNamed)
        if (n.rgb == rgb)
            return QLatin1String(n.name);
    const uint bgr = uint(qRed(rgb)) | (uint(qGreen(rgb)) << 8) | (uint(qBlue(rgb)) << 16);
    return QStringLiteral("$%1").arg(bgr, 8, 16, QLatin1Char('0')).toUpper();
}

QRgb ColorValue::fromText(const QString &text)
{
    for (const Named &n : kNamed)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.rgb;
    qint64 v = 0;
    if (!parseInteger(text, &v))
        throw Error(texts::notAnInteger(text));
    const quint32 bgr = quint32(v);
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace tessell
