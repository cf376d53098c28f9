#include "ui/editing/BlockClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessell {

namespace {
bool startsWithToken(const QString &text) { return text.left(6) == BlockText::Token; }
} // namespace

BlockClipboard::BlockClipboard(QObject *parent) : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &BlockClipboard::update);
}

std::optional<BlockText> BlockClipboard::block() const
{
    const QString text = QGuiApplication::clipboard()->text();
    if (!startsWithToken(text))
        return std::nullopt;
    return BlockText::parse(text);
}

void BlockClipboard::setBlock(const BlockText &block) { QGuiApplication::clipboard()->setText(block.format()); }

void BlockClipboard::update()
{
    m_hasBlock = startsWithToken(QGuiApplication::clipboard()->text());
    emit hasBlockChanged(m_hasBlock);
}

void BlockClipboard::stopWatching() { disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr); }

} // namespace tessell
