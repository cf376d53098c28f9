// The quality of the conversion on real photographs: the mean CIEDE2000
// between each cell's colour and its tile's mean colour, for every mode, with
// one fixed palette of sixteen colours and with sixteen colours chosen from
// each photograph ("写真から色を選ぶ"). Photographs are given on the command
// line (bench/scan-quality.sh names the ones Debian ships).
#include "../ScanFixtures.h"

#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <vector>

using namespace tessell;

namespace {
struct Mode {
    const char *name;
    Comparison comparison;
    Dithering dithering;
};

constexpr Mode kModes[] = {
    {"average", Comparison::Average, Dithering::None},
    {"emphasized", Comparison::Emphasized, Dithering::None},
    {"perceptual", Comparison::Perceptual, Dithering::None},
    {"avg+halftone", Comparison::Average, Dithering::Halftone},
    {"emph+halftone", Comparison::Emphasized, Dithering::Halftone},
    {"perc+halftone", Comparison::Perceptual, Dithering::Halftone},
    {"avg+smooth", Comparison::Average, Dithering::FloydSteinberg},
    {"perc+smooth", Comparison::Perceptual, Dithering::FloydSteinberg},
};
constexpr int ModeCount = int(std::size(kModes));
constexpr int Columns = 160;
constexpr int Rows = 100;

double difference(const std::vector<QRgb> &cells, const MeanColours &means, Comparison comparison,
                  Dithering dithering)
{
    ScanOptions options;
    options.comparison = comparison;
    options.dithering = dithering;
    return MosaicConversion::meanDifference(
        cells, MosaicConversion::match(cells, Columns, Rows, means, options), means);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: scan_quality PHOTO...\n", stderr);
        return 2;
    }
    const MeanColours fixed = MosaicConversion::meanColours(bench::palette());
    std::printf("Mean CIEDE2000 per cell, %d x %d cells; fixed palette of 16 colours, and \"picture 16\": "
                "16 colours chosen from the photo, perceptual, no diffusion\n\n",
                Columns, Rows);
    std::printf("%-28s", "photo");
    for (const Mode &m : kModes)
        std::printf(" %14s", m.name);
    std::printf(" %11s  %s\n", "picture 16", "checks");
    std::vector<double> totals(ModeCount + 1, 0.0);
    int photos = 0, perceptualWorse = 0, pictureShort = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImage photo;
        try {
            photo = PictureLoader::load(path);
        } catch (const std::exception &) {
            std::printf("%-28s cannot be read\n", qPrintable(QFileInfo(path).fileName().left(28)));
            continue;
        }
        const std::vector<QRgb> cells = MosaicConversion::cellAverages(photo, Columns, Rows);
        std::vector<double> row;
        for (const Mode &m : kModes)
            row.push_back(difference(cells, fixed, m.comparison, m.dithering));
        Palette chosen = bench::palette();
        MosaicConversion::choosePalette(cells, 16, chosen);
        row.push_back(difference(cells, MosaicConversion::meanColours(chosen), Comparison::Perceptual,
                                 Dithering::None));
        std::printf("%-28s", qPrintable(QFileInfo(path).completeBaseName().left(28)));
        for (double d : row)
            std::printf(" %14.2f", d);
        const bool perceptualOk = row[2] <= row[0];
        const bool pictureOk = row[ModeCount] <= 0.6 * row[2];
        std::printf("  %s %s\n", perceptualOk ? "perc<=avg" : "PERC>AVG", pictureOk ? "pic-40%" : "PIC>60%");
        perceptualWorse += perceptualOk ? 0 : 1;
        pictureShort += pictureOk ? 0 : 1;
        for (std::size_t k = 0; k < row.size(); ++k)
            totals[k] += row[k];
        ++photos;
    }
    if (photos == 0)
        return 1;
    std::printf("%-28s", "mean");
    for (double t : totals)
        std::printf(" %14.2f", t / photos);
    std::printf("\n\n%d photos; perceptual worse than average on %d; picture 16 not 40 %% below the fixed "
                "palette (perceptual) on %d\n",
                photos, perceptualWorse, pictureShort);
    return 0;
}
