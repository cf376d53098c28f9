#pragma once

namespace tessell {

// The paint tools of the tool box, in the order of their buttons.
enum class ToolKind { Selection, Pen, Bucket, Line, Rectangle, Ellipse, Text };
constexpr int ToolKindCount = 7;

} // namespace tessell
