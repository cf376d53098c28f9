#pragma once

#include <QPoint>
#include <QWidget>

namespace tessell {

// The frame of a small fixed-size window: a title and a close box, nothing to
// minimise or maximise.
inline constexpr Qt::WindowFlags TitleAndCloseHints =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A window's default place, given relative to the top-left corner of the window
// that opens it (the main window need not sit at the screen's corner).
inline QPoint placeBeside(const QWidget *opener, QPoint offset)
{
    return opener ? opener->window()->frameGeometry().topLeft() + offset : offset;
}

} // namespace tessell
