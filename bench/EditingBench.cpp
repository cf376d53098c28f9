#include "core/editing/CellRaster.h"
#include "core/render/TileRenderer.h"

#include <benchmark/benchmark.h>

using namespace tessell;

namespace {
// A design of vertical stripes with a few gaps, so a fill has to wind round.
CellGrid striped(int columns, int rows)
{
    CellGrid grid(columns, rows);
    for (int c = 2; c < columns; c += 4)
        for (int r = 0; r < rows; ++r)
            if ((c / 4) % 2 == 0 ? r != rows - 1 : r != 0)
                grid.setCell(c, r, QStringLiteral("3"));
    return grid;
}

Palette colouredPalette()
{
    Palette palette;
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb(n * 16, 255 - n * 16, (n * 53) & 255));
    return palette;
}

// The bucket tool's whole operation: raster, fill, write back.
void bucketFill(benchmark::State &state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1));
    CellGrid grid = striped(columns, rows);
    int number = 1;
    for (auto _ : state) {
        CellRaster raster(grid);
        benchmark::DoNotOptimize(raster.floodFill(QPoint(0, 0), number));
        raster.writeBack(grid);
        number = number == 1 ? 2 : 1;
    }
    state.SetItemsProcessed(state.iterations() * columns * rows);
}

// The ellipse tool with the widest pen, inscribed in the whole design.
void ellipseWidth5(benchmark::State &state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1));
    CellGrid grid(columns, rows);
    for (auto _ : state) {
        CellRaster raster(grid);
        benchmark::DoNotOptimize(raster.drawEllipse(QPoint(0, 0), QPoint(columns, rows), 5, 7));
        raster.writeBack(grid);
    }
    state.SetItemsProcessed(state.iterations() * columns * rows);
}

void renderPicture(benchmark::State &state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1));
    CellGrid grid(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
    const TileRenderer renderer(colouredPalette());
    // The editor redraws into the picture it shows, so the image is reused.
    QImage picture;
    for (auto _ : state) {
        renderer.renderPicture(picture, grid);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetItemsProcessed(state.iterations() * columns * rows);
}
} // namespace

BENCHMARK(bucketFill)->Args({160, 100})->Args({999, 999})->Unit(benchmark::kMillisecond);
BENCHMARK(ellipseWidth5)->Args({160, 100})->Args({999, 999})->Unit(benchmark::kMillisecond);
BENCHMARK(renderPicture)->Args({160, 100})->Args({999, 999})->Unit(benchmark::kMillisecond);
