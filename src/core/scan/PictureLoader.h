#pragma once

#include "core/scan/PictureRows.h"

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

// EXIF orientation applied, transparency laid on white, Format_RGB32; then cut
// to crop (picture pixels) when given. Throws "ビットマップイメージが不正です"
// for a file that cannot be decoded, and refuses a picture over MaxPixels from
// its header, before its pixels are allocated.
QImage load(const QString &path, const std::optional<QRect> &crop = std::nullopt);

// The same picture as load() gives, as rows for the conversion: a plain 24-bit
// bitmap is read straight from its file, a row at a time, without decoding it
// whole; any other picture is loaded.
std::unique_ptr<PictureRows> openRows(const QString &path, const std::optional<QRect> &crop = std::nullopt);

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
