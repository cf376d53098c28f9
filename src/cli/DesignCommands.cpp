// tessell-cli new, info, resave and import: the design file tools of the editor.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Texts.h"
#include "core/document/ArrangementImport.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>

namespace tessell::cli {

namespace {
QString hexColour(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

int runNew(const Invocation &call)
{
    const QString out = call.required(QStringLiteral("o"));
    // Up to nine digits, so that a size too large is told as such rather than as a usage error.
    const auto m = QRegularExpression(QStringLiteral("^(\\d{1,9})x(\\d{1,9})$")).match(call.arguments()[0]);
    if (!m.hasMatch())
        throw UsageError(usageText::needs(QStringLiteral("new"), QStringLiteral("COLSxROWS")));
    const int columns = m.captured(1).toInt(), rows = m.captured(2).toInt();
    if (columns < 1 || rows < 1 || columns > Design::MaxSize || rows > Design::MaxSize) {
        printError(texts::sizeOutOfRange(columns, rows));
        return Failure;
    }
    Design design;
    design.makeNew(columns, rows);
    DesignFile::write(design, out);
    return Ok;
}

int runInfo(const Invocation &call)
{
    Design design;
    DesignFile::open(call.arguments()[0], design);
    QJsonObject o;
    o.insert(QStringLiteral("columns"), design.columns());
    o.insert(QStringLiteral("rows"), design.rows());
    QJsonArray palette;
    for (const PaletteEntry &e : design.palette())
        palette.append(QJsonObject{{QStringLiteral("name"), e.name()},
                                   {QStringLiteral("mean"), hexColour(e.meanColor())},
                                   {QStringLiteral("tile"), e.tileText()}});
    o.insert(QStringLiteral("palette"), palette);
    // The check turns empty cells into "0" in this copy only; the file is not touched.
    // Counted after the check, as the editor counts after its refresh, so that
    // cells a short row line left empty count as the "0" they become.
    Design checked;
    checked.setGrid(design.grid());
    const std::optional<QPoint> bad = checked.listcheck();
    QJsonArray counts;
    for (int c : checked.reCount())
        counts.append(c);
    o.insert(QStringLiteral("counts"), counts);
    if (bad)
        o.insert(QStringLiteral("invalid"),
                 QJsonObject{{QStringLiteral("column"), bad->x()},
                             {QStringLiteral("row"), bad->y()},
                             {QStringLiteral("text"), checked.cell(bad->x(), bad->y())}});
    else
        o.insert(QStringLiteral("invalid"), QJsonValue::Null);
    std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    // The description is printed either way; the status tells scripts the design needs mending.
    if (bad) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    return Ok;
}

int runResave(const Invocation &call)
{
    Design design;
    DesignFile::open(call.arguments()[0], design);
    return checkAndSave(design, call.arguments()[1]);
}

int runImport(const Invocation &call)
{
    const QString out = call.required(QStringLiteral("o"));
    Design design;
    DesignFile::open(call.arguments()[0], design);
    ArrangementImport::import(call.arguments()[1], design);
    return checkAndSave(design, out);
}
} // namespace

const Command newCommand{"new",
                         QT_TRANSLATE_NOOP("tessell::cli", "すべてのセルが 0 の新しい図案を作ります"),
                         QStringLiteral("COLSxROWS -o OUT.tsl"),
                         {{QStringLiteral("COLSxROWS"),
                           QT_TRANSLATE_NOOP("tessell::cli", "列数と行数 (1〜999)、たとえば 160x100")}},
                         {{{QStringLiteral("o")},
                           QStringLiteral("OUT.tsl"),
                           QT_TRANSLATE_NOOP("tessell::cli", "書き込む図案ファイル")}},
                         runNew};

const Command infoCommand{
    "info",
    QT_TRANSLATE_NOOP("tessell::cli", "図案の大きさ、パレット、個数、最初の不正なセルを JSON で表示します"),
    QStringLiteral("FILE.tsl"),
    {{QStringLiteral("FILE.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "読む図案ファイル")}},
    {},
    runInfo};

const Command resaveCommand{
    "resave",
    QT_TRANSLATE_NOOP("tessell::cli", "図案を読み、セルを検査して書き直します"),
    QStringLiteral("IN.tsl OUT.tsl"),
    {{QStringLiteral("IN.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "読む図案ファイル")},
     {QStringLiteral("OUT.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "書き込む図案ファイル")}},
    {},
    runResave};

const Command importCommand{
    "import",
    QT_TRANSLATE_NOOP("tessell::cli", "配置ファイルの数値を図案のセルに読み込みます"),
    QStringLiteral("DESIGN.tsl ARRANGEMENT -o OUT.tsl"),
    {{QStringLiteral("DESIGN.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "読む図案ファイル")},
     {QStringLiteral("ARRANGEMENT"), QT_TRANSLATE_NOOP("tessell::cli", "配置ファイル (CSV またはテキスト)")}},
    {{{QStringLiteral("o")},
      QStringLiteral("OUT.tsl"),
      QT_TRANSLATE_NOOP("tessell::cli", "書き込む図案ファイル")}},
    runImport};

} // namespace tessell::cli
