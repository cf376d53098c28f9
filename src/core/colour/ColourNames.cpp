#include "core/colour/ColourNames.h"

#include "core/Texts.h"
#include "core/colour/Cielab.h"

#include <QHash>

#include <array>

namespace tessell::ColourNames {

namespace {
struct Named {
    const char *name;
    QRgb colour;
};

// Each name at a typical colour of its kind: carton, paint and crayon colours.
constexpr std::array<Named, 18> kNames{{
    {QT_TRANSLATE_NOOP("tessell::texts", "白"), 0xFFFFFF},
    {QT_TRANSLATE_NOOP("tessell::texts", "黒"), 0x101010},
    {QT_TRANSLATE_NOOP("tessell::texts", "灰"), 0x8C8C8C},
    {QT_TRANSLATE_NOOP("tessell::texts", "赤"), 0xD02020},
    {QT_TRANSLATE_NOOP("tessell::texts", "桃"), 0xF0A0B8},
    {QT_TRANSLATE_NOOP("tessell::texts", "橙"), 0xF08C14},
    {QT_TRANSLATE_NOOP("tessell::texts", "黄"), 0xFADC14},
    {QT_TRANSLATE_NOOP("tessell::texts", "黄緑"), 0x96C83C},
    {QT_TRANSLATE_NOOP("tessell::texts", "緑"), 0x1E8C3C},
    {QT_TRANSLATE_NOOP("tessell::texts", "深緑"), 0x1E4628},
    {QT_TRANSLATE_NOOP("tessell::texts", "水色"), 0x8CCDEB},
    {QT_TRANSLATE_NOOP("tessell::texts", "青"), 0x1E5AC8},
    {QT_TRANSLATE_NOOP("tessell::texts", "紺"), 0x1E2850},
    {QT_TRANSLATE_NOOP("tessell::texts", "紫"), 0x7C3C96},
    {QT_TRANSLATE_NOOP("tessell::texts", "茶"), 0x825028},
    {QT_TRANSLATE_NOOP("tessell::texts", "こげ茶"), 0x46281A},
    {QT_TRANSLATE_NOOP("tessell::texts", "肌色"), 0xF5CDAA},
    {QT_TRANSLATE_NOOP("tessell::texts", "ベージュ"), 0xD7C39B},
}};
} // namespace

QString nearest(QRgb colour)
{
    const Lab lab = Cielab::fromRgb(colour);
    const Named *best = nullptr;
    double bestDistance = 0;
    for (const Named &n : kNames) {
        const double d = Cielab::ciede2000(lab, Cielab::fromRgb(n.colour));
        if (!best || d < bestDistance) {
            best = &n;
            bestDistance = d;
        }
    }
    return CoreTexts::tr(best->name);
}

QStringList forColours(const std::vector<QRgb> &colours)
{
    QStringList names;
    QHash<QString, int> seen;
    for (QRgb c : colours) {
        const QString name = nearest(c);
        const int n = ++seen[name];
        names << (n == 1 ? name : name + QString::number(n));
    }
    return names;
}

} // namespace tessell::ColourNames
