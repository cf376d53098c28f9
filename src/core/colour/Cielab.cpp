#include "core/colour/Cielab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessell::Cielab {

namespace {
// The D65 white of sRGB, as the rows of its matrix add up, so that greys have no hue.
constexpr double Xn = 0.4124564 + 0.3575761 + 0.1804375;
constexpr double Yn = 0.2126729 + 0.7151522 + 0.0721750;
constexpr double Zn = 0.0193339 + 0.1191920 + 0.9503041;
constexpr double Epsilon = 216.0 / 24389.0; // (6/29)^3
constexpr double Kappa = 24389.0 / 27.0;    // (29/3)^3

double linear(double channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double encoded(double linearValue)
{
    const double c =
        linearValue <= 0.0031308 ? 12.92 * linearValue : 1.055 * std::pow(linearValue, 1.0 / 2.4) - 0.055;
    return c * 255.0;
}

const std::array<double, 256> &linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = linear(i);
        return t;
    }();
    return table;
}

double f(double t)
{
    return t > Epsilon ? std::cbrt(t) : (Kappa * t + 16.0) / 116.0;
}
double fInverse(double t)
{
    return t * t * t > Epsilon ? t * t * t : (116.0 * t - 16.0) / Kappa;
}

Lab fromLinear(double r, double g, double b)
{
    const double x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b;
    const double fx = f(x / Xn), fy = f(y / Yn), fz = f(z / Zn);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

constexpr double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}
constexpr double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// 25^7, the knee of the chroma weight.
constexpr double Pow25To7 = 6103515625.0;
double seventh(double v)
{
    const double v2 = v * v, v3 = v2 * v;
    return v3 * v3 * v;
}

double lightnessWeight(double meanL)
{
    const double d = (meanL - 50.0) * (meanL - 50.0);
    return 1.0 + 0.015 * d / std::sqrt(20.0 + d);
}
} // namespace

Lab fromSrgb(double red, double green, double blue)
{
    return fromLinear(linear(red), linear(green), linear(blue));
}

Lab fromRgb(QRgb colour)
{
    const auto &t = linearTable();
    return fromLinear(t[std::size_t(qRed(colour))], t[std::size_t(qGreen(colour))],
                      t[std::size_t(qBlue(colour))]);
}

QRgb toRgb(const Lab &colour)
{
    const double fy = (colour.L + 16.0) / 116.0, fx = fy + colour.a / 500.0, fz = fy - colour.b / 200.0;
    const double x = Xn * fInverse(fx), z = Zn * fInverse(fz);
    const double y = Yn * (colour.L > Kappa * Epsilon ? fy * fy * fy : colour.L / Kappa);
    const double r = 3.2404542 * x - 1.5371385 * y - 0.4985314 * z;
    const double g = -0.9692660 * x + 1.8760108 * y + 0.0415560 * z;
    const double b = 0.0556434 * x - 0.2040259 * y + 1.0572252 * z;
    const auto channel = [](double v) {
        return int(std::lround(std::clamp(encoded(std::clamp(v, 0.0, 1.0)), 0.0, 255.0)));
    };
    return qRgb(channel(r), channel(g), channel(b));
}

double ciede2000(const Lab &first, const Lab &second)
{
    const double c1 = std::hypot(first.a, first.b), c2 = std::hypot(second.a, second.b);
    const double meanC7 = seventh((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + Pow25To7)));
    const double a1 = (1.0 + g) * first.a, a2 = (1.0 + g) * second.a;
    const double cp1 = std::hypot(a1, first.b), cp2 = std::hypot(a2, second.b);
    const auto hue = [](double b, double a) {
        if (a == 0.0 && b == 0.0)
            return 0.0;
        const double h = degrees(std::atan2(b, a));
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(first.b, a1), h2 = hue(second.b, a2);

    const double dL = second.L - first.L;
    const double dC = cp2 - cp1;
    const bool achromatic = cp1 * cp2 == 0.0;
    double dh = 0.0;
    if (!achromatic) {
        dh = h2 - h1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));

    const double meanL = (first.L + second.L) / 2.0;
    const double meanCp = (cp1 + cp2) / 2.0;
    double meanH = h1 + h2;
    if (!achromatic) {
        if (std::abs(h1 - h2) <= 180.0)
            meanH /= 2.0;
        else if (h1 + h2 < 360.0)
            meanH = (meanH + 360.0) / 2.0;
        else
            meanH = (meanH - 360.0) / 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(radians(meanH - 30.0)) + 0.24 * std::cos(radians(2.0 * meanH)) +
                     0.32 * std::cos(radians(3.0 * meanH + 6.0)) -
                     0.20 * std::cos(radians(4.0 * meanH - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double meanCp7 = seventh(meanCp);
    const double rc = 2.0 * std::sqrt(meanCp7 / (meanCp7 + Pow25To7));
    const double sl = lightnessWeight(meanL);
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;
    const double x = dL / sl, y = dC / sc, z = dH / sh;
    return std::sqrt(std::max(0.0, x * x + y * y + z * z + rt * y * z));
}

// The rotation term is at most 2 |y z|, so y, z and it together are never negative.
double ciede2000LightnessBound(const Lab &first, const Lab &second)
{
    return std::abs(second.L - first.L) / lightnessWeight((first.L + second.L) / 2.0);
}

} // namespace tessell::Cielab
