#include "core/palette/PaletteFiles.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/CellGrid.h"
#include "core/document/DesignFile.h"
#include "core/document/FileAccess.h"
#include "core/document/TextFile.h"
#include "core/scan/PictureIntegrity.h"
#include "core/scan/PictureLoader.h"
#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace tessell {

namespace {
constexpr int W = PaletteEntry::TileWidth;
constexpr int H = PaletteEntry::TileHeight;

// Names written on a system whose file names ignore letter case (A.BMP for a.bmp).
QString existingFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.dir();
    for (const QString &name : dir.entryList(QDir::Files))
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

int compareDigits(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}
} // namespace

bool PaletteFiles::naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = a[i].isDigit(), db = b[j].isDigit();
        qsizetype ei = i, ej = j;
        while (ei < a.size() && a[ei].isDigit() == da)
            ++ei;
        while (ej < b.size() && b[ej].isDigit() == db)
            ++ej;
        const QStringView ra = QStringView(a).mid(i, ei - i), rb = QStringView(b).mid(j, ej - j);
        const int c = da && db ? compareDigits(ra, rb) : ra.compare(rb, Qt::CaseInsensitive);
        if (c != 0)
            return c < 0;
        i = ei;
        j = ej;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    // Equal but for letter case or leading zeros: a fixed order all the same.
    return a < b;
}

QImage PaletteFiles::readBitmap(const QString &path)
{
    // A regular file only, opened once: a pipe or device would be waited on.
    std::unique_ptr<QFile> file;
    try {
        file = FileAccess::open(path, PictureLoader::MaxFileBytes);
    } catch (const Error &) {
        throw Error(texts::invalidBitmap());
    }
    const QByteArray format = QImageReader::imageFormat(file.get());
    if (format != "bmp" && format != "png")
        throw Error(texts::invalidBitmap());
    QImageReader reader(file.get(), format);
    // The decoder's own words stay off the terminal; damage it reports refuses the file.
    PictureIntegrity::ImageMessages messages;
    const QImage image = reader.read();
    if (image.isNull() || PictureIntegrity::reportsDamage(messages.text()))
        throw Error(texts::invalidBitmap());
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

void PaletteFiles::setTileUnscaled(PaletteEntry &entry, const QImage &image)
{
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            entry.setPixel(x, y, image.valid(x, y) ? image.pixel(x, y) : qRgb(255, 255, 255));
}

void PaletteFiles::setTileStretched(PaletteEntry &entry, const QImage &image)
{
    const qint64 w = image.width(), h = image.height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            entry.setPixel(x, y, image.pixel(int((2 * x + 1) * w / (2 * W)), int((2 * y + 1) * h / (2 * H))));
}

bool PaletteFiles::isDesignFileName(const QString &path)
{
    return QFileInfo(path).fileName().endsWith(QStringLiteral(".tsl"), Qt::CaseSensitive);
}

PaletteFiles::SettingsLoad PaletteFiles::openSettings(const QString &path, Palette &palette)
{
    if (!isDesignFileName(path))
        return loadSettingsFile(path, palette);
    loadDesignFile(path, palette);
    return {};
}

void PaletteFiles::loadDesignFile(const QString &path, Palette &palette)
{
    palette = DesignFile::parsePalette(TextFile::readLines(path));
}

PaletteFiles::SettingsLoad PaletteFiles::loadSettingsFile(const QString &path, Palette &palette)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw Error(texts::cannotOpen(path));
    const SettingsStore file(path);
    for (int d = 0; d < 16; ++d)
        palette[d].setName(
            PaletteEntry::storableName(file.readString(QStringLiteral("name"), u'n' + CellGrid::digit(d))));
    SettingsLoad load;
    load.settingsPath = file.readString(QStringLiteral("other"), QStringLiteral("path"));
    for (int d = 0; d < 16; ++d) {
        QString bitmap = load.settingsPath + CellGrid::digit(d) + QStringLiteral(".bmp");
        // The file chooser made the settings file's folder the working folder there.
        if (QFileInfo(bitmap).isRelative())
            bitmap = info.dir().filePath(bitmap);
        bitmap = existingFile(bitmap);
        if (bitmap.isEmpty()) {
            load.tilesLoaded = d;
            load.stopMessage = texts::bitmapLoadFailed(CellGrid::digit(d));
            return load;
        }
        setTileUnscaled(palette[d], readBitmap(bitmap));
    }
    return load;
}

QStringList PaletteFiles::bitmapFiles(const QString &folder)
{
    const QDir dir(folder);
    QStringList names;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QString suffix = QFileInfo(name).suffix();
        if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ||
            suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
            names << name;
    }
    std::sort(names.begin(), names.end(), naturalLess);
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

int PaletteFiles::autoCreate(const QString &folder, Palette &palette)
{
    const QStringList files = bitmapFiles(folder).mid(0, 15);
    Palette made = palette;
    for (int i = 0; i < files.size(); ++i) {
        setTileStretched(made[i + 1], readBitmap(files[i]));
        made[i + 1].setName(PaletteEntry::storableName(QFileInfo(files[i]).completeBaseName()));
    }
    palette = made;
    return int(files.size());
}

} // namespace tessell
