#pragma once

#include <QImage>

namespace tessell {

// The program's icon: a small mosaic of tiles, drawn in code so that no image
// file has to be found at run time. Needs no window system.
QImage programIcon(int size);

} // namespace tessell
