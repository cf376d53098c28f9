// tessell-cli convert: a picture into a design, as the image scan window does it.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"

#include <QRegularExpression>

#include <optional>

namespace tessell::cli {

namespace {
// "X,Y,W,H" in picture pixels, W and H at least 1.
std::optional<QRect> parseCrop(const QString &text)
{
    const auto m =
        QRegularExpression(QStringLiteral("^(\\d{1,9}),(\\d{1,9}),(\\d{1,9}),(\\d{1,9})$")).match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QRect rect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                     m.captured(4).toInt());
    if (rect.width() < 1 || rect.height() < 1)
        return std::nullopt;
    return rect;
}
} // namespace

int cmdConvert(QStringList args)
{
    QString out, designPath, cropText;
    if (!takeOutput(args, &out) || !takeOption(args, QStringLiteral("--design"), &designPath))
        return usage();
    const bool diffusion = takeFlag(args, QStringLiteral("--diffusion"));
    const bool emphasized = takeFlag(args, QStringLiteral("--emphasized"));
    const ScanOptions options = ScanOptions::fromItems(diffusion ? 1 : 0, emphasized ? 1 : 0);
    std::optional<QRect> crop;
    if (args.contains(QStringLiteral("--crop"))) {
        if (!takeOption(args, QStringLiteral("--crop"), &cropText) || !(crop = parseCrop(cropText)))
            return usage();
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return usage();

    Design design;
    DesignFile::open(designPath, design);
    QStringList lines;
    {
        // Streamed from the file where it can be; released before the design is saved.
        const std::unique_ptr<PictureRows> picture = PictureLoader::openRows(args[0], crop);
        lines = MosaicConversion::convert(*picture, design.columns(), design.rows(),
                                          MosaicConversion::meanColours(design.palette()), options);
    }
    MosaicConversion::writeIntoCells(lines, design);
    return checkAndSave(design, out);
}

} // namespace tessell::cli
