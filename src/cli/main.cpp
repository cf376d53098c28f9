// tessell-cli: the design file tools of the editor, without a window.
#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/ArrangementImport.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>

using namespace tessell;

namespace {

enum Exit { Ok = 0, InvalidCell = 1, Failure = 2 };

const char *kUsage =
    "Usage:\n"
    "  tessell-cli new COLSxROWS -o OUT.tsl\n"
    "  tessell-cli info FILE.tsl\n"
    "  tessell-cli resave IN.tsl OUT.tsl\n"
    "  tessell-cli import DESIGN.tsl ARRANGEMENT -o OUT.tsl\n"
    "\n"
    "Exit status: 0 success, 1 an invalid cell was found, 2 a file could not be\n"
    "read or written, or the arguments are wrong.\n";

void printError(const QString &text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

int usage()
{
    std::fputs(kUsage, stderr);
    return Failure;
}

// Takes "-o OUT" out of the arguments.
bool takeOutput(QStringList &args, QString *out)
{
    const qsizetype i = args.indexOf(QStringLiteral("-o"));
    if (i < 0 || i + 1 >= args.size())
        return false;
    *out = args[i + 1];
    args.remove(i, 2);
    return true;
}

int checkAndSave(Design &design, const QString &out)
{
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    DesignFile::write(design, out);
    return Ok;
}

int cmdNew(QStringList args)
{
    QString out;
    if (!takeOutput(args, &out) || args.size() != 1)
        return usage();
    // Up to nine digits, so that a size too large is told as such rather than as a usage error.
    const auto m = QRegularExpression(QStringLiteral("^(\\d{1,9})x(\\d{1,9})$")).match(args[0]);
    if (!m.hasMatch())
        return usage();
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

QString hexColour(QRgb rgb) { return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(); }

int cmdInfo(const QStringList &args)
{
    if (args.size() != 1)
        return usage();
    Design design;
    DesignFile::open(args[0], design);
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
        o.insert(QStringLiteral("invalid"), QJsonObject{{QStringLiteral("column"), bad->x()},
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

int cmdResave(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    Design design;
    DesignFile::open(args[0], design);
    return checkAndSave(design, args[1]);
}

int cmdImport(QStringList args)
{
    QString out;
    if (!takeOutput(args, &out) || args.size() != 2)
        return usage();
    Design design;
    DesignFile::open(args[0], design);
    ArrangementImport::import(args[1], design);
    return checkAndSave(design, out);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? Failure : Ok;
    }
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("new"))
            return cmdNew(args);
        if (command == QLatin1String("info"))
            return cmdInfo(args);
        if (command == QLatin1String("resave"))
            return cmdResave(args);
        if (command == QLatin1String("import"))
            return cmdImport(args);
    } catch (const Error &e) {
        printError(e.text());
        return Failure;
    }
    return usage();
}
