#include "ui/editing/NumberView.h"

#include "ui/common/AppFonts.h"
#include "core/document/Design.h"
#include "ui/editing/CellGridModel.h"

#include <QHeaderView>

namespace tessell {

NumberView::NumberView(Design &design, QWidget *parent)
    : QTableView(parent), m_design(design), m_model(new CellGridModel(design, this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setTabKeyNavigation(false);
    setFont(AppFonts::ui(16));
    // A cell of two characters ("10") shows what fits rather than nothing.
    setTextElideMode(Qt::ElideNone);
    applySizes();
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applySizes();
        setCurrentCell(QPoint(0, 0));
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    emit cellSelected(QPoint(current.column(), current.row()));
            });
    setCurrentCell(QPoint(0, 0));
}

void NumberView::applySizes()
{
    horizontalHeader()->setDefaultSectionSize(15);
    verticalHeader()->setDefaultSectionSize(20);
}

QPoint NumberView::currentCell() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? QPoint(i.column(), i.row()) : QPoint(-1, -1);
}

void NumberView::setCurrentCell(const QPoint &cell)
{
    const QModelIndex i = m_model->index(cell.y(), cell.x());
    if (!i.isValid())
        return;
    setCurrentIndex(i);
    scrollTo(i);
}

} // namespace tessell
