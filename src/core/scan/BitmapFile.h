#pragma once

#include "core/scan/PictureRows.h"

#include <QIODevice>
#include <QString>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace tessell {

// The headers of a Windows bitmap file, read as Qt's bitmap reader reads them,
// for what that reader does not check: a file too short for its rows, and
// pictures that can be converted straight from the file.
struct BitmapHeader {
    int width = 0;
    int height = 0; // always positive
    bool topDown = false;
    int bitCount = 0;
    int compression = 0;
    // Where the first stored row starts, and where the file header says it does.
    qint64 dataStart = 0;
    qint64 fileOffset = 0;

    // Bytes of one stored row, padded to four.
    qint64 stride() const { return (qint64(width) * bitCount + 31) / 32 * 4; }
    // Where the last row ends; the largest qint64 when that is further, so a
    // header claiming any size never wraps around.
    qint64 dataEnd() const
    {
        const qint64 room = std::numeric_limits<qint64>::max() - dataStart;
        return height > 0 && stride() > room / height ? std::numeric_limits<qint64>::max()
                                                      : dataStart + stride() * height;
    }
    bool uncompressed() const { return compression == 0 || compression == 3; }
    // 24-bit without compression, rows where the file header says: every stored
    // pixel is its colour.
    bool plain24() const { return bitCount == 24 && compression == 0 && dataStart == fileOffset; }

    // The headers at the device's current position, or nothing when they are not
    // those of a plain bitmap file of a layout this knows (Qt's reader then decides).
    static std::optional<BitmapHeader> read(QIODevice &device);
};

// The rows of a plain 24-bit bitmap file, read from the file as they are asked
// for; only the rows of the last call are held.
class BitmapFileRows final : public PictureRows {
public:
    // The device (a file) must be open, hold a plain24() picture and be long
    // enough for it.
    BitmapFileRows(std::unique_ptr<QIODevice> file, const BitmapHeader &header);
    QSize size() const override { return {m_header.width, m_header.height}; }
    // One read for all the rows, which lie next to each other in the file. Throws
    // "ビットマップイメージが不正です" when the file can no longer be read.
    void rows(int first, int count, const QRgb **out) override;

private:
    std::unique_ptr<QIODevice> m_file;
    BitmapHeader m_header;
    std::vector<uchar> m_stored;
    std::vector<QRgb> m_pixels;
};

} // namespace tessell
