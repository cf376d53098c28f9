#include "core/plan/CollectionPlan.h"

#include "core/Texts.h"
#include "core/document/CommaList.h"
#include "core/settings/SettingsStore.h"

#include <QRegularExpression>

namespace tessell {

namespace {
const QString kSection = QStringLiteral("plan");
const QString kPerCarton = QStringLiteral("percarton");
const QString kStock = QStringLiteral("stock");

std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,7})\\s*$"));
    const QRegularExpressionMatch m = digits.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int v = m.captured(1).toInt();
    return v >= low && v <= high ? std::optional<int>(v) : std::nullopt;
}

// "0".."15" or one hex digit.
std::optional<int> entryNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() == 1 && QStringLiteral("ABCDEFabcdef").contains(t[0]))
        return t[0].toUpper().unicode() - 'A' + 10;
    return wholeNumber(t, 0, 15);
}

// Cells per palette number in every column, counted as reCount counts them.
std::vector<PieceCounts> columnCounts(const CellGrid &grid)
{
    std::vector<PieceCounts> counts(std::size_t(grid.columns()), PieceCounts{});
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            addPieces(counts[std::size_t(c)], grid.cell(c, r));
    return counts;
}

// A field as a spreadsheet reads it: quoted where it holds a comma, a quote or a line end.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(const std::optional<int> &v)
{
    return v ? QString::number(*v) : QString();
}
} // namespace

std::optional<int> CollectionPlan::parsePerCarton(const QString &text)
{
    return wholeNumber(text, MinPerCarton, MaxPerCarton);
}

std::optional<int> CollectionPlan::parseStock(const QString &text)
{
    return wholeNumber(text, 0, MaxStock);
}

std::optional<Stock> CollectionPlan::parseEntries(const QString &text,
                                                  std::optional<int> (*parse)(const QString &))
{
    Stock values{};
    for (const QString &item : text.split(QLatin1Char(','))) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals < 0)
            return std::nullopt;
        const std::optional<int> entry = entryNumber(item.left(equals));
        const std::optional<int> value = parse(item.mid(equals + 1));
        if (!entry || !value || values[std::size_t(*entry)])
            return std::nullopt;
        values[std::size_t(*entry)] = value;
    }
    return values;
}

CollectionPlan CollectionPlan::read(const SettingsStore &store)
{
    CollectionPlan plan;
    const QStringList perCarton = CommaList::split(store.readString(kSection, kPerCarton), 16);
    for (qsizetype i = 0; i < perCarton.size(); ++i)
        plan.perCarton[std::size_t(i)] = parsePerCarton(perCarton[i]).value_or(1);
    const QStringList stock = CommaList::split(store.readString(kSection, kStock), 16);
    for (qsizetype i = 0; i < stock.size(); ++i)
        plan.stock[std::size_t(i)] = parseStock(stock[i]);
    return plan;
}

bool CollectionPlan::write(SettingsStore &store) const
{
    QStringList perCartonItems, stockItems;
    for (std::size_t i = 0; i < 16; ++i) {
        perCartonItems << QString::number(perCarton[i]);
        stockItems << number(stock[i]);
    }
    // Both keys, even when the first write fails: the second may still tell why.
    const bool first = store.writeString(kSection, kPerCarton, CommaList::join(perCartonItems));
    const bool second = store.writeString(kSection, kStock, CommaList::join(stockItems));
    return first && second;
}

PlanTable PlanTable::compute(const CellGrid &grid, const CollectionPlan &plan,
                             const std::optional<Distribution> &distribution)
{
    PlanTable table;
    const std::vector<PieceCounts> columns = columnCounts(grid);
    const auto piecesOf = [&](Distribution::Block block) {
        ClassNeeds needs;
        needs.block = block;
        const int end = std::min(int(columns.size()), block.first + block.width);
        for (int c = std::max(0, block.first); c < end; ++c)
            for (std::size_t n = 0; n < 16; ++n)
                needs.pieces[n] += columns[std::size_t(c)][n];
        return needs;
    };
    const ClassNeeds whole = piecesOf({0, grid.columns()});
    for (std::size_t n = 0; n < 16; ++n)
        table.colours[n].pieces = whole.pieces[n];
    if (distribution) {
        for (int k = 0; k < distribution->pageCount(); ++k)
            table.classes.push_back(piecesOf(distribution->block(k)));
        const int given = distribution->total();
        table.leftOver = piecesOf({given, std::max(0, grid.columns() - given)});
    }
    table.apply(plan);
    return table;
}

