#pragma once

// Header only: the small design of the plan's command-line tests, and the
// plan's JSON numbers as the CSV and the pages write them.

#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "support/TestSupport.h"

#include <QJsonValue>

namespace tessell::test {

// 20 x 6 cells, column c holding c mod 5; names a spreadsheet must quote.
inline QString writePlanDesign(const Scratch &scratch)
{
    Design design;
    design.makeNew(20, 6);
    Palette palette = distinctPalette();
    palette[0].setName(QStringLiteral("赤, こい"));
    palette[1].setName(QStringLiteral("\"空\" 色"));
    design.setPalette(palette);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 20; ++c)
            design.setCell(c, r, CellGrid::digit(c % 5));
    const QString path = scratch.file(QStringLiteral("design.tsl"));
    DesignFile::write(design, path);
    return path;
}

// The numbers of a colour's line in the plan's JSON, in the order of the CSV and the pages.
inline const char *const kPlanLineKeys[] = {"pieces", "perCarton", "cartons",
                                            "stock",  "toCollect", "cartonsToCollect"};

// Empty for none (no stock).
inline QString jsonNumber(const QJsonValue &v)
{
    return v.isNull() ? QString() : QString::number(v.toInt());
}

} // namespace tessell::test
