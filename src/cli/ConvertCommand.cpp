// tessell-cli convert: a picture into a design, as the image scan window does it.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/plan/StockLimit.h"
#include "core/scan/MosaicConversion.h"
#include "core/scan/PictureLoader.h"
#include "core/settings/AppPaths.h"
#include "core/settings/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <cstdio>
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

// A whole number from low to high, else the option's usage error.
int ranged(const Invocation &call, const QString &name, int low, int high)
{
    const int v = call.integer(name);
    if (v < low || v > high)
        throw call.malformed(name);
    return v;
}

// One of the words an option takes; absent, the first.
int choice(const Invocation &call, const QString &name, const QStringList &words)
{
    if (!call.isSet(name))
        return 0;
    const int i = int(words.indexOf(call.value(name)));
    if (i < 0)
        throw call.malformed(name);
    return i;
}

ScanOptions scanOptions(const Invocation &call)
{
    ScanOptions options;
    const QString compare = QStringLiteral("compare"), emphasized = QStringLiteral("emphasized");
    const QString dither = QStringLiteral("dither"), diffusion = QStringLiteral("diffusion");
    // The old flags stay, as other words for two of the choices.
    if (call.isSet(compare) && call.isSet(emphasized))
        throw UsageError(usageText::notTogether(dashed(compare), dashed(emphasized)));
    if (call.isSet(dither) && call.isSet(diffusion))
        throw UsageError(usageText::notTogether(dashed(dither), dashed(diffusion)));
    const Comparison comparisons[] = {Comparison::Average, Comparison::Emphasized, Comparison::Perceptual};
    options.comparison = call.isSet(emphasized)
                             ? Comparison::Emphasized
                             : comparisons[choice(call, compare,
                                                  {QStringLiteral("average"), QStringLiteral("emphasized"),
                                                   QStringLiteral("perceptual")})];
    const Dithering ditherings[] = {Dithering::None, Dithering::Halftone, Dithering::FloydSteinberg};
    options.dithering = call.isSet(diffusion)
                            ? Dithering::Halftone
                            : ditherings[choice(call, dither,
                                                {QStringLiteral("none"), QStringLiteral("halftone"),
                                                 QStringLiteral("floyd-steinberg")})];
    const auto adjustment = [&](const char *name) {
        const QString option = QString::fromLatin1(name);
        return call.isSet(option) ? ranged(call, option, Adjustments::Minimum, Adjustments::Maximum) : 0;
    };
    options.adjustments = {adjustment("brightness"), adjustment("contrast"), adjustment("saturation")};
    return options;
}

// The mean colour difference and the pieces of every number, as JSON on stdout.
void printReport(const std::vector<QRgb> &cells, const std::vector<std::uint8_t> &entries,
                 const MeanColours &means)
{
    std::array<int, 16> counts{};
    for (std::uint8_t e : entries)
        ++counts[e & 15];
    QJsonArray pieces;
    for (int c : counts)
        pieces.append(c);
    const double difference = MosaicConversion::meanDifference(cells, entries, means);
    const QJsonObject o{{QStringLiteral("meanDeltaE"), std::round(difference * 100.0) / 100.0},
                        {QStringLiteral("counts"), pieces}};
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
}

int runConvert(const Invocation &call)
{
    const QString designPath = call.required(QStringLiteral("design"));
    const QString out = call.required(QStringLiteral("o"));
    const ScanOptions options = scanOptions(call);
    std::optional<QRect> crop;
    if (call.isSet(QStringLiteral("crop")) && !(crop = parseCrop(call.value(QStringLiteral("crop")))))
        throw call.malformed(QStringLiteral("crop"));
    const QString fromPicture = QStringLiteral("palette-from-picture");
    const int colours = call.isSet(fromPicture) ? ranged(call, fromPicture, 2, 16) : 0;
    const QString stockOptionName = QStringLiteral("stock"), fromPlan = QStringLiteral("stock-from-plan");
    if (call.isSet(stockOptionName) && call.isSet(fromPlan))
        throw UsageError(usageText::notTogether(dashed(stockOptionName), dashed(fromPlan)));
    // The editor's own plan ("集める数"), kept in its data.dat.
    const std::optional<Stock> stock =
        call.isSet(fromPlan)
            ? std::optional<Stock>(CollectionPlan::read(SettingsStore(AppPaths::dataFile())).stock)
        : call.isSet(stockOptionName) ? std::optional<Stock>(stockOption(call, stockOptionName))
                                      : std::nullopt;

    Design design;
    DesignFile::open(designPath, design);
    const int columns = design.columns(), rows = design.rows();
    std::vector<QRgb> cells;
    {
        // Streamed from the file where it can be; released before the design is saved.
        const std::unique_ptr<PictureRows> picture = PictureLoader::openRows(call.arguments()[0], crop);
        cells = MosaicConversion::cellAverages(*picture, columns, rows);
    }
    options.adjustments.apply(cells);
    if (colours > 0 && !cells.empty()) {
        Palette palette = design.palette();
        MosaicConversion::choosePalette(cells, colours, palette);
        design.setPalette(palette);
    }
    const MeanColours means = MosaicConversion::meanColours(design.palette());
    const std::vector<std::uint8_t> entries =
        stock ? StockLimit::match(cells, columns, rows, means, options, *stock)
              : MosaicConversion::match(cells, columns, rows, means, options);
    MosaicConversion::writeIntoCells(MosaicConversion::resultLines(entries, columns, rows), design);
    const int status = checkAndSave(design, out);
    if (status == Ok && call.isSet(QStringLiteral("report")))
        printReport(cells, entries, means);
    return status;
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
        {{QStringLiteral("compare")},
         QStringLiteral("average|emphasized|perceptual"),
         QT_TRANSLATE_NOOP("tessell::cli", "比較方法: 平均色、強調色、見た目 (CIEDE2000) (既定は average)")},
        {{QStringLiteral("emphasized")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "強調色を比較します (--compare emphasized と同じ)")},
        {{QStringLiteral("dither")},
         QStringLiteral("halftone|floyd-steinberg|none"),
         QT_TRANSLATE_NOOP("tessell::cli",
                           "誤差拡散: 誤差拡散モード、なめらかに拡散、なし (既定は none、ペイントモード)")},
        {{QStringLiteral("diffusion")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "誤差拡散モードで読み取ります (--dither halftone と同じ)")},
        {{QStringLiteral("brightness")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "明るさ -100〜100 (既定は 0)")},
        {{QStringLiteral("contrast")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "コントラスト -100〜100 (既定は 0)")},
        {{QStringLiteral("saturation")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "あざやかさ -100〜100 (既定は 0)")},
        {{QStringLiteral("palette-from-picture")},
         QStringLiteral("K"),
         QT_TRANSLATE_NOOP("tessell::cli",
                           "画像から K 色 (2〜16) を選び、パレットの0番から書き込んでから変換します")},
        {{QStringLiteral("report")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "色の差の平均 (ΔE) と各番号の枚数を JSON で表示します")},
        {{QStringLiteral("crop")},
         QStringLiteral("X,Y,W,H"),
         QT_TRANSLATE_NOOP("tessell::cli", "画像のこの範囲だけを変換します (ピクセル)")},
        {{QStringLiteral("stock")},
         QStringLiteral("N=K,..."),
         QT_TRANSLATE_NOOP("tessell::cli",
                           "番号 N は在庫の K 枚までしか使いません (書かない番号は制限なし)")},
        {{QStringLiteral("stock-from-plan")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "エディタの「集める数」の在庫までしか使いません")},
    },
    runConvert};

} // namespace tessell::cli
