#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace tessell {

class Design;

// The number view's table: a live window onto the design's cells, never a copy.
class CellGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CellGridModel(Design &design, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void cellsChanged(const QRect &cells);
    void sizeChanged();

    Design &m_design;
};

} // namespace tessell
