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

CellGrid mural(int columns = 160, int rows = 100)
{
    CellGrid grid(columns, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
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

// One class page at one unit per pixel, the work of the half-size preview
// before it is reduced: colour (0 or 1) and the block's columns, 7 (a 160 x 100
// design for 22 classes) or 58 (a 999 x 100 design for 17 classes, the widest
// block a page holds).
void classPageAtFullSize(benchmark::State &state)
{
    ensureApplication();
    const bool wide = state.range(1) == 58;
    ClassPages pages(wide ? mural(999, 100) : mural(), namedPalette());
    ClassPageOptions options;
    options.distribution =
        wide ? Distribution({17, 58}, {0, 1}, {0, 1}) : Distribution({7, 7}, {7, 7}, {8, 7});
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

BENCHMARK(classPageAtFullSize)->ArgsProduct({{0, 1}, {7, 58}})->Unit(benchmark::kMillisecond);
BENCHMARK(halfSizePreview)->Unit(benchmark::kMillisecond);
