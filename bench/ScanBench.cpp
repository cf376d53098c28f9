#include "ScanFixtures.h"

#include "core/scan/MosaicConversion.h"

#include <benchmark/benchmark.h>

using namespace tessell;

namespace {
// The conversion alone, both passes, of a 20-megapixel photo into 160 x 100 cells.
void convertPhoto(benchmark::State &state)
{
    static const QImage picture = bench::photo();
    const MeanColours means = MosaicConversion::meanColours(bench::palette());
    ScanOptions options;
    options.diffusion = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(MosaicConversion::convert(picture, 160, 100, means, options));
    state.SetLabel(options.diffusion ? "diffusion" : "paint");
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
