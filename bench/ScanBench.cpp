#include "ScanFixtures.h"

#include "core/scan/MosaicConversion.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tessell;

namespace {
// The conversion alone, both passes, of a 20-megapixel photo into 160 x 100 cells.
void convertPhoto(benchmark::State &state)
{
    static const QImage picture = bench::photo();
    const MeanColours means = MosaicConversion::meanColours(bench::palette());
    const ScanOptions options = ScanOptions::fromItems(int(state.range(0)), 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(MosaicConversion::convert(picture, 160, 100, means, options));
    state.SetLabel(state.range(0) ? "diffusion" : "paint");
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}
// One plain read of the same decoded picture: the floor that pass 1 stands on.
void readPhotoOnce(benchmark::State &state)
{
    static const QImage picture = bench::photo();
    for (auto _ : state) {
        std::uint32_t sum = 0;
        const int width = picture.width(), height = picture.height();
        for (int y = 0; y < height; ++y) {
            const auto *line = reinterpret_cast<const std::uint32_t *>(picture.constScanLine(y));
            for (int x = 0; x < width; ++x)
                sum += line[x];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}
} // namespace

BENCHMARK(convertPhoto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(readPhotoOnce)->Unit(benchmark::kMillisecond);

namespace {
// A real photograph at 20 megapixels where Debian's wallpapers are installed,
// else the synthetic one.
const QImage &photo20()
{
    static const QImage picture = [] {
        const QImage real(QStringLiteral("/usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg"));
        if (real.isNull())
            return bench::photo();
        return real
            .scaled(bench::PhotoWidth, bench::PhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }();
    return picture;
}

// What the image scan window does at every change with "結果を表示" on: the
// kept 160 x 100 cell colours adjusted, matched, and their mean difference.
void convertAgain(benchmark::State &state)
{
    static const std::vector<QRgb> kept = MosaicConversion::cellAverages(photo20(), 160, 100);
    const MeanColours means = MosaicConversion::meanColours(bench::palette());
    ScanOptions options = ScanOptions::fromItems(int(state.range(0)), int(state.range(1)));
    options.adjustments = {10, 20, -15};
    for (auto _ : state) {
        std::vector<QRgb> cells = kept;
        options.adjustments.apply(cells);
        const auto entries = MosaicConversion::match(cells, 160, 100, means, options);
        benchmark::DoNotOptimize(MosaicConversion::resultLines(entries, 160, 100));
        benchmark::DoNotOptimize(MosaicConversion::meanDifference(cells, entries, means));
    }
    const char *dithering[] = {"paint", "halftone", "smooth"};
    const char *comparison[] = {"average", "emphasized", "perceptual"};
    state.SetLabel(std::string(comparison[state.range(1)]) + " " + dithering[state.range(0)]);
}

// "写真から色を選ぶ" on a 20-megapixel photo: its cells' colours, then sixteen
// colours by k-means; and the k-means alone on kept cells.
void choosePaletteFromPhoto(benchmark::State &state)
{
    const QImage &picture = photo20();
    for (auto _ : state) {
        Palette palette = bench::palette();
        const std::vector<QRgb> cells = MosaicConversion::cellAverages(picture, 160, 100);
        benchmark::DoNotOptimize(MosaicConversion::choosePalette(cells, 16, palette));
    }
}
void chooseColoursFromKeptCells(benchmark::State &state)
{
    static const std::vector<QRgb> kept = MosaicConversion::cellAverages(photo20(), 160, 100);
    for (auto _ : state) {
        Palette palette = bench::palette();
        benchmark::DoNotOptimize(MosaicConversion::choosePalette(kept, 16, palette));
    }
}
} // namespace

BENCHMARK(convertAgain)->ArgsProduct({{0, 1, 2}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(choosePaletteFromPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseColoursFromKeptCells)->Unit(benchmark::kMillisecond);
