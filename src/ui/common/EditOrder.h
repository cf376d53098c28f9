#pragma once

namespace tessell {

// The order in which an edit of the design is finished: the picture checked and
// redrawn, the pieces counted, the history entry recorded. Each order is the one
// its commands' behaviour asks for; EditFinisher carries them out.
enum class EditOrder {
    // Pen stroke, direct edit, placed block, New: the tiles were drawn as the
    // cells changed, so the entry is recorded and the pieces counted, unchecked.
    RecordThenCount,
    // Bucket, line, rectangle, ellipse, replace, rotate, move: the whole picture
    // is checked and redrawn before the entry is recorded.
    RedrawThenRecord,
    // Image transfer, arrangement import, open: what arrived is recorded first,
    // even a cell the check then refuses, so the entry is on disk before any message.
    RecordThenRedraw,
};

} // namespace tessell
