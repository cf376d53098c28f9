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

double linearExactly(double channel)
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

// The transfer curve at every sixteenth of a channel step: whole channels read
// their exact value, fractions (from error diffusion) between two neighbours.
constexpr int Steps = 16;
const std::array<double, 255 * Steps + 2> &curveTable()
{
    static const std::array<double, 255 *Steps + 2> table = [] {
        std::array<double, 255 * Steps + 2> t{};
        for (int i = 0; i <= 255 * Steps; ++i)
            t[std::size_t(i)] = linearExactly(double(i) / Steps);
        t[255 * Steps + 1] = t[255 * Steps];
        return t;
    }();
    return table;
}

double linear(double channel)
{
    const double at = std::clamp(channel, 0.0, 255.0) * Steps;
    const auto below = std::size_t(at);
    const double part = at - double(below);
    const auto &t = curveTable();
    return part == 0.0 ? t[below] : t[below] + (t[below + 1] - t[below]) * part;
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
    const auto &t = curveTable();
    return fromLinear(t[std::size_t(qRed(colour) * Steps)], t[std::size_t(qGreen(colour) * Steps)],
                      t[std::size_t(qBlue(colour) * Steps)]);
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

namespace {
// What follows the hue angles: the weights and the rotation term.
double combine(double dL, double dC, double dH, double meanL, double meanCp, double cosH, double sinH,
               double meanH)
{
    // T = 1 - 0.17 cos(h - 30) + 0.24 cos 2h + 0.32 cos(3h + 6) - 0.20 cos(4h - 63),
    // the multiples of h from its one sine and cosine.
    const double c = cosH, s = sinH;
    const double c2h = 2.0 * c * c - 1.0, s2h = 2.0 * s * c;
    const double c3h = c * (4.0 * c * c - 3.0), s3h = s * (3.0 - 4.0 * s * s);
    const double c4h = 2.0 * c2h * c2h - 1.0, s4h = 2.0 * s2h * c2h;
    static const double cos30 = std::cos(radians(30.0)), sin30 = 0.5;
    static const double cos6 = std::cos(radians(6.0)), sin6 = std::sin(radians(6.0));
    static const double cos63 = std::cos(radians(63.0)), sin63 = std::sin(radians(63.0));
    const double t = 1.0 - 0.17 * (c * cos30 + s * sin30) + 0.24 * c2h + 0.32 * (c3h * cos6 - s3h * sin6) -
                     0.20 * (c4h * cos63 + s4h * sin63);
    const double hueFromBlue = (meanH - 275.0) / 25.0;
    const double dTheta = 30.0 * std::exp(-hueFromBlue * hueFromBlue);
    const double meanCp7 = seventh(meanCp);
    const double rc = 2.0 * std::sqrt(meanCp7 / (meanCp7 + Pow25To7));
    const double sl = lightnessWeight(meanL);
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;
    const double x = dL / sl, y = dC / sc, z = dH / sh;
    return std::sqrt(std::max(0.0, x * x + y * y + z * z + rt * y * z));
}
} // namespace

double ciede2000(const Lab &first, const Lab &second)
{
    const double c1 = std::sqrt(first.a * first.a + first.b * first.b);
    const double c2 = std::sqrt(second.a * second.a + second.b * second.b);
    const double meanC7 = seventh((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + Pow25To7)));
    const double a1 = (1.0 + g) * first.a, a2 = (1.0 + g) * second.a;
    const double cp1 = std::sqrt(a1 * a1 + first.b * first.b), cp2 = std::sqrt(a2 * a2 + second.b * second.b);
    const double dL = second.L - first.L, dC = cp2 - cp1;
    const double meanL = (first.L + second.L) / 2.0, meanCp = (cp1 + cp2) / 2.0;

    // Two chromatic colours not opposite: the hue difference and the mean hue
    // (the middle of the shorter arc) from the vectors, with one angle.
    const double dot = a1 * a2 + first.b * second.b, cross = a1 * second.b - first.b * a2;
    if (cp1 * cp2 != 0.0 && !(cross == 0.0 && dot < 0.0)) {
        const double hH = std::max(0.0, 2.0 * (cp1 * cp2 - dot));
        const double dH = cross < 0.0 ? -std::sqrt(hH) : std::sqrt(hH);
        const double mx = a1 * cp2 + a2 * cp1, my = first.b * cp2 + second.b * cp1;
        const double m = std::sqrt(mx * mx + my * my);
        double meanH = degrees(std::atan2(my, mx));
        if (meanH < 0.0)
            meanH += 360.0;
        return combine(dL, dC, dH, meanL, meanCp, mx / m, my / m, meanH);
    }

    const auto hue = [](double b, double a) {
        if (a == 0.0 && b == 0.0)
            return 0.0;
        const double h = degrees(std::atan2(b, a));
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(first.b, a1), h2 = hue(second.b, a2);
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
    double meanH = h1 + h2;
    if (!achromatic) {
        if (std::abs(h1 - h2) <= 180.0)
            meanH /= 2.0;
        else if (h1 + h2 < 360.0)
            meanH = (meanH + 360.0) / 2.0;
        else
            meanH = (meanH - 360.0) / 2.0;
    }
    return combine(dL, dC, dH, meanL, meanCp, std::cos(radians(meanH)), std::sin(radians(meanH)), meanH);
}

// The rotation term R_T y z is at least -(sqrt(3) / 2)(y^2 + z^2), since
// |R_T| <= 2 sin 60 degrees; y^2 + z^2 is the a'b' distance over S_C and S_H,
// which is at least the ab distance over the largest S_C (G <= 1/2 makes C'
// at most 1.5 C, and S_H <= S_C). So the difference is never below this.
double ciede2000BoundSquared(const Lab &first, double chroma1, const Lab &second, double chroma2)
{
    const double dL = (second.L - first.L) / lightnessWeight((first.L + second.L) / 2.0);
    const double sc = 1.0 + 0.045 * 1.5 * (chroma1 + chroma2) / 2.0;
    const double da = second.a - first.a, db = second.b - first.b;
    constexpr double Rotation = 1.0 - 0.8660254037844386; // 1 - sin 60 degrees
    return dL * dL + Rotation * (da * da + db * db) / (sc * sc);
}

double ciede2000Bound(const Lab &first, const Lab &second)
{
    return std::sqrt(ciede2000BoundSquared(first, chroma(first), second, chroma(second)));
}

} // namespace tessell::Cielab
