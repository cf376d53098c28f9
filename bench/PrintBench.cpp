#include "core/print/ClassPages.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace tessell;

namespace {
// Text needs a GUI application's fonts; benchmark_main makes none.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "tessell_bench";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

CellGrid mural()
{
    CellGrid grid(160, 100);
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 160; ++c)
            grid.setCell(c, r, CellGrid::digit((c / 5 + r / 4) % 16));
    return grid;
}

Palette namedPalette()
{
    Palette palette;
    for (int n = 0; n < 16; ++n) {
        palette[n].fill(qRgb(n * 16, 255 - n * 16, (n * 53) & 255));
        palette[n].setName(QStringLiteral("Colour %1").arg(n));
    }
    return palette;
}

// One class page of 7 columns x 100 rows at one unit per pixel: the work of the
// half-size preview before it is reduced.
void classPageAtFullSize(benchmark::State &state)
{
    ensureApplication();
    ClassPages pages(mural(), namedPalette());
    ClassPageOptions options;
    options.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
    options.colour = state.range(0) != 0;
    options.title = QStringLiteral("壁画");
    options.notes = QStringLiteral("裏を上にして貼ります。");
    pages.setOptions(options);
    QImage image(794, 1123, QImage::Format_RGB32);
    int k = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        pages.paintPage(painter, k);
        k = (k + 1) % pages.pageCount();
    }
}

// The half-size preview as the print dialog shows it.
void halfSizePreview(benchmark::State &state)
{
    ensureApplication();
    ClassPages pages(mural(), namedPalette());
    ClassPageOptions options;
    options.distribution = Distribution({7, 7}, {7, 7}, {8, 7});
    pages.setOptions(options);
    QImage image(397, 562, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        pages.previewPageScaled(painter, 0, 50);
    }
}
} // namespace

BENCHMARK(classPageAtFullSize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(halfSizePreview)->Unit(benchmark::kMillisecond);
