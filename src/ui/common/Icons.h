#pragma once

#include <QCursor>
#include <QIcon>

namespace tessell {

// The program's own small pictures, drawn in code so no image files are needed.
namespace Icons {
enum class Command {
    New,
    Open,
    Save,
    Print,
    Paste,
    Copy,
    Cut,
    Undo,
    Redo,
    SwitchView,
    Refresh,
    PictureCheck,
    Close
};
QIcon command(Command which);
// The tool box buttons, in the order of ToolKind.
QIcon tool(int kind);
QIcon penWidth(int width);
QCursor penCursor();
QCursor bucketCursor();
// The magnifier over the print preview.
QCursor lensCursor();
// The program's icon at every size the desktop asks for.
QIcon program();
} // namespace Icons

} // namespace tessell
