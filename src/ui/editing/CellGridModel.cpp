#include "ui/editing/CellGridModel.h"

#include "core/document/Design.h"

namespace tessell {

CellGridModel::CellGridModel(Design &design, QObject *parent) : QAbstractTableModel(parent), m_design(design)
{
    connect(&design, &Design::cellsChanged, this, &CellGridModel::cellsChanged);
    connect(&design, &Design::sizeChanged, this, &CellGridModel::sizeChanged);
}

int CellGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_design.rows(); }

int CellGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_design.columns();
}

QVariant CellGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_design.grid().contains(index.column(), index.row()))
        return {};
    const QString &text = m_design.cell(index.column(), index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text;
    // A cell of more than one character does not fit its column: the tip shows it whole.
    if (role == Qt::ToolTipRole && text.size() > 1)
        return text;
    return {};
}

Qt::ItemFlags CellGridModel::flags(const QModelIndex &index) const
{
    // No in-place editor: cells change only through the editing handlers.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CellGridModel::cellsChanged(const QRect &cells)
{
    const QRect area = cells.intersected(QRect(0, 0, m_design.columns(), m_design.rows()));
    if (area.isEmpty())
        return;
    emit dataChanged(index(area.top(), area.left()), index(area.bottom(), area.right()), {Qt::DisplayRole});
}

void CellGridModel::sizeChanged()
{
    beginResetModel();
    endResetModel();
}

} // namespace tessell
