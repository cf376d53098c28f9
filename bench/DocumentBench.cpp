// The document's whole-design costs: reading a design file, the cell check,
// the recount, and writing and reading one history entry.
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/History.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessell;

namespace {
QTemporaryDir *scratch()
{
    static QTemporaryDir dir;
    return &dir;
}

// Every palette number in use, as in the editor's benchmarks.
void fill(Design &design, int columns, int rows)
{
    design.makeNew(columns, rows);
    Palette palette;
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb(n * 16, 255 - n * 16, (n * 53) & 255));
    design.setPalette(palette);
    design.editCells([](CellGrid &grid) {
        for (int r = 0; r < grid.rows(); ++r)
            for (int c = 0; c < grid.columns(); ++c)
                grid.setCell(c, r, CellGrid::digit((c * 7 + r * 3) % 16));
        return grid.rows() > 0 ? QRect(0, 0, grid.columns(), grid.rows()) : QRect();
    });
}

// The reader alone, from the file to the design's cells: what opening a
// design costs before the editor draws, records or counts anything.
void readDesignFile(benchmark::State &state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1));
    const QString path = scratch()->filePath(QStringLiteral("read%1x%2.tsl").arg(columns).arg(rows));
    {
        Design design;
        fill(design, columns, rows);
        DesignFile::write(design, path);
    }
    Design design;
    for (auto _ : state)
        DesignFile::open(path, design);
}

void listcheck(benchmark::State &state)
{
    Design design;
    fill(design, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(design.listcheck());
}

void reCount(benchmark::State &state)
{
    Design design;
    fill(design, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(design.reCount());
}

// One entry written (an edit's end) and read back (an undo).
void historyEntry(benchmark::State &state)
{
    Design design;
    fill(design, int(state.range(0)), int(state.range(1)));
    const QString folder = scratch()->filePath(QStringLiteral("log"));
    QDir().mkpath(folder);
    History history(folder);
    history.makeLog(QStringLiteral("a"), design);
    for (auto _ : state) {
        if (state.range(2) == 0)
            history.makeLog(QStringLiteral("b"), design);
        else
            history.select(0, design);
    }
}
} // namespace

BENCHMARK(readDesignFile)->Args({999, 999})->Unit(benchmark::kMillisecond);
BENCHMARK(listcheck)->Args({999, 999})->Unit(benchmark::kMillisecond);
BENCHMARK(reCount)->Args({999, 999})->Unit(benchmark::kMillisecond);
// Range 2: 0 writes an entry, 1 reads one.
BENCHMARK(historyEntry)->Args({999, 999, 0})->Args({999, 999, 1})->Unit(benchmark::kMillisecond);
