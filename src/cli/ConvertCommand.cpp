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

int runConvert(const Invocation &call)
{
    const QString designPath = call.required(QStringLiteral("design"));
    const QString out = call.required(QStringLiteral("o"));
    ScanOptions options;
    options.diffusion = call.isSet(QStringLiteral("diffusion"));
    options.emphasized = call.isSet(QStringLiteral("emphasized"));
    std::optional<QRect> crop;
    if (call.isSet(QStringLiteral("crop")) && !(crop = parseCrop(call.value(QStringLiteral("crop")))))
        throw call.malformed(QStringLiteral("crop"));

    Design design;
    DesignFile::open(designPath, design);
    QStringList lines;
    {
        // Streamed from the file where it can be; released before the design is saved.
        const std::unique_ptr<PictureRows> picture = PictureLoader::openRows(call.arguments()[0], crop);
        lines = MosaicConversion::convert(*picture, design.columns(), design.rows(),
                                          MosaicConversion::meanColours(design.palette()), options);
    }
    MosaicConversion::writeIntoCells(lines, design);
    return checkAndSave(design, out);
}
} // namespace

const Command convertCommand{
    "convert",
    QT_TRANSLATE_NOOP("tessell::cli", "画像を図案のパレットと大きさでセルに変換して保存します"),
    QStringLiteral("PICTURE --design DESIGN.tsl [OPTIONS] -o OUT.tsl"),
    {{QStringLiteral("PICTURE"), QT_TRANSLATE_NOOP("tessell::cli", "変換する画像 (BMP、PNG、JPEG など)")}},
    {
        {{QStringLiteral("design")},
         QStringLiteral("DESIGN.tsl"),
         QT_TRANSLATE_NOOP("tessell::cli", "パレットと大きさを使う図案ファイル")},
        {{QStringLiteral("o")},
         QStringLiteral("OUT.tsl"),
         QT_TRANSLATE_NOOP("tessell::cli", "書き込む図案ファイル")},
        {{QStringLiteral("diffusion")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "誤差拡散モードで読み取ります (既定はペイントモード)")},
        {{QStringLiteral("emphasized")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "強調色を比較します (既定は平均色を比較)")},
        {{QStringLiteral("crop")},
         QStringLiteral("X,Y,W,H"),
         QT_TRANSLATE_NOOP("tessell::cli", "画像のこの範囲だけを変換します (ピクセル)")},
    },
    runConvert};

} // namespace tessell::cli
