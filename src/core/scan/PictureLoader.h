#pragma once

#include "core/scan/PictureRows.h"

#include <QIODevice>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tessell {

// Pictures for the conversion: Windows bitmaps and every format the Qt image
// plugins read, the right way up, as opaque 32-bit colour.
namespace PictureLoader {

// Phone photos reach 50 megapixels; twice that still loads.
constexpr qint64 MaxPixels = 100'000'000;
// The most a decoded picture may take in the decoder's own format: 100
// megapixels at 8 bits a channel, 50 at 16. The conversion adds little to it,
// so a whole run stays within 450 MB.
constexpr qint64 MaxDecodedBytes = MaxPixels * 4;
// No picture file the loader takes is larger (a 100-megapixel 32-bit bitmap).
constexpr qint64 MaxFileBytes = 512 * 1024 * 1024;

// EXIF orientation applied, transparency laid on white, Format_RGB32; then cut
// to crop (picture pixels) when given. Only a regular file is read, opened once.
// Throws "ビットマップイメージが不正です" for a file that cannot be decoded or
// whose decoder reports missing or damaged data (the decoders' own messages
// are kept from the terminal), and "画像が大きすぎます…" for a picture over
// MaxPixels or MaxDecodedBytes by its header, before its pixels are allocated.
QImage load(const QString &path, const std::optional<QRect> &crop = std::nullopt);

// The same picture as load() gives, as rows for the conversion: a plain 24-bit
// bitmap is read straight from its file, a row at a time; any other picture is
// decoded whole in its own format, and its rows are turned, made opaque and
// converted one at a time as the conversion asks for them.
std::unique_ptr<PictureRows> openRows(const QString &path, const std::optional<QRect> &crop = std::nullopt);
// The same over an open device (a file, or bytes in memory).
std::unique_ptr<PictureRows> openRows(std::unique_ptr<QIODevice> device,
                                      const std::optional<QRect> &crop = std::nullopt);

// The part of the picture inside rect; throws when none of it is.
QImage crop(const QImage &picture, const QRect &rect);

// One file-dialog filter: the text shown and the patterns it stands for.
struct Filter {
    QString label;
    QStringList patterns;
};
// Every picture format that loads, then bitmaps, then all files.
QList<Filter> fileDialogFilters();

} // namespace PictureLoader

} // namespace tessell
