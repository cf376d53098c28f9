// tessell-cli plan: the pieces and cartons a design needs, per colour and per class.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/FileAccess.h"
#include "core/plan/CollectionPlan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace tessell::cli {

namespace {
QJsonValue optionalNumber(const std::optional<int> &v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

QJsonObject lineObject(const PlanLine &l)
{
    return {{QStringLiteral("pieces"), l.pieces},
            {QStringLiteral("cartons"), l.cartons},
            {QStringLiteral("stock"), optionalNumber(l.stock)},
            {QStringLiteral("toCollect"), l.toCollect},
            {QStringLiteral("cartonsToCollect"), l.cartonsToCollect}};
}

QJsonObject classObject(const ClassNeeds &c)
{
    QJsonArray pieces, cartons;
    for (std::size_t n = 0; n < 16; ++n) {
        pieces.append(c.pieces[n]);
        cartons.append(c.cartons[n]);
    }
    return {{QStringLiteral("firstColumn"), c.block.first + 1},
            {QStringLiteral("lastColumn"), c.block.first + c.block.width},
            {QStringLiteral("pieces"), pieces},
            {QStringLiteral("cartons"), cartons}};
}

QJsonObject planObject(const PlanTable &table, const Palette &palette)
{
    QJsonArray colours;
    for (std::size_t n = 0; n < 16; ++n) {
        QJsonObject o = lineObject(table.colours[n]);
        o.insert(QStringLiteral("number"), CellGrid::digit(int(n)));
        o.insert(QStringLiteral("name"), palette[n].name());
        o.insert(QStringLiteral("perCarton"), table.colours[n].perCarton);
        colours.append(o);
    }
    QJsonObject plan{{QStringLiteral("colours"), colours},
                     {QStringLiteral("total"), lineObject(table.total)}};
    if (!table.classes.empty()) {
        QJsonArray classes;
        for (const ClassNeeds &c : table.classes)
            classes.append(classObject(c));
        plan.insert(QStringLiteral("classes"), classes);
        if (table.leftOver.block.width > 0)
            plan.insert(QStringLiteral("leftOver"), classObject(table.leftOver));
    }
    return plan;
}

int runPlan(const Invocation &call)
{
    CollectionPlan plan;
    plan.perCarton = perCartonOption(call, QStringLiteral("per-carton"));
    plan.stock = stockOption(call, QStringLiteral("stock"));

    Design design;
    DesignFile::open(call.arguments()[0], design);
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    const PlanTable table =
        PlanTable::compute(design.grid(), plan, distributionOption(call, design.columns()));
    const QString csv = call.value(QStringLiteral("csv"));
    if (csv.isEmpty()) {
        std::fputs(
            QJsonDocument(planObject(table, design.palette())).toJson(QJsonDocument::Indented).constData(),
            stdout);
        return Ok;
    }
    FileAccess::write(csv, table.csv(design.palette()));
    return Ok;
}
} // namespace

const Command planCommand{
    "plan",
    QT_TRANSLATE_NOOP("tessell::cli", "色ごと・クラスごとに必要な枚数と箱数を JSON か CSV で表示します"),
    QStringLiteral("DESIGN.tsl [--classes CxW[,CxW[,CxW]] | --classes-fair N] [OPTIONS]"),
    {{QStringLiteral("DESIGN.tsl"), QT_TRANSLATE_NOOP("tessell::cli", "数える図案ファイル")}},
    {
        {{QStringLiteral("classes")},
         QStringLiteral("CxW[,CxW[,CxW]]"),
         QT_TRANSLATE_NOOP("tessell::cli", "クラス数 x 1クラスの列数、3組まで (クラスごとの表をつけます)")},
        {{QStringLiteral("classes-fair")},
         QStringLiteral("N"),
         QT_TRANSLATE_NOOP("tessell::cli", "すべての列を N クラスで均等に分けます")},
        {{QStringLiteral("per-carton")},
         QStringLiteral("N=K,..."),
         QT_TRANSLATE_NOOP("tessell::cli", "番号 N の1箱から取れる枚数 K (1〜9999、既定は 1)")},
        {{QStringLiteral("stock")},
         QStringLiteral("N=K,..."),
         QT_TRANSLATE_NOOP("tessell::cli", "番号 N の在庫の枚数 K (0〜999999、既定は制限なし)")},
        {{QStringLiteral("csv")},
         QStringLiteral("OUT.csv"),
         QT_TRANSLATE_NOOP("tessell::cli", "JSON の代わりに CSV (UTF-8) を書き込みます")},
    },
    runPlan};

} // namespace tessell::cli
