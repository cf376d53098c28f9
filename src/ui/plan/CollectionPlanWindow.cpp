#include "ui/plan/CollectionPlanWindow.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/FileAccess.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/Prompter.h"
#include "ui/common/SaveTarget.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessell {

namespace {
constexpr int TotalRow = 16;

QTableWidgetItem *numberItem(const QString &text = QString())
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QIcon tileIcon(const PaletteEntry &entry)
{
    return QIcon(QPixmap::fromImage(entry.tileImage().scaled(20, 16)));
}

QString optionalText(const std::optional<int> &v)
{
    return v ? QString::number(*v) : QString();
}

void setFieldValid(QLineEdit *field, bool valid)
{
    QPalette p = field->palette();
    const QPalette normal = field->style()->standardPalette();
    p.setColor(QPalette::Base, valid ? normal.color(QPalette::Base) : QColor(255, 210, 210));
    p.setColor(QPalette::Text, valid ? normal.color(QPalette::Text) : QColor(255, 0, 0));
    field->setPalette(p);
    field->setProperty("invalid", !valid);
}
} // namespace

CollectionPlanWindow::CollectionPlanWindow(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      m_host(host), m_plan(CollectionPlan::read(host.settings()))
{
    setObjectName(QStringLiteral("CollectionPlanWindow"));
    setWindowTitle(tr("集める数"));
    setModal(true);

    const Design &design = host.design();
    const std::optional<Distribution> distribution = storedDistribution(host.settings(), design.columns());
    m_table = PlanTable::compute(design.grid(), m_plan, distribution);

    auto *layout = new QVBoxLayout(this);
    buildColourTable();
    layout->addWidget(m_colours);
    auto *caption = new QLabel(tr("クラスごとの枚数 / 箱数"), this);
    layout->addWidget(caption);
    if (distribution) {
        buildClassTable(*distribution);
        layout->addWidget(m_classes, 1);
    } else {
        m_classNote = new QLabel(tr("クラスごとの表は、印刷の「分配」が正しいときに表示されます。"), this);
        m_classNote->setObjectName(QStringLiteral("classNote"));
        m_classNote->setWordWrap(true);
        layout->addWidget(m_classNote);
        layout->addStretch(1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_csv = new QPushButton(tr("CSVに保存(&S)"), this);
    m_csv->setObjectName(QStringLiteral("csvButton"));
    m_close = new QPushButton(tr("閉じる(&C)"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton *b : {m_csv, m_close}) {
        // Enter in a field must not close the window.
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(m_csv, &QPushButton::clicked, this, &CollectionPlanWindow::saveCsv);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    bindHelpKey(this, HelpPages::CollectionPlan, [this](int topic) { m_host.showHelp(topic); });

    showNumbers();
    resize(std::max(780, m_colours->sizeHint().width()), 680);
}

void CollectionPlanWindow::buildColourTable()
{
    const Design &design = m_host.design();
    m_colours = new QTableWidget(TotalRow + 1, ColumnCount, this);
    m_colours->setObjectName(QStringLiteral("colourTable"));
    QStringList headers = texts::planColourHeaders();
    m_colours->setHorizontalHeaderLabels(headers);
    m_colours->verticalHeader()->hide();
    m_colours->setSelectionMode(QAbstractItemView::NoSelection);
    m_colours->setIconSize(QSize(20, 16));
    for (int n = 0; n <= TotalRow; ++n) {
        auto *number = new QTableWidgetItem(n < TotalRow ? CellGrid::digit(n) : texts::planTotal());
        number->setFlags(Qt::ItemIsEnabled);
        m_colours->setItem(n, Number, number);
        auto *name = new QTableWidgetItem(n < TotalRow ? design.entry(n).name() : QString());
        name->setFlags(Qt::ItemIsEnabled);
        m_colours->setItem(n, Name, name);
        for (int c : {Pieces, Cartons, ToCollect, CartonsToCollect})
            m_colours->setItem(n, c, numberItem());
        if (n == TotalRow) {
            m_colours->setItem(n, PerCarton, numberItem());
            m_colours->setItem(n, Stock, numberItem());
            QFont bold = m_colours->font();
            bold.setBold(true);
            for (int c = 0; c < ColumnCount; ++c)
                m_colours->item(n, c)->setFont(bold);
            continue;
        }
        number->setIcon(tileIcon(design.entry(n)));
        const auto field = [&](int column, const QString &text, bool perCarton) {
            auto *edit = new QLineEdit(text, m_colours);
            edit->setAlignment(Qt::AlignRight);
            edit->setFrame(false);
            edit->setObjectName(QStringLiteral("%1%2").arg(perCarton ? "perCarton" : "stock").arg(n));
            connect(edit, &QLineEdit::textChanged, this,
                    [this, edit, n, perCarton] { fieldEdited(edit, n, perCarton); });
            m_colours->setCellWidget(n, column, edit);
            return edit;
        };
        m_perCarton[std::size_t(n)] =
            field(PerCarton, QString::number(m_plan.perCarton[std::size_t(n)]), true);
        m_stock[std::size_t(n)] = field(Stock, optionalText(m_plan.stock[std::size_t(n)]), false);
        m_stock[std::size_t(n)]->setPlaceholderText(tr("制限なし"));
        m_perCarton[std::size_t(n)]->setToolTip(tr("1箱から取れる枚数 (1〜9999)"));
        m_stock[std::size_t(n)]->setToolTip(tr("手元にある枚数 (0〜999999、空欄は制限なし)"));
    }
    m_colours->resizeColumnsToContents();
    m_colours->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    // Room for the largest numbers a design can give, so that no column has to widen as they change.
    const int numberWidth = m_colours->fontMetrics().horizontalAdvance(QStringLiteral("99999999")) + 12;
    for (int c : {Pieces, PerCarton, Cartons, Stock, ToCollect, CartonsToCollect})
        m_colours->setColumnWidth(c, std::max(m_colours->columnWidth(c), numberWidth));
    m_colours->resizeRowsToContents();
    // Every row shows without scrolling.
    int height = m_colours->horizontalHeader()->sizeHint().height() + 2 * m_colours->frameWidth();
    for (int r = 0; r < m_colours->rowCount(); ++r)
        height += m_colours->rowHeight(r);
    m_colours->setMinimumHeight(height);
    m_colours->setMaximumHeight(height);
    m_colours->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CollectionPlanWindow::buildClassTable(const Distribution &distribution)
{
    const Design &design = m_host.design();
    const int rows = distribution.pageCount() + (m_table.leftOver.block.width > 0 ? 1 : 0);
    m_classes = new QTableWidget(rows, 17, this);
    m_classes->setObjectName(QStringLiteral("classTable"));
    m_classes->setSelectionMode(QAbstractItemView::NoSelection);
    m_classes->setIconSize(QSize(20, 16));
    m_classes->verticalHeader()->setDefaultSectionSize(m_colours->rowHeight(0));
    for (int n = 0; n < 16; ++n) {
        auto *header = new QTableWidgetItem(tileIcon(design.entry(n)), CellGrid::digit(n));
        header->setToolTip(design.entry(n).name());
        m_classes->setHorizontalHeaderItem(n, header);
    }
    m_classes->setHorizontalHeaderItem(16, new QTableWidgetItem(texts::planTotal()));
    QStringList labels;
    for (int k = 0; k < rows; ++k) {
        const bool leftOver = k == distribution.pageCount();
        const ClassNeeds &c = leftOver ? m_table.leftOver : m_table.classes[std::size_t(k)];
        const QString range = texts::planColumnRange(c.block.first + 1, c.block.first + c.block.width);
        labels << (leftOver ? texts::planLeftOver() : QStringLiteral("No.%1").arg(k + 1)) +
                      QStringLiteral(" (") + range + QLatin1Char(')');
        for (int n = 0; n < 17; ++n)
            m_classes->setItem(k, n, numberItem());
    }
    m_classes->setVerticalHeaderLabels(labels);
    m_classes->setToolTip(tr("各クラスが集める枚数 / 箱数"));
}

void CollectionPlanWindow::fieldEdited(QLineEdit *field, int entry, bool perCarton)
{
    const auto n = std::size_t(entry);
    bool valid = true;
    if (perCarton) {
        const std::optional<int> v = CollectionPlan::parsePerCarton(field->text());
        valid = v.has_value();
        if (valid)
            m_plan.perCarton[n] = *v;
    } else if (field->text().trimmed().isEmpty()) {
        m_plan.stock[n] = std::nullopt;
    } else {
        const std::optional<int> v = CollectionPlan::parseStock(field->text());
        valid = v.has_value();
        if (valid)
            m_plan.stock[n] = v;
    }
    setFieldValid(field, valid);
    if (!valid)
        return;
    m_table.apply(m_plan);
    showNumbers();
}

void CollectionPlanWindow::showNumbers()
{
    const auto set = [](QTableWidget *table, int row, int column, int value) {
        table->item(row, column)->setText(QString::number(value));
    };
    for (int n = 0; n <= TotalRow; ++n) {
        const PlanLine &l = n < TotalRow ? m_table.colours[std::size_t(n)] : m_table.total;
        set(m_colours, n, Pieces, l.pieces);
        set(m_colours, n, Cartons, l.cartons);
        set(m_colours, n, ToCollect, l.toCollect);
        set(m_colours, n, CartonsToCollect, l.cartonsToCollect);
        if (n == TotalRow)
            m_colours->item(n, Stock)->setText(optionalText(l.stock));
    }
    if (!m_classes)
        return;
    for (int k = 0; k < m_classes->rowCount(); ++k) {
        const ClassNeeds &c =
            k < int(m_table.classes.size()) ? m_table.classes[std::size_t(k)] : m_table.leftOver;
        int pieces = 0, cartons = 0;
        for (std::size_t n = 0; n < 16; ++n) {
            m_classes->item(k, int(n))->setText(QStringLiteral("%1 / %2").arg(c.pieces[n]).arg(c.cartons[n]));
            pieces += c.pieces[n];
            cartons += c.cartons[n];
        }
        m_classes->item(k, 16)->setText(QStringLiteral("%1 / %2").arg(pieces).arg(cartons));
    }
    m_classes->resizeColumnsToContents();
}

void CollectionPlanWindow::saveCsv()
{
    m_host.run(
        [this] {
            const QString fileName = m_host.design().fileName();
            const QString folder = fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
            const std::optional<SaveTarget> target =
                chooseSaveTarget(m_host.prompter(), this, tr("CSVに保存"),
                                 {{tr("CSV ファイル (*.csv)"), {QStringLiteral("*.csv")}},
                                  {texts::allFilesFilter(), {QStringLiteral("*")}}},
                                 QStringLiteral("csv"), folder);
            if (target)
                FileAccess::write(target->path, m_table.csv(m_host.design().palette()));
        },
        this);
}

void CollectionPlanWindow::done(int result)
{
    m_plan.write(m_host.settings());
    QDialog::done(result);
}

} // namespace tessell
