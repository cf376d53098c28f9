#pragma once

#include <QRgb>

#include <cmath>

namespace tessell {

// A colour in CIELAB under the D65 white: L 0..100, a and b roughly -128..128.
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

namespace Cielab {

// sRGB channels 0..255 (fractions allowed, the transfer curve read between
// sixteenths of a step) to CIELAB, D65.
Lab fromSrgb(double red, double green, double blue);
// The same for whole channels, through a table of the 256 linear values.
Lab fromRgb(QRgb colour);
// Back to sRGB, each channel rounded and clamped to 0..255.
QRgb toRgb(const Lab &colour);

// The CIEDE2000 colour difference, kL = kC = kH = 1.
double ciede2000(const Lab &first, const Lab &second);

// A lower bound of ciede2000(first, second) without any angle, cheap enough
// to pass over candidates that cannot be nearer.
double ciede2000Bound(const Lab &first, const Lab &second);
// Its square, with the two chromas sqrt(a^2 + b^2) given.
double ciede2000BoundSquared(const Lab &first, double chroma1, const Lab &second, double chroma2);
inline double chroma(const Lab &c)
{
    return std::sqrt(c.a * c.a + c.b * c.b);
}

} // namespace Cielab

} // namespace tessell
