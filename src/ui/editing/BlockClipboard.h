#pragma once

#include "core/editing/BlockText.h"

#include <QObject>

namespace tessell {

// The system clipboard as the editor uses it, after Tiled's clipboard manager:
// a block goes on it as its plain text ("tsdata,..."), and whether a block is
// there to paste follows every change of the clipboard, whoever made it.
class BlockClipboard : public QObject {
    Q_OBJECT
public:
    explicit BlockClipboard(QObject *parent = nullptr);

    // Whether the clipboard's text starts with the block token.
    bool hasBlock() const { return m_hasBlock; }
    // The block on the clipboard, or nothing when there is none; throws
    // tessell::Error for a text that starts like one but is no block.
    std::optional<BlockText> block() const;
    void setBlock(const BlockText &block);
    // Looks at the clipboard again and tells whether a block is there.
    void update();
    // Stops following the clipboard (the window is closing).
    void stopWatching();

signals:
    void hasBlockChanged(bool hasBlock);

private:
    bool m_hasBlock = false;
};

} // namespace tessell
