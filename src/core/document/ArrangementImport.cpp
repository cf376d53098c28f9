#include "core/document/ArrangementImport.h"

#include "core/document/CellGrid.h"
#include "core/document/Design.h"
#include "core/document/RowLines.h"
#include "core/document/TextFile.h"

namespace tessell {

void ArrangementImport::apply(const QStringList &lines, Design &design)
{
    const bool designFile = !lines.isEmpty() && lines.first().left(6) == QLatin1String("tsfile");
    const int first = designFile ? 17 : 0;
    CellGrid grid = design.grid();
    RowLines::apply(grid, lines, first);
    design.setGrid(grid);
    design.setFileName(QString());
}

void ArrangementImport::import(const QString &path, Design &design) { apply(TextFile::readLines(path), design); }

} // namespace tessell
