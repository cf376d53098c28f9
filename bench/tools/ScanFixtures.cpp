// Writes what bench/convert-vs-imagemagick.sh converts: the photo as a 24-bit
// bitmap, a 160 x 100 design with sixteen distinct tiles, and the halftone
// palette and the tiles' mean colours as pictures for ImageMagick's -remap.
#include "../ScanFixtures.h"

#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/scan/HalftonePalette.h"
#include "core/scan/MosaicConversion.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace tessell;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: scan_fixtures OUTDIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!bench::photo().save(dir.filePath(QStringLiteral("in.bmp")), "BMP"))
        return 1;

    Design design;
    design.makeNew(160, 100);
    design.setPalette(bench::palette());
    DesignFile::write(design, dir.filePath(QStringLiteral("design.tsl")));

    QImage halftone(HalftonePalette::Size, 1, QImage::Format_RGB32);
    for (int i = 0; i < HalftonePalette::Size; ++i)
        halftone.setPixel(i, 0, HalftonePalette::colour(i));
    QImage means(16, 1, QImage::Format_RGB32);
    const MeanColours colours = MosaicConversion::meanColours(design.palette());
    for (int i = 0; i < 16; ++i)
        means.setPixel(i, 0, colours[i]);
    return halftone.save(dir.filePath(QStringLiteral("halftone.png"))) &&
                   means.save(dir.filePath(QStringLiteral("palette.png")))
               ? 0
               : 1;
}
