// The document's whole-design costs: reading a design file, the cell check,
// the recount, and writing and reading one history entry.
#include "DesignFixtures.h"
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

// The reader alone, from the file to the design's cells: what opening a
// design costs before the editor draws, records or counts anything.
void readDesignFile(benchmark::State &state)
{
    const int columns = int(state.range(0)), rows = int(state.range(1));
    const QString path = scratch()->filePath(QStringLiteral("read%1x%2.tsl").arg(columns).arg(rows));
    {
        Design design;
        bench::fillDesign(design, columns, rows);
        DesignFile::write(design, path);
    }
    Design design;
    for (auto _ : state)
        DesignFile::open(path, design);
}

void listcheck(benchmark::State &state)
{
    Design design;
    bench::fillDesign(design, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(design.listcheck());
}

void reCount(benchmark::State &state)
{
    Design design;
    bench::fillDesign(design, int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(design.reCount());
}

// One entry written (an edit's end) and read back (an undo).
void historyEntry(benchmark::State &state)
{
    Design design;
    bench::fillDesign(design, int(state.range(0)), int(state.range(1)));
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
