// tessell-cli print: the class pages of a design as a PDF (or one page as a PNG).
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/print/ClassPages.h"
#include "core/print/PdfPrintTarget.h"
#include "core/scan/PictureIntegrity.h"
#include "core/settings/AppPaths.h"
#include "core/settings/SettingsStore.h"

#include <QImage>

namespace tessell::cli {

namespace {

int runPrint(const Invocation &call)
{
    const QString classes = QStringLiteral("classes"), fair = QStringLiteral("classes-fair"),
                  png = QStringLiteral("png-page");
    ClassPageOptions options;
    options.title = call.value(QStringLiteral("title"));
    options.notes = call.value(QStringLiteral("notes"));
    options.colour = call.isSet(QStringLiteral("color"));
    options.numberTable = !call.isSet(QStringLiteral("no-numbers"));
    options.quantityTable = !call.isSet(QStringLiteral("no-quantities"));
    options.overview = call.isSet(QStringLiteral("overview"));
    options.neighbours = call.isSet(QStringLiteral("neighbours"));
    options.summary = call.isSet(QStringLiteral("summary"));
    const QString large = QStringLiteral("large"), rows = QStringLiteral("rows-per-page"),
                  runs = QStringLiteral("runs");
    options.largePrint = call.isSet(large);
    for (const QString &option : {rows, runs})
        if (call.isSet(option) && !options.largePrint)
            throw UsageError(usageText::needs(dashed(option), dashed(large)));
    options.runs = call.isSet(runs);
    if (call.isSet(rows)) {
        options.rowsPerSheet = call.integer(rows);
        if (options.rowsPerSheet < SheetSplit::MinRows || options.rowsPerSheet > SheetSplit::MaxRows)
            throw Error(texts::rowsPerSheetOutOfRange(SheetSplit::MinRows, SheetSplit::MaxRows));
    }
    const QString out = call.required(QStringLiteral("o"));
    if (call.isSet(classes) && call.isSet(fair))
        throw UsageError(usageText::notTogether(dashed(classes), dashed(fair)));
    if (!call.isSet(classes) && !call.isSet(fair))
        throw UsageError(usageText::eitherOf(dashed(classes), dashed(fair)));

    Design design;
    DesignFile::open(call.arguments()[0], design);
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    options.distribution = *distributionOption(call, design.columns());
    // Cartons as the editor's "集める数" counts them, from its data.dat.
    if (options.summary)
        options.plan = CollectionPlan::read(SettingsStore(AppPaths::dataFile()));

    ClassPages pages(design.grid(), design.palette());
    pages.setOptions(options);
    pages.checkPages();
    if (call.isSet(png)) {
        const int page = call.integer(png);
        if (page < 1 || page > pages.pageCount())
            throw Error(texts::noSuchPage(page, pages.pageCount()));
        PictureIntegrity::writePicture(pages.pageImage(page - 1), out, "PNG");
        return Ok;
    }
    PdfPrintTarget pdf(out);
    pages.print(pdf);
    return Ok;
}
} // namespace

const Command printCommand{
    "print",
    QT_TRANSLATE_NOOP("tessell::cli", "クラスごとの下絵を A4 の PDF に書き出します"),
    QStringLiteral("DESIGN.tsl (--classes CxW[,CxW[,CxW]] | --classes-fair N) [OPTIONS] -o OUT.pdf"),
    {{QStringLiteral("DESIGN.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "印刷する図案ファイル")}},
    {
        {{QStringLiteral("o")},
         QStringLiteral("OUT.pdf"),
         QT_TRANSLATE_NOOP("tessell::cli", "書き込む PDF (--png-page では PNG)")},
        {{QStringLiteral("classes")},
         QStringLiteral("CxW[,CxW[,CxW]]"),
         QT_TRANSLATE_NOOP("tessell::cli", "クラス数 x 1クラスの列数、3組まで")},
        {{QStringLiteral("classes-fair")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "すべての列を N クラスで均等に分けます")},
        {{QStringLiteral("color")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "カラーで印刷します (セルをタイルの平均色で塗ります)")},
        {{QStringLiteral("no-numbers")}, {}, QT_TRANSLATE_NOOP("tessell::cli", "番号表を空欄にします")},
        {{QStringLiteral("no-quantities")}, {}, QT_TRANSLATE_NOOP("tessell::cli", "数量表を空欄にします")},
        {{QStringLiteral("title")}, QStringLiteral("TEXT"), QT_TRANSLATE_NOOP("tessell::cli", "タイトル")},
        {{QStringLiteral("notes")}, QStringLiteral("TEXT"), QT_TRANSLATE_NOOP("tessell::cli", "備考")},
        {{QStringLiteral("overview")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "全体図をつけ、クラスの範囲を枠で示します")},
        {{QStringLiteral("neighbours")}, {}, QT_TRANSLATE_NOOP("tessell::cli", "隣の列を灰色で表示します")},
        {{QStringLiteral("summary")},
         {},
         QT_TRANSLATE_NOOP(
             "tessell::cli",
             "まとめページを先頭につけます (箱数はエディタの「集める数」の1箱の枚数で数えます)")},
        {{QStringLiteral("large")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "大きく印刷: クラスごとに大きなマス目の紙を何枚も印刷します")},
        {{QStringLiteral("rows-per-page")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "大きく印刷の1枚の行数 (10〜50、既定 25)")},
        {{QStringLiteral("runs")},
         {},
         QT_TRANSLATE_NOOP("tessell::cli", "大きく印刷の各紙のあとに、行ごとの説明のページをつけます")},
        {{QStringLiteral("png-page")},
         QStringLiteral("K"),
         QT_TRANSLATE_NOOP("tessell::cli", "K ページ目だけを PNG で書き出します")},
    },
    runPrint,
    true};

} // namespace tessell::cli
