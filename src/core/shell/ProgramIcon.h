#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <functional>

namespace tessell {

// The program's icon: a small mosaic of tiles, drawn in code so that no image
// file has to be found at run time. Needs no window system. The icon files the
// install puts on the desktop are made from these same drawings at build time.
QImage programIcon(int size);
QByteArray programIconSvg();
// The icon of a design file: a page with the program's tiles on it.
QImage designFileIcon(int size);
QByteArray designFileIconSvg();
// A Windows icon file holding the drawing at each size (at most 256).
QByteArray iconFile(const std::function<QImage(int)> &draw, const QList<int> &sizes);

} // namespace tessell
