#include "core/colour/Adjustments.h"

#include <algorithm>
#include <cmath>

namespace tessell {

namespace {
int channel(double value)
{
    return int(std::lround(std::clamp(value, 0.0, 255.0)));
}

double clampValue(int v)
{
    return std::clamp(v, Adjustments::Minimum, Adjustments::Maximum);
}
} // namespace

std::array<double, 256> Adjustments::toneCurve() const
{
    const double shift = clampValue(brightness) * 127.5 / 100.0;
    const double c = clampValue(contrast) / 100.0;
    const double slope = c <= 0 ? 1.0 + c : std::pow(4.0, c);
    std::array<double, 256> curve{};
    for (int v = 0; v < 256; ++v)
        curve[std::size_t(v)] = std::clamp((v + shift - 127.5) * slope + 127.5, 0.0, 255.0);
    return curve;
}

QRgb Adjustments::apply(QRgb colour, const std::array<double, 256> &curve) const
{
    const double r = curve[std::size_t(qRed(colour))], g = curve[std::size_t(qGreen(colour))],
                 b = curve[std::size_t(qBlue(colour))];
    if (saturation == 0)
        return qRgb(channel(r), channel(g), channel(b));
    const double gain = 1.0 + clampValue(saturation) / 100.0;
    const double luma = 0.299 * r + 0.587 * g + 0.114 * b;
    return qRgb(channel(luma + (r - luma) * gain), channel(luma + (g - luma) * gain),
                channel(luma + (b - luma) * gain));
}

QRgb Adjustments::apply(QRgb colour) const
{
    return apply(colour, toneCurve());
}

void Adjustments::apply(std::vector<QRgb> &colours) const
{
    const std::array<double, 256> curve = toneCurve();
    for (QRgb &c : colours)
        c = apply(c, curve);
}

} // namespace tessell
