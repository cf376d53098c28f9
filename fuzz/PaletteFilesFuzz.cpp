// Any bytes as a palette settings file (names and a bitmap folder) and as the
// palette lines of a design file: loaded or refused, never a crash; names from
// a settings file come in as a design file holds them, and what a design file
// gives writes back and reads the same.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/TextFile.h"
#include "core/palette/PaletteFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

using namespace tessell;

namespace {
QTemporaryDir &folder()
{
    static QTemporaryDir dir(QDir("/dev/shm").exists()
                                 ? QStringLiteral("/dev/shm/tessell-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tessell-fuzz-XXXXXX"));
    return dir;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // Tiles "t0.bmp" .. "t2.bmp" beside the settings file: a path "t" finds three.
    for (int d = 0; d < 3; ++d) {
        QImage tile(5, 4, QImage::Format_RGB32);
        tile.fill(qRgb(d * 80, 255 - d * 80, 40));
        tile.save(folder().filePath(QStringLiteral("t%1.bmp").arg(d)), "BMP");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = folder().filePath(QStringLiteral("palette.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(bytes);
    }
    Palette palette;
    try {
        const PaletteFiles::SettingsLoad load = PaletteFiles::loadSettingsFile(path, palette);
        fuzz::require(load.tilesLoaded >= 0 && load.tilesLoaded <= 16, "tiles counted");
        for (const PaletteEntry &e : palette)
            fuzz::require(PaletteEntry::storableName(e.name()) == e.name(), "names storable");
    } catch (const Error &) {
    }

    // The same bytes as the palette lines of a design file (the header line is not looked at).
    const QStringList lines = QStringList{QString()} + TextFile::decodeLines(bytes, 17);
    Palette read;
    try {
        read = DesignFile::parsePalette(lines);
    } catch (const Error &) {
        return 0;
    }
    // Made once: a new Design starts as the 160 x 100 default.
    static Design design;
    design.makeNew(1, 1);
    design.setPalette(read);
    const QStringList written =
        TextFile::decodeLines(TextFile::encodeCp932(DesignFile::lines(design).join("\r\n")));
    const Palette back = DesignFile::parsePalette(written);
    for (int n = 0; n < 16; ++n)
        fuzz::require(back[n] == read[n], "tiles and names write back");
    return 0;
}
