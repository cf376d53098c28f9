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
} // namespace

BENCHMARK(convertPhoto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