void PlanTable::apply(const CollectionPlan &plan)
{
    total = PlanLine{};
    for (std::size_t n = 0; n < 16; ++n) {
        PlanLine &line = colours[n];
        line.perCarton = plan.perCarton[n];
        line.cartons = cartonsFor(line.pieces, line.perCarton);
        line.stock = plan.stock[n];
        line.toCollect = line.stock ? std::max(0, line.pieces - *line.stock) : 0;
        line.cartonsToCollect = cartonsFor(line.toCollect, line.perCarton);

        total.pieces += line.pieces;
        total.cartons += line.cartons;
        if (line.stock)
            total.stock = total.stock.value_or(0) + *line.stock;
        total.toCollect += line.toCollect;
        total.cartonsToCollect += line.cartonsToCollect;
    }
    const auto cartons = [&](ClassNeeds &needs) {
        for (std::size_t n = 0; n < 16; ++n)
            needs.cartons[n] = cartonsFor(needs.pieces[n], plan.perCarton[n]);
    };
    for (ClassNeeds &needs : classes)
        cartons(needs);
    cartons(leftOver);
}

QByteArray PlanTable::csv(const Palette &palette) const
{
    QStringList lines;
    const auto add = [&](const QStringList &fields) {
        QStringList quoted;
        for (const QString &f : fields)
            quoted << csvField(f);
        lines << quoted.join(QLatin1Char(','));
    };
    add(texts::planColourHeaders());
    const auto lineFields = [](const QString &number, const QString &name, const PlanLine &l,
                               bool perCarton) {
        return QStringList{number,
                           name,
                           QString::number(l.pieces),
                           perCarton ? QString::number(l.perCarton) : QString(),
                           QString::number(l.cartons),
                           tessell::number(l.stock),
                           QString::number(l.toCollect),
                           QString::number(l.cartonsToCollect)};
    };
    for (int n = 0; n < 16; ++n)
        add(lineFields(CellGrid::digit(n), palette[std::size_t(n)].name(), colours[std::size_t(n)], true));
    add(lineFields(texts::planTotal(), QString(), total, false));

    if (!classes.empty()) {
        lines << QString();
        QStringList header{texts::planClass(), texts::planColumns()};
        for (int n = 0; n < 16; ++n) {
            const QString colour = CellGrid::digit(n) + QLatin1Char(' ') + palette[std::size_t(n)].name();
            header << texts::planPiecesOf(colour) << texts::planCartonsOf(colour);
        }
        header << texts::planPiecesOf(texts::planTotal()) << texts::planCartonsOf(texts::planTotal());
        add(header);
        const auto classFields = [](const QString &name, const ClassNeeds &c) {
            QStringList fields{name,
                               texts::planColumnRange(c.block.first + 1, c.block.first + c.block.width)};
            int pieces = 0, cartons = 0;
            for (std::size_t n = 0; n < 16; ++n) {
                fields << QString::number(c.pieces[n]) << QString::number(c.cartons[n]);
                pieces += c.pieces[n];
                cartons += c.cartons[n];
            }
            return fields << QString::number(pieces) << QString::number(cartons);
        };
        for (std::size_t k = 0; k < classes.size(); ++k)
            add(classFields(QStringLiteral("No.") + QString::number(k + 1), classes[k]));
        if (leftOver.block.width > 0)
            add(classFields(texts::planLeftOver(), leftOver));
    }
    return QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

std::optional<Distribution> storedDistribution(const SettingsStore &store, int designColumns)
{
    Distribution::Fields fields;
    for (int i = 0; i < 6; ++i)
        fields[std::size_t(i)] =
            store.readString(QStringLiteral("print"), QString::number(i + 1), QStringLiteral("1"));
    // As the dialog shows them once it has opened: normalised.
    const std::optional<Distribution::Fields> normal = Distribution::normalise(fields);
    if (!normal)
        return std::nullopt;
    const Distribution d = Distribution::fromFields(*normal);
    bool positive = d.row(0).classes > 0;
    for (int i = 0; i < 3; ++i)
        positive = positive && d.row(i).classes >= 0 && d.row(i).columns > 0;
    if (!positive || d.remainder(designColumns) < 0)
        return std::nullopt;
    return d;
}

} // namespace tessell
