// The arrangement import into a small design: only cells change, only rows the file reaches.
#include "FuzzSupport.h"

#include "core/document/ArrangementImport.h"
#include "core/document/Design.h"
#include "core/document/TextFile.h"

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int columns = 1 + data[0] % 40, rows = 1 + data[1] % 40;
    const QStringList lines = TextFile::decodeLines(fuzz::bytesOf(data + 2, size - 2), TextFile::MaxLines);

    // Made once: a new Design starts as the 160 x 100 default, which would cost more than the run.
    static Design design;
    design.makeNew(columns, rows);
    design.setCell(columns - 1, rows - 1, QStringLiteral("7"));
    design.setFileName(QStringLiteral("/some/design.tsl"));
    const Palette palette = design.palette();
    ArrangementImport::apply(lines, design);

    fuzz::require(design.columns() == columns && design.rows() == rows, "size kept");
    fuzz::require(design.palette() == palette, "palette kept");
    fuzz::require(design.fileName().isEmpty(), "file name cleared");
    const bool designFile = !lines.isEmpty() && lines.first().startsWith(QLatin1String("tsfile"));
    const qsizetype reached = designFile ? qMax<qsizetype>(0, lines.size() - 17) : lines.size();
    if (reached < rows)
        fuzz::require(design.cell(columns - 1, rows - 1) == QLatin1String("7"), "unreached rows kept");
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            fuzz::require(r < reached || design.cell(c, r) == (r == rows - 1 && c == columns - 1 ? "7" : "0"),
                          "unreached cells kept");
    return 0;
}
