#pragma once

#include <QRgb>

#include <array>
#include <vector>

namespace tessell {

// The picture's brightness, contrast and saturation, each -100..100 with 0
// leaving the colour as it is. Applied to the cells' mean colours before they
// are matched, so that a change costs the cells, not the picture's pixels.
struct Adjustments {
    static constexpr int Minimum = -100;
    static constexpr int Maximum = 100;

    int brightness = 0;
    int contrast = 0;
    int saturation = 0;

    bool isNeutral() const { return brightness == 0 && contrast == 0 && saturation == 0; }
    bool operator==(const Adjustments &) const = default;

    // Brightness shifts every channel by up to half the range; contrast
    // stretches the channels about mid-grey (-100 flattens them, 100 makes the
    // slope four times as steep); saturation moves each channel away from the
    // colour's luma (-100 grey, 100 twice as far). In that order, rounded once.
    QRgb apply(QRgb colour) const;
    void apply(std::vector<QRgb> &colours) const;

private:
    std::array<double, 256> toneCurve() const;
    QRgb apply(QRgb colour, const std::array<double, 256> &curve) const;
};

} // namespace tessell
