#pragma once

#include <QString>
#include <QStringList>

namespace tessell {

class Design;

// Lays an arrangement file (one row text per line, or a design file's cell
// lines) into the open design; size and palette stay.
namespace ArrangementImport {
void apply(const QStringList &lines, Design &design);
// Reads the file first, so an unreadable file changes nothing.
void import(const QString &path, Design &design);
} // namespace ArrangementImport

} // namespace tessell
